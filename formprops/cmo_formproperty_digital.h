// Fuel level sensors: six on RS-485 (D1 to D6) and one on RS-232. The page
// hands over finished texts.
#ifndef CMO_FORMPROPERTY_DIGITAL_H
#define CMO_FORMPROPERTY_DIGITAL_H

#include "cmo_formkit.h"

#include <QWidget>

class QGridLayout;
class QLabel;

class CMO_FormProperty_Digital : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Digital(QWidget* parent = nullptr);
    ~CMO_FormProperty_Digital() override;

    void setD1(const QString& text);
    void setD2(const QString& text);
    void setD3(const QString& text);
    void setD4(const QString& text);
    void setD5(const QString& text);
    void setD6(const QString& text);
    void setRS232(const QString& text);

private:
    static const int kRows = 7;
    void setupUi();
    void retranslateUi();

    QGridLayout* gridLayout_4 = nullptr;
    CMO_FormKit::Row rows[kRows];
};

#endif // CMO_FORMPROPERTY_DIGITAL_H
