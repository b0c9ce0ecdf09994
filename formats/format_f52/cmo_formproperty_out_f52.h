// The two control outputs: lamp and state per output, and the one button
// that changes its state.
#ifndef CMO_FORMPROPERTY_OUT_F52_H
#define CMO_FORMPROPERTY_OUT_F52_H

#include "cmo_formkit.h"

#include <QWidget>

class QFrame;
class QGridLayout;

namespace F52 {

class CMO_FormProperty_Out : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Out(QWidget* parent = nullptr);
    ~CMO_FormProperty_Out() override;

    void setButtonsEnabledF52(bool on);
    // on non-zero: red lamp, "активирован", only the off button; zero: green
    // lamp, "выключен", only the on button. Without buttonsAllowed both
    // buttons are hidden.
    void setOut1F52(bool buttonsAllowed, int on);
    void setOut2F52(bool buttonsAllowed, int on);

private slots:
    void slot_pressed_1Y();
    void slot_pressed_1N();
    void slot_pressed_2Y();
    void slot_pressed_2N();

private:
    struct Row : CMO_FormKit::Row {
        QFrame* frame = nullptr;
        QGridLayout* frameLayout = nullptr;
    };
    void setupUi();
    void retranslateUi();
    void connectSlots();
    void applyTexts();
    void showOut(Row& row, bool buttonsAllowed, int on);

    QGridLayout* gridLayout = nullptr;
    Row rows[2];
};

} // namespace F52

#endif // CMO_FORMPROPERTY_OUT_F52_H
