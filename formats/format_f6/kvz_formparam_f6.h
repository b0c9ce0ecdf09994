// The F-6 parameter page: sixteen foldable property groups in a scroll area,
// filled from the selected terminal's current record. It remembers the
// session it shows and turns the groups' command buttons into text commands
// for that terminal.
#ifndef KVZ_FORMPARAM_F6_H
#define KVZ_FORMPARAM_F6_H

#include "format_command_sink.h"

#include <QString>
#include <QWidget>
#include <cstdint>

class CMO_FormProperty_Commands;
class CMO_FormProperty_Event;
class CMO_FormProperty_Frequency;
class CMO_FormProperty_GSM;
class CMO_FormProperty_Impuls;
class CMO_FormProperty_In;
class CMO_FormProperty_Navigation;
class CMO_FormProperty_Object;
class CMO_FormProperty_Out;
class CMO_FormProperty_Power;
class CMO_FormProperty_SH;
class CMO_FormProperty_Work;
class F6Session;
class FormatSession;
class TmiPage_F6;
namespace F6 {
class CMO_FormProperty_Analog;
class CMO_FormProperty_CAN;
class CMO_FormProperty_Digital;
class CMO_FormProperty_Temp;
}
namespace Ui {
class KVZ_FormParam_F6Class;
}

class KVZ_FormParam_F6 : public QWidget, public FormatCommandSink
{
    Q_OBJECT
public:
    explicit KVZ_FormParam_F6(QWidget* parent = nullptr);
    ~KVZ_FormParam_F6() override;

    // Shows record as the state of session's terminal; the command buttons
    // are usable only while no command of that session waits for its answer.
    void showRecord(F6Session* session, uint8_t commandPending, const QString& name,
                    const QString& idText, const TmiPage_F6* record);
    // The Out, In and Commands buttons together.
    void setCommandsEnabled(bool enabled) override;
    const F6Session* session() const;

    // The Commands group's free text; over 120 bytes it is refused.
    void sendText(const QString& text) { sendCommand(text); }

private:
    void buildSections();

    Ui::KVZ_FormParam_F6Class* ui;
    CMO_FormProperty_Commands* m_commands = nullptr;
    CMO_FormProperty_Object* m_object = nullptr;
    CMO_FormProperty_Event* m_event = nullptr;
    CMO_FormProperty_Work* m_work = nullptr;
    CMO_FormProperty_GSM* m_gsm = nullptr;
    CMO_FormProperty_In* m_in = nullptr;
    F6::CMO_FormProperty_Analog* m_analog = nullptr;
    CMO_FormProperty_Impuls* m_impuls = nullptr;
    CMO_FormProperty_Frequency* m_frequency = nullptr;
    CMO_FormProperty_SH* m_sh = nullptr;
    F6::CMO_FormProperty_Digital* m_digital = nullptr;
    CMO_FormProperty_Out* m_out = nullptr;
    CMO_FormProperty_Power* m_power = nullptr;
    F6::CMO_FormProperty_Temp* m_temp = nullptr;
    F6::CMO_FormProperty_CAN* m_can = nullptr;
    CMO_FormProperty_Navigation* m_navigation = nullptr;
};

#endif // KVZ_FORMPARAM_F6_H
