// The per-terminal log file "Temp/<terminal>.log" that every format plug-in
// keeps: one entry per packet, each opened, written, flushed and closed on
// its own, in windows-1251. The folder "Temp" is not created: without it
// nothing is written and nothing is reported.
#ifndef FORMAT_LOG_FILE_H
#define FORMAT_LOG_FILE_H

#include <QByteArray>
#include <QString>
#include <cstdint>

class FormatLogFile
{
public:
    // A full entry: title line, hex dump of the bytes, body, separator.
    static void writeLog(const QString& terminalName, const QString& title, const QString& body,
                         const uint8_t* bytes, int count);
    // The title line alone.
    static void writeLogLine(const QString& terminalName, const QString& text);
    // The entry that ends a session: title "Disconnect", no bytes.
    static void writeDisconnect(const QString& terminalName);

    // "Temp/<name>.log"; the name comes from the network, so in the file
    // name "/", "\", control characters and a leading "." become "_".
    static QString filePath(const QString& terminalName);
    static QString safeFileName(const QString& terminalName);
    // " 0x.." per byte, "\r\n" after every 16 bytes and after the last; no
    // bytes (or a negative count) give "\r\n" alone.
    static QByteArray hexDump(const uint8_t* bytes, int count);

private:
    static QByteArray titleLine(const QString& title);
    static void append(const QString& terminalName, const QByteArray& entry);
};

#endif // FORMAT_LOG_FILE_H
