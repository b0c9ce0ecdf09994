#include "cmo_formproperty_analog.h"

#include "cmo_currentsink.h"
#include "cmo_formkit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

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
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Analog", 335, 185);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");

    for (int i = 0; i < kInputs; ++i) {
        const QByteArray n = "A" + QByteArray::number(i + 1);
        rows[i] = CMO_FormKit::addRow(this, gridLayout, i, "label_" + n + "_Icon", "label_" + n,
                                      "label_" + n + "_Text", "speedometer", 70);
        if (i < kLockable)
            CMO_FormKit::addLockButtons(rows[i], this, gridLayout, i, n, false);
    }

    retranslateUi();
}

void CMO_FormProperty_Analog::retranslateUi()
{
    for (int i = 0; i < kInputs; ++i)
        rows[i].caption->setText(QStringLiteral("A%1:").arg(i + 1));
}

void CMO_FormProperty_Analog::applyTexts()
{
    // The A3 buttons carry no tooltip.
    CMO_FormKit::setLockTooltips(rows[0]);
    CMO_FormKit::setLockTooltips(rows[1]);
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

void CMO_FormProperty_Analog::showVolts(int index, int millivolts)
{
    rows[index].text->setText(CMO_FormKit::voltText(millivolts));
}

void CMO_FormProperty_Analog::setA1(int millivolts) { showVolts(0, millivolts); }
void CMO_FormProperty_Analog::setA2(int millivolts) { showVolts(1, millivolts); }
void CMO_FormProperty_Analog::setA3(int millivolts) { showVolts(2, millivolts); }
void CMO_FormProperty_Analog::setA4(int millivolts) { showVolts(3, millivolts); }
void CMO_FormProperty_Analog::setA5(int millivolts) { showVolts(4, millivolts); }
void CMO_FormProperty_Analog::setA6(int millivolts) { showVolts(5, millivolts); }
void CMO_FormProperty_Analog::setA7(int millivolts) { showVolts(6, millivolts); }
void CMO_FormProperty_Analog::setA8(int millivolts) { showVolts(7, millivolts); }

void CMO_FormProperty_Analog::setA1State(bool withButtons, bool visible)
{
    CMO_FormKit::showRowState(rows[0], withButtons, visible);
}

void CMO_FormProperty_Analog::setA2State(bool withButtons, bool visible)
{
    CMO_FormKit::showRowState(rows[1], withButtons, visible);
}

void CMO_FormProperty_Analog::setA3State(bool withButtons, bool visible)
{
    CMO_FormKit::showRowState(rows[2], withButtons, visible);
}

void CMO_FormProperty_Analog::slot_pressed_Btn_On4() { CMO_CurrentSink::inputOn(4); }
void CMO_FormProperty_Analog::slot_pressed_Btn_Off4() { CMO_CurrentSink::inputOff(4); }
void CMO_FormProperty_Analog::slot_pressed_Btn_On5() { CMO_CurrentSink::inputOn(5); }
void CMO_FormProperty_Analog::slot_pressed_Btn_Off5() { CMO_CurrentSink::inputOff(5); }
void CMO_FormProperty_Analog::slot_pressed_Btn_A3_On() { CMO_CurrentSink::inputOn(6); }
void CMO_FormProperty_Analog::slot_pressed_Btn_A3_Off() { CMO_CurrentSink::inputOff(6); }
