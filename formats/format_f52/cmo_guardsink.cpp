#include "cmo_guardsink.h"

#include "cmo_commandsink.h"

CMO_GuardSink::~CMO_GuardSink() = default;

CMO_GuardSink* CMO_GuardSink::current()
{
    return dynamic_cast<CMO_GuardSink*>(CMO_CommandSink::current());
}
