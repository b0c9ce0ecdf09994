#include "cmo_formproperty_power.h"

#include "cmo_formkit.h"

#include <QGridLayout>
#include <QLabel>

CMO_FormProperty_Power::CMO_FormProperty_Power(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
    setCaptions();
}

CMO_FormProperty_Power::~CMO_FormProperty_Power() = default;

void CMO_FormProperty_Power::setupUi()
{
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Power", 335, 44);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");

    label_Power_Icon = CMO_FormKit::lamp(this, "label_Power_Icon", "mainPower");
    label_Power = CMO_FormKit::caption(this, "label_Power", 70);
    label_Power_Text = CMO_FormKit::value(this, "label_Power_Text");
    label_Reserve_Icon = CMO_FormKit::lamp(this, "label_Reserve_Icon", "reservePower");
    label_Reserve = CMO_FormKit::caption(this, "label_Reserve", 70);
    label_Reserve_Text = CMO_FormKit::value(this, "label_Reserve_Text");

    gridLayout->addWidget(label_Power_Icon, 0, 0);
    gridLayout->addWidget(label_Power, 0, 1);
    gridLayout->addWidget(label_Power_Text, 0, 2);
    gridLayout->addWidget(label_Reserve_Icon, 1, 0);
    gridLayout->addWidget(label_Reserve, 1, 1);
    gridLayout->addWidget(label_Reserve_Text, 1, 2);

    retranslateUi();
}

void CMO_FormProperty_Power::retranslateUi()
{
    setCaptions();
}

void CMO_FormProperty_Power::setCaptions()
{
    label_Power->setText(QStringLiteral("Основной:"));
    label_Reserve->setText(QStringLiteral("Резервный:"));
}

void CMO_FormProperty_Power::setPower(int millivolts)
{
    label_Power_Text->setText(CMO_FormKit::voltText(millivolts));
}

void CMO_FormProperty_Power::setReserve(int millivolts)
{
    label_Reserve_Text->setText(CMO_FormKit::voltText(millivolts));
}
