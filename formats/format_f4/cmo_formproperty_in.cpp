#include "cmo_formproperty_in.h"

#include "cmo_currentsink.h"
#include "f4_pictures.h"

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
    F4Pictures::load();
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_In", 338, 202);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");

    for (int i = 0; i < kLines; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        rows[i] = CMO_FormKit::addRow(this, gridLayout, i, "label_In" + n + "_Icon", "label_IN" + n,
                                      "label_IN" + n + "_Text", "greenLamp", 70);
        CMO_FormKit::addLockButtons(rows[i], this, gridLayout, i, n, false);
    }

    retranslateUi();
}

void CMO_FormProperty_In::retranslateUi()
{
    for (int i = 0; i < kLines; ++i)
        rows[i].caption->setText(QStringLiteral("Вход I") + QString::number(i + 1) + QStringLiteral(":"));
}

void CMO_FormProperty_In::applyTexts()
{
    for (const CMO_FormKit::Row& row : rows)
        CMO_FormKit::setLockTooltips(row);
}

void CMO_FormProperty_In::connectSlots()
{
    using In = CMO_FormProperty_In;
    static void (In::*const onSlots[kLines])() = {
        &In::slot_pressed_Btn_On1, &In::slot_pressed_Btn_On2, &In::slot_pressed_Btn_On3,
        &In::slot_pressed_Btn_On4, &In::slot_pressed_Btn_On5, &In::slot_pressed_Btn_On6,
        &In::slot_pressed_Btn_On7, &In::slot_pressed_Btn_On8};
    static void (In::*const offSlots[kLines])() = {
        &In::slot_pressed_Btn_Off1, &In::slot_pressed_Btn_Off2, &In::slot_pressed_Btn_Off3,
        &In::slot_pressed_Btn_Off4, &In::slot_pressed_Btn_Off5, &In::slot_pressed_Btn_Off6,
        &In::slot_pressed_Btn_Off7, &In::slot_pressed_Btn_Off8};
    for (int i = 0; i < kLines; ++i) {
        connect(rows[i].on, &QPushButton::pressed, this, onSlots[i]);
        connect(rows[i].off, &QPushButton::pressed, this, offSlots[i]);
    }
}

void CMO_FormProperty_In::showLine(int index, unsigned state, unsigned highest)
{
    static const char* const pictures[5] = {"greenLamp", "redLamp", "greenRedLamp", "blueLamp", "yellowLamp"};
    static const char* const words[5] = {"в норме", "сработал", "обрыв", "замыкание", "внимание"};
    if (state > highest)
        return;
    const CMO_FormKit::Row& row = rows[index];
    CMO_FormKit::showPicture(row.icon, CMO_FormKit::codePicture(pictures[state]));
    row.text->setText(QString::fromUtf8(words[state]));
}

void CMO_FormProperty_In::setIn1(int state) { showLine(0, state != 0, 1); }
void CMO_FormProperty_In::setIn2(int state) { showLine(1, state != 0, 1); }
void CMO_FormProperty_In::setIn3(int state) { showLine(2, state != 0, 1); }
void CMO_FormProperty_In::setIn4(int state) { showLine(3, state != 0, 1); }
void CMO_FormProperty_In::setIn5(unsigned state) { showLine(4, state, 4); }
void CMO_FormProperty_In::setIn6(unsigned state) { showLine(5, state, 4); }
void CMO_FormProperty_In::setIn7(unsigned state) { showLine(6, state, 3); }
void CMO_FormProperty_In::setIn8(unsigned state) { showLine(7, state, 3); }

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
void CMO_FormProperty_In::slot_pressed_Btn_On6() { CMO_CurrentSink::inputOn(6); }
void CMO_FormProperty_In::slot_pressed_Btn_Off6() { CMO_CurrentSink::inputOff(6); }
void CMO_FormProperty_In::slot_pressed_Btn_On7() { CMO_CurrentSink::inputOn(7); }
void CMO_FormProperty_In::slot_pressed_Btn_Off7() { CMO_CurrentSink::inputOff(7); }
void CMO_FormProperty_In::slot_pressed_Btn_On8() { CMO_CurrentSink::inputOn(8); }
void CMO_FormProperty_In::slot_pressed_Btn_Off8() { CMO_CurrentSink::inputOff(8); }
