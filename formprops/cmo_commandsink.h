// The command senders of a format plug-in's device page, as the property
// groups see them. Each plug-in links its own copy of this library, so the
// current sink is per plug-in: the page publishes itself when it builds its
// groups, and the groups' buttons reach it here. The pointer is guarded: when
// the page is destroyed the sink is gone and a button sends nothing.
#ifndef CMO_COMMANDSINK_H
#define CMO_COMMANDSINK_H

#include <QObject>
#include <QPointer>
#include <QString>

class CMO_CommandSink
{
public:
    virtual ~CMO_CommandSink();

    virtual void sendOutputOn(int n) = 0;    // "*!%1Y"
    virtual void sendOutputOff(int n) = 0;   // "*!%1N"
    virtual void sendInputOn(int n) = 0;     // "*!ON:%1"
    virtual void sendInputOff(int n) = 0;    // "*!OFF:%1"
    virtual void sendCommand(const QString& text) = 0;   // free text, as given

    // The sink of this plug-in's current page, or null when there is none
    // (never published, cleared, or its page object destroyed).
    static CMO_CommandSink* current();
    // Publish page (a QObject that is also the sink); null clears.
    static void setCurrent(QObject* page, CMO_CommandSink* sink);
};

#endif // CMO_COMMANDSINK_H
