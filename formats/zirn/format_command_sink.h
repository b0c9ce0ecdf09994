// The command senders of a device page, as the property groups' buttons
// reach them: the page keeps here the session it shows, each button's text
// goes through FormatCommandSender to that session, and after any command
// the page disables its command buttons, sent or not. A page that goes away
// stops being this plug-in's current sink. Inline, so that the frame itself needs no
// property groups: only the pages that include it do.
#ifndef FORMAT_COMMAND_SINK_H
#define FORMAT_COMMAND_SINK_H

#include "cmo_commandsink.h"
#include "format_command_sender.h"

#include <QString>

class FormatSession;

class FormatCommandSink : public CMO_CommandSink
{
public:
    ~FormatCommandSink() override
    {
        if (CMO_CommandSink::current() == this)
            CMO_CommandSink::setCurrent(nullptr, nullptr);
    }

    // The session that commands go to; null sends nothing.
    const FormatSession* commandSession() const { return m_commandSession; }
    // A session is going away: a button must never reach its address.
    void forgetSession(const FormatSession* session)
    {
        if (session && m_commandSession == session)
            m_commandSession = nullptr;
    }

    void sendOutputOn(int n) override { sendNumbered(FormatCommandSender::numbered("*!", n, "Y")); }
    void sendOutputOff(int n) override { sendNumbered(FormatCommandSender::numbered("*!", n, "N")); }
    void sendInputOn(int n) override { sendNumbered(FormatCommandSender::numbered("*!ON:", n)); }
    void sendInputOff(int n) override { sendNumbered(FormatCommandSender::numbered("*!OFF:", n)); }
    // A text over 120 bytes is refused: nothing is sent.
    void sendCommand(const QString& text) override { send(text, FormatCommandSender::FreeTextSize); }

protected:
    void setCommandSession(const FormatSession* session) { m_commandSession = session; }
    virtual void setCommandsEnabled(bool enabled) = 0;

    // A fixed or numbered command: at most 9 bytes.
    void sendNumbered(const QString& text) { send(text, FormatCommandSender::NumberedCommandSize); }
    void send(const QString& text, int room)
    {
        FormatCommandSender::send(commandSession(), text, room);
        setCommandsEnabled(false);
    }

private:
    const FormatSession* m_commandSession = nullptr;
};

#endif // FORMAT_COMMAND_SINK_H
