#include "kvz_logfile.h"

#include <cstdio>
#include <cstring>

KvzLogFile::KvzLogFile(const char* aSource, const char* aFileName, int aValue)
    : value(aValue)
{
    boundedCopy(fileName, "noname.log");
    boundedCopy(source, "No parent");
    boundedCopy(source, aSource);
    boundedCopy(fileName, aFileName);
}

void KvzLogFile::boundedCopy(char* field, const char* text)
{
    if (!field || !text)
        return;
    const size_t length = strnlen(text, FieldSize - 1);
    std::memcpy(field, text, length);
    field[length] = 0;
}

void KvzLogFile::setFileName(const char* text)
{
    boundedCopy(fileName, text);
}

// Kinds outside the five named ones print as "message".
const char* KvzLogFile::kindName(int kind)
{
    switch (kind) {
    case Error:        return "ERROR";
    case IpMessage:    return "Ip. message";
    case Warning:      return "Warning";
    case MessageUpper: return "Message";
    default:           return "message";
    }
}

QByteArray KvzLogFile::formatLine(const char* text, int kind, const QDateTime& when) const
{
    char line[MaxLine + 1];
    const QDate d = when.date();
    const QTime t = when.time();
    std::snprintf(line, sizeof(line), "%02d.%02d.%04d %02d:%02d:%02d  %-15s  %-15s   %s",
                  d.day(), d.month(), d.year(), t.hour(), t.minute(), t.second(), source, kindName(kind),
                  text ? text : "");
    return QByteArray(line);
}

void KvzLogFile::write(const char* text, int kind)
{
    if (!text)
        return;
    appendLine(formatLine(text, kind, QDateTime::currentDateTime()));
}

void KvzLogFile::appendLine(const QByteArray& line)
{
    FILE* file = std::fopen(fileName, "a+b");
    if (!file)
        return;
    std::fprintf(file, "%s\r\n", line.constData());
    std::fflush(file);
    std::fclose(file);
}
