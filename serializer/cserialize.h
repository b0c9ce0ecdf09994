// One settings document: an element tree bound to a file or to a byte
// buffer, read with Qt's SAX reader and written as windows-1251 XML.
#ifndef CSERIALIZE_H
#define CSERIALIZE_H

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class CSerializeElement;
class CXmlDefaultHandler;
class CXmlWriter;
struct CSerializeAttribute;

class CSerialize : public QObject
{
public:
    explicit CSerialize(const QString& fileName);
    // A negative size or a null data pointer gives an empty buffer.
    CSerialize(int size, const char* data);
    ~CSerialize() override;

    bool open();
    bool parse();

    CSerializeElement* root() const { return m_root; }
    // With a parent: its child (CSerializeElement::addChild). Without: the
    // root of that name, made (replacing any other root) when it is not
    // there. Null for a name that cannot be written, and for a child below
    // the deepest level that the reader accepts.
    CSerializeElement* addElement(CSerializeElement* parent, const QString& name, int mode);

    int countValues(const CSerializeElement* element) const;
    void readValues(const CSerializeElement* element, CSerializeAttribute* entries, int capacity) const;
    void writeValues(CSerializeElement* element, int count, const CSerializeAttribute* entries);
    void clearElement(CSerializeElement* element);
    bool removeElement(CSerializeElement* element);

    // False, with the file left as it was, when it cannot be written or the
    // tree is nested deeper than the reader accepts.
    bool saveToFile();
    // The bytes written into the output buffer; 0, with the buffer empty,
    // when the tree is nested deeper than the reader accepts.
    int saveToBuffer();
    int copyBuffer(char* destination, int capacity) const;
    QByteArray outputBuffer() const { return m_outputBuffer; }

private:
    bool parseBytes(const QByteArray& bytes);
    bool isReadableDepth() const;
    void detach(CSerializeElement* element);
    void writeDocument(CXmlWriter& writer) const;
    void writeChildren(CXmlWriter& writer, const CSerializeElement* element) const;
    void writeInline(CXmlWriter& writer, const CSerializeElement* element) const;
    QString sourceName() const;

    std::unique_ptr<CXmlDefaultHandler> m_handler;
    QString m_fileName;
    QFile m_file;
    CSerializeElement* m_root = nullptr;
    QByteArray m_inputBuffer;
    QByteArray m_outputBuffer;
    bool m_fileBound;
    // Elements taken out of the tree: handles and value entries may still
    // point at them, so they live as long as the document.
    std::vector<CSerializeElement*> m_detached;
};

#endif // CSERIALIZE_H
