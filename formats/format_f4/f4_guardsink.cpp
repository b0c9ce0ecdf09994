#include "f4_guardsink.h"

F4GuardSink::~F4GuardSink() = default;

F4GuardSink* F4GuardSink::current()
{
    return dynamic_cast<F4GuardSink*>(CMO_GuardSink::current());
}
