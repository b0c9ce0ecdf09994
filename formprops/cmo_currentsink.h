// What a group's command slot calls: forwards to the current page's sender,
// and does nothing while no page is published (or it has gone away).
#ifndef CMO_CURRENTSINK_H
#define CMO_CURRENTSINK_H

#include <QString>

class CMO_CurrentSink
{
public:
    static void outputOn(int output);
    static void outputOff(int output);
    static void inputOn(int line);
    static void inputOff(int line);
    static void command(const QString& text);
};

#endif // CMO_CURRENTSINK_H
