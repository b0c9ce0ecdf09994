#include "fixed_command_sink.h"

#include "fixed_command_sender.h"

FixedCommandSink::~FixedCommandSink() = default;

void FixedCommandSink::sendGuardOn()
{
    send(QStringLiteral("*!GY"), FixedCommandSender::NumberedCommandSize);
}

void FixedCommandSink::sendGuardOff()
{
    send(QStringLiteral("*!GN"), FixedCommandSender::NumberedCommandSize);
}

void FixedCommandSink::sendGuardProfile2()
{
    send(QStringLiteral("*!G2"), FixedCommandSender::NumberedCommandSize);
}

void FixedCommandSink::sendOutputOn(int n)
{
    send(FixedCommandSender::numbered("*!", n, "Y"), FixedCommandSender::NumberedCommandSize);
}

void FixedCommandSink::sendOutputOff(int n)
{
    send(FixedCommandSender::numbered("*!", n, "N"), FixedCommandSender::NumberedCommandSize);
}

void FixedCommandSink::sendInputOn(int n)
{
    send(FixedCommandSender::numbered("*!ON:", n), FixedCommandSender::NumberedCommandSize);
}

void FixedCommandSink::sendInputOff(int n)
{
    send(FixedCommandSender::numbered("*!OFF:", n), FixedCommandSender::NumberedCommandSize);
}

void FixedCommandSink::sendCommand(const QString& text)
{
    send(text, FixedCommandSender::FreeTextSize);
}

void FixedCommandSink::send(const QString& text, int room)
{
    FixedCommandSender::send(commandSession(), text, room);
    setCommandsEnabled(false);
}
