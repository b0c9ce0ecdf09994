#include "cxmlnames.h"

#include "kvz_text.h"

namespace {

struct NameCode {
    ushort character;
    int code;
};

// The order of the rows is the order in which both directions replace.
const NameCode kNameCodes[] = {
    {' ', 32},  {'&', 38},  {'>', 62},  {'<', 60},  {'"', 34},  {'\'', 39}, {'!', 33},
    {':', 58},  {';', 59},  {'%', 37},  {'`', 96},  {'~', 126}, {'@', 64},  {'#', 35},
    {'$', 36},  {'^', 94},  {'*', 42},  {'(', 40},  {')', 41},  {'-', 45},  {'+', 43},
    {'=', 61},  {'|', 124}, {'\\', 92},
    {0x00F7, -9},   // division sign: its Latin-1 byte read as a signed char
    {0x00D7, -41},  // multiplication sign, likewise
    {',', 44},  {'/', 47},
};

QString codeText(int code)
{
    return QStringLiteral("_%1_").arg(code);
}

bool isNameStart(QChar c)
{
    return c == QLatin1Char('_') || c.isLetter();
}

bool isNameChar(QChar c)
{
    return isNameStart(c) || c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('.');
}

}

QString CXmlNames::encode(const QString& name)
{
    QString result = name;
    for (const NameCode& row : kNameCodes)
        result.replace(QChar(row.character), codeText(row.code));
    return result;
}

QString CXmlNames::decode(const QString& name)
{
    QString result = name;
    for (const NameCode& row : kNameCodes)
        result.replace(codeText(row.code), QString(QChar(row.character)));
    return result;
}

bool CXmlNames::isXmlName(const QString& name)
{
    if (name.isEmpty() || !isNameStart(name.at(0)) || !KvzText::canEncode(name))
        return false;
    for (const QChar c : name) {
        if (!isNameChar(c))
            return false;
    }
    return true;
}

bool CXmlNames::isValidElementName(const QString& name)
{
    return isXmlName(encode(name));
}

bool CXmlNames::isValidAttributeName(const QString& name)
{
    // A colon is a name character too; the reader keeps prefixed names as
    // they are, but takes namespace declarations out of the attributes.
    QString withoutColons = name;
    withoutColons.replace(QLatin1Char(':'), QLatin1Char('_'));
    const bool declaration = name == QLatin1String("xmlns") || name.startsWith(QLatin1String("xmlns:"));
    return isXmlName(withoutColons) && !declaration;
}
