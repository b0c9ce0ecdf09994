#include "cmo_formproperty_impuls_f52.h"

#include "cmo_currentsink.h"
#include "cmo_lockrows.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace F52 {

CMO_FormProperty_Impuls::CMO_FormProperty_Impuls(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
    applyTexts();
    connectSlots();
}

CMO_FormProperty_Impuls::~CMO_FormProperty_Impuls() = default;

void CMO_FormProperty_Impuls::setupUi()
{
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Impuls", 335, 46);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");
    CMO_LockRows::build(this, gridLayout, rows, "I2", "I3");
    retranslateUi();
}

void CMO_FormProperty_Impuls::retranslateUi()
{
    rows[0].caption->setText(QStringLiteral("I2:"));
    rows[1].caption->setText(QStringLiteral("I3:"));
}

void CMO_FormProperty_Impuls::applyTexts()
{
    for (const CMO_FormKit::Row& row : rows)
        CMO_FormKit::setLockTooltips(row);
}

void CMO_FormProperty_Impuls::connectSlots()
{
    connect(rows[0].on, &QPushButton::pressed, this, &CMO_FormProperty_Impuls::slot_pressed_Btn_On2);
    connect(rows[0].off, &QPushButton::pressed, this, &CMO_FormProperty_Impuls::slot_pressed_Btn_Off2);
    connect(rows[1].on, &QPushButton::pressed, this, &CMO_FormProperty_Impuls::slot_pressed_Btn_On3);
    connect(rows[1].off, &QPushButton::pressed, this, &CMO_FormProperty_Impuls::slot_pressed_Btn_Off3);
}

void CMO_FormProperty_Impuls::setI2(int count)
{
    rows[0].text->setText(QString::asprintf("%d", count));
}

void CMO_FormProperty_Impuls::setI3(int count)
{
    rows[1].text->setText(QString::asprintf("%d", count));
}

void CMO_FormProperty_Impuls::setI2State(bool buttonsShown, bool shown)
{
    CMO_FormKit::showRowState(rows[0], buttonsShown, shown);
}

void CMO_FormProperty_Impuls::setI3State(bool buttonsShown, bool shown)
{
    CMO_FormKit::showRowState(rows[1], buttonsShown, shown);
}

void CMO_FormProperty_Impuls::setButtonsEnabled(bool on)
{
    CMO_LockRows::setEnabled(rows, on);
}

void CMO_FormProperty_Impuls::slot_pressed_Btn_On2() { CMO_CurrentSink::inputOn(2); }
void CMO_FormProperty_Impuls::slot_pressed_Btn_Off2() { CMO_CurrentSink::inputOff(2); }
void CMO_FormProperty_Impuls::slot_pressed_Btn_On3() { CMO_CurrentSink::inputOn(3); }
void CMO_FormProperty_Impuls::slot_pressed_Btn_Off3() { CMO_CurrentSink::inputOff(3); }

} // namespace F52
