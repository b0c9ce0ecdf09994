// The four temperature sensors T1 to T4, or "не используется" for a sensor
// that is not in use (-128).
#ifndef CMO_FORMPROPERTY_TEMP_F52_H
#define CMO_FORMPROPERTY_TEMP_F52_H

#include "cmo_formkit.h"

#include <QWidget>

class QGridLayout;

namespace F52 {

class CMO_FormProperty_Temp : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Temp(QWidget* parent = nullptr);
    ~CMO_FormProperty_Temp() override;

    void setTemp1F52(int degrees);
    void setTemp2F52(int degrees);
    void setTemp3F52(int degrees);
    void setTemp4F52(int degrees);

private:
    static const int kSensors = 4;
    void setupUi();
    void setTitles();
    void showSensor(int index, int degrees);

    QGridLayout* gridLayout = nullptr;
    CMO_FormKit::Row rows[kSensors];   // caption is the _Title label, text the _Value label
};

} // namespace F52

#endif // CMO_FORMPROPERTY_TEMP_F52_H
