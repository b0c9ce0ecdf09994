// The command senders of a fixed-record page: every button's text, sent
// through FixedCommandSender to the session the page shows. After any
// command the page disables its command buttons, sent or not.
#ifndef FIXED_COMMAND_SINK_H
#define FIXED_COMMAND_SINK_H

#include "cmo_commandsink.h"
#include "cmo_guardsink.h"

#include <QString>

class FormatSession;

class FixedCommandSink : public CMO_CommandSink, public CMO_GuardSink
{
public:
    ~FixedCommandSink() override;

    void sendGuardOn() override;         // "*!GY"
    void sendGuardOff() override;        // "*!GN"
    void sendGuardProfile2() override;   // "*!G2"
    void sendOutputOn(int n) override;   // "*!%1Y"
    void sendOutputOff(int n) override;  // "*!%1N"
    void sendInputOn(int n) override;    // "*!ON:%1"
    void sendInputOff(int n) override;   // "*!OFF:%1"
    // A text over 120 bytes is refused: nothing is sent.
    void sendCommand(const QString& text) override;
    void sendText(const QString& text) { sendCommand(text); }

protected:
    // The session that commands go to; null sends nothing.
    virtual const FormatSession* commandSession() const = 0;
    virtual void setCommandsEnabled(bool enabled) = 0;

private:
    void send(const QString& text, int room);
};

#endif // FIXED_COMMAND_SINK_H
