// The F-4 device page: nine foldable property groups in a scroll area,
// filled from the selected terminal's latest 27-byte record. It remembers
// the session it shows and turns the groups' command buttons into text
// commands for that terminal.
#ifndef KVZ_FORMPARAM_F4_H
#define KVZ_FORMPARAM_F4_H

#include "f4_guardsink.h"
#include "format_command_sink.h"

#include <QString>
#include <QWidget>
#include <cstdint>

class CMO_FormProperty_Commands;
class CMO_FormProperty_Event;
class CMO_FormProperty_In;
class CMO_FormProperty_Object;
class CMO_FormProperty_Out;
class CMO_FormProperty_Power;
class CMO_FormProperty_Temp;
class CMO_FormProperty_Work;
class F4Record;
class F4Session;
class FormatSession;
namespace F52 {
class CMO_FormProperty_GSM;
}
namespace Ui {
class KVZ_FormParam_F4Class;
}

class KVZ_FormParam_F4 : public QWidget, public FormatCommandSink, public F4GuardSink
{
    Q_OBJECT
public:
    explicit KVZ_FormParam_F4(QWidget* parent = nullptr);
    ~KVZ_FormParam_F4() override;

    // Shows record as the state of session's terminal; the command buttons
    // are usable only while no command of that session waits for its answer.
    void showRecord(F4Session* session, uint8_t commandPending, const QString& name,
                    const QString& idText, const F4Record* record);
    void setCommandsEnabled(bool enabled) override;
    const F4Session* currentSession() const;

    // The guard senders of the work group's buttons.
    void sendGuardOn() override;         // "*!GY"
    void sendGuardOff() override;        // "*!GN"
    void sendGuardProfile2() override;   // "*!G2"
    void sendGuardProfile3() override;   // "*!G3"

private:
    void buildSections();

    Ui::KVZ_FormParam_F4Class* ui;
    CMO_FormProperty_Commands* m_commands = nullptr;
    CMO_FormProperty_Object* m_object = nullptr;
    CMO_FormProperty_Event* m_event = nullptr;
    CMO_FormProperty_Work* m_work = nullptr;
    F52::CMO_FormProperty_GSM* m_gsm = nullptr;
    CMO_FormProperty_In* m_in = nullptr;
    CMO_FormProperty_Out* m_out = nullptr;
    CMO_FormProperty_Power* m_power = nullptr;
    CMO_FormProperty_Temp* m_temp = nullptr;
};

#endif // KVZ_FORMPARAM_F4_H
