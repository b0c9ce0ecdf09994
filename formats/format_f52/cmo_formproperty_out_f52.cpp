#include "cmo_formproperty_out_f52.h"

#include "cmo_currentsink.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace F52 {

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
    static const char* const frames[2] = {"frame", "frame_2"};
    static const char* const frameLayouts[2] = {"gridLayout_2", "gridLayout_3"};

    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Out", 335, 50);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");

    for (int i = 0; i < 2; ++i) {
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
    rows[0].caption->setText(QStringLiteral("Выход 1:"));
    rows[1].caption->setText(QStringLiteral("Выход 2:"));
}

void CMO_FormProperty_Out::connectSlots()
{
    connect(rows[0].on, &QPushButton::pressed, this, &CMO_FormProperty_Out::slot_pressed_1Y);
    connect(rows[0].off, &QPushButton::pressed, this, &CMO_FormProperty_Out::slot_pressed_1N);
    connect(rows[1].on, &QPushButton::pressed, this, &CMO_FormProperty_Out::slot_pressed_2Y);
    connect(rows[1].off, &QPushButton::pressed, this, &CMO_FormProperty_Out::slot_pressed_2N);
}

void CMO_FormProperty_Out::applyTexts()
{
    for (const Row& row : rows) {
        row.on->setToolTip(QStringLiteral("Активировать выход"));
        row.off->setToolTip(QStringLiteral("Выключить выход"));
    }
}

void CMO_FormProperty_Out::setButtonsEnabledF52(bool on)
{
    for (Row& row : rows) {
        row.on->setEnabled(on);
        row.off->setEnabled(on);
    }
}

void CMO_FormProperty_Out::setOut1F52(bool buttonsAllowed, int on)
{
    showOut(rows[0], buttonsAllowed, on);
}

void CMO_FormProperty_Out::setOut2F52(bool buttonsAllowed, int on)
{
    showOut(rows[1], buttonsAllowed, on);
}

void CMO_FormProperty_Out::showOut(Row& row, bool buttonsAllowed, int on)
{
    CMO_FormKit::showLamp(row, on, QStringLiteral("выключен"), QStringLiteral("активирован"));
    row.on->setVisible(buttonsAllowed && on == 0);
    row.off->setVisible(buttonsAllowed && on != 0);
}

void CMO_FormProperty_Out::slot_pressed_1Y() { CMO_CurrentSink::outputOn(1); }
void CMO_FormProperty_Out::slot_pressed_1N() { CMO_CurrentSink::outputOff(1); }
void CMO_FormProperty_Out::slot_pressed_2Y() { CMO_CurrentSink::outputOn(2); }
void CMO_FormProperty_Out::slot_pressed_2N() { CMO_CurrentSink::outputOff(2); }

} // namespace F52
