#include "kvz_text.h"

#include <QTextCodec>

#include <cstdint>
#include <cstring>

namespace {
QTextCodec* cp1251()
{
    static QTextCodec* codec = QTextCodec::codecForName("windows-1251");
    return codec;
}

// The codec's own answers, asked once: the character of every byte, and the
// byte of every character that the codec takes there and back on its own.
// Text made of such characters only is converted here, one character to one
// byte; any other text (NUL, surrogates, characters without a byte or that
// the codec drops) goes to the codec as a whole, so every result is the
// codec's.
struct Cp1251Tables {
    ushort toUnicode[256];
    bool byteIsPlain[256];        // the byte is one character
    uint8_t fromUnicode[65536];   // 0: the codec decides
    bool asciiDecodesPlain;       // bytes 0 to 127 are U+0000 to U+007F
    bool asciiEncodesPlain;       // and back

    Cp1251Tables()
    {
        std::memset(fromUnicode, 0, sizeof(fromUnicode));
        QTextCodec* codec = cp1251();
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString unit = codec->toUnicode(&byte, 1);
            byteIsPlain[b] = unit.size() == 1;
            toUnicode[b] = byteIsPlain[b] ? unit.at(0).unicode() : 0;
            if (!byteIsPlain[b] || b == 0 || unit.at(0).isSurrogate())
                continue;
            const QByteArray back = codec->fromUnicode(unit);
            if (back.size() == 1 && uint8_t(back.at(0)) == b)
                fromUnicode[toUnicode[b]] = uint8_t(b);
        }
        // NUL is left to the codec one by one, but goes with the ASCII
        // blocks when the codec keeps it as a zero byte
        asciiDecodesPlain = true;
        asciiEncodesPlain = codec->fromUnicode(QString(QChar(0))) == QByteArray(1, '\0');
        for (int b = 0; b < 128; ++b) {
            asciiDecodesPlain = asciiDecodesPlain && byteIsPlain[b] && toUnicode[b] == b;
            asciiEncodesPlain = asciiEncodesPlain && (b == 0 || fromUnicode[b] == b);
        }
    }
};

const Cp1251Tables& tables()
{
    static const Cp1251Tables t;
    return t;
}

// Text is mostly ASCII: it is looked at in blocks of this many characters,
// and a block of ASCII alone is copied as a whole.
const int kBlock = 16;

// Copies a block of ASCII characters to their bytes; false, with nothing
// written, when the block holds anything else.
bool copyAsciiBlock(const QChar* in, char* out)
{
    ushort units[kBlock];
    std::memcpy(units, in, sizeof(units));
    ushort high = 0;
    for (ushort unit : units)
        high |= unit;
    if (high >= 0x80)
        return false;
    char bytes[kBlock];
    for (int i = 0; i < kBlock; ++i)
        bytes[i] = char(units[i]);
    std::memcpy(out, bytes, sizeof(bytes));
    return true;
}

// Copies a block of ASCII bytes to their characters; false, with nothing
// written, when the block holds anything else.
bool copyAsciiBlock(const char* in, QChar* out)
{
    uint8_t bytes[kBlock];
    std::memcpy(bytes, in, sizeof(bytes));
    uint8_t high = 0;
    for (uint8_t byte : bytes)
        high |= byte;
    if (high >= 0x80)
        return false;
    ushort units[kBlock];
    for (int i = 0; i < kBlock; ++i)
        units[i] = bytes[i];
    std::memcpy(out, units, sizeof(units));
    return true;
}

// Writes the bytes of count characters to out, when every one of them is a
// plain one; false leaves the text to the codec.
bool encodePlain(const QChar* in, int count, char* out)
{
    const Cp1251Tables& t = tables();
    int i = 0;
    while (i < count) {
        if (t.asciiEncodesPlain && i + kBlock <= count && copyAsciiBlock(in + i, out + i)) {
            i += kBlock;
            continue;
        }
        // a block with other characters, or the last few: one by one
        for (const int end = qMin(i + kBlock, count); i < end; ++i) {
            out[i] = char(t.fromUnicode[in[i].unicode()]);
            if (!out[i])
                return false;
        }
    }
    return true;
}

// Writes the characters of count bytes to out, when every byte is a plain
// one; false leaves the bytes to the codec.
bool decodePlain(const char* in, int count, QChar* out)
{
    const Cp1251Tables& t = tables();
    int i = 0;
    while (i < count) {
        if (t.asciiDecodesPlain && i + kBlock <= count && copyAsciiBlock(in + i, out + i)) {
            i += kBlock;
            continue;
        }
        for (const int end = qMin(i + kBlock, count); i < end; ++i) {
            const uint8_t byte = uint8_t(in[i]);
            if (!t.byteIsPlain[byte])
                return false;
            out[i] = QChar(t.toUnicode[byte]);
        }
    }
    return true;
}
}

QByteArray KvzText::toCp1251(const QString& text)
{
    if (!text.isEmpty()) {
        QByteArray bytes(text.size(), Qt::Uninitialized);
        if (encodePlain(text.constData(), text.size(), bytes.data()))
            return bytes;
    }
    return cp1251()->fromUnicode(text);
}

void KvzText::appendCp1251(QByteArray& bytes, const QString& text)
{
    if (text.isEmpty())
        return;
    const int start = bytes.size();
    bytes.resize(start + text.size());
    if (encodePlain(text.constData(), text.size(), bytes.data() + start))
        return;
    bytes.resize(start);
    bytes += cp1251()->fromUnicode(text);
}

QString KvzText::fromCp1251(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return cp1251()->toUnicode(bytes);
    return fromCp1251(bytes.constData(), bytes.size());
}

QString KvzText::fromCp1251(const char* bytes, int length)
{
    if (!bytes || length <= 0)
        return QString();
    QString text(length, Qt::Uninitialized);
    if (decodePlain(bytes, length, text.data()))
        return text;
    return cp1251()->toUnicode(bytes, length);
}

QString KvzText::fromField(const char* field, int width)
{
    if (!field || width <= 0)
        return QString();
    const void* nul = std::memchr(field, 0, static_cast<size_t>(width));
    const int length = nul ? static_cast<int>(static_cast<const char*>(nul) - field) : width;
    return fromCp1251(field, length);
}

void KvzText::toField(char* field, int width, const QString& text)
{
    if (!field || width <= 0)
        return;
    std::memset(field, 0, static_cast<size_t>(width));
    const QByteArray bytes = toCp1251(text);
    const int length = qMin(bytes.size(), width - 1);
    if (length > 0)
        std::memcpy(field, bytes.constData(), static_cast<size_t>(length));
}

bool KvzText::canEncode(const QString& text)
{
    return cp1251()->canEncode(text);
}
