#include "kvz_formparam_f52.h"

#include "cmo_formfit.h"
#include "cmo_formproperty_analog_f52.h"
#include "cmo_formproperty_commands.h"
#include "cmo_formproperty_digital_f52.h"
#include "cmo_formproperty_event.h"
#include "cmo_formproperty_gsm_f52.h"
#include "cmo_formproperty_impuls_f52.h"
#include "cmo_formproperty_in.h"
#include "cmo_formproperty_navigation_f52.h"
#include "cmo_formproperty_object.h"
#include "cmo_formproperty_out_f52.h"
#include "cmo_formproperty_power.h"
#include "cmo_formproperty_sh.h"
#include "cmo_formproperty_temp_f52.h"
#include "cmo_formproperty_work_f52.h"
#include "f52_record.h"
#include "f52_session.h"
#include "fixed_page_groups.h"
#include "format_f52.h"
#include "format_page_groups.h"
#include "ui_kvz_formparam_f52.h"

KVZ_FormParam_F52::KVZ_FormParam_F52(QWidget* parent)
    : QWidget(parent), ui(new Ui::KVZ_FormParam_F52Class)
{
    ui->setupUi(this);
    buildSections();
}

KVZ_FormParam_F52::~KVZ_FormParam_F52()
{
    delete ui;
}

void KVZ_FormParam_F52::buildSections()
{
    CMO_CommandSink::setCurrent(this, this);
    m_commands = FormatPageGroups::addGroup<CMO_FormProperty_Commands>(ui->widget_Command, QStringLiteral("Команды"));
    ui->widget_Command->setExpanded(false);
    m_object = FormatPageGroups::addGroup<CMO_FormProperty_Object>(ui->widget_Object, QStringLiteral("Объект"));
    m_object->setType(QStringLiteral("F-52"));
    m_event = FormatPageGroups::addGroup<CMO_FormProperty_Event>(ui->widget_Event, QStringLiteral("Событие"));
    m_work = FormatPageGroups::addGroup<F52::CMO_FormProperty_Work>(ui->widget_Work, QStringLiteral("Режим работы"));
    m_in = FormatPageGroups::addGroup<CMO_FormProperty_In>(ui->widget_In, QStringLiteral("Дискретные входы"));
    m_analog = FormatPageGroups::addGroup<F52::CMO_FormProperty_Analog>(ui->widget_Analog, QStringLiteral("Аналоговые измерения"));
    m_digital = FormatPageGroups::addGroup<F52::CMO_FormProperty_Digital>(ui->widget_Digital, QStringLiteral("Цифровые топливные датчики"));
    m_impuls = FormatPageGroups::addGroup<F52::CMO_FormProperty_Impuls>(ui->widget_Impuls, QStringLiteral("Импульсные измерения"));
    m_out = FormatPageGroups::addGroup<F52::CMO_FormProperty_Out>(ui->widget_Out, QStringLiteral("Управляющие выходы"));
    m_sh = FormatPageGroups::addGroup<CMO_FormProperty_SH>(ui->widget_SH, QStringLiteral("Акселерометр"));
    m_temp = FormatPageGroups::addGroup<F52::CMO_FormProperty_Temp>(ui->widget_Temp, QStringLiteral("Температурные датчики"));
    m_power = FormatPageGroups::addGroup<CMO_FormProperty_Power>(ui->widget_Power, QStringLiteral("Источники питания"));
    m_gsm = FormatPageGroups::addGroup<F52::CMO_FormProperty_GSM>(ui->widget_GSM, QStringLiteral("Связь GSM"));
    m_navigation = FormatPageGroups::addGroup<F52::CMO_FormProperty_Navigation>(ui->widget_Navigation, QStringLiteral("Навигационные данные"));
    CMO_FormFit::fitPage(this);
}

void KVZ_FormParam_F52::showRecord(F52Session* session, uint8_t commandPending, const QString& name,
                                   const QString& idText, const F52Record* record)
{
    setCommandSession(session);
    setCommandsEnabled(!commandPending);
    if (!record)
        return;
    const F52Record& r = *record;
    if (m_object) {
        m_object->setName(name);
        m_object->setFullName(idText);
    }
    if (m_event) {
        m_event->setNumber(r.numPage());
        m_event->setEvent(r.codeText());
        m_event->setDateTime(r.timeText());
    }
    if (m_work)
        m_work->setState(true, r.protectionBit7(), r.guardMode());
    if (m_in) {
        m_in->setIn1(r.inputBit(0));
        m_in->setIn2(r.inputBit(1));
        m_in->setIn3(r.inputBit(2));
        m_in->setIn4(r.inputBit(3));
        m_in->setIn5(r.inputBit(4));
    }
    if (m_analog) {
        m_analog->setA1(r.analogIn1());
        m_analog->setA2(r.analogIn2());
    }
    if (m_digital) {
        m_digital->setTemp1(r.fuelTemp1());
        m_digital->setLevel1(r.fuelLevel1());
        m_digital->setTemp2(r.fuelTemp2());
        m_digital->setLevel2(r.fuelLevel2());
        m_digital->setTemp3(r.fuelTemp3());
        m_digital->setLevel3(r.fuelLevel3());
    }
    if (m_impuls) {
        m_impuls->setI2(int(r.pulseCount1()));
        m_impuls->setI3(int(r.pulseCount2()));
    }
    if (m_out) {
        m_out->setOut1F52(true, r.output1());
        m_out->setOut2F52(true, r.output2());
    }
    if (m_sh) {
        m_sh->setSH1(r.stateInBit5());
        m_sh->setSH2(r.stateInBit6());
        m_sh->setSH3(r.stateInBit7());
    }
    if (m_temp) {
        m_temp->setTemp1F52(int8_t(r.temp1()));
        m_temp->setTemp2F52(int8_t(r.temp2()));
        m_temp->setTemp3F52(int8_t(r.temp3()));
        m_temp->setTemp4F52(int8_t(r.temp4()));
    }
    if (m_power) {
        m_power->setPower(r.analogIn3());
        m_power->setReserve(r.analogIn4());
    }
    if (m_gsm) {
        m_gsm->setStateF52(r.module());
        m_gsm->setLevelF52(r.gsm());
    }
    if (m_navigation) {
        m_navigation->setValid(r.stateNGaugeBit1());
        m_navigation->setDateTime(r.lastFixTimeText());
        m_navigation->setLatitudeF52(r.latitude());
        m_navigation->setLongitudeF52(r.longitude());
        m_navigation->setSpeed(r.speed());
        m_navigation->setCourse(r.course());
        m_navigation->setRun(r.run());
        m_navigation->setWay(r.way());
        m_navigation->setAllSeconds(r.allSeconds());
        m_navigation->setSecondsLast(r.secondsLast());
    }
}

void KVZ_FormParam_F52::setCommandsEnabled(bool enabled)
{
    FixedPageGroups::setCommandsEnabled(m_out, m_impuls, m_analog, m_in, m_work, m_commands, enabled);
}

const F52Session* KVZ_FormParam_F52::currentSession() const
{
    return static_cast<const F52Session*>(commandSession());
}
