#include "cserializenumber.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

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
    const char* p = skipSpace(text);
    if (*p == '+' && p[1] != '-')
        ++p;
    double value = 0.0;
    const std::from_chars_result result = std::from_chars(p, p + std::strlen(p), value);
    if (result.ec == std::errc::invalid_argument)
        return 0.0f;
    if (result.ec == std::errc::result_out_of_range)
        return fallback;
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max())
        return fallback;
    return static_cast<float>(value);
}
