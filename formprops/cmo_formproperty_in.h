// The five discrete input lines (I1 to I3, and A1, A2 used as lines 4 and
// 5): a lamp and a word each, and per line an unlock ("*!ON:%1") and a
// lock ("*!OFF:%1") button that act on press through the current sink.
#ifndef CMO_FORMPROPERTY_IN_H
#define CMO_FORMPROPERTY_IN_H

#include "cmo_formkit.h"

#include <QWidget>

class QGridLayout;
class QLabel;
class QPushButton;

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
    void setIn5(int state);
    // All ten buttons, line by line, ON before OFF.
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

private:
    static const int kLines = 5;
    void setupUi();
    void retranslateUi();
    void applyTexts();
    void connectSlots();
    void showLine(int index, int state);

    QGridLayout* gridLayout = nullptr;
    CMO_FormKit::Row rows[kLines];
};

#endif // CMO_FORMPROPERTY_IN_H
