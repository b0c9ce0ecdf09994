#include "cserializenode.h"

#include "cserializeelement.h"
#include "cserializenumber.h"
#include "serializefunctions.h"
#include "kvz_text.h"

#include <QStringList>

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

// A request on element; false when the name does not fit its field.
bool makeRequest(CSerializeRequest& request, CSerialize* document, CSerializeElement* element,
                 const char* name = nullptr, int mode = 0)
{
    std::memset(&request, 0, sizeof(request));
    request.document = document;
    request.element = element;
    request.mode = mode;
    if (!name)
        return true;
    const size_t length = std::strlen(name);
    if (length >= sizeof(request.name))
        return false;
    std::memcpy(request.name, name, length);
    return true;
}

void copyTerminated(char* destination, int length, const char* text)
{
    const size_t available = static_cast<size_t>(length - 1);
    const size_t count = text ? qMin(std::strlen(text), available) : 0;
    if (count > 0)
        std::memcpy(destination, text, count);
    destination[count] = 0;
}

}

CSerializeNode::CSerializeNode()
    : m_document(nullptr), m_element(nullptr)
{
}

CSerializeNode::CSerializeNode(CSerialize* document, CSerializeElement* element)
    : m_document(document), m_element(nullptr)
{
    bind(element);
}

CSerializeNode::CSerializeNode(CSerialize* document, const char* rootName)
    : m_document(document), m_element(nullptr)
{
    bind(findOrAdd(rootName, 0));
}

CSerializeNode::CSerializeNode(const QString& fileName, const QString& rootName)
    : m_document(nullptr), m_element(nullptr)
{
    const QByteArray name = fileName.toLocal8Bit();
    CSerializeFile file;
    std::memset(&file, 0, sizeof(file));
    if (name.isEmpty() || name.size() >= SERIALIZE_FILE_NAME_SIZE)
        return;
    std::memcpy(file.fileName, name.constData(), static_cast<size_t>(name.size()));
    SerializeOpenFile(&file);
    m_document = file.document;
    if (m_document)
        bind(findOrAdd(KvzText::toCp1251(rootName).constData(), 0));
}

CSerializeNode::~CSerializeNode() = default;

void CSerializeNode::bind(CSerializeElement* element)
{
    m_element = element;
    loadValues();
}

void CSerializeNode::loadValues()
{
    CSerializeRequest request;
    makeRequest(request, m_document, m_element);
    int count = 0;
    SerializeCountValues(&request, &count);
    m_values.clear();
    if (count <= 0)
        return;
    CSerializeAttribute* entries =
        static_cast<CSerializeAttribute*>(std::calloc(static_cast<size_t>(count), sizeof(CSerializeAttribute)));
    if (!entries)
        return;
    SerializeReadValues(&request, entries, count);
    m_values.append(entries, count);
    std::free(entries);
}

CSerializeElement* CSerializeNode::findOrAdd(const char* name, int mode) const
{
    CSerializeRequest request;
    if (!m_document || !name || !makeRequest(request, m_document, m_element, name, mode))
        return nullptr;
    SerializeFindOrAdd(&request);
    return request.result;
}

int CSerializeNode::setAttribute(const char* name, const char* text)
{
    return m_values.set(name, QByteArray(text ? text : ""));
}

int CSerializeNode::setString(const char* name, const QString& text)
{
    return m_values.set(name, KvzText::toCp1251(text));
}

int CSerializeNode::setInt(const char* name, int value)
{
    return m_values.set(name, CSerializeNumber::formatInt(value));
}

int CSerializeNode::setFloat(const char* name, float value)
{
    return m_values.set(name, CSerializeNumber::formatFloat(value));
}

int CSerializeNode::setBool(const char* name, bool value)
{
    return m_values.set(name, value ? "1" : "0");
}

int CSerializeNode::setColor(const char* name, const QColor& color)
{
    return setInt(name, static_cast<int>(color.rgb()));
}

QString CSerializeNode::attribute(const char* name, const QString& fallback) const
{
    return m_values.get(name, fallback);
}

void CSerializeNode::stringValue(const char* name, const char* fallback, char* destination,
                                 int length) const
{
    if (!destination || length < 1)
        return;
    const char* value = m_values.rawValue(name);
    copyTerminated(destination, length, value ? value : fallback);
}

int CSerializeNode::intValue(const char* name, int fallback) const
{
    const char* value = m_values.rawValue(name);
    return value ? CSerializeNumber::parseInt(value, fallback) : fallback;
}

float CSerializeNode::floatValue(const char* name, float fallback) const
{
    const char* value = m_values.rawValue(name);
    return value ? CSerializeNumber::parseFloat(value, fallback) : fallback;
}

bool CSerializeNode::boolValue(const char* name, bool fallback) const
{
    const char* value = m_values.rawValue(name);
    return value ? CSerializeNumber::parseInt(value, fallback ? 1 : 0) != 0 : fallback;
}

QColor CSerializeNode::color(const char* name, const QColor& fallback) const
{
    return QColor(static_cast<QRgb>(intValue(name, static_cast<int>(fallback.rgb()))));
}

QColor CSerializeNode::colorFromText(const char* name, const QColor& fallback) const
{
    const QString text = attribute(name, QString());
    if (text.isEmpty())
        return fallback;
    const QStringList fields = text.split(QLatin1Char(','));
    int components[3] = {0, 0, 0};
    for (int i = 0; i < 3 && i < fields.size(); ++i) {
        bool ok = false;
        const int value = fields.at(i).trimmed().toInt(&ok);
        components[i] = ok ? value : 0;
    }
    QColor color;
    color.setRgb(components[0], components[1], components[2], 255);
    return color;
}

void CSerializeNode::addChildEntry(const char* name)
{
    m_values.markChild(name);
}

int CSerializeNode::valueCount() const
{
    CSerializeRequest request;
    makeRequest(request, m_document, m_element);
    int count = 0;
    SerializeCountValues(&request, &count);
    return count;
}

int CSerializeNode::commitAttributes()
{
    if (!m_document || !m_element)
        return -1;
    CSerializeValues* copy = m_values.countedCopy();
    if (copy) {
        CSerializeRequest request;
        makeRequest(request, m_document, m_element);
        SerializeWriteValues(&request, copy);
        CSerializeAttributeList::freeCountedCopy(copy);
    }
    return 0;
}

void CSerializeNode::clearAttributes()
{
    CSerializeRequest request;
    makeRequest(request, m_document, m_element);
    if (m_element)
        SerializeClearElement(&request);
    m_values.clear();
}

CSerializeNode* CSerializeNode::addChild(const char* name, int mode)
{
    if (!m_element)
        return nullptr;
    CSerializeElement* child = findOrAdd(name, mode);
    return child ? new (std::nothrow) CSerializeNode(m_document, child) : nullptr;
}

CSerializeNode* CSerializeNode::textChild(const char* name, const QString& text)
{
    if (!m_element)
        return nullptr;
    CSerializeElement* child = findOrAdd(name, 0);
    if (!child)
        return nullptr;
    child->setText(text);
    child->setKind(CSerializeElement::KindText);
    return new (std::nothrow) CSerializeNode(m_document, child);
}

CSerializeNode* CSerializeNode::addTextChild(const char* name, const QString& text)
{
    return textChild(name, text);
}

CSerializeNode* CSerializeNode::addIntegerChild(const char* name, int value)
{
    return textChild(name, QString::fromLatin1(CSerializeNumber::formatInt(value)));
}

CSerializeNode* CSerializeNode::addFloatChild(const char* name, float value)
{
    return textChild(name, QString::fromLatin1(CSerializeNumber::formatFloat(value)));
}

int CSerializeNode::commitAndDelete(CSerializeNode* child)
{
    if (!child)
        return -1;
    child->commitAttributes();
    delete child;
    return 0;
}

int CSerializeNode::writeTextChild(const char* name, const char* text)
{
    return commitAndDelete(addTextChild(name, KvzText::fromCp1251(QByteArray(text ? text : ""))));
}

int CSerializeNode::writeTextChild(const char* name, const QString& text)
{
    return commitAndDelete(addTextChild(name, text));
}

int CSerializeNode::writeIntegerChild(const char* name, int value)
{
    return commitAndDelete(addIntegerChild(name, value));
}

int CSerializeNode::writeFloatChild(const char* name, float value)
{
    return commitAndDelete(addFloatChild(name, value));
}

int CSerializeNode::writeCheckChild(const char* name, int state)
{
    if (state == 0)
        return writeIntegerChild(name, 0);
    if (state == 1 || state == 2)
        return writeIntegerChild(name, 1);
    return -1;
}

CSerializeNode* CSerializeNode::handleOnEntry(int index) const
{
    const CSerializeAttribute* entry = m_values.at(index);
    if (!m_document || !entry || !entry->element)
        return nullptr;
    return new (std::nothrow) CSerializeNode(m_document, entry->element);
}

CSerializeNode* CSerializeNode::firstChild(const char* name)
{
    return handleOnEntry(m_values.startSearch(name));
}

CSerializeNode* CSerializeNode::nextSibling()
{
    return handleOnEntry(m_values.continueSearch());
}

int CSerializeNode::setFont(const char* name, const QFont& font)
{
    CSerializeNode* child = addChild(name, 0);
    if (!child)
        return -1;
    child->setAttribute("Family", KvzText::toCp1251(font.family()).constData());
    child->setInt("Size", font.pointSize());
    child->setBool("Bold", font.bold());
    child->setBool("Italic", font.italic());
    child->setBool("Strikeout", font.strikeOut());
    child->setBool("Underline", font.underline());
    return commitAndDelete(child);
}

QFont CSerializeNode::font(const char* name, const QFont& fallback)
{
    CSerializeNode* child = addChild(name, 0);
    if (!child)
        return fallback;
    QFont font(child->attribute("Family", fallback.family()), child->intValue("Size", fallback.pointSize()));
    font.setBold(child->boolValue("Bold", fallback.bold()));
    font.setItalic(child->boolValue("Italic", fallback.italic()));
    font.setStrikeOut(child->boolValue("Strikeout", fallback.strikeOut()));
    font.setUnderline(child->boolValue("Underline", fallback.underline()));
    delete child;
    return font;
}
