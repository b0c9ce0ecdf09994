// The analog inputs A1 and A2 (input lines 4 and 5) in volts, each with an
// unlock and a lock button for its line.
#ifndef CMO_FORMPROPERTY_ANALOG_F52_H
#define CMO_FORMPROPERTY_ANALOG_F52_H

#include "cmo_formkit.h"

#include <QWidget>

class QGridLayout;

namespace F52 {

class CMO_FormProperty_Analog : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Analog(QWidget* parent = nullptr);
    ~CMO_FormProperty_Analog() override;

    void setA1(int millivolts);
    void setA2(int millivolts);
    void setButtonsEnabled(bool on);

private slots:
    void slot_pressed_Btn_On4();
    void slot_pressed_Btn_Off4();
    void slot_pressed_Btn_On5();
    void slot_pressed_Btn_Off5();

private:
    void setupUi();
    void retranslateUi();
    void applyTexts();
    void connectSlots();

    QGridLayout* gridLayout = nullptr;
    CMO_FormKit::Row rows[2];   // A1 (line 4), A2 (line 5)
};

} // namespace F52

#endif // CMO_FORMPROPERTY_ANALOG_F52_H
