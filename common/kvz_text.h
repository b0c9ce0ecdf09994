// windows-1251 text: everything that crosses the plug-in interface, goes to
// disk or to a terminal passes through here. Never the local 8-bit codec.
#ifndef KVZ_TEXT_H
#define KVZ_TEXT_H

#include <QByteArray>
#include <QString>

class KvzText
{
public:
    static QByteArray toCp1251(const QString& text);
    // Appends the windows-1251 bytes of text to bytes: the same bytes that
    // toCp1251(text) gives, without a byte array of their own.
    static void appendCp1251(QByteArray& bytes, const QString& text);
    static QString fromCp1251(const QByteArray& bytes);
    static QString fromCp1251(const char* bytes, int length);

    // A fixed-width text field: read up to its first NUL, never past width.
    static QString fromField(const char* field, int width);
    // Write text into a fixed-width field as zero-terminated bytes: at most
    // width - 1 bytes (one byte is one character in windows-1251), the rest 0.
    static void toField(char* field, int width, const QString& text);

    // True when every character of text has a windows-1251 byte.
    static bool canEncode(const QString& text);
};

#endif // KVZ_TEXT_H
