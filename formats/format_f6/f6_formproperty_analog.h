// The F-6 terminal's three analog inputs A1 to A3 (input lines 4 to 6, each
// with an unlock and a lock button). The F-6 page's own version of the
// library's analog group: same class name and operations, three rows instead
// of eight. It lives in namespace F6 so that both can be linked into one
// plug-in; the F-6 page uses only this one.
#ifndef F6_FORMPROPERTY_ANALOG_H
#define F6_FORMPROPERTY_ANALOG_H

#include "cmo_formkit.h"

#include <QWidget>

class QGridLayout;

namespace F6 {

class CMO_FormProperty_Analog : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Analog(QWidget* parent = nullptr);
    ~CMO_FormProperty_Analog() override;

    // The row follows shown; its two buttons show only when both hold.
    void setA1State(bool buttonsShown, bool shown);
    void setA2State(bool buttonsShown, bool shown);
    void setA3State(bool buttonsShown, bool shown);
    // Millivolts, shown as volts with one decimal.
    void setA1(int millivolts);
    void setA2(int millivolts);
    void setA3(int millivolts);

private slots:
    void slot_pressed_Btn_On4();
    void slot_pressed_Btn_Off4();
    void slot_pressed_Btn_On5();
    void slot_pressed_Btn_Off5();
    void slot_pressed_Btn_A3_On();
    void slot_pressed_Btn_A3_Off();

private:
    static const int kInputs = 3;
    void setupUi();
    void connectSlots();

    QGridLayout* gridLayout = nullptr;
    CMO_FormKit::Row rows[kInputs];
};

} // namespace F6

#endif // F6_FORMPROPERTY_ANALOG_H
