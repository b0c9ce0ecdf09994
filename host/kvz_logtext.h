// The texts of the log pane that do not depend on the widget: time stamps
// and the hex lines of a dump.
#ifndef KVZ_LOGTEXT_H
#define KVZ_LOGTEXT_H

#include <QString>
#include <QTime>

class KvzLogText
{
public:
    // "HH:mm:ss:" and the milliseconds without leading zeros ("09:05:07:2")
    static QString timeStamp(const QTime& time);
    static QString now();
    // Every byte as " 0x%02x,", a "\r\n" before each byte that starts a new
    // line of perLine bytes.
    static QString hexDump(const unsigned char* bytes, int count, int perLine);
};

#endif // KVZ_LOGTEXT_H
