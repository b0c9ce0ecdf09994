// Accelerometer lamps: weak shock, strong shock, movement.
#ifndef CMO_FORMPROPERTY_SH_H
#define CMO_FORMPROPERTY_SH_H

#include "cmo_formkit.h"

#include <QWidget>

class QGridLayout;
class QLabel;

class CMO_FormProperty_SH : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_SH(QWidget* parent = nullptr);
    ~CMO_FormProperty_SH() override;

    void setSH1(int flag);   // weak shock
    void setSH2(int flag);   // strong shock
    void setSH3(int flag);   // movement

private:
    void setupUi();
    void retranslateUi();
    void setCaptions();
    void showRow(const CMO_FormKit::Row& row, int flag);

    QGridLayout* gridLayout = nullptr;
    CMO_FormKit::Row rows[3];
};

#endif // CMO_FORMPROPERTY_SH_H
