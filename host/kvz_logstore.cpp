#include "kvz_logstore.h"

#include "kvz_logtext.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <utility>

KvzLogStore::KvzLogStore(int maxParagraphs)
    : limit(std::max(1, maxParagraphs))
{
}

KvzLogStore::~KvzLogStore() = default;

void KvzLogStore::setMaxCount(int maxParagraphs)
{
    limit = std::max(1, maxParagraphs);
    std::vector<Paragraph> kept;
    const size_t keep = std::min(ringCount, static_cast<size_t>(limit));
    kept.reserve(keep);
    for (size_t i = ringCount - keep; i < ringCount; ++i)
        kept.push_back(std::move(ring[(ringHead + i) % ring.size()]));
    ring = std::move(kept);
    ringHead = 0;
    ringCount = keep;
}

void KvzLogStore::push(Paragraph&& paragraph)
{
    if (ringCount < static_cast<size_t>(limit)) {
        // Until the ring is full it only grows, so ringHead is still 0.
        ring.push_back(std::move(paragraph));
        ++ringCount;
    } else {
        ring[ringHead] = std::move(paragraph);
        ringHead = (ringHead + 1) % ring.size();
    }
    ++endNumber;
}

KvzLogStore::Paragraph& KvzLogStore::at(qint64 serial) const
{
    const size_t offset = static_cast<size_t>(serial - firstSerial());
    return ring[(ringHead + offset) % ring.size()];
}

// A line break of plain text is what the rich-text view's plain insert takes
// for one: a line feed, a carriage return (a CR LF pair counts once), the
// paragraph separator and the two frame marks.
bool KvzLogStore::isLineBreak(ushort c)
{
    return c == '\n' || c == '\r' || c == QChar::ParagraphSeparator || c == 0xfdd0 || c == 0xfdd1;
}

void KvzLogStore::appendText(const QString& text)
{
    if (Qt::mightBeRichText(text)) {
        for (Line& shown : markupLines(text)) {
            Paragraph paragraph;
            paragraph.kind = Formatted;
            paragraph.text = std::move(shown.text);
            paragraph.formats = std::move(shown.formats);
            push(std::move(paragraph));
        }
        return;
    }
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        const ushort c = text.at(i).unicode();
        const int end = i;
        if (c == '\r' && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        else if (!isLineBreak(c))
            continue;
        Paragraph paragraph;
        paragraph.text = text.mid(start, end - start);
        push(std::move(paragraph));
        start = i + 1;
    }
    Paragraph last;
    last.text = start == 0 ? text : text.mid(start);
    push(std::move(last));
}

void KvzLogStore::appendLine(const QString& text)
{
    const bool markup = Qt::mightBeRichText(text);
    if (!markup) {
        for (int i = 0; i < text.size(); ++i) {
            if (isLineBreak(text.at(i).unicode())) {
                appendText(text);
                return;
            }
        }
    }
    Paragraph paragraph;
    paragraph.kind = markup ? Markup : Plain;
    paragraph.text = text;
    push(std::move(paragraph));
}

void KvzLogStore::appendHexDump(const unsigned char* bytes, int count, int perLine)
{
    if (!bytes || count < 0)
        count = 0;
    perLine = std::max(1, std::min(perLine, 255));
    const QByteArray dump(reinterpret_cast<const char*>(bytes), count);
    const int lines = std::max(1, (count + perLine - 1) / perLine);
    // Only the newest paragraphs that the limit keeps are stored.
    for (int i = std::max(0, lines - limit); i < lines; ++i) {
        Paragraph paragraph;
        paragraph.kind = HexLine;
        paragraph.perLine = static_cast<quint8>(perLine);
        paragraph.hexLine = i;
        paragraph.bytes = dump;
        push(std::move(paragraph));
    }
}

// Numbering goes on after a clear: a number never names two paragraphs.
void KvzLogStore::clear()
{
    ring.clear();
    ring.shrink_to_fit();
    ringHead = 0;
    ringCount = 0;
}

KvzLogStore::Line KvzLogStore::line(qint64 serial) const
{
    if (!contains(serial))
        return Line();
    Paragraph& paragraph = at(serial);
    switch (paragraph.kind) {
    case Plain:
        return Line{paragraph.text, {}};
    case HexLine: {
        const int from = paragraph.hexLine * paragraph.perLine;
        const int n = std::min(int(paragraph.perLine), paragraph.bytes.size() - from);
        return Line{KvzLogText::hexDump(reinterpret_cast<const unsigned char*>(paragraph.bytes.constData()) + from,
                                        std::max(0, n), paragraph.perLine), {}};
    }
    case Markup: {
        // Read once; a markup line of the host's is one block, any more are
        // shown on the same line.
        Line shown;
        const QVector<Line> blocks = markupLines(paragraph.text);
        for (int b = 0; b < blocks.size(); ++b) {
            const Line& block = blocks.at(b);
            if (b > 0)
                shown.text += QChar(QChar::LineSeparator);
            for (QTextLayout::FormatRange range : block.formats) {
                range.start += shown.text.size();
                shown.formats.append(range);
            }
            shown.text += block.text;
        }
        paragraph.kind = Formatted;
        paragraph.text = shown.text;
        paragraph.formats = shown.formats;
        return shown;
    }
    case Formatted:
        break;
    }
    return Line{paragraph.text, paragraph.formats};
}

QString KvzLogStore::plainOf(const QString& shown)
{
    QString text = shown;
    for (QChar& c : text) {
        if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char('\n');
        else if (c == QChar::Nbsp)
            c = QLatin1Char(' ');
    }
    return text;
}

QString KvzLogStore::plainText(qint64 serial) const
{
    return plainOf(line(serial).text);
}

QString KvzLogStore::toPlainText() const
{
    QString text;
    for (qint64 serial = firstSerial(); serial < endNumber; ++serial) {
        if (serial > firstSerial())
            text += QLatin1Char('\n');
        text += plainText(serial);
    }
    return text;
}

QString KvzLogStore::toHtml() const
{
    QTextDocument document;
    QTextCursor cursor(&document);
    for (qint64 serial = firstSerial(); serial < endNumber; ++serial) {
        if (serial > firstSerial())
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        const Line shown = line(serial);
        int done = 0;
        for (const QTextLayout::FormatRange& range : shown.formats) {
            if (range.start > done)
                cursor.insertText(shown.text.mid(done, range.start - done), QTextCharFormat());
            cursor.insertText(shown.text.mid(range.start, range.length), range.format);
            done = range.start + range.length;
        }
        if (done < shown.text.size())
            cursor.insertText(shown.text.mid(done), QTextCharFormat());
    }
    return document.toHtml();
}

// The blocks that the markup gives when it is inserted into an empty
// paragraph of a rich-text document.
QVector<KvzLogStore::Line> KvzLogStore::markupLines(const QString& markup) const
{
    if (!scratch)
        scratch.reset(new QTextDocument);
    scratch->clear();
    QTextCursor cursor(scratch.get());
    cursor.insertHtml(markup);
    QVector<Line> lines;
    for (QTextBlock block = scratch->begin(); block.isValid(); block = block.next())
        lines.append(Line{block.text(), block.textFormats()});
    return lines;
}
