// The F-4 temperature group: four sensors in whole degrees, or
// "не подключен" for a sensor that is not connected (-128).
#ifndef CMO_FORMPROPERTY_TEMP_H
#define CMO_FORMPROPERTY_TEMP_H

#include "cmo_formkit.h"

#include <QWidget>

class QGridLayout;

class CMO_FormProperty_Temp : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Temp(QWidget* parent = nullptr);
    ~CMO_FormProperty_Temp() override;

    // Signed degrees; -128 is a sensor that is not connected.
    void setTemp1(int degrees);
    void setTemp2(int degrees);
    void setTemp3(int degrees);
    void setTemp4(int degrees);

private:
    static const int kSensors = 4;
    void setupUi();
    void retranslateUi();
    void showSensor(int index, int degrees);

    QGridLayout* gridLayout = nullptr;
    CMO_FormKit::Row rows[kSensors];   // caption is the _Title label, text the _Value label
};

#endif // CMO_FORMPROPERTY_TEMP_H
