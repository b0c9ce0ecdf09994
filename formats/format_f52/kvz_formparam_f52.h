// The F-52 device page: fourteen foldable property groups in a scroll area,
// filled from the selected terminal's latest record. It remembers the
// session it shows and turns the groups' buttons into text commands for
// that terminal.
#ifndef KVZ_FORMPARAM_F52_H
#define KVZ_FORMPARAM_F52_H

#include "fixed_command_sink.h"

#include <QString>
#include <QWidget>
#include <cstdint>

class CMO_FormProperty_Commands;
class CMO_FormProperty_Event;
class CMO_FormProperty_In;
class CMO_FormProperty_Object;
class CMO_FormProperty_Power;
class CMO_FormProperty_SH;
namespace F52 {
class CMO_FormProperty_Analog;
class CMO_FormProperty_Digital;
class CMO_FormProperty_GSM;
class CMO_FormProperty_Impuls;
class CMO_FormProperty_Navigation;
class CMO_FormProperty_Out;
class CMO_FormProperty_Temp;
class CMO_FormProperty_Work;
}
class F52Record;
class F52Session;
class FormatSession;
namespace Ui {
class KVZ_FormParam_F52Class;
}

class KVZ_FormParam_F52 : public QWidget, public FixedCommandSink
{
    Q_OBJECT
public:
    explicit KVZ_FormParam_F52(QWidget* parent = nullptr);
    ~KVZ_FormParam_F52() override;

    // Shows record as the state of session's terminal; the command buttons
    // are usable only while no command of that session waits for its answer.
    void showRecord(F52Session* session, uint8_t commandPending, const QString& name,
                    const QString& idText, const F52Record* record);
    void setCommandsEnabled(bool enabled) override;
    const F52Session* currentSession() const;

private:
    void buildSections();

    Ui::KVZ_FormParam_F52Class* ui;
    CMO_FormProperty_Commands* m_commands = nullptr;
    CMO_FormProperty_Object* m_object = nullptr;
    CMO_FormProperty_Event* m_event = nullptr;
    F52::CMO_FormProperty_Work* m_work = nullptr;
    CMO_FormProperty_In* m_in = nullptr;
    F52::CMO_FormProperty_Analog* m_analog = nullptr;
    F52::CMO_FormProperty_Digital* m_digital = nullptr;
    F52::CMO_FormProperty_Impuls* m_impuls = nullptr;
    F52::CMO_FormProperty_Out* m_out = nullptr;
    CMO_FormProperty_SH* m_sh = nullptr;
    F52::CMO_FormProperty_Temp* m_temp = nullptr;
    CMO_FormProperty_Power* m_power = nullptr;
    F52::CMO_FormProperty_GSM* m_gsm = nullptr;
    F52::CMO_FormProperty_Navigation* m_navigation = nullptr;
};

#endif // KVZ_FORMPARAM_F52_H
