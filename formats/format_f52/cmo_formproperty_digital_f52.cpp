#include "cmo_formproperty_digital_f52.h"

#include <QGridLayout>
#include <QLabel>

namespace F52 {

CMO_FormProperty_Digital::CMO_FormProperty_Digital(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
    setCaptions(QStringLiteral(":"));
}

CMO_FormProperty_Digital::~CMO_FormProperty_Digital() = default;

void CMO_FormProperty_Digital::setupUi()
{
    static const char* const icons[2 * kSensors] = {"label_Icon_D1",   "label_Icon_D1_2",
                                                    "label_Icon_D1_3", "label_Icon_D1_4",
                                                    "label_Icon_D1_5", "label_Icon_D1_6"};
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Digital", 335, 140);
    gridLayout_4 = CMO_FormKit::grid(this, "gridLayout_4");
    for (int i = 0; i < 2 * kSensors; ++i) {
        const bool temp = i % 2 == 0;
        const QByteArray n = "label_D" + QByteArray::number(i / 2 + 1) + (temp ? "_Temp" : "_Level");
        rows[i] = CMO_FormKit::addRow(this, gridLayout_4, i, icons[i], n, n + "_Value",
                                      temp ? "termometr" : "speedometer", 0);
        rows[i].text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        rows[i].text->setText(temp ? QStringLiteral("0  C") : QStringLiteral("0"));
    }
    setCaptions(QString());
}

void CMO_FormProperty_Digital::setCaptions(const QString& tail)
{
    for (int i = 0; i < 2 * kSensors; ++i)
        rows[i].caption->setText((i % 2 == 0 ? QStringLiteral("Температура D") : QStringLiteral("Уровень D"))
                                 + QString::number(i / 2 + 1) + tail);
}

void CMO_FormProperty_Digital::showTemp(int sensor, int degrees)
{
    rows[2 * sensor].text->setText(QString::asprintf("%d", degrees) + QStringLiteral(" °С"));
}

void CMO_FormProperty_Digital::showLevel(int sensor, int level)
{
    rows[2 * sensor + 1].text->setText(QString::asprintf("%d", level));
}

void CMO_FormProperty_Digital::setTemp1(qint16 degrees) { showTemp(0, degrees); }
void CMO_FormProperty_Digital::setLevel1(quint16 level) { showLevel(0, level); }
void CMO_FormProperty_Digital::setTemp2(qint16 degrees) { showTemp(1, degrees); }
void CMO_FormProperty_Digital::setLevel2(quint16 level) { showLevel(1, level); }
void CMO_FormProperty_Digital::setTemp3(qint16 degrees) { showTemp(2, degrees); }
void CMO_FormProperty_Digital::setLevel3(quint16 level) { showLevel(2, level); }

} // namespace F52
