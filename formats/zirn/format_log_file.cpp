#include "format_log_file.h"

#include "kvz_text.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace {
const char kSeparator[] = "\r\n------------------------\r\n";
const char kDisconnectBody[] = "\r\n-------------------\r\n";
const char kTitleGap[] = "      ";
const int kStampSize = 23;
const int kSeparatorSize = int(sizeof(kSeparator)) - 1;
const int kTitleLineRoom = kStampSize + int(sizeof(kTitleGap)) - 1 + 2;
// QDateTime takes local times from localtime_r() up to the end of 2037 and
// works out later ones (and earlier than 1970) on its own.
const qint64 kLastLocaltimeSecond = 2145916799;   // 2037-12-31 23:59:59 UTC

int hexDumpSize(int count)
{
    return count * 5 + (count > 0 ? (count - 1) / 16 * 2 : 0) + 2;
}

char* writeDigits(char* out, int value, int width)
{
    for (int i = width - 1; i >= 0; --i) {
        out[i] = char('0' + value % 10);
        value /= 10;
    }
    return out + width;
}
}

FormatLogFile::FormatLogFile(const QString& terminalName)
    : m_path(QFile::encodeName(filePath(terminalName)))
{
}

void FormatLogFile::write(const QString& title, const QString& body, const uint8_t* bytes,
                          int count) const
{
    QByteArray entry = entryHead(title, bytes, count, body.size());
    KvzText::appendCp1251(entry, body);
    entry += kSeparator;
    append(entry);
}

void FormatLogFile::writeEncoded(const QString& title, const QByteArray& body,
                                 const uint8_t* bytes, int count) const
{
    QByteArray entry = entryHead(title, bytes, count, body.size());
    entry += body;
    entry += kSeparator;
    append(entry);
}

void FormatLogFile::writeLine(const QString& text) const
{
    QByteArray entry;
    entry.reserve(kTitleLineRoom + text.size());
    appendTitleLine(entry, text);
    append(entry);
}

void FormatLogFile::writeDisconnect() const
{
    writeEncoded(QStringLiteral("Disconnect"), QByteArray(kDisconnectBody), nullptr, 0);
}

void FormatLogFile::writeLog(const QString& terminalName, const QString& title,
                             const QString& body, const uint8_t* bytes, int count)
{
    FormatLogFile(terminalName).write(title, body, bytes, count);
}

void FormatLogFile::writeLogLine(const QString& terminalName, const QString& text)
{
    FormatLogFile(terminalName).writeLine(text);
}

void FormatLogFile::writeDisconnect(const QString& terminalName)
{
    FormatLogFile(terminalName).writeDisconnect();
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
    QByteArray dump;
    appendHexDump(dump, bytes, count);
    return dump;
}

QByteArray FormatLogFile::timeStamp(qint64 msecsSinceEpoch)
{
    QByteArray stamp;
    appendTimeStamp(stamp, msecsSinceEpoch);
    return stamp;
}

QByteArray FormatLogFile::entryHead(const QString& title, const uint8_t* bytes, int count,
                                    int bodySize)
{
    if (!bytes || count < 0)
        count = 0;
    QByteArray entry;
    entry.reserve(kTitleLineRoom + title.size() + hexDumpSize(count) + bodySize + kSeparatorSize);
    appendTitleLine(entry, title);
    appendHexDump(entry, bytes, count);
    return entry;
}

void FormatLogFile::appendTitleLine(QByteArray& entry, const QString& title)
{
    appendTimeStamp(entry, QDateTime::currentMSecsSinceEpoch());
    entry += kTitleGap;
    // the title with its line end, as one text for the codec: a surrogate
    // at the title's end is followed by the line end, as always
    KvzText::appendCp1251(entry, title + QLatin1String("\r\n"));
}

void FormatLogFile::appendTimeStamp(QByteArray& entry, qint64 msecsSinceEpoch)
{
    if (msecsSinceEpoch >= 0 && msecsSinceEpoch <= kLastLocaltimeSecond * 1000) {
        const time_t time = time_t(msecsSinceEpoch / 1000);
        tm local;
        tzset();   // localtime_r() need not look at TZ again; QDateTime has it do so
        if (localtime_r(&time, &local) && local.tm_sec <= 59 && local.tm_year + 1900 >= 1000
            && local.tm_year + 1900 <= 9999) {
            const int start = entry.size();
            entry.resize(start + kStampSize);
            char* out = entry.data() + start;
            out = writeDigits(out, local.tm_mday, 2);
            *out++ = '.';
            out = writeDigits(out, local.tm_mon + 1, 2);
            *out++ = '.';
            out = writeDigits(out, local.tm_year + 1900, 4);
            *out++ = ' ';
            out = writeDigits(out, local.tm_hour, 2);
            *out++ = ':';
            out = writeDigits(out, local.tm_min, 2);
            *out++ = ':';
            out = writeDigits(out, local.tm_sec, 2);
            *out++ = '.';
            writeDigits(out, int(msecsSinceEpoch % 1000), 3);
            return;
        }
    }
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, Qt::LocalTime);
    entry += QLocale::c().toString(local, QStringLiteral("dd.MM.yyyy hh:mm:ss.zzz")).toLatin1();
}

void FormatLogFile::appendHexDump(QByteArray& entry, const uint8_t* bytes, int count)
{
    static const char digits[] = "0123456789abcdef";
    if (!bytes || count < 0)
        count = 0;
    const int start = entry.size();
    entry.resize(start + hexDumpSize(count));
    char* out = entry.data() + start;
    for (int i = 0; i < count; ++i) {
        if (i > 0 && i % 16 == 0) {
            *out++ = '\r';
            *out++ = '\n';
        }
        *out++ = ' ';
        *out++ = '0';
        *out++ = 'x';
        *out++ = digits[bytes[i] >> 4];
        *out++ = digits[bytes[i] & 0x0F];
    }
    *out++ = '\r';
    *out++ = '\n';
}

void FormatLogFile::append(const QByteArray& entry) const
{
    int fd;
    do {
        fd = ::open(m_path.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return;
    const char* data = entry.constData();
    size_t left = size_t(entry.size());
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            break;
        data += written;
        left -= size_t(written);
    }
    ::close(fd);
}
