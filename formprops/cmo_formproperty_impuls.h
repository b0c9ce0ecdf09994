// Counters of the pulse inputs I2 and I3 (input lines 2 and 3), each with
// an unlock and a lock button; the page decides which rows and buttons
// are visible.
#ifndef CMO_FORMPROPERTY_IMPULS_H
#define CMO_FORMPROPERTY_IMPULS_H

#include "cmo_formkit.h"

#include <QWidget>

class QGridLayout;
class QLabel;
class QPushButton;

class CMO_FormProperty_Impuls : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormProperty_Impuls(QWidget* parent = nullptr);
    ~CMO_FormProperty_Impuls() override;

    void setI2(int count);
    void setI3(int count);
    // The row follows visible; its buttons show only when both hold.
    void setI2State(bool withButtons, bool visible);
    void setI3State(bool withButtons, bool visible);

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
    CMO_FormKit::Row rows[2];   // I2, I3
};

#endif // CMO_FORMPROPERTY_IMPULS_H
