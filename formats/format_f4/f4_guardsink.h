// The guard senders of the F-4 page: the F-52 page's three and the F-4's
// fourth guard mode "*!G3". The guard group reaches them through the
// current sink, when that sink is an F4GuardSink.
#ifndef F4_GUARDSINK_H
#define F4_GUARDSINK_H

#include "cmo_guardsink.h"

class F4GuardSink : public CMO_GuardSink
{
public:
    ~F4GuardSink() override;

    virtual void sendGuardProfile3() = 0;   // "*!G3"

    // The current page's guard senders, or null while there is none.
    static F4GuardSink* current();
};

#endif // F4_GUARDSINK_H
