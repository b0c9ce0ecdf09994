#include "cxmlvalue.h"

QString unescapeValue(const QString& text)
{
    QString result = text;
    result.replace(QLatin1String("&amp;"), QLatin1String("&"));
    result.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    result.replace(QLatin1String("&gt;"), QLatin1String(">"));
    result.replace(QLatin1String("&lt;"), QLatin1String("<"));
    result.replace(QLatin1String("&quot;"), QLatin1String("\""));
    result.replace(QLatin1String("&apos;"), QLatin1String("'"));
    result.replace(QLatin1String("_33_"), QLatin1String("!"));
    return result;
}
