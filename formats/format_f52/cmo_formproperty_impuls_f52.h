// The pulse inputs I2 and I3 (input lines 2 and 3), each with an unlock and
// a lock button for its line.
#ifndef CMO_FORMPROPERTY_IMPULS_F52_H
#define CMO_FORMPROPERTY_IMPULS_F52_H

#include "cmo_formkit.h"

#include <QWidget>

class QGridLayout;

namespace F52 {

class CMO_FormProperty_Impuls : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Impuls(QWidget* parent = nullptr);
    ~CMO_FormProperty_Impuls() override;

    void setI2(int count);
    void setI3(int count);
    // The line's labels follow shown; its buttons show only when
    // buttonsShown and shown both hold.
    void setI2State(bool buttonsShown, bool shown);
    void setI3State(bool buttonsShown, bool shown);
    void setButtonsEnabled(bool on);

private slots:
    void slot_pressed_Btn_On2();
    void slot_pressed_Btn_Off2();
    void slot_pressed_Btn_On3();
    void slot_pressed_Btn_Off3();

private:
    void setupUi();
    void retranslateUi();
    void applyTexts();
    void connectSlots();

    QGridLayout* gridLayout = nullptr;
    CMO_FormKit::Row rows[2];   // I2 (line 2), I3 (line 3)
};

} // namespace F52

#endif // CMO_FORMPROPERTY_IMPULS_F52_H
