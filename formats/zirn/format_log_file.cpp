#include "format_log_file.h"

#include "kvz_text.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>

namespace {
const char kSeparator[] = "\r\n------------------------\r\n";
const char kDisconnectBody[] = "\r\n-------------------\r\n";
}

void FormatLogFile::writeLog(const QString& terminalName, const QString& title,
                             const QString& body, const uint8_t* bytes, int count)
{
    QByteArray entry = titleLine(title);
    entry += hexDump(bytes, count);
    entry += KvzText::toCp1251(body);
    entry += kSeparator;
    append(terminalName, entry);
}

void FormatLogFile::writeLogLine(const QString& terminalName, const QString& text)
{
    append(terminalName, titleLine(text));
}

void FormatLogFile::writeDisconnect(const QString& terminalName)
{
    writeLog(terminalName, QStringLiteral("Disconnect"), QString::fromLatin1(kDisconnectBody),
             nullptr, 0);
}

QString FormatLogFile::filePath(const QString& terminalName)
{
    return QStringLiteral("Temp/") + safeFileName(terminalName) + QStringLiteral(".log");
}

QString FormatLogFile::safeFileName(const QString& terminalName)
{
    QString name = terminalName;
    for (int i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        const bool unsafe = c == QLatin1Char('/') || c == QLatin1Char('\\')
            || c.category() == QChar::Other_Control || (i == 0 && c == QLatin1Char('.'));
        if (unsafe)
            name[i] = QLatin1Char('_');
    }
    return name;
}

QByteArray FormatLogFile::hexDump(const uint8_t* bytes, int count)
{
    static const char digits[] = "0123456789abcdef";
    QByteArray dump;
    if (!bytes || count < 0)
        count = 0;
    dump.reserve(count * 5 + (count / 16 + 1) * 2);
    for (int i = 0; i < count; ++i) {
        if (i > 0 && i % 16 == 0)
            dump += "\r\n";
        dump += " 0x";
        dump += digits[bytes[i] >> 4];
        dump += digits[bytes[i] & 0x0F];
    }
    dump += "\r\n";
    return dump;
}

QByteArray FormatLogFile::titleLine(const QString& title)
{
    const QString stamp = QLocale::c().toString(QDateTime::currentDateTime(),
                                                QStringLiteral("dd.MM.yyyy hh:mm:ss.zzz"));
    return KvzText::toCp1251(stamp + QStringLiteral("      ") + title + QStringLiteral("\r\n"));
}

void FormatLogFile::append(const QString& terminalName, const QByteArray& entry)
{
    QFile file(filePath(terminalName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    file.write(entry);
    file.flush();
    file.close();
}
