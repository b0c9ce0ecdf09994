#include "cmo_currentsink.h"

#include "cmo_commandsink.h"

void CMO_CurrentSink::outputOn(int output)
{
    if (CMO_CommandSink* sink = CMO_CommandSink::current())
        sink->sendOutputOn(output);
}

void CMO_CurrentSink::outputOff(int output)
{
    if (CMO_CommandSink* sink = CMO_CommandSink::current())
        sink->sendOutputOff(output);
}

void CMO_CurrentSink::inputOn(int line)
{
    if (CMO_CommandSink* sink = CMO_CommandSink::current())
        sink->sendInputOn(line);
}

void CMO_CurrentSink::inputOff(int line)
{
    if (CMO_CommandSink* sink = CMO_CommandSink::current())
        sink->sendInputOff(line);
}

void CMO_CurrentSink::command(const QString& text)
{
    if (CMO_CommandSink* sink = CMO_CommandSink::current())
        sink->sendCommand(text);
}
