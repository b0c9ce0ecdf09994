#include "f4_guardsink.h"

#include "cmo_commandsink.h"

F4GuardSink::~F4GuardSink() = default;

F4GuardSink* F4GuardSink::current()
{
    return dynamic_cast<F4GuardSink*>(CMO_CommandSink::current());
}
