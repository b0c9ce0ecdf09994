#include "cxmlwriter.h"

#include "cxmlnames.h"
#include "cxmlvalue.h"
#include "kvz_text.h"

#include <QIODevice>
#include <QTextCodec>

namespace {

// A character reference for every UTF-16 unit that windows-1251 has no byte
// for, so that it survives the next read. A character beyond U+FFFF thus
// goes out as the two references of its surrogates: Qt's reader keeps only
// the low 16 bits of one reference above 65535, but takes each surrogate as
// it stands and hands the pair back whole. The escapes come first: the "&"
// of a reference is not escaped again.
QString referenceUnencodable(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        // The codec lets a lone high surrogate pass as encodable.
        if (c.unicode() < 0x80 || (!c.isSurrogate() && KvzText::canEncode(QString(c))))
            result += c;
        else
            result += QStringLiteral("&#%1;").arg(c.unicode());
    }
    return result;
}

}

CXmlWriter::CXmlWriter(QIODevice* device)
    : QTextStream(device)
{
    setCodec(QTextCodec::codecForName("windows-1251"));
    *this << "<?xml version=\"1.0\" encoding=\"" << "windows-1251\"?>\n";
}

CXmlWriter::~CXmlWriter()
{
    if (m_autoIndent && !m_atLineStart)
        newLine();
}

QString CXmlWriter::encodeName(const QString& name)
{
    return CXmlNames::encode(name);
}

QString CXmlWriter::escapeValue(const QString& text)
{
    return referenceUnencodable(escapeValueText(text));
}

void CXmlWriter::setAutoIndent(bool on)
{
    m_autoIndent = on;
}

void CXmlWriter::writeIndent()
{
    if (!m_atLineStart)
        return;
    *this << m_indent;
    m_atLineStart = false;
}

void CXmlWriter::newLine()
{
    *this << '\n';
    flush();
    m_atLineStart = true;
}

void CXmlWriter::endTag()
{
    if (m_autoIndent)
        newLine();
}

QString CXmlWriter::buildTag(const QString& name, const QMap<QString, QString>& attributes) const
{
    QString tag = QLatin1Char('<') + name;
    for (auto it = attributes.constBegin(); it != attributes.constEnd(); ++it)
        tag += QLatin1Char(' ') + it.key() + QLatin1String("=\"") + escapeValue(it.value())
               + QLatin1Char('"');
    return tag + QLatin1Char('>');
}

void CXmlWriter::writeStartElement(const QString& name, const QMap<QString, QString>& attributes)
{
    writeIndent();
    *this << buildTag(encodeName(name), attributes);
    m_indent += QLatin1Char('\t');
    endTag();
}

void CXmlWriter::writeEndElement(const QString& name)
{
    m_indent.remove(0, 1);
    writeIndent();
    *this << buildTag(QLatin1Char('/') + encodeName(name), {});
    endTag();
}

void CXmlWriter::writeTextElement(const QString& name, const QString& text)
{
    writeIndent();
    const QString coded = encodeName(name);
    if (text.isEmpty())
        *this << '<' << coded << " />";
    else
        *this << '<' << coded << '>' << escapeValue(text) << "</" << coded << '>';
    endTag();
}

void CXmlWriter::writeEmptyElement(const QString& name, const QMap<QString, QString>& attributes)
{
    writeIndent();
    QString tag = buildTag(name, attributes);
    tag.insert(tag.size() - 1, QLatin1Char('/'));
    *this << tag;
    endTag();
}

void CXmlWriter::writeElement(const QString& name, const QString& text,
                              const QMap<QString, QString>& attributes)
{
    writeIndent();
    *this << buildTag(name, attributes);
    writeText(text);
    *this << "</" << name << '>';
    endTag();
}

void CXmlWriter::writeText(const QString& text)
{
    *this << escapeValue(text);
    m_atLineStart = false;
}

void CXmlWriter::writeRaw(const QString& text)
{
    *this << text;
    m_atLineStart = false;
}
