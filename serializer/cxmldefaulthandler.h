// Builds the element tree of a settings document from the events of Qt's
// SAX reader.
#ifndef CXMLDEFAULTHANDLER_H
#define CXMLDEFAULTHANDLER_H

#include <QString>
#include <QVector>
#include <QXmlDefaultHandler>

class CSerializeElement;

class CXmlDefaultHandler : public QXmlDefaultHandler
{
public:
    // The deepest nesting a document may have, the root being level 1. A
    // deeper one is refused before the reader, which descends one call per
    // level, runs out of stack; the document saves nothing deeper.
    static constexpr int MaxDepth = 256;

    CXmlDefaultHandler() = default;
    ~CXmlDefaultHandler() override;

    static QString decodeName(const QString& name);

    bool startDocument() override;
    bool startElement(const QString& namespaceURI, const QString& localName,
                      const QString& qName, const QXmlAttributes& attributes) override;
    bool endElement(const QString& namespaceURI, const QString& localName,
                    const QString& qName) override;
    bool characters(const QString& text) override;
    bool fatalError(const QXmlParseException& exception) override;

    // The tree of the last successful parse; the caller owns it from then on.
    CSerializeElement* takeRoot();
    bool hasRoot() const { return m_root != nullptr; }
    // Why the last parse failed, for the log.
    QString failure() const { return m_failure; }

private:
    bool refuse(const QString& reason);
    void release();

    CSerializeElement* m_root = nullptr;
    CSerializeElement* m_current = nullptr;
    bool m_sawContent = false;
    // The raw character data of every open element, outermost first.
    QVector<QString> m_pieces;
    QString m_failure;
};

#endif // CXMLDEFAULTHANDLER_H
