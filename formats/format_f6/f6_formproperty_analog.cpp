#include "f6_formproperty_analog.h"

#include "cmo_currentsink.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace F6 {

CMO_FormProperty_Analog::CMO_FormProperty_Analog(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
    // The A2 and A3 buttons carry no tooltip.
    CMO_FormKit::setLockTooltips(rows[0]);
    connectSlots();
}

CMO_FormProperty_Analog::~CMO_FormProperty_Analog() = default;

void CMO_FormProperty_Analog::setupUi()
{
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Analog", 335, 73);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");
    for (int i = 0; i < kInputs; ++i) {
        const QByteArray n = "A" + QByteArray::number(i + 1);
        rows[i] = CMO_FormKit::addRow(this, gridLayout, i, "label_" + n + "_Icon", "label_" + n,
                                      "label_" + n + "_Text", "speedometer", 70);
        CMO_FormKit::addLockButtons(rows[i], this, gridLayout, i, n, false);
        rows[i].caption->setText(QString::fromLatin1(n + ":"));
    }
}

void CMO_FormProperty_Analog::connectSlots()
{
    connect(rows[0].on, &QPushButton::pressed, this, &CMO_FormProperty_Analog::slot_pressed_Btn_On4);
    connect(rows[0].off, &QPushButton::pressed, this, &CMO_FormProperty_Analog::slot_pressed_Btn_Off4);
    connect(rows[1].on, &QPushButton::pressed, this, &CMO_FormProperty_Analog::slot_pressed_Btn_On5);
    connect(rows[1].off, &QPushButton::pressed, this, &CMO_FormProperty_Analog::slot_pressed_Btn_Off5);
    connect(rows[2].on, &QPushButton::pressed, this, &CMO_FormProperty_Analog::slot_pressed_Btn_A3_On);
    connect(rows[2].off, &QPushButton::pressed, this, &CMO_FormProperty_Analog::slot_pressed_Btn_A3_Off);
}

void CMO_FormProperty_Analog::setA1State(bool buttonsShown, bool shown)
{
    CMO_FormKit::showRowState(rows[0], buttonsShown, shown);
}

void CMO_FormProperty_Analog::setA2State(bool buttonsShown, bool shown)
{
    CMO_FormKit::showRowState(rows[1], buttonsShown, shown);
}

void CMO_FormProperty_Analog::setA3State(bool buttonsShown, bool shown)
{
    CMO_FormKit::showRowState(rows[2], buttonsShown, shown);
}

void CMO_FormProperty_Analog::setA1(int millivolts) { rows[0].text->setText(CMO_FormKit::voltText(millivolts)); }
void CMO_FormProperty_Analog::setA2(int millivolts) { rows[1].text->setText(CMO_FormKit::voltText(millivolts)); }
void CMO_FormProperty_Analog::setA3(int millivolts) { rows[2].text->setText(CMO_FormKit::voltText(millivolts)); }

void CMO_FormProperty_Analog::slot_pressed_Btn_On4() { CMO_CurrentSink::inputOn(4); }
void CMO_FormProperty_Analog::slot_pressed_Btn_Off4() { CMO_CurrentSink::inputOff(4); }
void CMO_FormProperty_Analog::slot_pressed_Btn_On5() { CMO_CurrentSink::inputOn(5); }
void CMO_FormProperty_Analog::slot_pressed_Btn_Off5() { CMO_CurrentSink::inputOff(5); }
void CMO_FormProperty_Analog::slot_pressed_Btn_A3_On() { CMO_CurrentSink::inputOn(6); }
void CMO_FormProperty_Analog::slot_pressed_Btn_A3_Off() { CMO_CurrentSink::inputOff(6); }

} // namespace F6
