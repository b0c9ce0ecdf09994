#include "cmo_formproperty_can.h"

#include "cmo_formkit.h"

#include <QGridLayout>
#include <QLabel>

namespace {
// Row names; the axle loads carry their number after the label's kind.
const char* const kNames[] = {
    "FuelLevel", "FuelConsumption", "FullRun",
    "AxleLoad", "AxleLoad", "AxleLoad", "AxleLoad", "AxleLoad",
    "Speed", "Temp", "EngineTurns", "PedalAccel", "PedalStop", "EngineLoad",
    "LevelFiltr", "EngineTime", "TimeTO"};
}

CMO_FormProperty_CAN::CMO_FormProperty_CAN(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
}

CMO_FormProperty_CAN::~CMO_FormProperty_CAN() = default;

void CMO_FormProperty_CAN::setupUi()
{
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_CAN", 338, 386, "CMO_FormProperty_CAN");
    gridLayout = CMO_FormKit::grid(this, "gridLayout");

    for (int row = 0; row < RowCount; ++row) {
        const QByteArray base = QByteArray("label_CAN_") + kNames[row];
        const bool axle = row >= AxleLoad1 && row <= AxleLoad5;
        const QByteArray number = axle ? "_" + QByteArray::number(row - AxleLoad1 + 1) : QByteArray();
        captions[row] = CMO_FormKit::caption(this, base + "_Text" + number, 0);
        captions[row]->setMinimumSize(175, 0);
        values[row] = CMO_FormKit::value(this, base + "_Value" + number);
        values[row]->setFrameShape(QFrame::NoFrame);
        values[row]->setAlignment(Qt::AlignRight | Qt::AlignTrailing | Qt::AlignVCenter);
        gridLayout->addWidget(captions[row], row, 0);
        gridLayout->addWidget(values[row], row, 1);
    }

    retranslateUi();
}

void CMO_FormProperty_CAN::retranslateUi()
{
    static const char* const texts[RowCount] = {
        "Уровень топлива в баке", "Полный расход топлива", "Полный пробег",
        "Нагрузка на ось 1", "Нагрузка на ось 2", "Нагрузка на ось 3", "Нагрузка на ось 4",
        "Нагрузка на ось 5", "Скорость", "Температура ОЖ", "Обороты двигателя",
        "Положение педали газа", "Положение педали тормоза", "Нагрузка на двигатель",
        "Уровень жидкости в диз. фильтре", "Полное время работы двигателя", "Время до ТО"};
    for (int row = 0; row < RowCount; ++row)
        captions[row]->setText(QString::fromUtf8(texts[row]));
}

void CMO_FormProperty_CAN::setFuelLevel(const QString& text) { values[FuelLevel]->setText(text); }
void CMO_FormProperty_CAN::setFuelConsumption(const QString& text) { values[FuelConsumption]->setText(text); }
void CMO_FormProperty_CAN::setFullRun(const QString& text) { values[FullRun]->setText(text); }
void CMO_FormProperty_CAN::setAxleLoad1(const QString& text) { values[AxleLoad1]->setText(text); }
void CMO_FormProperty_CAN::setAxleLoad2(const QString& text) { values[AxleLoad2]->setText(text); }
void CMO_FormProperty_CAN::setAxleLoad3(const QString& text) { values[AxleLoad3]->setText(text); }
void CMO_FormProperty_CAN::setAxleLoad4(const QString& text) { values[AxleLoad4]->setText(text); }
void CMO_FormProperty_CAN::setAxleLoad5(const QString& text) { values[AxleLoad5]->setText(text); }
void CMO_FormProperty_CAN::setSpeed(const QString& text) { values[Speed]->setText(text); }
void CMO_FormProperty_CAN::setTemp(const QString& text) { values[Temp]->setText(text); }
void CMO_FormProperty_CAN::setEngineTurns(const QString& text) { values[EngineTurns]->setText(text); }
void CMO_FormProperty_CAN::setPedalAccel(const QString& text) { values[PedalAccel]->setText(text); }
void CMO_FormProperty_CAN::setPedalStop(const QString& text) { values[PedalStop]->setText(text); }
void CMO_FormProperty_CAN::setEngineLoad(const QString& text) { values[EngineLoad]->setText(text); }
void CMO_FormProperty_CAN::setLevelFiltr(const QString& text) { values[LevelFiltr]->setText(text); }
void CMO_FormProperty_CAN::setEngineTime(const QString& text) { values[EngineTime]->setText(text); }
void CMO_FormProperty_CAN::setTimeTO(const QString& text) { values[TimeTO]->setText(text); }
