// Helpers of the host's black-box tests: packets and registry calls through
// the driver, and the time stamps of the log pane.
#ifndef HOST_BLACKBOX_H
#define HOST_BLACKBOX_H

#include "velkor_runner.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>

#include <climits>

struct TestPacket {
    int type = 2;
    int format = 0;
    QString name = QStringLiteral("IMEI1");
    qint64 id = 1001;
    qint64 hostObject = 0;
    qint64 connection = 501;
    qint64 module = 0;
    static const int kDataSize = INT_MIN;
    int length = kDataSize;   // by default the size of data
    QByteArray data;
};

// Sends one packet message through the driver; the hostObject that the
// packet holds after the call, or -1 when the call failed.
inline qint64 sendPacket(VelkorRunner& runner, int code, const TestPacket& p)
{
    const int length = p.length == TestPacket::kDataSize ? p.data.size() : p.length;
    const QString answer = runner.request(QStringLiteral("packet"), {
        QString::number(code), QString::number(p.type), QString::number(p.format), p.name,
        QString::number(p.id), QString::number(p.hostObject), QString::number(p.connection),
        QString::number(p.module), QString::number(length), QString::fromLatin1(p.data.toHex())});
    if (answer.isNull() || answer.section(QLatin1Char(' '), 0, 0) != QLatin1String("0"))
        return -1;
    return answer.section(QLatin1Char(' '), 1, 1).toLongLong();
}

// The handle of the entry that tp_transport registered (the last
// TRANSPORT/ZOLVENTARI entry), or 0.
inline qint64 transportHandle(VelkorRunner& runner)
{
    const QString answer = runner.request(QStringLiteral("findall"),
                                          {QStringLiteral("TRANSPORT"), QStringLiteral("ZOLVENTARI"), QStringLiteral("8")});
    const QStringList handles = answer.section(QLatin1Char(' '), 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
    return handles.isEmpty() ? 0 : handles.last().toLongLong();
}

// Replaces every log time stamp ("HH:mm:ss:" and 1 to 3 digits) with "T".
inline QString maskTimes(const QString& text)
{
    static const QRegularExpression stamp(QStringLiteral("\\b([01]\\d|2[0-3]):[0-5]\\d:[0-5]\\d:([1-9]\\d{0,2}|0)\\b"));
    QString masked = text;
    return masked.replace(stamp, QStringLiteral("T"));
}

inline bool isTimeStamp(const QString& text)
{
    return maskTimes(text) == QLatin1String("T");
}

#endif // HOST_BLACKBOX_H
