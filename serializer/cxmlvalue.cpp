#include "cxmlvalue.h"

namespace {

struct Replacement {
    const char* from;
    const char* to;
};

// Each step works on the result of the one before.
const Replacement kEscapes[] = {
    {" ", "&nbsp;"}, {"&", "&amp;"}, {">", "&gt;"}, {"<", "&lt;"},
    {"\"", "&quot;"}, {"'", "&apos;"}, {"!", "_33_"},
};

const Replacement kUnescapes[] = {
    {"&amp;", "&"}, {"&nbsp;", " "}, {"&gt;", ">"}, {"&lt;", "<"},
    {"&quot;", "\""}, {"&apos;", "'"}, {"_33_", "!"},
};

template <size_t N>
QString replaceInOrder(const QString& text, const Replacement (&table)[N])
{
    QString result = text;
    for (const Replacement& step : table)
        result.replace(QLatin1String(step.from), QLatin1String(step.to));
    return result;
}

}

QString escapeValueText(const QString& text)
{
    return replaceInOrder(text, kEscapes);
}

QString unescapeValue(const QString& text)
{
    return replaceInOrder(text, kUnescapes);
}
