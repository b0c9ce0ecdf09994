// The F-5 device page: twelve foldable property groups in a scroll area,
// filled from the selected terminal's latest record. It remembers the
// session it shows last and turns the groups' buttons into text commands
// for that terminal.
#ifndef KVZ_FORMPARAM_F5_H
#define KVZ_FORMPARAM_F5_H

#include "fixed_command_sink.h"

#include <QString>
#include <QWidget>
#include <cstdint>

class CMO_FormProperty_Commands;
class CMO_FormProperty_Event;
class CMO_FormProperty_Object;
class CMO_FormProperty_Power;
class CMO_FormProperty_SH;
namespace F52 {
class CMO_FormProperty_Analog;
class CMO_FormProperty_GSM;
class CMO_FormProperty_Impuls;
class CMO_FormProperty_Navigation;
class CMO_FormProperty_Out;
class CMO_FormProperty_Work;
}
namespace F5 {
class CMO_FormProperty_In;
}
class F5Record;
class F5Session;
class FormatSession;
namespace Ui {
class KVZ_FormParam_F5Class;
}

class KVZ_FormParam_F5 : public QWidget, public FixedCommandSink
{
    Q_OBJECT
public:
    explicit KVZ_FormParam_F5(QWidget* parent = nullptr);
    ~KVZ_FormParam_F5() override;

    // Shows record as the state of session's terminal (name, id text); the
    // command buttons are usable only while no command of session waits for
    // its answer.
    void showRecord(F5Session* session, uint8_t commandPending, const QString& name,
                    const QString& idText, const F5Record* record);
    void setCommandsEnabled(bool enabled) override;
    const F5Session* currentSession() const;

private:
    void buildSections();
    void setInputLine(int line, int active);

    Ui::KVZ_FormParam_F5Class* ui;
    uint8_t m_buttonsAllowed = 0;
    CMO_FormProperty_Commands* m_commands = nullptr;
    CMO_FormProperty_Object* m_object = nullptr;
    CMO_FormProperty_Event* m_event = nullptr;
    F52::CMO_FormProperty_Work* m_work = nullptr;
    F5::CMO_FormProperty_In* m_in = nullptr;
    F52::CMO_FormProperty_Analog* m_analog = nullptr;
    F52::CMO_FormProperty_Impuls* m_impuls = nullptr;
    F52::CMO_FormProperty_Out* m_out = nullptr;
    CMO_FormProperty_SH* m_sh = nullptr;
    CMO_FormProperty_Power* m_power = nullptr;
    F52::CMO_FormProperty_GSM* m_gsm = nullptr;
    F52::CMO_FormProperty_Navigation* m_navigation = nullptr;
};

#endif // KVZ_FORMPARAM_F5_H
