#include "kvz_formparam_zirn.h"

#include "cmo_formproperty_analog.h"
#include "cmo_formproperty_can.h"
#include "cmo_formfit.h"
#include "cmo_formproperty_commands.h"
#include "cmo_formproperty_digital.h"
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
#include "cmo_formproperty_temp.h"
#include "cmo_formproperty_work.h"
#include "format_zirn.h"
#include "tmipage_zirn.h"
#include "format_page_groups.h"
#include "ui_kvz_formparam_zirn.h"
#include "zirn_session.h"

KVZ_FormParam_Zirn::KVZ_FormParam_Zirn(QWidget* parent)
    : QWidget(parent), ui(new Ui::KVZ_FormParam_ZirnClass)
{
    ui->setupUi(this);
    buildGroups();
}

KVZ_FormParam_Zirn::~KVZ_FormParam_Zirn()
{
    delete ui;
}

void KVZ_FormParam_Zirn::buildGroups()
{
    CMO_CommandSink::setCurrent(this, this);
    m_commands = FormatPageGroups::addGroup<CMO_FormProperty_Commands>(ui->widget_Command, QStringLiteral("Команды"));
    ui->widget_Command->setExpanded(false);
    m_object = FormatPageGroups::addGroup<CMO_FormProperty_Object>(ui->widget_Object, QStringLiteral("Объект"));
    m_object->setType(QStringLiteral("ZIRN"));
    m_event = FormatPageGroups::addGroup<CMO_FormProperty_Event>(ui->widget_Event, QStringLiteral("Событие"));
    m_work = FormatPageGroups::addGroup<CMO_FormProperty_Work>(ui->widget_Work, QStringLiteral("Режим работы"));
    m_gsm = FormatPageGroups::addGroup<CMO_FormProperty_GSM>(ui->widget_GSM, QStringLiteral("Связь GSM"));
    m_in = FormatPageGroups::addGroup<CMO_FormProperty_In>(ui->widget_In, QStringLiteral("Дискретные входы"));
    m_analog = FormatPageGroups::addGroup<CMO_FormProperty_Analog>(ui->widget_Analog, QStringLiteral("Аналоговые измерения"));
    m_impuls = FormatPageGroups::addGroup<CMO_FormProperty_Impuls>(ui->widget_Impuls, QStringLiteral("Импульсные измерения"));
    m_frequency = FormatPageGroups::addGroup<CMO_FormProperty_Frequency>(ui->widget_Frequency, QStringLiteral("Частотные измерения"));
    m_sh = FormatPageGroups::addGroup<CMO_FormProperty_SH>(ui->widget_SH, QStringLiteral("Акселерометр"));
    m_digital = FormatPageGroups::addGroup<CMO_FormProperty_Digital>(ui->widget_Digital, QStringLiteral("Цифровые топливные датчики"));
    m_out = FormatPageGroups::addGroup<CMO_FormProperty_Out>(ui->widget_Out, QStringLiteral("Управляющие выходы"));
    m_power = FormatPageGroups::addGroup<CMO_FormProperty_Power>(ui->widget_Power, QStringLiteral("Источники питания"));
    m_temp = FormatPageGroups::addGroup<CMO_FormProperty_Temp>(ui->widget_Temp, QStringLiteral("Температурные датчики"));
    m_can = FormatPageGroups::addGroup<CMO_FormProperty_CAN>(ui->widget_CAN, QStringLiteral("CAN"));
    m_navigation = FormatPageGroups::addGroup<CMO_FormProperty_Navigation>(ui->widget_Navigation, QStringLiteral("Навигационные данные"));
    CMO_FormFit::fitPage(this);
}

void KVZ_FormParam_Zirn::showRecord(ZirnSession* session, uint8_t commandPending, const QString& name,
                                    const QString& idText, const TmiPage_Zirn* record)
{
    setCommandSession(session);
    setCommandsEnabled(!commandPending);
    if (!record)
        return;
    const TmiPage_Zirn& r = *record;
    if (m_object) {
        m_object->setName(name);
        m_object->setFullName(idText);
    }
    if (m_event) {
        m_event->setNumber(r.NumPage());
        m_event->setEvent(r.codeText());
        m_event->setDateTime(r.timeText());
    }
    if (m_work) {
        m_work->setAlarm(r.alarmBit());
        m_work->setEngine(r.engineText());
    }
    if (m_gsm) {
        m_gsm->setState(r.Module1());
        m_gsm->setLevel(r.GSM());
    }
    if (m_in) {
        m_in->setIn1(r.stateIn1Bit0());
        m_in->setIn2(r.stateIn1Bit1());
        m_in->setIn3(r.stateIn1Bit2());
        m_in->setIn4(r.stateIn1Bit3());
        m_in->setIn5(r.stateIn1Bit4());
    }
    if (m_analog) {
        m_analog->setA1State(false, true);
        m_analog->setA2State(false, true);
        m_analog->setA3State(false, true);
        m_analog->setA1(r.StateU_Ain1());
        m_analog->setA2(r.StateU_Ain2());
        m_analog->setA3(r.StateU_Ain3());
        m_analog->setA4(r.StateU_Ain4());
        m_analog->setA5(r.StateU_Ain5());
        m_analog->setA6(r.StateU_Ain6());
        m_analog->setA7(r.StateU_Ain7());
        m_analog->setA8(r.StateU_Ain8());
    }
    if (m_impuls) {
        m_impuls->setI2State(false, true);
        m_impuls->setI3State(false, true);
        m_impuls->setI2(int(r.StateIn_Imp1()));
        m_impuls->setI3(int(r.StateIn_Imp2()));
    }
    if (m_frequency) {
        m_frequency->setF1(r.Frequency1());
        m_frequency->setF2(r.Frequency2());
    }
    if (m_sh) {
        m_sh->setSH1(r.stateIn1Bit5());
        m_sh->setSH2(r.stateIn1Bit6());
        m_sh->setSH3(r.stateIn1Bit7());
    }
    if (m_digital) {
        m_digital->setD1(r.levelText(1));
        m_digital->setD2(r.levelText(2));
        m_digital->setD3(r.levelText(3));
        m_digital->setD4(r.levelText(4));
        m_digital->setD5(r.levelText(5));
        m_digital->setD6(r.levelText(6));
        m_digital->setRS232(r.levelText(7));
    }
    if (m_out) {
        m_out->setOut1(true, r.stateOut1Bit0());
        m_out->setOut2(true, r.stateOut1Bit1());
        m_out->setOut3(true, r.stateOut1Bit2());
        m_out->setOut4(true, r.stateOut1Bit3());
    }
    if (m_power) {
        m_power->setPower(r.Power());
        m_power->setReserve(r.Reserv());
    }
    if (m_temp) {
        m_temp->setTemp1(r.Temp1());
        m_temp->setTemp2(r.Temp2());
        m_temp->setTemp3(r.Temp3());
        m_temp->setTemp4(r.Temp4());
        m_temp->setTemp5(r.Temp5());
        m_temp->setTemp6(r.Temp6());
        m_temp->setTemp7(r.Temp7());
        m_temp->setTemp8(r.Temp8());
    }
    if (m_can) {
        m_can->setFuelLevel(r.canFuelLevelText());
        m_can->setFuelConsumption(r.canFuelConsumptionText());
        m_can->setEngineTurns(r.canEngineTurnsText());
        m_can->setTemp(r.canTempText());
        m_can->setFullRun(r.canFullRunText());
        m_can->setAxleLoad1(r.canAxleLoadText(1));
        m_can->setAxleLoad2(r.canAxleLoadText(2));
        m_can->setAxleLoad3(r.canAxleLoadText(3));
        m_can->setAxleLoad4(r.canAxleLoadText(4));
        m_can->setAxleLoad5(r.canAxleLoadText(5));
        m_can->setPedalAccel(r.canPedalAccelText());
        m_can->setPedalStop(r.canPedalStopText());
        m_can->setEngineLoad(r.canEngineLoadText());
        m_can->setLevelFiltr(r.canFilterLevelText());
        m_can->setEngineTime(r.canEngineTimeText());
        m_can->setTimeTO(r.canServiceDistanceText());
        m_can->setSpeed(r.canSpeedText());
    }
    if (m_navigation) {
        m_navigation->setValid(r.navValid());
        m_navigation->setDateTime(r.lastTimeText());
        m_navigation->setWidth(r.Lat());
        m_navigation->setLongitude(r.Lon());
        m_navigation->setAltitude(r.Alt());
        m_navigation->setSpeed(r.Speed());
        m_navigation->setCourse(r.Course());
        m_navigation->setRun(r.Run());
        m_navigation->setWay(r.Way());
        m_navigation->setAllSeconds(r.AllSeconds());
        m_navigation->setSecondsLast(r.SecondsLast());
    }
}

void KVZ_FormParam_Zirn::setCommandsEnabled(bool enabled)
{
    if (m_out)
        m_out->setButtonsEnabled(enabled);
    if (m_in)
        m_in->setButtonsEnabled(enabled);
    if (m_commands)
        m_commands->setSendEnabled(enabled);
}

const ZirnSession* KVZ_FormParam_Zirn::currentSession() const
{
    return static_cast<const ZirnSession*>(commandSession());
}
