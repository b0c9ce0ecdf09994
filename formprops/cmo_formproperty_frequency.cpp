#include "cmo_formproperty_frequency.h"

#include "cmo_formkit.h"

#include <QGridLayout>
#include <QLabel>

CMO_FormProperty_Frequency::CMO_FormProperty_Frequency(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
}

CMO_FormProperty_Frequency::~CMO_FormProperty_Frequency() = default;

void CMO_FormProperty_Frequency::setupUi()
{
    // This form's object name has no "Class" suffix.
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Frequency", 335, 49, "CMO_FormProperty_Frequency");
    gridLayout = CMO_FormKit::grid(this, "gridLayout");

    label_F1_Icon = CMO_FormKit::lamp(this, "label_F1_Icon", "speedometer");
    label_F1 = CMO_FormKit::caption(this, "label_F1", 70);
    label_F1_Text = CMO_FormKit::value(this, "label_F1_Text");
    label_F2_Icon = CMO_FormKit::lamp(this, "label_F2_Icon", "speedometer");
    label_F2 = CMO_FormKit::caption(this, "label_F2", 70);
    label_F2_Text = CMO_FormKit::value(this, "label_F2_Text");

    gridLayout->addWidget(label_F1_Icon, 0, 0);
    gridLayout->addWidget(label_F1, 0, 1);
    gridLayout->addWidget(label_F1_Text, 0, 2);
    gridLayout->addWidget(label_F2_Icon, 1, 0);
    gridLayout->addWidget(label_F2, 1, 1);
    gridLayout->addWidget(label_F2_Text, 1, 2);

    retranslateUi();
}

void CMO_FormProperty_Frequency::retranslateUi()
{
    label_F1->setText(QStringLiteral("F1:"));
    label_F2->setText(QStringLiteral("F2:"));
}

void CMO_FormProperty_Frequency::setF1(int value)
{
    label_F1_Text->setText(QString::asprintf("%d", value));
}

void CMO_FormProperty_Frequency::setF2(int value)
{
    label_F2_Text->setText(QString::asprintf("%d", value));
}
