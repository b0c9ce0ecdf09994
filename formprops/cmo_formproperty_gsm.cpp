#include "cmo_formproperty_gsm.h"

#include "cmo_formkit.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

CMO_FormProperty_GSM::CMO_FormProperty_GSM(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
    setCaptions();
}

CMO_FormProperty_GSM::~CMO_FormProperty_GSM() = default;

void CMO_FormProperty_GSM::setupUi()
{
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_GSM", 335, 91);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");

    label_SIM_Icon = CMO_FormKit::lamp(this, "label_SIM_Icon", "sim");
    frame_2 = CMO_FormKit::raisedFrame(this, "frame_2", &gridLayout_3, "gridLayout_3", 6);
    frame_2->setFixedHeight(18);
    label_SIM = CMO_FormKit::caption(frame_2, "label_SIM", 70);
    label_SIM_Text = CMO_FormKit::value(frame_2, "label_SIM_Text");
    gridLayout_3->addWidget(label_SIM, 0, 0);
    gridLayout_3->addWidget(label_SIM_Text, 0, 1);

    label_GSM_Icon = CMO_FormKit::lamp(this, "label_GSM_Icon", "radioAntenna");
    frame = CMO_FormKit::raisedFrame(this, "frame", &gridLayout_2, "gridLayout_2", 6);
    frame->setFixedHeight(18);
    label_GSM = CMO_FormKit::caption(frame, "label_GSM", 70);
    label_GSM_Text = CMO_FormKit::value(frame, "label_GSM_Text");
    gridLayout_2->addWidget(label_GSM, 0, 0);
    gridLayout_2->addWidget(label_GSM_Text, 0, 1);

    label_GSM_Level_Icon = CMO_FormKit::lamp(this, "label_GSM_Level_Icon", "gsmLevel0");
    label_GSM_Level = CMO_FormKit::caption(this, "label_GSM_Level", 110);
    label_GSM_Level_Text = CMO_FormKit::value(this, "label_GSM_Level_Text");

    gridLayout->addWidget(label_SIM_Icon, 0, 0);
    gridLayout->addWidget(frame_2, 0, 1, 1, 2);
    gridLayout->addWidget(label_GSM_Icon, 1, 0);
    gridLayout->addWidget(frame, 1, 1, 1, 2);
    gridLayout->addWidget(label_GSM_Level_Icon, 2, 0);
    gridLayout->addWidget(label_GSM_Level, 2, 1);
    gridLayout->addWidget(label_GSM_Level_Text, 2, 2);

    retranslateUi();
}

void CMO_FormProperty_GSM::retranslateUi()
{
    label_SIM->setText(QStringLiteral("SIM карта:"));
    setCaptions();
}

void CMO_FormProperty_GSM::setCaptions()
{
    label_GSM->setText(QStringLiteral("Статус:"));
    label_GSM_Level->setText(QStringLiteral("Уровень сигнала:"));
}

int CMO_FormProperty_GSM::testBit(quint8 flags, int n)
{
    if (n < 0 || n > 7)
        return 0;
    return (flags >> n) & 1;
}

void CMO_FormProperty_GSM::setState(quint8 flags)
{
    label_SIM_Text->setText(testBit(flags, 4) ? QStringLiteral("2") : QStringLiteral("1"));
    QString state;
    if (!testBit(flags, 0))
        state = QStringLiteral("Выключен");
    else if (!testBit(flags, 5))
        state = QStringLiteral("Нет регистрации");
    else if (!testBit(flags, 6))
        state = QStringLiteral("Домашняя сеть");
    else
        state = QStringLiteral("Роуминг");
    label_GSM_Text->setText(state);
}

void CMO_FormProperty_GSM::setLevel(int level)
{
    const char* picture = nullptr;
    if (level == 0 || level == 99)
        picture = "gsmLevel0";
    else if (level >= 1 && level <= 24)
        picture = "gsmLevel20";
    else if (level >= 25 && level <= 49)
        picture = "gsmLevel50";
    else if (level >= 50 && level <= 74)
        picture = "gsmLevel90";
    else if (level >= 75)
        picture = "gsmLevel100";
    if (picture)
        CMO_FormKit::showPicture(label_GSM_Level_Icon, CMO_FormKit::codePicture(picture));
    label_GSM_Level_Text->setText(QString::asprintf("%d%%", level));
}
