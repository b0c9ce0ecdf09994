#include "fixed_command_sink.h"

FixedCommandSink::~FixedCommandSink() = default;

void FixedCommandSink::sendGuardOn()
{
    sendNumbered(QStringLiteral("*!GY"));
}

void FixedCommandSink::sendGuardOff()
{
    sendNumbered(QStringLiteral("*!GN"));
}

void FixedCommandSink::sendGuardProfile2()
{
    sendNumbered(QStringLiteral("*!G2"));
}
