// The three digital fuel-level sensors D1 to D3, each with its temperature
// and its level.
#ifndef CMO_FORMPROPERTY_DIGITAL_F52_H
#define CMO_FORMPROPERTY_DIGITAL_F52_H

#include "cmo_formkit.h"

#include <QWidget>

class QGridLayout;

namespace F52 {

class CMO_FormProperty_Digital : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Digital(QWidget* parent = nullptr);
    ~CMO_FormProperty_Digital() override;

    void setTemp1(qint16 degrees);
    void setLevel1(quint16 level);
    void setTemp2(qint16 degrees);
    void setLevel2(quint16 level);
    void setTemp3(qint16 degrees);
    void setLevel3(quint16 level);

private:
    static const int kSensors = 3;
    void setupUi();
    void setCaptions(const QString& tail);
    void showTemp(int sensor, int degrees);
    void showLevel(int sensor, int level);

    QGridLayout* gridLayout_4 = nullptr;
    // Per sensor: row 2n its temperature, row 2n + 1 its level.
    CMO_FormKit::Row rows[2 * kSensors];
};

} // namespace F52

#endif // CMO_FORMPROPERTY_DIGITAL_F52_H
