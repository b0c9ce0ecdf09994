#include "f6_formproperty_can.h"

#include "cmo_formkit.h"

#include <QGridLayout>
#include <QLabel>

namespace F6 {

namespace {
struct CanRow {
    const char* name;   // label_CAN_<name>_Text and _Value
    const char* caption;
};

const CanRow kCanRows[] = {
    {"Fuel", "Уровень топлива в баке"},
    {"FuelConsumption", "Расход топлива"},
    {"Turns", "Обороты двигателя"},
    {"Weight", "Вес автомобиля по осям"},
};
}

CMO_FormProperty_CAN::CMO_FormProperty_CAN(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
}

CMO_FormProperty_CAN::~CMO_FormProperty_CAN() = default;

void CMO_FormProperty_CAN::setupUi()
{
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_CAN", 274, 91, "CMO_FormProperty_CAN");
    gridLayout = CMO_FormKit::grid(this, "gridLayout");
    for (int i = 0; i < kRows; ++i) {
        const QByteArray n = QByteArray("label_CAN_") + kCanRows[i].name;
        QLabel* caption = CMO_FormKit::caption(this, n + "_Text", 0);
        caption->setText(QString::fromUtf8(kCanRows[i].caption));
        values[i] = CMO_FormKit::value(this, n + "_Value");
        QFont font = values[i]->font();
        font.setBold(false);
        font.setWeight(50);
        values[i]->setFont(font);
        values[i]->setFrameShape(QFrame::NoFrame);
        values[i]->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
        gridLayout->addWidget(caption, i, 0);
        gridLayout->addWidget(values[i], i, 1);
    }
}

void CMO_FormProperty_CAN::setFuelLevel(const QString& text) { values[0]->setText(text); }
void CMO_FormProperty_CAN::setFuelConsumption(const QString& text) { values[1]->setText(text); }
void CMO_FormProperty_CAN::setEngineTurns(const QString& text) { values[2]->setText(text); }
void CMO_FormProperty_CAN::setWeight(const QString& text) { values[3]->setText(text); }

} // namespace F6
