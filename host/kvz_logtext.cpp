#include "kvz_logtext.h"

// "HH:mm:ss:" and the milliseconds without leading zeros, built by hand: Qt's
// "z" pads on some versions and not on others, and a format string is read
// anew for every call.
QString KvzLogText::timeStamp(const QTime& time)
{
    if (!time.isValid())
        return QString();
    QChar text[12];
    int n = 0;
    for (int field : {time.hour(), time.minute(), time.second()}) {
        text[n++] = QLatin1Char(char('0' + field / 10));
        text[n++] = QLatin1Char(char('0' + field % 10));
        text[n++] = QLatin1Char(':');
    }
    const int ms = time.msec();
    if (ms >= 100)
        text[n++] = QLatin1Char(char('0' + ms / 100));
    if (ms >= 10)
        text[n++] = QLatin1Char(char('0' + ms / 10 % 10));
    text[n++] = QLatin1Char(char('0' + ms % 10));
    return QString(text, n);
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

QString KvzLogText::connectLine(const QString& time, const QString& name)
{
    return QStringLiteral("<b>%1  Подключение устройства %2</b> ").arg(time, name.toHtmlEscaped());
}

QString KvzLogText::disconnectLine(const QString& time, const QString& name)
{
    return QStringLiteral("<b>%1  Отключение устройства %2</b> \r\n").arg(time, name.toHtmlEscaped());
}

QString KvzLogText::rawHeader(int direction, const QString& time, int count)
{
    switch (direction) {
    case Received: return QStringLiteral("<b>%1 принято: %2 байт</b> ").arg(time, QString::number(count));
    case Sent:     return QStringLiteral("<b>%1 отправлено: %2 байт</b> ").arg(time, QString::number(count));
    default:       return QStringLiteral("кол-во байт: %1").arg(count);
    }
}

QString KvzLogText::packetHeader(int direction, const QString& time, const QString& name, int length)
{
    switch (direction) {
    case Received:
        return QStringLiteral("<b>%1 принято от  устройства %2 : %3 байт</b> ")
            .arg(time, name.toHtmlEscaped(), QString::number(length));
    case Sent:
        return QStringLiteral("<b>%1 отправлено устройству %2 : %3 байт</b> ")
            .arg(time, name.toHtmlEscaped(), QString::number(length));
    default:
        return QStringLiteral("кол-во байт %1").arg(length);
    }
}
