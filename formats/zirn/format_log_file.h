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
    // The log file of one terminal; its file name is made safe and encoded
    // for the file system here, once. The name stays relative: every entry
    // goes to "Temp" of the working folder at the time of writing.
    explicit FormatLogFile(const QString& terminalName);

    // A full entry: title line, hex dump of the bytes, body, separator.
    void write(const QString& title, const QString& body, const uint8_t* bytes, int count) const;
    // The same entry with a body that is windows-1251 already.
    void writeEncoded(const QString& title, const QByteArray& body, const uint8_t* bytes,
                      int count) const;
    // The title line alone.
    void writeLine(const QString& text) const;
    // The entry that ends a session: title "Disconnect", no bytes.
    void writeDisconnect() const;

    // The same entries for a terminal named once.
    static void writeLog(const QString& terminalName, const QString& title, const QString& body,
                         const uint8_t* bytes, int count);
    static void writeLogLine(const QString& terminalName, const QString& text);
    static void writeDisconnect(const QString& terminalName);

    // "Temp/<name>.log"; the name comes from the network, so in the file
    // name "/", "\", control characters and a leading "." become "_".
    static QString filePath(const QString& terminalName);
    static QString safeFileName(const QString& terminalName);
    // " 0x.." per byte, "\r\n" after every 16 bytes and after the last; no
    // bytes (or a negative count) give "\r\n" alone.
    static QByteArray hexDump(const uint8_t* bytes, int count);
    // The time stamp of a title line, "dd.MM.yyyy hh:mm:ss.zzz": the local
    // date and time of msecs since 1970-01-01 UTC, as QDateTime has them.
    static QByteArray timeStamp(qint64 msecsSinceEpoch);

private:
    // A new entry's title line and hex dump, with room for bodySize more
    // bytes and the separator.
    static QByteArray entryHead(const QString& title, const uint8_t* bytes, int count, int bodySize);
    static void appendTitleLine(QByteArray& entry, const QString& title);
    static void appendTimeStamp(QByteArray& entry, qint64 msecsSinceEpoch);
    static void appendHexDump(QByteArray& entry, const uint8_t* bytes, int count);
    // Opens the file for appending (creating it), writes all of entry and
    // closes it again.
    void append(const QByteArray& entry) const;

    QByteArray m_path;
};

#endif // FORMAT_LOG_FILE_H
