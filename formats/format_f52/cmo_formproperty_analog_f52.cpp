#include "cmo_formproperty_analog_f52.h"

#include "cmo_currentsink.h"
#include "cmo_lockrows.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace F52 {

CMO_FormProperty_Analog::CMO_FormProperty_Analog(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
    applyTexts();
    connectSlots();
}

CMO_FormProperty_Analog::~CMO_FormProperty_Analog() = default;

void CMO_FormProperty_Analog::setupUi()
{
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Analog", 335, 46);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");
    CMO_LockRows::build(this, gridLayout, rows, "A1", "A2");
    retranslateUi();
}

void CMO_FormProperty_Analog::retranslateUi()
{
    rows[0].caption->setText(QStringLiteral("A1:"));
    rows[1].caption->setText(QStringLiteral("A2:"));
}

void CMO_FormProperty_Analog::applyTexts()
{
    for (const CMO_FormKit::Row& row : rows)
        CMO_FormKit::setLockTooltips(row);
}

void CMO_FormProperty_Analog::connectSlots()
{
    connect(rows[0].on, &QPushButton::pressed, this, &CMO_FormProperty_Analog::slot_pressed_Btn_On4);
    connect(rows[0].off, &QPushButton::pressed, this, &CMO_FormProperty_Analog::slot_pressed_Btn_Off4);
    connect(rows[1].on, &QPushButton::pressed, this, &CMO_FormProperty_Analog::slot_pressed_Btn_On5);
    connect(rows[1].off, &QPushButton::pressed, this, &CMO_FormProperty_Analog::slot_pressed_Btn_Off5);
}

void CMO_FormProperty_Analog::setA1(int millivolts)
{
    rows[0].text->setText(CMO_FormKit::voltText(millivolts));
}

void CMO_FormProperty_Analog::setA2(int millivolts)
{
    rows[1].text->setText(CMO_FormKit::voltText(millivolts));
}

void CMO_FormProperty_Analog::setButtonsEnabled(bool on)
{
    CMO_LockRows::setEnabled(rows, on);
}

void CMO_FormProperty_Analog::slot_pressed_Btn_On4() { CMO_CurrentSink::inputOn(4); }
void CMO_FormProperty_Analog::slot_pressed_Btn_Off4() { CMO_CurrentSink::inputOff(4); }
void CMO_FormProperty_Analog::slot_pressed_Btn_On5() { CMO_CurrentSink::inputOn(5); }
void CMO_FormProperty_Analog::slot_pressed_Btn_Off5() { CMO_CurrentSink::inputOff(5); }

} // namespace F52
