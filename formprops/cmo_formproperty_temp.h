// Eight temperature sensors T1 to T8, in whole degrees.
#ifndef CMO_FORMPROPERTY_TEMP_H
#define CMO_FORMPROPERTY_TEMP_H

#include "cmo_formkit.h"

#include <QWidget>

class QGridLayout;
class QLabel;

class CMO_FormProperty_Temp : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Temp(QWidget* parent = nullptr);
    ~CMO_FormProperty_Temp() override;

    // Degrees; -128 is a sensor that is not in use.
    void setTemp1(int degrees);
    void setTemp2(int degrees);
    void setTemp3(int degrees);
    void setTemp4(int degrees);
    void setTemp5(int degrees);
    void setTemp6(int degrees);
    void setTemp7(int degrees);
    void setTemp8(int degrees);

private:
    static const int kSensors = 8;
    void setupUi();
    void retranslateUi();
    void showSensor(int index, int degrees);

    QGridLayout* gridLayout = nullptr;
    CMO_FormKit::Row rows[kSensors];   // caption is the _Title label, text the _Value label
};

#endif // CMO_FORMPROPERTY_TEMP_H
