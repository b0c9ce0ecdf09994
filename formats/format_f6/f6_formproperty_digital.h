// The F-6 terminal's seven digital fuel sensors (D1 to D6 on RS-485 and one
// on RS-232), a temperature row and a level row each. The F-6 page's own
// version of the library's fuel-sensor group (same class name, in namespace
// F6 so that both can be linked into one plug-in). No buttons.
#ifndef F6_FORMPROPERTY_DIGITAL_H
#define F6_FORMPROPERTY_DIGITAL_H

#include "cmo_formkit.h"

#include <QWidget>
#include <cstdint>

class QGridLayout;

namespace F6 {

class CMO_FormProperty_Digital : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Digital(QWidget* parent = nullptr);
    ~CMO_FormProperty_Digital() override;

    // Degrees, shown as given followed by " °С".
    void setTemp1(int16_t degrees);
    void setTemp2(int16_t degrees);
    void setTemp3(int16_t degrees);
    void setTemp4(int16_t degrees);
    void setTemp5(int16_t degrees);
    void setTemp6(int16_t degrees);
    void setTempRS232(int16_t degrees);
    // Levels, shown as the number alone.
    void setLevel1(uint16_t level);
    void setLevel2(uint16_t level);
    void setLevel3(uint16_t level);
    void setLevel4(uint16_t level);
    void setLevel5(uint16_t level);
    void setLevel6(uint16_t level);
    void setLevelRS232(uint16_t level);

private:
    static const int kSensors = 7;   // D1 to D6, then RS-232
    void setupUi();
    void retranslateUi();
    void applyCaptions();
    void showTemp(int sensor, int16_t degrees);
    void showLevel(int sensor, uint16_t level);

    QGridLayout* gridLayout_4 = nullptr;
    CMO_FormKit::Row temps[kSensors];
    CMO_FormKit::Row levels[kSensors];
};

} // namespace F6

#endif // F6_FORMPROPERTY_DIGITAL_H
