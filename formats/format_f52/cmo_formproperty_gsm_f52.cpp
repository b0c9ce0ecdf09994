#include "cmo_formproperty_gsm_f52.h"

#include "cmo_formkit.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

namespace F52 {

CMO_FormProperty_GSM::CMO_FormProperty_GSM(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
    applyTexts();
}

CMO_FormProperty_GSM::~CMO_FormProperty_GSM() = default;

void CMO_FormProperty_GSM::setupUi()
{
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_GSM", 335, 43);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");

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

    gridLayout->addWidget(label_GSM_Icon, 0, 0);
    gridLayout->addWidget(frame, 0, 1, 1, 2);
    gridLayout->addWidget(label_GSM_Level_Icon, 1, 0);
    gridLayout->addWidget(label_GSM_Level, 1, 1);
    gridLayout->addWidget(label_GSM_Level_Text, 1, 2);
}

void CMO_FormProperty_GSM::applyTexts()
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

void CMO_FormProperty_GSM::setStateF52(quint8 flags)
{
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

void CMO_FormProperty_GSM::setLevelF52(int level)
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

} // namespace F52
