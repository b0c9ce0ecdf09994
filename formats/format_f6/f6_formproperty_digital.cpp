#include "f6_formproperty_digital.h"

#include <QGridLayout>
#include <QLabel>

namespace F6 {

namespace {
// The icon labels of the rows, in row order, as the form names them.
const char* const kIconNames[] = {
    "label_Icon_D1", "label_Icon_D1_2", "label_Icon_D1_3", "label_Icon_D1_4",
    "label_Icon_D1_5", "label_Icon_D1_6", "label_Icon_D1_7", "label_Icon_D1_11",
    "label_Icon_D1_8", "label_Icon_D1_12", "label_Icon_D1_9", "label_Icon_D1_13",
    "label_Icon_D1_10", "label_Icon_D1_14"};

QByteArray sensorName(int sensor)
{
    return sensor < 6 ? "D" + QByteArray::number(sensor + 1) : QByteArray("RS232");
}
}

CMO_FormProperty_Digital::CMO_FormProperty_Digital(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
    applyCaptions();
}

CMO_FormProperty_Digital::~CMO_FormProperty_Digital() = default;

void CMO_FormProperty_Digital::setupUi()
{
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Digital", 335, 330);
    gridLayout_4 = CMO_FormKit::grid(this, "gridLayout_4");
    for (int i = 0; i < kSensors; ++i) {
        const QByteArray n = "label_" + sensorName(i);
        temps[i] = CMO_FormKit::addRow(this, gridLayout_4, 2 * i, kIconNames[2 * i], n + "_Temp",
                                       n + "_Temp_Value", "termometr", 0);
        levels[i] = CMO_FormKit::addRow(this, gridLayout_4, 2 * i + 1, kIconNames[2 * i + 1],
                                        n + "_Level", n + "_Level_Value", "speedometer", 0);
        temps[i].text->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
        levels[i].text->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
    }
    retranslateUi();
}

void CMO_FormProperty_Digital::retranslateUi()
{
    for (int i = 0; i < kSensors; ++i) {
        const QString bus = i < 6 ? QStringLiteral("RS-485 D") + QString::number(i + 1)
                                  : QStringLiteral("RS-232");
        temps[i].caption->setText(QStringLiteral("Температура ") + bus);
        levels[i].caption->setText(QStringLiteral("Уровень ") + bus);
        temps[i].text->setText(QStringLiteral("0  C"));
        levels[i].text->setText(QStringLiteral("0"));
    }
}

// D1 to D3 get short captions; D4 to D6 and RS-232 keep the form's.
void CMO_FormProperty_Digital::applyCaptions()
{
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        temps[i].caption->setText(QStringLiteral("Температура D") + n + QStringLiteral(":"));
        levels[i].caption->setText(QStringLiteral("Уровень D") + n + QStringLiteral(":"));
    }
}

void CMO_FormProperty_Digital::showTemp(int sensor, int16_t degrees)
{
    temps[sensor].text->setText(QString::number(degrees) + QStringLiteral(" °С"));
}

void CMO_FormProperty_Digital::showLevel(int sensor, uint16_t level)
{
    levels[sensor].text->setText(QString::number(level));
}

void CMO_FormProperty_Digital::setTemp1(int16_t degrees) { showTemp(0, degrees); }
void CMO_FormProperty_Digital::setTemp2(int16_t degrees) { showTemp(1, degrees); }
void CMO_FormProperty_Digital::setTemp3(int16_t degrees) { showTemp(2, degrees); }
void CMO_FormProperty_Digital::setTemp4(int16_t degrees) { showTemp(3, degrees); }
void CMO_FormProperty_Digital::setTemp5(int16_t degrees) { showTemp(4, degrees); }
void CMO_FormProperty_Digital::setTemp6(int16_t degrees) { showTemp(5, degrees); }
void CMO_FormProperty_Digital::setTempRS232(int16_t degrees) { showTemp(6, degrees); }
void CMO_FormProperty_Digital::setLevel1(uint16_t level) { showLevel(0, level); }
void CMO_FormProperty_Digital::setLevel2(uint16_t level) { showLevel(1, level); }
void CMO_FormProperty_Digital::setLevel3(uint16_t level) { showLevel(2, level); }
void CMO_FormProperty_Digital::setLevel4(uint16_t level) { showLevel(3, level); }
void CMO_FormProperty_Digital::setLevel5(uint16_t level) { showLevel(4, level); }
void CMO_FormProperty_Digital::setLevel6(uint16_t level) { showLevel(5, level); }
void CMO_FormProperty_Digital::setLevelRS232(uint16_t level) { showLevel(6, level); }

} // namespace F6
