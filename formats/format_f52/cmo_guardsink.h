// The guard-mode senders of a device page, beside the common command
// senders: a page whose groups include the guard-mode group implements both,
// and the group's buttons find the guard senders on the current page.
#ifndef CMO_GUARDSINK_H
#define CMO_GUARDSINK_H

class CMO_GuardSink
{
public:
    virtual ~CMO_GuardSink();

    virtual void sendGuardOn() = 0;        // "*!GY"
    virtual void sendGuardOff() = 0;       // "*!GN"
    virtual void sendGuardProfile2() = 0;  // "*!G2"

    // The guard senders of this plug-in's current page, or null when there
    // is no page or it has none.
    static CMO_GuardSink* current();
};

#endif // CMO_GUARDSINK_H
