#include "kvz_formparam_f4.h"

#include "cmo_formfit.h"
#include "cmo_formproperty_commands.h"
#include "cmo_formproperty_event.h"
#include "cmo_formproperty_gsm_f52.h"
#include "cmo_formproperty_in.h"
#include "cmo_formproperty_object.h"
#include "cmo_formproperty_out.h"
#include "cmo_formproperty_power.h"
#include "cmo_formproperty_temp.h"
#include "cmo_formproperty_work.h"
#include "f4_record.h"
#include "f4_session.h"
#include "format_page_groups.h"
#include "ui_kvz_formparam_f4.h"


KVZ_FormParam_F4::KVZ_FormParam_F4(QWidget* parent)
    : QWidget(parent), ui(new Ui::KVZ_FormParam_F4Class)
{
    ui->setupUi(this);
    CMO_CommandSink::setCurrent(this, this);
    buildSections();
}

KVZ_FormParam_F4::~KVZ_FormParam_F4()
{
    delete ui;
}

void KVZ_FormParam_F4::buildSections()
{
    m_commands = FormatPageGroups::addGroup<CMO_FormProperty_Commands>(ui->widget_Command, QStringLiteral("Команды"));
    ui->widget_Command->setExpanded(false);
    m_object = FormatPageGroups::addGroup<CMO_FormProperty_Object>(ui->widget_Object, QStringLiteral("Объект"));
    m_object->setType(QStringLiteral("F-4"));
    m_event = FormatPageGroups::addGroup<CMO_FormProperty_Event>(ui->widget_Event, QStringLiteral("Событие"));
    m_work = FormatPageGroups::addGroup<CMO_FormProperty_Work>(ui->widget_Work, QStringLiteral("Режим работы"));
    m_in = FormatPageGroups::addGroup<CMO_FormProperty_In>(ui->widget_In, QStringLiteral("Дискретные входы"));
    m_out = FormatPageGroups::addGroup<CMO_FormProperty_Out>(ui->widget_Out, QStringLiteral("Управляющие выходы"));
    m_power = FormatPageGroups::addGroup<CMO_FormProperty_Power>(ui->widget_Power, QStringLiteral("Источники питания"));
    m_temp = FormatPageGroups::addGroup<CMO_FormProperty_Temp>(ui->widget_Temp, QStringLiteral("Температурные датчики"));
    m_gsm = FormatPageGroups::addGroup<F52::CMO_FormProperty_GSM>(ui->widget_GSM, QStringLiteral("Связь GSM"));
    CMO_FormFit::fitPage(this);
}

void KVZ_FormParam_F4::showRecord(F4Session* session, uint8_t commandPending, const QString& name,
                                  const QString& idText, const F4Record* record)
{
    setCommandSession(session);
    setCommandsEnabled(commandPending == 0);
    if (!record)
        return;
    const F4Record& r = *record;
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
        m_work->setState(true, r.protectionBit7(), unsigned(r.guardMode()));
    if (m_in) {
        m_in->setIn1(r.stateInBit0());
        m_in->setIn2(r.stateInBit1());
        m_in->setIn3(r.stateInBit2());
        m_in->setIn4(r.stateInBit3());
        m_in->setIn5(unsigned(r.stateInBit4()));
        m_in->setIn6(unsigned(r.stateInBit5()));
        m_in->setIn7(unsigned(r.stateInBit6()));
        m_in->setIn8(unsigned(r.stateInBit7()));
    }
    if (m_out) {
        m_out->setOut1(true, r.stateOutBit0());
        m_out->setOut2(true, r.stateOutBit1());
        m_out->setOut3(true, r.stateOutBit2());
        m_out->setOut4(true, r.stateOutBit3());
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
    if (m_gsm) {
        m_gsm->setStateF52(r.module());
        m_gsm->setLevelF52(r.gsm());
    }
}

void KVZ_FormParam_F4::setCommandsEnabled(bool enabled)
{
    if (m_out)
        m_out->setButtonsEnabled(enabled);
    if (m_in)
        m_in->setButtonsEnabled(enabled);
    if (m_work)
        m_work->setButtonsEnabled(enabled);
    if (m_commands)
        m_commands->setSendEnabled(enabled);
}

const F4Session* KVZ_FormParam_F4::currentSession() const
{
    return static_cast<const F4Session*>(commandSession());
}

void KVZ_FormParam_F4::sendGuardOn() { sendNumbered(QStringLiteral("*!GY")); }
void KVZ_FormParam_F4::sendGuardOff() { sendNumbered(QStringLiteral("*!GN")); }
void KVZ_FormParam_F4::sendGuardProfile2() { sendNumbered(QStringLiteral("*!G2")); }
void KVZ_FormParam_F4::sendGuardProfile3() { sendNumbered(QStringLiteral("*!G3")); }
