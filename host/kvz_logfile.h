// A writer of one-line diagnostic entries appended to a text file.
#ifndef KVZ_LOGFILE_H
#define KVZ_LOGFILE_H

#include <QDateTime>
#include <QMutex>

class KvzLogFile
{
public:
    enum Kind { Message = 0, Error = 1, IpMessage = 2, Warning = 3, MessageUpper = 4 };
    enum { FieldSize = 1024, MaxLine = 2047 };

    KvzLogFile(const char* source = nullptr, const char* fileName = nullptr, int value = 0);

    void setFileName(const char* text);
    void write(const char* text, int kind);
    // The line that write() appends for an entry made at the given time.
    QByteArray formatLine(const char* text, int kind, const QDateTime& when) const;

    const char* currentFileName() const { return fileName; }

private:
    static void boundedCopy(char* field, const char* text);
    static const char* kindName(int kind);
    void appendLine(const QByteArray& line);

    QMutex mutex;   // never locked
    char fileName[FieldSize];
    char source[FieldSize];
    int value;
};

#endif // KVZ_LOGFILE_H
