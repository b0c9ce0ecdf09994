#include "cmo_formproperty_in.h"

#include "cmo_currentsink.h"
#include "cmo_formkit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CMO_FormProperty_In::CMO_FormProperty_In(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
    applyTexts();
    connectSlots();
}

CMO_FormProperty_In::~CMO_FormProperty_In() = default;

void CMO_FormProperty_In::setupUi()
{
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_In", 338, 124);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");

    for (int i = 0; i < kLines; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        rows[i] = CMO_FormKit::addRow(this, gridLayout, i, "label_In" + n + "_Icon", "label_IN" + n,
                                      "label_IN" + n + "_Text", "greenLamp", 70);
        CMO_FormKit::addLockButtons(rows[i], this, gridLayout, i, n);
    }

    retranslateUi();
}

void CMO_FormProperty_In::retranslateUi()
{
    static const char* const captions[kLines] = {"Вход I1:", "Вход I2:", "Вход I3:", "Вход A1:", "Вход A2:"};
    for (int i = 0; i < kLines; ++i)
        rows[i].caption->setText(QString::fromUtf8(captions[i]));
}

void CMO_FormProperty_In::applyTexts()
{
    for (const CMO_FormKit::Row& row : rows)
        CMO_FormKit::setLockTooltips(row);
}

void CMO_FormProperty_In::connectSlots()
{
    connect(rows[0].on, &QPushButton::pressed, this, &CMO_FormProperty_In::slot_pressed_Btn_On1);
    connect(rows[0].off, &QPushButton::pressed, this, &CMO_FormProperty_In::slot_pressed_Btn_Off1);
    connect(rows[1].on, &QPushButton::pressed, this, &CMO_FormProperty_In::slot_pressed_Btn_On2);
    connect(rows[1].off, &QPushButton::pressed, this, &CMO_FormProperty_In::slot_pressed_Btn_Off2);
    connect(rows[2].on, &QPushButton::pressed, this, &CMO_FormProperty_In::slot_pressed_Btn_On3);
    connect(rows[2].off, &QPushButton::pressed, this, &CMO_FormProperty_In::slot_pressed_Btn_Off3);
    connect(rows[3].on, &QPushButton::pressed, this, &CMO_FormProperty_In::slot_pressed_Btn_On4);
    connect(rows[3].off, &QPushButton::pressed, this, &CMO_FormProperty_In::slot_pressed_Btn_Off4);
    connect(rows[4].on, &QPushButton::pressed, this, &CMO_FormProperty_In::slot_pressed_Btn_On5);
    connect(rows[4].off, &QPushButton::pressed, this, &CMO_FormProperty_In::slot_pressed_Btn_Off5);
}

void CMO_FormProperty_In::showLine(int index, int state)
{
    CMO_FormKit::showLamp(rows[index], state, QStringLiteral("в норме"), QStringLiteral("сработал"));
}

void CMO_FormProperty_In::setIn1(int state) { showLine(0, state); }
void CMO_FormProperty_In::setIn2(int state) { showLine(1, state); }
void CMO_FormProperty_In::setIn3(int state) { showLine(2, state); }
void CMO_FormProperty_In::setIn4(int state) { showLine(3, state); }
void CMO_FormProperty_In::setIn5(int state) { showLine(4, state); }

void CMO_FormProperty_In::setButtonsEnabled(bool on)
{
    for (const CMO_FormKit::Row& row : rows) {
        row.on->setEnabled(on);
        row.off->setEnabled(on);
    }
}

void CMO_FormProperty_In::slot_pressed_Btn_On1() { CMO_CurrentSink::inputOn(1); }
void CMO_FormProperty_In::slot_pressed_Btn_Off1() { CMO_CurrentSink::inputOff(1); }
void CMO_FormProperty_In::slot_pressed_Btn_On2() { CMO_CurrentSink::inputOn(2); }
void CMO_FormProperty_In::slot_pressed_Btn_Off2() { CMO_CurrentSink::inputOff(2); }
void CMO_FormProperty_In::slot_pressed_Btn_On3() { CMO_CurrentSink::inputOn(3); }
void CMO_FormProperty_In::slot_pressed_Btn_Off3() { CMO_CurrentSink::inputOff(3); }
void CMO_FormProperty_In::slot_pressed_Btn_On4() { CMO_CurrentSink::inputOn(4); }
void CMO_FormProperty_In::slot_pressed_Btn_Off4() { CMO_CurrentSink::inputOff(4); }
void CMO_FormProperty_In::slot_pressed_Btn_On5() { CMO_CurrentSink::inputOn(5); }
void CMO_FormProperty_In::slot_pressed_Btn_Off5() { CMO_CurrentSink::inputOff(5); }
