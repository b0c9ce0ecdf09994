#include "kvz_text.h"

#include <QTextCodec>

#include <cstring>

namespace {
QTextCodec* cp1251()
{
    static QTextCodec* codec = QTextCodec::codecForName("windows-1251");
    return codec;
}
}

QByteArray KvzText::toCp1251(const QString& text)
{
    return cp1251()->fromUnicode(text);
}

QString KvzText::fromCp1251(const QByteArray& bytes)
{
    return cp1251()->toUnicode(bytes);
}

QString KvzText::fromCp1251(const char* bytes, int length)
{
    if (!bytes || length <= 0)
        return QString();
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
