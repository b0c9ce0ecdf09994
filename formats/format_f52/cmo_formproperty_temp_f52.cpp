#include "cmo_formproperty_temp_f52.h"

#include <QGridLayout>
#include <QLabel>

namespace F52 {

CMO_FormProperty_Temp::CMO_FormProperty_Temp(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
    setTitles();
}

CMO_FormProperty_Temp::~CMO_FormProperty_Temp() = default;

void CMO_FormProperty_Temp::setupUi()
{
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Temp", 335, 108);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");
    gridLayout->setContentsMargins(11, 11, 11, 11);
    for (int i = 0; i < kSensors; ++i) {
        const QByteArray n = "label_Temp" + QByteArray::number(i + 1);
        rows[i] = CMO_FormKit::addRow(this, gridLayout, i, n + "_Icon", n + "_Title", n + "_Value",
                                      "termometr", 0);
        rows[i].caption->setText(QStringLiteral("Температура"));
        rows[i].text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        rows[i].text->setText(QStringLiteral("  C"));
    }
}

void CMO_FormProperty_Temp::setTitles()
{
    for (int i = 0; i < kSensors; ++i)
        rows[i].caption->setText(QStringLiteral("Температура Т") + QString::number(i + 1)
                                 + QStringLiteral(":"));
}

void CMO_FormProperty_Temp::showSensor(int index, int degrees)
{
    rows[index].text->setText(degrees == -128
                                  ? QStringLiteral("не используется")
                                  : QString::asprintf("%d", degrees) + QStringLiteral(" °С"));
}

void CMO_FormProperty_Temp::setTemp1F52(int degrees) { showSensor(0, degrees); }
void CMO_FormProperty_Temp::setTemp2F52(int degrees) { showSensor(1, degrees); }
void CMO_FormProperty_Temp::setTemp3F52(int degrees) { showSensor(2, degrees); }
void CMO_FormProperty_Temp::setTemp4F52(int degrees) { showSensor(3, degrees); }

} // namespace F52
