#include "kvz_logtext.h"

QString KvzLogText::timeStamp(const QTime& time)
{
    // Qt's "z" pads on some versions and not on others; build the field here.
    return time.toString(QStringLiteral("HH:mm:ss:")) + QString::number(time.msec());
}

QString KvzLogText::now()
{
    return timeStamp(QTime::currentTime());
}

QString KvzLogText::hexDump(const unsigned char* bytes, int count, int perLine)
{
    static const char digits[] = "0123456789abcdef";
    QString text;
    if (!bytes || count <= 0 || perLine <= 0)
        return text;
    text.reserve(count * 6 + (count / perLine) * 2);
    for (int i = 0; i < count; ++i) {
        if (i > 0 && i % perLine == 0)
            text += QLatin1String("\r\n");
        text += QLatin1String(" 0x");
        text += QLatin1Char(digits[bytes[i] >> 4]);
        text += QLatin1Char(digits[bytes[i] & 0x0f]);
        text += QLatin1Char(',');
    }
    return text;
}
