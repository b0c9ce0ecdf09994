#include "cmo_formproperty_temp.h"

#include "cmo_formkit.h"

#include <QGridLayout>
#include <QLabel>

CMO_FormProperty_Temp::CMO_FormProperty_Temp(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
}

CMO_FormProperty_Temp::~CMO_FormProperty_Temp() = default;

void CMO_FormProperty_Temp::setupUi()
{
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Temp", 335, 222);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");

    for (int i = 0; i < kSensors; ++i) {
        const QByteArray n = "label_Temp" + QByteArray::number(i + 1);
        rows[i] = CMO_FormKit::addRow(this, gridLayout, i, n + "_Icon", n + "_Title", n + "_Value", "termometr", 0);
        rows[i].text->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
    }

    retranslateUi();
}

void CMO_FormProperty_Temp::retranslateUi()
{
    for (int i = 0; i < kSensors; ++i) {
        rows[i].caption->setText(QStringLiteral("Температура T") + QString::number(i + 1));
        rows[i].text->setText(QStringLiteral("  C"));
    }
}

void CMO_FormProperty_Temp::showSensor(int index, int degrees)
{
    rows[index].text->setText(degrees == -128
                                   ? QStringLiteral("не используется")
                                   : QString::asprintf("%d", degrees) + QStringLiteral(" °С"));
}

void CMO_FormProperty_Temp::setTemp1(int degrees) { showSensor(0, degrees); }
void CMO_FormProperty_Temp::setTemp2(int degrees) { showSensor(1, degrees); }
void CMO_FormProperty_Temp::setTemp3(int degrees) { showSensor(2, degrees); }
void CMO_FormProperty_Temp::setTemp4(int degrees) { showSensor(3, degrees); }
void CMO_FormProperty_Temp::setTemp5(int degrees) { showSensor(4, degrees); }
void CMO_FormProperty_Temp::setTemp6(int degrees) { showSensor(5, degrees); }
void CMO_FormProperty_Temp::setTemp7(int degrees) { showSensor(6, degrees); }
void CMO_FormProperty_Temp::setTemp8(int degrees) { showSensor(7, degrees); }
