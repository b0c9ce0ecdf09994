// The F-6 terminal's four temperature sensors T1 to T4, in whole degrees.
// The F-6 page's own version of the library's temperature group (same class
// name and setters, four rows instead of eight, in namespace F6 so that both
// can be linked into one plug-in). No buttons.
#ifndef F6_FORMPROPERTY_TEMP_H
#define F6_FORMPROPERTY_TEMP_H

#include "cmo_formkit.h"

#include <QWidget>

class QGridLayout;

namespace F6 {

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

private:
    static const int kSensors = 4;
    void setupUi();
    void showSensor(int index, int degrees);

    QGridLayout* gridLayout = nullptr;
    CMO_FormKit::Row rows[kSensors];   // caption is the _Title label, text the _Value label
};

} // namespace F6

#endif // F6_FORMPROPERTY_TEMP_H
