#include "cserialize.h"

#include "cserializeelement.h"
#include "cserializerecords.h"
#include "cxmldefaulthandler.h"
#include "cxmlnames.h"
#include "cxmlvalue.h"
#include "cxmlwriter.h"
#include "kvz_text.h"

#include <QBuffer>
#include <QMap>
#include <QSaveFile>
#include <QXmlInputSource>
#include <QXmlSimpleReader>
#include <QtDebug>

#include <cstring>

namespace {

// Attributes by key; for a repeated key the later value wins.
QMap<QString, QString> attributeMap(const CSerializeElement* element)
{
    QMap<QString, QString> map;
    for (int i = 0; i < element->attributeCount(); ++i) {
        const CSerializeElement* attribute = element->attributeAt(i);
        map.insert(attribute->name(), attribute->text());
    }
    return map;
}

CSerializeElement* findAttribute(const CSerializeElement* element, const QString& name)
{
    for (int i = 0; i < element->attributeCount(); ++i) {
        if (element->attributeAt(i)->name() == name)
            return element->attributeAt(i);
    }
    return nullptr;
}

// True when the entry still holds what readValues gave it from a member of
// element. Its record keeps only a cut windows-1251 copy of that text, which
// must not replace the whole text on a commit.
bool isUnchangedEntry(const CSerializeElement* element, const CSerializeAttribute& entry)
{
    const CSerializeElement* source = entry.element;
    if (!source || source == element || element->contains(source) < 0)
        return false;
    char current[SERIALIZE_VALUE_SIZE];
    KvzText::toField(current, SERIALIZE_VALUE_SIZE, source->text());
    return std::strncmp(current, entry.value, SERIALIZE_VALUE_SIZE) == 0;
}

}

CSerialize::CSerialize(const QString& fileName)
    : m_handler(new CXmlDefaultHandler), m_fileName(fileName), m_fileBound(true)
{
}

CSerialize::CSerialize(int size, const char* data)
    : m_handler(new CXmlDefaultHandler), m_fileBound(false)
{
    if (size > 0 && data)
        m_inputBuffer = QByteArray(data, size);
}

CSerialize::~CSerialize()
{
    delete m_root;
    for (CSerializeElement* element : m_detached)
        delete element;
}

QString CSerialize::sourceName() const
{
    return m_fileBound ? m_fileName : QStringLiteral("(memory buffer)");
}

bool CSerialize::open()
{
    detach(m_root);
    m_root = nullptr;
    if (!m_fileBound)
        return m_inputBuffer.isEmpty() || parse();

    m_file.setFileName(m_fileName);
    if (!m_file.exists()) {
        // A missing file is no error: it is made empty, the document has no root.
        if (m_file.open(QIODevice::ReadWrite))
            m_file.close();
        return true;
    }
    if (m_file.size() == 0)
        return true;
    return parse();
}

bool CSerialize::parse()
{
    if (!m_fileBound)
        return parseBytes(m_inputBuffer);
    if (!m_file.isOpen() && !m_file.open(QIODevice::ReadOnly)) {
        qWarning("Settings document %s cannot be read: %s", qUtf8Printable(m_fileName),
                 qUtf8Printable(m_file.errorString()));
        return false;
    }
    const QByteArray bytes = m_file.readAll();
    m_file.close();
    return parseBytes(bytes);
}

bool CSerialize::parseBytes(const QByteArray& bytes)
{
    QBuffer device;
    device.setData(bytes);
    QXmlInputSource source(&device);
    QXmlSimpleReader reader;
    reader.setContentHandler(m_handler.get());
    reader.setErrorHandler(m_handler.get());
    const bool parsed = reader.parse(&source);
    CSerializeElement* root = m_handler->takeRoot();
    if (parsed && root) {
        detach(m_root);
        m_root = root;
        return true;
    }
    delete root;
    qWarning("Settings document %s is not read: %s", qUtf8Printable(sourceName()),
             qUtf8Printable(parsed ? QStringLiteral("no root element") : m_handler->failure()));
    return false;
}

void CSerialize::detach(CSerializeElement* element)
{
    if (element)
        m_detached.push_back(element);
}

CSerializeElement* CSerialize::addElement(CSerializeElement* parent, const QString& name, int mode)
{
    if (!CXmlNames::isValidElementName(name))
        return nullptr;
    if (parent) {
        if (parent->level() >= CXmlDefaultHandler::MaxDepth) {
            qWarning("Settings element \"%s\" is not added: it would lie deeper than %d levels",
                     qUtf8Printable(name), CXmlDefaultHandler::MaxDepth);
            return nullptr;
        }
        return parent->addChild(name, QString(), mode);
    }
    if (m_root && m_root->name() == name)
        return m_root;
    CSerializeElement* root = new (std::nothrow) CSerializeElement(name, QString(), nullptr);
    if (!root)
        return nullptr;
    detach(m_root);
    m_root = root;
    return root;
}

int CSerialize::countValues(const CSerializeElement* element) const
{
    return element ? element->attributeCount() + element->childCount() : 0;
}

void CSerialize::readValues(const CSerializeElement* element, CSerializeAttribute* entries,
                            int capacity) const
{
    if (!element || !entries)
        return;
    const int attributes = element->attributeCount();
    const int total = qMin(capacity, countValues(element));
    for (int i = 0; i < total; ++i) {
        const bool isChild = i >= attributes;
        CSerializeElement* source = isChild ? element->childAt(i - attributes)
                                            : element->attributeAt(i);
        CSerializeAttribute& entry = entries[i];
        KvzText::toField(entry.name, SERIALIZE_NAME_SIZE, source->name());
        KvzText::toField(entry.value, SERIALIZE_VALUE_SIZE, source->text());
        entry.isChild = isChild ? 1 : 0;
        entry.element = source;
    }
}

void CSerialize::writeValues(CSerializeElement* element, int count, const CSerializeAttribute* entries)
{
    if (!element || !entries)
        return;
    for (int i = 0; i < count; ++i) {
        if (isUnchangedEntry(element, entries[i]))
            continue;
        const QString name = KvzText::fromField(entries[i].name, SERIALIZE_NAME_SIZE);
        const QString value = KvzText::fromField(entries[i].value, SERIALIZE_VALUE_SIZE);
        if (CSerializeElement* child = element->findChild(name)) {
            child->setText(value);
            continue;
        }
        if (!CXmlNames::isValidAttributeName(name)) {
            qWarning("Settings value \"%s\" is not written: not an XML attribute name",
                     qUtf8Printable(name));
            continue;
        }
        // A value written again replaces the old one, so that what is read
        // before the next save agrees with what the save writes.
        if (CSerializeElement* attribute = findAttribute(element, name))
            attribute->setText(unescapeValue(value));
        else
            element->addAttribute(name, value);
    }
}

void CSerialize::clearElement(CSerializeElement* element)
{
    if (!m_root || m_root->contains(element) != 1)
        return;
    for (CSerializeElement* member : element->takeAll())
        detach(member);
}

bool CSerialize::removeElement(CSerializeElement* element)
{
    if (!m_root || !m_root->isDescendant(element))
        return false;
    if (!element->parent()->take(element))
        return false;
    detach(element);
    return true;
}

// What is saved must open again: a tree nested deeper than the reader
// accepts (built element by element, past the document) is not written.
bool CSerialize::isReadableDepth() const
{
    if (!m_root || m_root->subtreeDepth() <= CXmlDefaultHandler::MaxDepth)
        return true;
    qWarning("Settings document %s is not saved: elements nested deeper than %d levels",
             qUtf8Printable(sourceName()), CXmlDefaultHandler::MaxDepth);
    return false;
}

bool CSerialize::saveToFile()
{
    if (!m_fileBound || !isReadableDepth())
        return false;
    m_file.close();
    // Written beside the target and renamed over it, so a failure halfway
    // leaves the old file whole; in place where the folder is not writable.
    QSaveFile file(m_fileName);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning("Settings document %s is not saved: %s", qUtf8Printable(m_fileName),
                 qUtf8Printable(file.errorString()));
        return false;
    }
    if (m_root) {
        CXmlWriter writer(&file);
        writeDocument(writer);
    }
    if (!file.commit()) {
        qWarning("Settings document %s is not saved: %s", qUtf8Printable(m_fileName),
                 qUtf8Printable(file.errorString()));
        return false;
    }
    return true;
}

int CSerialize::saveToBuffer()
{
    if (!isReadableDepth()) {
        m_outputBuffer.clear();
        return 0;
    }
    QBuffer buffer(&m_outputBuffer);
    buffer.open(QIODevice::WriteOnly);
    if (m_root) {
        CXmlWriter writer(&buffer);
        writeDocument(writer);
    }
    buffer.close();
    return m_outputBuffer.size();
}

int CSerialize::copyBuffer(char* destination, int capacity) const
{
    if (!destination || capacity <= 0)
        return 0;
    const int count = qMin(capacity, m_outputBuffer.size());
    std::memcpy(destination, m_outputBuffer.constData(), static_cast<size_t>(count));
    return count;
}

void CSerialize::writeDocument(CXmlWriter& writer) const
{
    writer.setAutoIndent(true);
    writer.writeStartElement(m_root->name(), attributeMap(m_root));
    writeChildren(writer, m_root);
    writer.writeEndElement(m_root->name());
}

void CSerialize::writeChildren(CXmlWriter& writer, const CSerializeElement* element) const
{
    for (int i = 0; i < element->childCount(); ++i) {
        const CSerializeElement* child = element->childAt(i);
        if (child->kind() != CSerializeElement::KindText) {
            writer.writeStartElement(child->name(), attributeMap(child));
            writeChildren(writer, child);
            writer.writeEndElement(child->name());
        } else if (child->childCount() > 0) {
            // A text element with children goes on one line, with no white
            // space that would read back as part of its text.
            writer.setAutoIndent(false);
            writeInline(writer, child);
            writer.setAutoIndent(true);
            writer.newLine();
        } else if (child->attributeCount() > 0) {
            const QString name = CXmlWriter::encodeName(child->name());
            if (child->text().isEmpty())
                writer.writeEmptyElement(name, attributeMap(child));
            else
                writer.writeElement(name, child->text(), attributeMap(child));
        } else {
            writer.writeTextElement(child->name(), child->text());
        }
    }
}

void CSerialize::writeInline(CXmlWriter& writer, const CSerializeElement* element) const
{
    writer.writeStartElement(element->name(), attributeMap(element));
    if (element->kind() == CSerializeElement::KindText)
        writer.writeText(element->text());
    for (int i = 0; i < element->childCount(); ++i)
        writeInline(writer, element->childAt(i));
    writer.writeEndElement(element->name());
}
