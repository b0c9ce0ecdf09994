// The command senders of a device page, as the property groups' buttons
// reach them: each button's text goes through FormatCommandSender to the
// session the page shows, and after any command the page disables its
// command buttons, sent or not. Inline, so that the frame itself needs no
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
    void sendOutputOn(int n) override { sendNumbered(FormatCommandSender::numbered("*!", n, "Y")); }
    void sendOutputOff(int n) override { sendNumbered(FormatCommandSender::numbered("*!", n, "N")); }
    void sendInputOn(int n) override { sendNumbered(FormatCommandSender::numbered("*!ON:", n)); }
    void sendInputOff(int n) override { sendNumbered(FormatCommandSender::numbered("*!OFF:", n)); }
    // A text over 120 bytes is refused: nothing is sent.
    void sendCommand(const QString& text) override { send(text, FormatCommandSender::FreeTextSize); }

protected:
    // The session that commands go to; null sends nothing.
    virtual const FormatSession* commandSession() const = 0;
    virtual void setCommandsEnabled(bool enabled) = 0;

    // A fixed or numbered command: at most 9 bytes.
    void sendNumbered(const QString& text) { send(text, FormatCommandSender::NumberedCommandSize); }
    void send(const QString& text, int room)
    {
        FormatCommandSender::send(commandSession(), text, room);
        setCommandsEnabled(false);
    }
};

#endif // FORMAT_COMMAND_SINK_H
