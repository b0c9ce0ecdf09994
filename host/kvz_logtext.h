// The texts of the log pane that do not depend on the widget: time stamps
// and the hex lines of a dump.
#ifndef KVZ_LOGTEXT_H
#define KVZ_LOGTEXT_H

#include <QString>
#include <QTime>

class KvzLogText
{
public:
    // Header of a dump: bytes received, bytes sent, or the count only.
    enum Direction { Received = 0, Sent = 1, CountOnly = 2 };

    // "HH:mm:ss:" and the milliseconds without leading zeros ("09:05:07:2")
    static QString timeStamp(const QTime& time);
    static QString now();
    // Every byte as " 0x%02x,", a "\r\n" before each byte that starts a new
    // line of perLine bytes.
    static QString hexDump(const unsigned char* bytes, int count, int perLine);

    // The lines of the log pane. A terminal name is escaped: these lines are
    // rich text, and a name is shown as sent, never read as markup.
    static QString connectLine(const QString& time, const QString& name);
    static QString disconnectLine(const QString& time, const QString& name);
    static QString rawHeader(int direction, const QString& time, int count);
    static QString packetHeader(int direction, const QString& time, const QString& name, int length);
};

#endif // KVZ_LOGTEXT_H
