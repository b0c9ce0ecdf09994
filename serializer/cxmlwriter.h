// Writes a settings document as windows-1251 XML text: the declaration, one
// tag per line, one tab of indent per open element.
#ifndef CXMLWRITER_H
#define CXMLWRITER_H

#include <QMap>
#include <QString>
#include <QTextStream>

class QIODevice;

class CXmlWriter : public QTextStream
{
public:
    // Binds the stream to device, writing windows-1251, and writes the
    // declaration at once.
    explicit CXmlWriter(QIODevice* device);
    ~CXmlWriter() override;

    static QString encodeName(const QString& name);
    // The value escapes, then a character reference for every character
    // that windows-1251 cannot hold (one beyond U+FFFF as the references of
    // its two surrogates, the form the reader gives back whole).
    static QString escapeValue(const QString& text);

    void setAutoIndent(bool on);
    void writeIndent();
    void newLine();
    QString buildTag(const QString& name, const QMap<QString, QString>& attributes) const;

    void writeStartElement(const QString& name, const QMap<QString, QString>& attributes);
    void writeEndElement(const QString& name);
    void writeTextElement(const QString& name, const QString& text);
    void writeEmptyElement(const QString& name, const QMap<QString, QString>& attributes);
    void writeElement(const QString& name, const QString& text,
                      const QMap<QString, QString>& attributes);
    void writeText(const QString& text);
    void writeRaw(const QString& text);

private:
    void endTag();

    QString m_indent;
    bool m_autoIndent = false;
    bool m_atLineStart = true;
};

#endif // CXMLWRITER_H
