// The eight analog input voltages A1 to A8; A1 to A3 are input lines 4 to
// 6 and have an unlock and a lock button each.
#ifndef CMO_FORMPROPERTY_ANALOG_H
#define CMO_FORMPROPERTY_ANALOG_H

#include "cmo_formkit.h"

#include <QWidget>

class QGridLayout;
class QLabel;
class QPushButton;

class CMO_FormProperty_Analog : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Analog(QWidget* parent = nullptr);
    ~CMO_FormProperty_Analog() override;

    // Millivolts.
    void setA1(int millivolts);
    void setA2(int millivolts);
    void setA3(int millivolts);
    void setA4(int millivolts);
    void setA5(int millivolts);
    void setA6(int millivolts);
    void setA7(int millivolts);
    void setA8(int millivolts);
    // The row follows visible; its buttons show only when both hold.
    void setA1State(bool withButtons, bool visible);
    void setA2State(bool withButtons, bool visible);
    void setA3State(bool withButtons, bool visible);

private slots:
    void slot_pressed_Btn_On4();
    void slot_pressed_Btn_Off4();
    void slot_pressed_Btn_On5();
    void slot_pressed_Btn_Off5();
    void slot_pressed_Btn_A3_On();
    void slot_pressed_Btn_A3_Off();

private:
    static const int kInputs = 8;
    static const int kLockable = 3;
    void setupUi();
    void retranslateUi();
    void applyTexts();
    void connectSlots();
    void showVolts(int index, int millivolts);

    QGridLayout* gridLayout = nullptr;
    CMO_FormKit::Row rows[kInputs];   // buttons on A1 to A3 only
};

#endif // CMO_FORMPROPERTY_ANALOG_H
