// The F-4 input lines I1 to I8: a lamp and a word each, and per line an
// unlock ("*!ON:%1") and a lock ("*!OFF:%1") button that act on press
// through the current sink. Lines 5 to 8 know more states than normal and
// triggered: 2 open circuit, 3 short circuit, 4 (lines 5, 6) warning.
#ifndef CMO_FORMPROPERTY_IN_H
#define CMO_FORMPROPERTY_IN_H

#include "cmo_formkit.h"

#include <QWidget>

class QGridLayout;

class CMO_FormProperty_In : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_In(QWidget* parent = nullptr);
    ~CMO_FormProperty_In() override;

    // 0 normal, anything else triggered.
    void setIn1(int state);
    void setIn2(int state);
    void setIn3(int state);
    void setIn4(int state);
    // States 0 to 4; a greater one leaves the line as it was.
    void setIn5(unsigned state);
    void setIn6(unsigned state);
    // States 0 to 3; a greater one leaves the line as it was.
    void setIn7(unsigned state);
    void setIn8(unsigned state);
    // All sixteen buttons, line by line, unlock before lock.
    void setButtonsEnabled(bool on);

private slots:
    void slot_pressed_Btn_On1();
    void slot_pressed_Btn_Off1();
    void slot_pressed_Btn_On2();
    void slot_pressed_Btn_Off2();
    void slot_pressed_Btn_On3();
    void slot_pressed_Btn_Off3();
    void slot_pressed_Btn_On4();
    void slot_pressed_Btn_Off4();
    void slot_pressed_Btn_On5();
    void slot_pressed_Btn_Off5();
    void slot_pressed_Btn_On6();
    void slot_pressed_Btn_Off6();
    void slot_pressed_Btn_On7();
    void slot_pressed_Btn_Off7();
    void slot_pressed_Btn_On8();
    void slot_pressed_Btn_Off8();

private:
    static const int kLines = 8;
    void setupUi();
    void retranslateUi();
    void applyTexts();
    void connectSlots();
    // Shows state on line index when it is at most highest.
    void showLine(int index, unsigned state, unsigned highest);

    QGridLayout* gridLayout = nullptr;
    CMO_FormKit::Row rows[kLines];
};

#endif // CMO_FORMPROPERTY_IN_H
