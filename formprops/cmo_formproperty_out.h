// The four control outputs: a lamp and a word each, and per output the one
// button that reverses the shown state ("*!%1Y" activates, "*!%1N" switches
// off). The buttons act on press through the current command sink.
#ifndef CMO_FORMPROPERTY_OUT_H
#define CMO_FORMPROPERTY_OUT_H

#include "cmo_formkit.h"

#include <QWidget>

class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;

class CMO_FormProperty_Out : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Out(QWidget* parent = nullptr);
    ~CMO_FormProperty_Out() override;

    // state 0 switched off, anything else activated; controllable false
    // hides both buttons of the row.
    void setOut1(bool controllable, int state);
    void setOut2(bool controllable, int state);
    void setOut3(bool controllable, int state);
    void setOut4(bool controllable, int state);
    // All eight buttons, 1Y, 1N, 2Y, 2N, ... 4N.
    void setButtonsEnabled(bool on);

private slots:
    void slot_pressed_1Y();
    void slot_pressed_1N();
    void slot_pressed_2Y();
    void slot_pressed_2N();
    void slot_pressed_3Y();
    void slot_pressed_3N();
    void slot_pressed_4Y();
    void slot_pressed_4N();

private:
    static const int kOutputs = 4;
    // on is pushButton_<n>Y, off pushButton_<n>N, both in the row's frame.
    struct Row : CMO_FormKit::Row {
        QFrame* frame = nullptr;
        QGridLayout* frameLayout = nullptr;
    };

    void setupUi();
    void retranslateUi();
    void connectSlots();
    void applyTexts();
    void showOut(int index, bool controllable, int state);

    QGridLayout* gridLayout = nullptr;
    Row rows[kOutputs];
};

#endif // CMO_FORMPROPERTY_OUT_H
