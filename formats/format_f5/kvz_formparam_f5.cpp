#include "kvz_formparam_f5.h"

#include "cmo_formfit.h"
#include "cmo_formproperty_analog_f52.h"
#include "cmo_formproperty_commands.h"
#include "cmo_formproperty_event.h"
#include "cmo_formproperty_gsm_f52.h"
#include "cmo_formproperty_impuls_f52.h"
#include "cmo_formproperty_in_f5.h"
#include "cmo_formproperty_navigation_f52.h"
#include "cmo_formproperty_object.h"
#include "cmo_formproperty_out_f52.h"
#include "cmo_formproperty_power.h"
#include "cmo_formproperty_sh.h"
#include "cmo_formproperty_work_f52.h"
#include "f52_record.h"
#include "f5_record.h"
#include "f5_session.h"
#include "fixed_page_groups.h"
#include "format_page_groups.h"
#include "ui_kvz_formparam_f5.h"

KVZ_FormParam_F5::KVZ_FormParam_F5(QWidget* parent)
    : QWidget(parent), ui(new Ui::KVZ_FormParam_F5Class)
{
    ui->setupUi(this);
    buildSections();
}

KVZ_FormParam_F5::~KVZ_FormParam_F5()
{
    delete ui;
}

void KVZ_FormParam_F5::buildSections()
{
    m_buttonsAllowed = 1;
    CMO_CommandSink::setCurrent(this, this);
    m_commands = FormatPageGroups::addGroup<CMO_FormProperty_Commands>(ui->widget_Command, QStringLiteral("Команды"));
    ui->widget_Command->setExpanded(false);
    m_object = FormatPageGroups::addGroup<CMO_FormProperty_Object>(ui->widget_Object, QStringLiteral("Объект"));
    m_object->setType(QStringLiteral("F-5"));
    m_event = FormatPageGroups::addGroup<CMO_FormProperty_Event>(ui->widget_Event, QStringLiteral("Событие"));
    m_work = FormatPageGroups::addGroup<F52::CMO_FormProperty_Work>(ui->widget_Work, QStringLiteral("Режим работы"));
    m_in = FormatPageGroups::addGroup<F5::CMO_FormProperty_In>(ui->widget_In, QStringLiteral("Дискретные входы"));
    m_analog = FormatPageGroups::addGroup<F52::CMO_FormProperty_Analog>(ui->widget_Analog, QStringLiteral("Аналоговые измерения"));
    m_impuls = FormatPageGroups::addGroup<F52::CMO_FormProperty_Impuls>(ui->widget_Impuls, QStringLiteral("Импульсные измерения"));
    m_out = FormatPageGroups::addGroup<F52::CMO_FormProperty_Out>(ui->widget_Out, QStringLiteral("Управляющие выходы"));
    m_power = FormatPageGroups::addGroup<CMO_FormProperty_Power>(ui->widget_Power, QStringLiteral("Источники питания"));
    m_sh = FormatPageGroups::addGroup<CMO_FormProperty_SH>(ui->widget_SH, QStringLiteral("Акселерометр"));
    m_gsm = FormatPageGroups::addGroup<F52::CMO_FormProperty_GSM>(ui->widget_GSM, QStringLiteral("Связь GSM"));
    m_navigation = FormatPageGroups::addGroup<F52::CMO_FormProperty_Navigation>(ui->widget_Navigation, QStringLiteral("Навигационные данные"));
    CMO_FormFit::fitPage(this);
}

void KVZ_FormParam_F5::showRecord(F5Session* session, uint8_t commandPending, const QString& name,
                                  const QString& idText, const F5Record* record)
{
    setCommandsEnabled(commandPending == 0);
    if (record) {
        const F5Record& r = *record;
        m_object->setName(name);
        m_object->setFullName(idText);
        m_event->setNumber(r.numPage());
        m_event->setEvent(QString::number(r.code()));
        m_event->setDateTime(F52Record::dateTimeText(r.recordTime()));
        m_work->setState(m_buttonsAllowed != 0, r.protectionBit7(), r.guardMode());
        for (int line = 1; line <= 5; ++line)
            setInputLine(line, r.inputBit(line - 1));
        if (m_analog) {
            m_analog->setA1(r.analogIn1());
            m_analog->setA2(r.analogIn2());
        }
        if (m_power) {
            m_power->setPower(r.analogIn3());
            m_power->setReserve(r.analogIn4());
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
        if (m_gsm) {
            m_gsm->setStateF52(r.module());
            m_gsm->setLevelF52(r.gsm());
        }
        if (m_navigation) {
            m_navigation->setValid(r.stateNGaugeBit1());
            m_navigation->setDateTime(F52Record::dateTimeText(r.lastFixTime()));
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
    setCommandSession(session);
}

// Every line is in use: shown, its buttons allowed, its lamp set.
void KVZ_FormParam_F5::setInputLine(int line, int active)
{
    if (!m_in)
        return;
    const bool allowed = m_buttonsAllowed != 0;
    switch (line) {
    case 1: m_in->setLineState1(allowed); m_in->setIn1(active); break;
    case 2: m_in->setLineState2(allowed, true); m_in->setIn2(active); break;
    case 3: m_in->setLineState3(allowed, true); m_in->setIn3(active); break;
    case 4: m_in->setLineState4(allowed, true); m_in->setIn4(active); break;
    case 5: m_in->setLineState5(allowed, true); m_in->setIn5(active); break;
    default: break;
    }
}

void KVZ_FormParam_F5::setCommandsEnabled(bool enabled)
{
    FixedPageGroups::setCommandsEnabled(m_out, m_impuls, m_analog, m_in, m_work, m_commands, enabled);
}

const F5Session* KVZ_FormParam_F5::currentSession() const
{
    return static_cast<const F5Session*>(commandSession());
}
