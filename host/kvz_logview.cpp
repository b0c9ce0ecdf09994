#include "kvz_logview.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QTimerEvent>

#include <algorithm>
#include <cmath>

namespace {
const int kMargin = 4;              // around the text, as a rich-text view has
const qreal kUnboundedWidth = 1e6;  // a line is never wrapped
const int kDefaultMaxParagraphs = 100000;
}

KvzLogView::KvzLogView(QWidget* parent)
    : QAbstractScrollArea(parent), store(kDefaultMaxParagraphs)
{
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setCursor(Qt::IBeamCursor);
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(20);
    refresh(true);
}

// ---------------------------------------------------------------- content

void KvzLogView::setMaximumParagraphCount(int count)
{
    store.setMaxCount(count);
    refresh(true);
}

void KvzLogView::appendText(const QString& text)
{
    store.appendText(text);
    contentChanged();
}

void KvzLogView::appendLine(const QString& text)
{
    store.appendLine(text);
    contentChanged();
}

void KvzLogView::appendHexDump(const unsigned char* bytes, int count, int perLine)
{
    store.appendHexDump(bytes, count, perLine);
    contentChanged();
}

void KvzLogView::clear()
{
    store.clear();
    anchor = Position();
    cursor = Position();
    widest = 0;
    refreshTimer.stop();
    refresh(true);
}

// Scroll bars and picture follow the content at most every RefreshMs, however
// many paragraphs arrive in between.
void KvzLogView::contentChanged()
{
    if (!refreshTimer.isActive())
        refreshTimer.start(RefreshMs, this);
}

void KvzLogView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != refreshTimer.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    refreshTimer.stop();
    // New text moves the view to its end, unless the user is selecting.
    refresh(!dragging);
}

void KvzLogView::refresh(bool toEnd)
{
    const int visible = visibleLines();
    const qint64 first = store.firstSerial();
    const int range = std::max(0, store.count() - visible);
    if (toEnd)
        top = first + range;
    top = qBound(first, top, first + range);
    const int wanted = static_cast<int>(top - first);
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(0, range);
    vertical->setPageStep(visible);
    vertical->setValue(wanted);
    top = first + vertical->value();
    shownLines = visible;

    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, std::max(0, widest + 2 * kMargin - viewport()->width()));
    horizontal->setPageStep(viewport()->width());
    viewport()->update();
}

void KvzLogView::scrollContentsBy(int, int)
{
    top = store.firstSerial() + verticalScrollBar()->value();
    viewport()->update();
}

qint64 KvzLogView::topSerial() const
{
    return top;
}

// ---------------------------------------------------------------- layout and painting

int KvzLogView::lineHeight() const
{
    return std::max(1, fontMetrics().lineSpacing());
}

int KvzLogView::visibleLines() const
{
    return std::max(1, (viewport()->height() - kMargin) / lineHeight());
}

// One line, never wrapped; a line separator inside a paragraph is shown as a
// blank so that the whole paragraph stays on its line.
void KvzLogView::layOut(QTextLayout& layout, const KvzLogStore::Line& line) const
{
    QString text = line.text;
    text.replace(QChar(QChar::LineSeparator), QLatin1Char(' '));
    layout.setText(text);
    layout.setFont(font());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    layout.setFormats(line.formats);
    layout.beginLayout();
    QTextLine textLine = layout.createLine();
    if (textLine.isValid()) {
        textLine.setLineWidth(kUnboundedWidth);
        textLine.setPosition(QPointF(0, 0));
    }
    layout.endLayout();
}

void KvzLogView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const int height = lineHeight();
    const QRect area = event->rect();
    const qreal left = kMargin - horizontalScrollBar()->value();
    Position start;
    Position end;
    const bool selected = selectionBounds(start, end);
    QTextCharFormat highlight;
    highlight.setBackground(palette().brush(QPalette::Highlight));
    highlight.setForeground(palette().brush(QPalette::HighlightedText));

    const int firstRow = std::max(0, (area.top() - kMargin) / height);
    const int lastRow = (area.bottom() - kMargin) / height;
    int widestSeen = widest;
    for (int row = firstRow; row <= lastRow; ++row) {
        const qint64 serial = top + row;
        if (!store.contains(serial))
            break;
        const KvzLogStore::Line line = store.line(serial);
        QTextLayout layout;
        layOut(layout, line);
        if (layout.lineCount() > 0)
            widestSeen = std::max(widestSeen, static_cast<int>(std::ceil(layout.lineAt(0).naturalTextWidth())));
        QVector<QTextLayout::FormatRange> selections;
        if (selected && serial >= start.serial && serial <= end.serial) {
            const int from = serial == start.serial ? start.column : 0;
            const int to = serial == end.serial ? end.column : line.text.size();
            if (to > from)
                selections.append(QTextLayout::FormatRange{from, to - from, highlight});
        }
        layout.draw(&painter, QPointF(left, kMargin + row * height), selections);
    }
    if (widestSeen != widest) {
        widest = widestSeen;
        contentChanged();   // the horizontal scroll bar follows
    }
}

void KvzLogView::resizeEvent(QResizeEvent* event)
{
    const bool atEnd = top + shownLines >= store.endSerial();
    QAbstractScrollArea::resizeEvent(event);
    refresh(atEnd);
}

void KvzLogView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        widest = 0;
        refresh(top + shownLines >= store.endSerial());
    }
}

// ---------------------------------------------------------------- selection

KvzLogView::Position KvzLogView::positionAt(const QPoint& point, bool onCharacter) const
{
    if (store.count() == 0)
        return Position();
    const int y = point.y() - kMargin;
    const qint64 row = y < 0 ? -1 : y / lineHeight();
    const qint64 serial = qBound(store.firstSerial(), top + row, store.endSerial() - 1);
    QTextLayout layout;
    layOut(layout, store.line(serial));
    Position position;
    position.serial = serial;
    if (layout.lineCount() > 0) {
        const qreal x = point.x() - kMargin + horizontalScrollBar()->value();
        position.column = layout.lineAt(0).xToCursor(
            x, onCharacter ? QTextLine::CursorOnCharacter : QTextLine::CursorBetweenCharacters);
    }
    return position;
}

// The selection in reading order, cut to the paragraphs still kept.
bool KvzLogView::selectionBounds(Position& start, Position& end) const
{
    if (anchor.serial < 0 || cursor.serial < 0)
        return false;
    const bool anchorFirst = anchor.serial < cursor.serial
        || (anchor.serial == cursor.serial && anchor.column <= cursor.column);
    start = anchorFirst ? anchor : cursor;
    end = anchorFirst ? cursor : anchor;
    if (end.serial < store.firstSerial() || start.serial >= store.endSerial())
        return false;
    if (start.serial < store.firstSerial()) {
        start.serial = store.firstSerial();
        start.column = 0;
    }
    return start.serial != end.serial || start.column != end.column;
}

bool KvzLogView::hasSelection() const
{
    Position start;
    Position end;
    return selectionBounds(start, end);
}

// Paragraphs end in a line feed, as the rich-text view copies them.
QString KvzLogView::selectedText() const
{
    Position start;
    Position end;
    if (!selectionBounds(start, end))
        return QString();
    QString text;
    for (qint64 serial = start.serial; serial <= end.serial; ++serial) {
        const QString line = store.plainText(serial);
        const int from = serial == start.serial ? std::min(start.column, line.size()) : 0;
        const int to = serial == end.serial ? std::min(end.column, line.size()) : line.size();
        if (serial > start.serial)
            text += QLatin1Char('\n');
        text += line.mid(from, std::max(0, to - from));
    }
    return text;
}

void KvzLogView::selectAll()
{
    if (store.count() == 0)
        return;
    anchor.serial = store.firstSerial();
    anchor.column = 0;
    cursor.serial = store.endSerial() - 1;
    cursor.column = store.line(cursor.serial).text.size();
    viewport()->update();
}

void KvzLogView::copy()
{
    if (hasSelection())
        QApplication::clipboard()->setText(selectedText());
}

void KvzLogView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const Position position = positionAt(event->pos());
    if (!(event->modifiers() & Qt::ShiftModifier) || anchor.serial < 0)
        anchor = position;
    cursor = position;
    dragging = true;
    viewport()->update();
}

// Dragging past the top or the bottom scrolls a line at a time.
void KvzLogView::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging || !(event->buttons() & Qt::LeftButton)) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    QScrollBar* vertical = verticalScrollBar();
    if (event->pos().y() < 0)
        vertical->setValue(vertical->value() - 1);
    else if (event->pos().y() > viewport()->height())
        vertical->setValue(vertical->value() + 1);
    cursor = positionAt(event->pos());
    viewport()->update();
}

void KvzLogView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !dragging) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    dragging = false;
    cursor = positionAt(event->pos());
    viewport()->update();
    if (hasSelection() && QApplication::clipboard()->supportsSelection())
        QApplication::clipboard()->setText(selectedText(), QClipboard::Selection);
}

void KvzLogView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    const Position position = positionAt(event->pos(), true);
    if (position.serial < 0)
        return;
    // The word, or the run of blanks or the sign, under the mouse.
    const QString line = store.plainText(position.serial);
    const int at = std::min(position.column, line.size());
    QTextBoundaryFinder words(QTextBoundaryFinder::Word, line);
    words.setPosition(at);
    const int from = words.isAtBoundary() ? at : words.toPreviousBoundary();
    words.setPosition(at);
    const int to = words.toNextBoundary();
    anchor.serial = position.serial;
    anchor.column = std::max(0, from);
    cursor.serial = position.serial;
    cursor.column = to < 0 ? line.size() : to;
    dragging = false;
    viewport()->update();
}

void KvzLogView::keyPressEvent(QKeyEvent* event)
{
    QScrollBar* vertical = verticalScrollBar();
    if (event == QKeySequence::Copy)
        copy();
    else if (event == QKeySequence::SelectAll)
        selectAll();
    else if (event == QKeySequence::MoveToStartOfDocument)
        vertical->setValue(vertical->minimum());
    else if (event == QKeySequence::MoveToEndOfDocument)
        vertical->setValue(vertical->maximum());
    else
        QAbstractScrollArea::keyPressEvent(event);
}

// The menu of a read-only rich-text view, in Qt's own words.
void KvzLogView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* copyAction = menu.addAction(QCoreApplication::translate("QWidgetTextControl", "&Copy"),
                                         this, &KvzLogView::copy);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(hasSelection());
    menu.addSeparator();
    QAction* allAction = menu.addAction(QCoreApplication::translate("QWidgetTextControl", "Select All"),
                                        this, &KvzLogView::selectAll);
    allAction->setShortcut(QKeySequence::SelectAll);
    allAction->setEnabled(store.count() > 0);
    menu.exec(event->globalPos());
}
