#include "cmo_formproperty_work.h"

#include "cmo_formkit.h"
#include "f4_guardsink.h"
#include "f4_pictures.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {
const char* const kModePictures[4] = {"guardProfile0", "guardProfile1", "guardProfile2", "guardProfile3"};
}

CMO_FormProperty_Work::CMO_FormProperty_Work(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
    connectSlotsF4();
    applyTextsF4();
}

CMO_FormProperty_Work::~CMO_FormProperty_Work() = default;

void CMO_FormProperty_Work::setupUi()
{
    F4Pictures::load();
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Work", 335, 56);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");

    label_Alarm_Icon = CMO_FormKit::lamp(this, "label_Alarm_Icon", "noAlarm");
    label_Alarm = CMO_FormKit::caption(this, "label_Alarm", 0);
    label_Alarm->setWordWrap(true);
    label_Work_Icon = CMO_FormKit::lamp(this, "label_Work_Icon", "guardProfile0");
    label_Work = CMO_FormKit::caption(this, "label_Work", 0);
    label_Alarm_Text = CMO_FormKit::value(this, "label_Alarm_Text");
    label_Work_Text = CMO_FormKit::value(this, "label_Work_Text");
    pushButton_GN = CMO_FormKit::commandButton(this, "pushButton_GN", "guardProfile0");
    pushButton_G2 = CMO_FormKit::commandButton(this, "pushButton_G2", "guardProfile2");
    pushButton_GY = CMO_FormKit::commandButton(this, "pushButton_GY", "guardProfile1");
    pushButton_G3 = CMO_FormKit::commandButton(this, "pushButton_G3", "guardProfile3");

    gridLayout->addWidget(label_Alarm_Icon, 0, 0);
    gridLayout->addWidget(label_Alarm, 0, 1);
    gridLayout->addWidget(label_Alarm_Text, 0, 2);
    gridLayout->addWidget(label_Work_Icon, 1, 0);
    gridLayout->addWidget(label_Work, 1, 1);
    gridLayout->addWidget(label_Work_Text, 1, 2);
    gridLayout->addWidget(pushButton_GN, 1, 4);
    gridLayout->addWidget(pushButton_GY, 1, 5);
    gridLayout->addWidget(pushButton_G2, 1, 6);
    gridLayout->addWidget(pushButton_G3, 1, 7);

    retranslateUi();
}

void CMO_FormProperty_Work::retranslateUi()
{
    label_Alarm->setText(QStringLiteral("Тревожное оповещение:"));
    label_Work->setText(QStringLiteral("Режим работы:"));
}

void CMO_FormProperty_Work::connectSlotsF4()
{
    connect(pushButton_GY, &QPushButton::pressed, this, &CMO_FormProperty_Work::slot_pressed_Btn_GY);
    connect(pushButton_GN, &QPushButton::pressed, this, &CMO_FormProperty_Work::slot_pressed_Btn_GN);
    connect(pushButton_G2, &QPushButton::pressed, this, &CMO_FormProperty_Work::slot_pressed_Btn_G2);
    connect(pushButton_G3, &QPushButton::pressed, this, &CMO_FormProperty_Work::slot_pressed_Btn_G3);
}

// The captions are the form's; only the tool tips are set here.
void CMO_FormProperty_Work::applyTextsF4()
{
    pushButton_GN->setToolTip(QStringLiteral("Снять с охраны"));
    pushButton_GY->setToolTip(QStringLiteral("Поставить на охрану"));
    pushButton_G2->setToolTip(QStringLiteral("Поставить в профиль охраны 1"));
    pushButton_G3->setToolTip(QStringLiteral("Поставить в профиль охраны 2"));
}

void CMO_FormProperty_Work::setButtonsEnabled(bool on)
{
    pushButton_GN->setEnabled(on);
    pushButton_GY->setEnabled(on);
    pushButton_G2->setEnabled(on);
    pushButton_G3->setVisible(on);
}

void CMO_FormProperty_Work::setState(bool shown, int alarm, unsigned mode)
{
    static const char* const words[4] = {"наблюдение", "охрана", "доп. режим 1", "доп. режим 2"};
    CMO_FormKit::showFlag(label_Alarm_Icon, label_Alarm_Text, alarm,
                          "noAlarm", QStringLiteral("нет"), "alarm", QStringLiteral("тревога"));
    mode &= 3u;
    CMO_FormKit::showPicture(label_Work_Icon, CMO_FormKit::codePicture(kModePictures[mode]));
    label_Work_Text->setText(QString::fromUtf8(words[mode]));
    pushButton_GY->setVisible(shown && mode != 1);
    pushButton_GN->setVisible(shown && mode != 0);
    pushButton_G2->setVisible(shown && mode != 2);
    pushButton_G3->setVisible(shown && mode != 3);
}

void CMO_FormProperty_Work::slot_pressed_Btn_GY()
{
    if (F4GuardSink* sink = F4GuardSink::current())
        sink->sendGuardOn();
}

void CMO_FormProperty_Work::slot_pressed_Btn_GN()
{
    if (F4GuardSink* sink = F4GuardSink::current())
        sink->sendGuardOff();
}

void CMO_FormProperty_Work::slot_pressed_Btn_G2()
{
    if (F4GuardSink* sink = F4GuardSink::current())
        sink->sendGuardProfile2();
}

void CMO_FormProperty_Work::slot_pressed_Btn_G3()
{
    if (F4GuardSink* sink = F4GuardSink::current())
        sink->sendGuardProfile3();
}
