#include "kvz_formparam_f6.h"

#include "cmo_formfit.h"
#include "cmo_formproperty_commands.h"
#include "cmo_formproperty_event.h"
#include "cmo_formproperty_frequency.h"
#include "cmo_formproperty_gsm.h"
#include "cmo_formproperty_impuls.h"
#include "cmo_formproperty_in.h"
#include "cmo_formproperty_navigation.h"
#include "cmo_formproperty_object.h"
#include "cmo_formproperty_out.h"
#include "cmo_formproperty_power.h"
#include "cmo_formproperty_sh.h"
#include "cmo_formproperty_work.h"
#include "f6_formproperty_analog.h"
#include "f6_formproperty_can.h"
#include "f6_formproperty_digital.h"
#include "f6_formproperty_temp.h"
#include "f6_session.h"
#include "format_f6.h"
#include "format_page_groups.h"
#include "tmipage_f6.h"
#include "ui_kvz_formparam_f6.h"

KVZ_FormParam_F6::KVZ_FormParam_F6(QWidget* parent)
    : QWidget(parent), ui(new Ui::KVZ_FormParam_F6Class)
{
    ui->setupUi(this);
    buildSections();
}

KVZ_FormParam_F6::~KVZ_FormParam_F6()
{
    delete ui;
}

void KVZ_FormParam_F6::buildSections()
{
    CMO_CommandSink::setCurrent(this, this);
    m_commands = FormatPageGroups::addGroup<CMO_FormProperty_Commands>(ui->widget_Command, QStringLiteral("Команды"));
    ui->widget_Command->setExpanded(false);
    m_object = FormatPageGroups::addGroup<CMO_FormProperty_Object>(ui->widget_Object, QStringLiteral("Объект"));
    m_object->setType(QStringLiteral("F-6"));
    m_event = FormatPageGroups::addGroup<CMO_FormProperty_Event>(ui->widget_Event, QStringLiteral("Событие"));
    m_work = FormatPageGroups::addGroup<CMO_FormProperty_Work>(ui->widget_Work, QStringLiteral("Режим работы"));
    m_gsm = FormatPageGroups::addGroup<CMO_FormProperty_GSM>(ui->widget_GSM, QStringLiteral("Связь GSM"));
    m_in = FormatPageGroups::addGroup<CMO_FormProperty_In>(ui->widget_In, QStringLiteral("Дискретные входы"));
    m_analog = FormatPageGroups::addGroup<F6::CMO_FormProperty_Analog>(ui->widget_Analog, QStringLiteral("Аналоговые измерения"));
    m_impuls = FormatPageGroups::addGroup<CMO_FormProperty_Impuls>(ui->widget_Impuls, QStringLiteral("Импульсные измерения"));
    m_frequency = FormatPageGroups::addGroup<CMO_FormProperty_Frequency>(ui->widget_Frequency, QStringLiteral("Частотные измерения"));
    m_sh = FormatPageGroups::addGroup<CMO_FormProperty_SH>(ui->widget_SH, QStringLiteral("Акселерометр"));
    m_digital = FormatPageGroups::addGroup<F6::CMO_FormProperty_Digital>(ui->widget_Digital, QStringLiteral("Цифровые топливные датчики"));
    m_out = FormatPageGroups::addGroup<CMO_FormProperty_Out>(ui->widget_Out, QStringLiteral("Управляющие выходы"));
    m_power = FormatPageGroups::addGroup<CMO_FormProperty_Power>(ui->widget_Power, QStringLiteral("Источники питания"));
    m_temp = FormatPageGroups::addGroup<F6::CMO_FormProperty_Temp>(ui->widget_Temp, QStringLiteral("Температурные датчики"));
    m_can = FormatPageGroups::addGroup<F6::CMO_FormProperty_CAN>(ui->widget_CAN, QStringLiteral("CAN"));
    m_navigation = FormatPageGroups::addGroup<CMO_FormProperty_Navigation>(ui->widget_Navigation, QStringLiteral("Навигационные данные"));
    CMO_FormFit::fitPage(this);
}

void KVZ_FormParam_F6::showRecord(F6Session* session, uint8_t commandPending, const QString& name,
                                  const QString& idText, const TmiPage_F6* record)
{
    setCommandSession(session);
    setCommandsEnabled(!commandPending);
    if (!record)
        return;
    const TmiPage_F6& r = *record;
    if (m_object) {
        m_object->setName(name);
        m_object->setFullName(idText);
    }
    if (m_event) {
        m_event->setNumber(r.numPage());
        m_event->setEvent(r.codeText());
        m_event->setDateTime(r.recordTimeText());
    }
    if (m_work) {
        m_work->setAlarm(r.stateBit1());
        m_work->setEngine(r.engineText());
    }
    if (m_gsm) {
        m_gsm->setState(r.module());
        m_gsm->setLevel(r.gsm());
    }
    if (m_in) {
        m_in->setIn1(r.stateInBit(0));
        m_in->setIn2(r.stateInBit(1));
        m_in->setIn3(r.stateInBit(2));
        m_in->setIn4(r.stateInBit(3));
        m_in->setIn5(r.stateInBit(4));
    }
    if (m_analog) {
        m_analog->setA1State(false, true);
        m_analog->setA2State(false, true);
        m_analog->setA3State(false, true);
        m_analog->setA1(r.analogIn1());
        m_analog->setA2(r.analogIn2());
        m_analog->setA3(r.analogIn3());
    }
    if (m_impuls) {
        m_impuls->setI2State(false, true);
        m_impuls->setI3State(false, true);
        m_impuls->setI2(int(r.stateIn2()));
        m_impuls->setI3(int(r.stateIn3()));
    }
    if (m_frequency) {
        m_frequency->setF1(r.frequency1());
        m_frequency->setF2(r.frequency2());
    }
    if (m_sh) {
        m_sh->setSH1(r.stateInBit(5));
        m_sh->setSH2(r.stateInBit(6));
        m_sh->setSH3(r.stateInBit(7));
    }
    if (m_digital) {
        m_digital->setTemp1(r.tempRs485(1));
        m_digital->setLevel1(r.levelRs485(1));
        m_digital->setTemp2(r.tempRs485(2));
        m_digital->setLevel2(r.levelRs485(2));
        m_digital->setTemp3(r.tempRs485(3));
        m_digital->setLevel3(r.levelRs485(3));
        m_digital->setTemp4(r.tempRs485(4));
        m_digital->setLevel4(r.levelRs485(4));
        m_digital->setTemp5(r.tempRs485(5));
        m_digital->setLevel5(r.levelRs485(5));
        m_digital->setTemp6(r.tempRs485(6));
        m_digital->setLevel6(r.levelRs485(6));
        m_digital->setTempRS232(r.tempRs232());
        m_digital->setLevelRS232(r.levelRs232());
    }
    if (m_out) {
        m_out->setOut1(true, r.stateOutBit(0));
        m_out->setOut2(true, r.stateOutBit(1));
        m_out->setOut3(true, r.stateOutBit(2));
        m_out->setOut4(true, r.stateOutBit(3));
    }
    if (m_power) {
        m_power->setPower(r.power());
        m_power->setReserve(r.reserv());
    }
    if (m_temp) {
        m_temp->setTemp1(r.temp1());
        m_temp->setTemp2(r.temp2());
        m_temp->setTemp3(r.temp3());
        m_temp->setTemp4(r.temp4());
    }
    if (m_can) {
        m_can->setFuelLevel(r.fuelLevelText());
        m_can->setFuelConsumption(r.fuelConsumptionText());
        m_can->setEngineTurns(r.engineTurnsText());
        m_can->setWeight(r.weightText());
    }
    if (m_navigation) {
        m_navigation->setValid(r.stateNGaugeBit1());
        m_navigation->setDateTime(r.lastFixTimeText());
        m_navigation->setWidth(r.latitude());
        m_navigation->setLongitude(r.longitude());
        m_navigation->setAltitude(r.altitude());
        m_navigation->setSpeed(r.speed());
        m_navigation->setCourse(r.course());
        m_navigation->setRun(r.run());
        m_navigation->setWay(r.way());
        m_navigation->setAllSeconds(r.allSeconds());
        m_navigation->setSecondsLast(r.secondsLast());
    }
}

void KVZ_FormParam_F6::setCommandsEnabled(bool enabled)
{
    if (m_out)
        m_out->setButtonsEnabled(enabled);
    if (m_in)
        m_in->setButtonsEnabled(enabled);
    if (m_commands)
        m_commands->setSendEnabled(enabled);
}

const F6Session* KVZ_FormParam_F6::session() const
{
    return static_cast<const F6Session*>(commandSession());
}
