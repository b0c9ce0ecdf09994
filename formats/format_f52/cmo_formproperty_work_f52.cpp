#include "cmo_formproperty_work_f52.h"

#include "cmo_formkit.h"
#include "cmo_guardsink.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

// The guard-mode pictures live in this library, beside the common ones.
static void initGuardPictures()
{
    static bool done = false;
    if (!done) {
        Q_INIT_RESOURCE(f52_images);
        done = true;
    }
}

namespace F52 {

CMO_FormProperty_Work::CMO_FormProperty_Work(QWidget* parent)
    : QWidget(parent)
{
    initGuardPictures();
    setupUi();
    connectSlots();
    applyTexts();
}

CMO_FormProperty_Work::~CMO_FormProperty_Work() = default;

void CMO_FormProperty_Work::setupUi()
{
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Work", 335, 56);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");

    label_Alarm_Icon = CMO_FormKit::lamp(this, "label_Alarm_Icon", "noAlarm");
    label_Alarm = CMO_FormKit::caption(this, "label_Alarm", 0);
    label_Alarm->setWordWrap(true);
    label_Alarm_Text = CMO_FormKit::value(this, "label_Alarm_Text");
    label_Work_Icon = CMO_FormKit::lamp(this, "label_Work_Icon", "guardProfile0");
    label_Work = CMO_FormKit::caption(this, "label_Work", 0);
    label_Work_Text = CMO_FormKit::value(this, "label_Work_Text");
    pushButton_GN = CMO_FormKit::commandButton(this, "pushButton_GN", "guardProfile0");
    pushButton_GY = CMO_FormKit::commandButton(this, "pushButton_GY", "guardProfile1");
    pushButton_G2 = CMO_FormKit::commandButton(this, "pushButton_G2", "guardProfile2");

    gridLayout->addWidget(label_Alarm_Icon, 0, 0);
    gridLayout->addWidget(label_Alarm, 0, 1);
    gridLayout->addWidget(label_Alarm_Text, 0, 2);
    gridLayout->addWidget(label_Work_Icon, 1, 0);
    gridLayout->addWidget(label_Work, 1, 1);
    gridLayout->addWidget(label_Work_Text, 1, 2);
    gridLayout->addWidget(pushButton_GN, 1, 4);
    gridLayout->addWidget(pushButton_GY, 1, 5);
    gridLayout->addWidget(pushButton_G2, 1, 6);

    retranslateUi();
}

void CMO_FormProperty_Work::retranslateUi()
{
    label_Alarm->setText(QStringLiteral("Тревожное оповещение:"));
    label_Work->setText(QStringLiteral("Режим работы:"));
}

void CMO_FormProperty_Work::connectSlots()
{
    connect(pushButton_GY, &QPushButton::pressed, this, &CMO_FormProperty_Work::slot_pressed_Btn_GY);
    connect(pushButton_GN, &QPushButton::pressed, this, &CMO_FormProperty_Work::slot_pressed_Btn_GN);
    connect(pushButton_G2, &QPushButton::pressed, this, &CMO_FormProperty_Work::slot_pressed_Btn_G2);
}

void CMO_FormProperty_Work::applyTexts()
{
    pushButton_GN->setToolTip(QStringLiteral("Снять с охраны"));
    pushButton_GY->setToolTip(QStringLiteral("Поставить на охрану"));
    pushButton_G2->setToolTip(QStringLiteral("Поставить в профиль охраны 2"));
}

void CMO_FormProperty_Work::setButtonsEnabled(bool on)
{
    pushButton_GN->setEnabled(on);
    pushButton_GY->setEnabled(on);
    pushButton_G2->setEnabled(on);
}

void CMO_FormProperty_Work::setState(bool buttonsAllowed, int alarm, int mode)
{
    CMO_FormKit::showFlag(label_Alarm_Icon, label_Alarm_Text, alarm,
                          "noAlarm", QStringLiteral("нет"), "alarm", QStringLiteral("тревога"));

    static const char* const pictures[] = {"guardProfile0", "guardProfile1", "guardProfile2"};
    static const char* const words[] = {"наблюдение", "охрана", "доп. режим 2"};
    if (mode < 0 || mode > 2)
        return;
    CMO_FormKit::showPicture(label_Work_Icon, CMO_FormKit::codePicture(pictures[mode]));
    label_Work_Text->setText(QString::fromUtf8(words[mode]));
    // The button of the mode already active stays hidden.
    pushButton_GN->setVisible(buttonsAllowed && mode != 0);
    pushButton_GY->setVisible(buttonsAllowed && mode != 1);
    pushButton_G2->setVisible(buttonsAllowed && mode != 2);
}

void CMO_FormProperty_Work::slot_pressed_Btn_GY()
{
    if (CMO_GuardSink* sink = CMO_GuardSink::current())
        sink->sendGuardOn();
}

void CMO_FormProperty_Work::slot_pressed_Btn_GN()
{
    if (CMO_GuardSink* sink = CMO_GuardSink::current())
        sink->sendGuardOff();
}

void CMO_FormProperty_Work::slot_pressed_Btn_G2()
{
    if (CMO_GuardSink* sink = CMO_GuardSink::current())
        sink->sendGuardProfile2();
}

} // namespace F52
