// The guard-mode senders of the F-4 page, which the property library's
// command sink does not have. The guard group reaches them through the
// current sink, when that sink is also an F4GuardSink.
#ifndef F4_GUARDSINK_H
#define F4_GUARDSINK_H

class F4GuardSink
{
public:
    virtual ~F4GuardSink();

    virtual void sendGuardOn() = 0;         // "*!GY"
    virtual void sendGuardOff() = 0;        // "*!GN"
    virtual void sendGuardProfile2() = 0;   // "*!G2"
    virtual void sendGuardProfile3() = 0;   // "*!G3"

    // The current page's guard senders, or null while there is none.
    static F4GuardSink* current();
};

#endif // F4_GUARDSINK_H
