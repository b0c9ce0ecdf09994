// The command senders of a fixed-record page: the frame's output, input and
// free-text senders and the three guard modes' texts, sent to the session
// the page shows. After any command the page disables its command buttons,
// sent or not.
#ifndef FIXED_COMMAND_SINK_H
#define FIXED_COMMAND_SINK_H

#include "cmo_guardsink.h"
#include "format_command_sink.h"

#include <QString>

class FixedCommandSink : public FormatCommandSink, public CMO_GuardSink
{
public:
    ~FixedCommandSink() override;

    void sendGuardOn() override;         // "*!GY"
    void sendGuardOff() override;        // "*!GN"
    void sendGuardProfile2() override;   // "*!G2"
    void sendText(const QString& text) { sendCommand(text); }
};

#endif // FIXED_COMMAND_SINK_H
