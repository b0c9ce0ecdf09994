#include "cxmldefaulthandler.h"

#include "cserializeelement.h"
#include "cxmlnames.h"
#include "cxmlvalue.h"

#include <new>

CXmlDefaultHandler::~CXmlDefaultHandler()
{
    release();
}

QString CXmlDefaultHandler::decodeName(const QString& name)
{
    return CXmlNames::decode(name);
}

void CXmlDefaultHandler::release()
{
    delete m_root;
    m_root = nullptr;
    m_current = nullptr;
    m_pieces.clear();
}

bool CXmlDefaultHandler::refuse(const QString& reason)
{
    m_failure = reason;
    return false;
}

bool CXmlDefaultHandler::startDocument()
{
    release();
    m_failure.clear();
    m_sawContent = false;
    return true;
}

bool CXmlDefaultHandler::startElement(const QString&, const QString&, const QString& qName,
                                      const QXmlAttributes& attributes)
{
    const QString name = decodeName(qName);
    if (!CXmlNames::isValidElementName(name))
        return refuse(QStringLiteral("element name \"%1\" cannot be written in windows-1251").arg(qName));
    if (m_pieces.size() >= MaxDepth)
        return refuse(QStringLiteral("elements nested deeper than %1 levels").arg(MaxDepth));
    m_sawContent = false;
    CSerializeElement* element = nullptr;
    if (m_current) {
        element = m_current->addChild(name, QString(), 1);
    } else if (!m_root) {
        element = new (std::nothrow) CSerializeElement(name, QString(), nullptr);
        m_root = element;
    } else {
        return refuse(QStringLiteral("a second root element \"%1\"").arg(qName));
    }
    if (!element)
        return refuse(QStringLiteral("out of memory"));
    m_current = element;
    m_pieces.append(QString());
    if (attributes.count() == 0)
        return true;
    for (int i = 0; i < attributes.count(); ++i) {
        if (!CXmlNames::isValidAttributeName(attributes.qName(i)))
            return refuse(QStringLiteral("attribute name \"%1\" cannot be written in windows-1251")
                              .arg(attributes.qName(i)));
    }
    element->setKind(CSerializeElement::KindWithAttributes);
    for (int i = 0; i < attributes.count(); ++i)
        element->addAttribute(attributes.qName(i), attributes.value(i));
    m_sawContent = true;
    return true;
}

bool CXmlDefaultHandler::endElement(const QString&, const QString&, const QString&)
{
    if (!m_current || m_pieces.isEmpty())
        return refuse(QStringLiteral("an end tag outside the document"));
    // The pieces of one element (split by CDATA sections or references) are
    // joined raw, and unescaped once; white space alone is no text.
    const QString text = m_pieces.takeLast();
    if (!text.trimmed().isEmpty()) {
        m_current->setText(unescapeValue(text));
        m_current->setKind(CSerializeElement::KindText);
    }
    if (!m_sawContent)
        m_current->setKind(CSerializeElement::KindText);
    m_current = m_current->parent();
    return true;
}

bool CXmlDefaultHandler::characters(const QString& text)
{
    m_sawContent = true;
    if (!m_pieces.isEmpty())
        m_pieces.last() += text;
    return true;
}

bool CXmlDefaultHandler::fatalError(const QXmlParseException& exception)
{
    if (m_failure.isEmpty())
        m_failure = QStringLiteral("line %1, column %2: %3")
                        .arg(exception.lineNumber())
                        .arg(exception.columnNumber())
                        .arg(exception.message());
    return false;
}

CSerializeElement* CXmlDefaultHandler::takeRoot()
{
    CSerializeElement* root = m_root;
    m_root = nullptr;
    m_current = nullptr;
    m_pieces.clear();
    return root;
}
