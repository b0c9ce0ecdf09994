#include "cmo_formproperty_temp.h"

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
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Temp", 335, 127);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");

    for (int i = 0; i < kSensors; ++i) {
        const QByteArray n = "label_Temp" + QByteArray::number(i + 1);
        rows[i] = CMO_FormKit::addRow(this, gridLayout, i, n + "_Icon", n + "_Title", n + "_Value", "termometr", 0);
        rows[i].icon->setScaledContents(false);
        rows[i].text->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
    }

    retranslateUi();
}

void CMO_FormProperty_Temp::retranslateUi()
{
    for (const CMO_FormKit::Row& row : rows) {
        row.caption->setText(QStringLiteral("Температура"));
        row.text->setText(QStringLiteral("  C"));
    }
}

void CMO_FormProperty_Temp::showSensor(int index, int degrees)
{
    rows[index].text->setText(degrees == -128 ? QStringLiteral("не подключен")
                                              : QString::number(degrees) + QStringLiteral(" °С"));
}

void CMO_FormProperty_Temp::setTemp1(int degrees) { showSensor(0, degrees); }
void CMO_FormProperty_Temp::setTemp2(int degrees) { showSensor(1, degrees); }
void CMO_FormProperty_Temp::setTemp3(int degrees) { showSensor(2, degrees); }
void CMO_FormProperty_Temp::setTemp4(int degrees) { showSensor(3, degrees); }
