#include "cmo_formproperty_out.h"

#include "cmo_currentsink.h"
#include "cmo_formkit.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CMO_FormProperty_Out::CMO_FormProperty_Out(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
    connectSlots();
    applyTexts();
}

CMO_FormProperty_Out::~CMO_FormProperty_Out() = default;

void CMO_FormProperty_Out::setupUi()
{
    static const char* const frames[kOutputs] = {"frame", "frame_2", "frame_3", "frame_4"};
    static const char* const frameLayouts[kOutputs] = {"gridLayout_2", "gridLayout_3", "gridLayout_4",
                                                       "gridLayout_5"};

    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Out", 360, 106);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");

    for (int i = 0; i < kOutputs; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        Row& row = rows[i];
        static_cast<CMO_FormKit::Row&>(row) = CMO_FormKit::addRow(
            this, gridLayout, i, "label_Out" + n + "_Icon", "label_Out" + n, "label_Out" + n + "_Text",
            "greenLamp", 70);
        row.frame = CMO_FormKit::raisedFrame(this, frames[i], &row.frameLayout, frameLayouts[i]);
        row.frame->setMinimumSize(20, 0);
        row.frame->setMaximumSize(20, 16777215);
        row.on = CMO_FormKit::commandButton(row.frame, "pushButton_" + n + "Y", "redLamp");
        row.off = CMO_FormKit::commandButton(row.frame, "pushButton_" + n + "N", "greenLamp");
        row.frameLayout->addWidget(row.on, 0, 0);
        row.frameLayout->addWidget(row.off, 0, 1);

        gridLayout->addWidget(row.frame, i, 3);
    }

    retranslateUi();
}

void CMO_FormProperty_Out::retranslateUi()
{
    for (int i = 0; i < kOutputs; ++i)
        rows[i].caption->setText(QStringLiteral("Выход %1:").arg(i + 1));
}

void CMO_FormProperty_Out::connectSlots()
{
    connect(rows[0].on, &QPushButton::pressed, this, &CMO_FormProperty_Out::slot_pressed_1Y);
    connect(rows[0].off, &QPushButton::pressed, this, &CMO_FormProperty_Out::slot_pressed_1N);
    connect(rows[1].on, &QPushButton::pressed, this, &CMO_FormProperty_Out::slot_pressed_2Y);
    connect(rows[1].off, &QPushButton::pressed, this, &CMO_FormProperty_Out::slot_pressed_2N);
    connect(rows[2].on, &QPushButton::pressed, this, &CMO_FormProperty_Out::slot_pressed_3Y);
    connect(rows[2].off, &QPushButton::pressed, this, &CMO_FormProperty_Out::slot_pressed_3N);
    connect(rows[3].on, &QPushButton::pressed, this, &CMO_FormProperty_Out::slot_pressed_4Y);
    connect(rows[3].off, &QPushButton::pressed, this, &CMO_FormProperty_Out::slot_pressed_4N);
}

void CMO_FormProperty_Out::applyTexts()
{
    for (const Row& row : rows) {
        row.on->setToolTip(QStringLiteral("Активировать выход"));
        row.off->setToolTip(QStringLiteral("Выключить выход"));
    }
}

void CMO_FormProperty_Out::showOut(int index, bool controllable, int state)
{
    const Row& row = rows[index];
    const bool activated = state != 0;
    CMO_FormKit::showLamp(row, state, QStringLiteral("выключен"), QStringLiteral("активирован"));
    row.on->setVisible(!activated && controllable);
    row.off->setVisible(activated && controllable);
}

void CMO_FormProperty_Out::setOut1(bool controllable, int state) { showOut(0, controllable, state); }
void CMO_FormProperty_Out::setOut2(bool controllable, int state) { showOut(1, controllable, state); }
void CMO_FormProperty_Out::setOut3(bool controllable, int state) { showOut(2, controllable, state); }
void CMO_FormProperty_Out::setOut4(bool controllable, int state) { showOut(3, controllable, state); }

void CMO_FormProperty_Out::setButtonsEnabled(bool on)
{
    for (const Row& row : rows) {
        row.on->setEnabled(on);
        row.off->setEnabled(on);
    }
}

void CMO_FormProperty_Out::slot_pressed_1Y() { CMO_CurrentSink::outputOn(1); }
void CMO_FormProperty_Out::slot_pressed_1N() { CMO_CurrentSink::outputOff(1); }
void CMO_FormProperty_Out::slot_pressed_2Y() { CMO_CurrentSink::outputOn(2); }
void CMO_FormProperty_Out::slot_pressed_2N() { CMO_CurrentSink::outputOff(2); }
void CMO_FormProperty_Out::slot_pressed_3Y() { CMO_CurrentSink::outputOn(3); }
void CMO_FormProperty_Out::slot_pressed_3N() { CMO_CurrentSink::outputOff(3); }
void CMO_FormProperty_Out::slot_pressed_4Y() { CMO_CurrentSink::outputOn(4); }
void CMO_FormProperty_Out::slot_pressed_4N() { CMO_CurrentSink::outputOff(4); }
