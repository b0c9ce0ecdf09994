#include "cmo_formproperty_work.h"

#include "cmo_formkit.h"

#include <QGridLayout>
#include <QLabel>

CMO_FormProperty_Work::CMO_FormProperty_Work(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
    applyTexts();
}

CMO_FormProperty_Work::~CMO_FormProperty_Work() = default;

void CMO_FormProperty_Work::setupUi()
{
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Work", 335, 55);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");

    label_Alarm_Icon = CMO_FormKit::lamp(this, "label_Alarm_Icon", "noAlarm");
    label_Alarm = CMO_FormKit::caption(this, "label_Alarm", 0);
    label_Alarm->setWordWrap(true);
    label_Alarm_Text = CMO_FormKit::value(this, "label_Alarm_Text");
    label_Engine = CMO_FormKit::caption(this, "label_Engine", 0);
    label_Engine->setWordWrap(true);
    label_Engine_Text = CMO_FormKit::value(this, "label_Engine_Text");

    gridLayout->addWidget(label_Alarm_Icon, 0, 0);
    gridLayout->addWidget(label_Alarm, 0, 1);
    gridLayout->addWidget(label_Alarm_Text, 0, 2);
    gridLayout->addWidget(label_Engine, 1, 1);
    gridLayout->addWidget(label_Engine_Text, 1, 2);

    retranslateUi();
}

void CMO_FormProperty_Work::retranslateUi()
{
    label_Alarm->setText(QStringLiteral("Тревожное оповещение:"));
    label_Engine->setText(QStringLiteral("Двигатель:"));
}

void CMO_FormProperty_Work::applyTexts()
{
    label_Alarm->setText(QStringLiteral("Тревожное оповещение:"));
}

void CMO_FormProperty_Work::setAlarm(int flag)
{
    CMO_FormKit::showFlag(label_Alarm_Icon, label_Alarm_Text, flag,
                          "noAlarm", QStringLiteral("нет"), "alarm", QStringLiteral("тревога"));
}

void CMO_FormProperty_Work::setEngine(const QString& text)
{
    label_Engine_Text->setText(text);
}
