#include "cserializenumber.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

#include <locale.h>

namespace {

// The C locale for numbers, whatever LC_NUMERIC the process has set; glibc
// hands out its built-in C locale object for this request.
locale_t cNumericLocale()
{
    static const locale_t locale = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    return locale;
}

const char* skipSpace(const char* text)
{
    while (*text == ' ' || (*text >= '\t' && *text <= '\r'))
        ++text;
    return text;
}

}

QByteArray CSerializeNumber::formatInt(int value)
{
    return QByteArray::number(value);
}

QByteArray CSerializeNumber::formatFloat(float value)
{
    return QByteArray::number(static_cast<double>(value), 'f', 6);
}

int CSerializeNumber::parseInt(const char* text, int fallback)
{
    if (!text)
        return fallback;
    const char* p = skipSpace(text);
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    long long value = 0;
    const long long limit = negative ? -static_cast<long long>(std::numeric_limits<int>::min())
                                     : std::numeric_limits<int>::max();
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > limit)
            return fallback;
    }
    return static_cast<int>(negative ? -value : value);
}

float CSerializeNumber::parseFloat(const char* text, float fallback)
{
    if (!text)
        return fallback;
    const locale_t locale = cNumericLocale();
    if (!locale)
        return fallback;
    const int savedErrno = errno;
    errno = 0;
    const double value = strtod_l(text, nullptr, locale);
    // Out of range: beyond double, too large or too small to be anything
    // but zero (a value that only loses precision is kept), or a finite
    // value beyond float. Infinity and NaN written as such are values.
    const bool beyondDouble = errno == ERANGE && (value == 0.0 || std::isinf(value));
    errno = savedErrno;
    if (beyondDouble)
        return fallback;
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max())
        return fallback;
    return static_cast<float>(value);
}
