// The paragraphs of the log pane: at most a set number of them, the oldest
// dropped first. A paragraph is kept as it was given and becomes display text
// only when it is shown or copied: a line of a hex dump keeps the dump's
// bytes, a markup line of the host's own keeps its markup.
#ifndef KVZ_LOGSTORE_H
#define KVZ_LOGSTORE_H

#include <QByteArray>
#include <QString>
#include <QTextLayout>
#include <QVector>

#include <memory>
#include <vector>

class QTextDocument;

class KvzLogStore
{
public:
    // A paragraph as it is shown: its text and the character formats of its parts.
    struct Line {
        QString text;
        QVector<QTextLayout::FormatRange> formats;
    };

    explicit KvzLogStore(int maxParagraphs);
    ~KvzLogStore();

    // Text as a rich-text view appends it: markup becomes the paragraphs of
    // its blocks, plain text one paragraph per line break.
    void appendText(const QString& text);
    // One paragraph of the host's own: plain text, or markup without blocks
    // that is read when the paragraph is first shown.
    void appendLine(const QString& text);
    // A hex dump, " 0xNN," a byte and perLine bytes to a paragraph; no
    // bytes give one empty paragraph.
    void appendHexDump(const unsigned char* bytes, int count, int perLine);
    void clear();

    int count() const { return static_cast<int>(ringCount); }
    int maxCount() const { return limit; }
    // Drops the oldest paragraphs beyond the new limit.
    void setMaxCount(int maxParagraphs);
    // Paragraphs are numbered from the first ever appended, so a number
    // keeps naming the same paragraph while older ones are dropped.
    qint64 firstSerial() const { return endNumber - static_cast<qint64>(ringCount); }
    qint64 endSerial() const { return endNumber; }
    bool contains(qint64 serial) const { return serial >= firstSerial() && serial < endNumber; }

    Line line(qint64 serial) const;
    // The paragraph as plain text: line separators become line feeds and
    // no-break spaces blanks.
    QString plainText(qint64 serial) const;
    // Every paragraph as plain text, one line feed between two.
    QString toPlainText() const;
    QString toHtml() const;

    static QString plainOf(const QString& shown);

private:
    enum Kind : quint8 { Plain, Markup, Formatted, HexLine };
    struct Paragraph {
        Kind kind = Plain;
        quint8 perLine = 0;
        int hexLine = 0;
        QString text;                                   // Plain, Markup, Formatted
        QByteArray bytes;                               // HexLine: the whole dump, shared
        QVector<QTextLayout::FormatRange> formats;      // Formatted
    };

    static bool isLineBreak(ushort c);
    void push(Paragraph&& paragraph);
    Paragraph& at(qint64 serial) const;
    QVector<Line> markupLines(const QString& markup) const;

    int limit;
    // Ring of at most limit paragraphs; the oldest at ringHead. Markup is read
    // in place the first time it is shown, hence mutable.
    mutable std::vector<Paragraph> ring;
    size_t ringHead = 0;
    size_t ringCount = 0;
    qint64 endNumber = 0;
    mutable std::unique_ptr<QTextDocument> scratch;   // reads markup
};

#endif // KVZ_LOGSTORE_H
