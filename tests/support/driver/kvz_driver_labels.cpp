#include "kvz_driver_labels.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QStyle>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <QWidget>

namespace {

QString plainText(const QLabel* label)
{
    const QString text = label->text();
    const bool rich = label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    return rich ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

QString withoutTrailingBlanks(QString text)
{
    while (!text.isEmpty() && text.at(text.size() - 1).isSpace())
        text.chop(1);
    return text;
}

// The lines a label shows: its text's own lines, each broken at word
// boundaries as QLabel breaks it when the label wraps words.
QStringList shownLines(const QLabel* label, const QString& text, int width)
{
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        if (!label->wordWrap() || paragraph.isEmpty()) {
            lines << paragraph;
            continue;
        }
        QTextLayout layout(paragraph, label->font());
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
            l.setLineWidth(width);
            lines << withoutTrailingBlanks(paragraph.mid(l.textStart(), l.textLength()));
        }
        layout.endLayout();
    }
    return lines;
}

// The contents rectangle less margin and indent, as QLabel draws into it.
QRect roomOf(const QLabel* label)
{
    QRect room = label->contentsRect();
    const int margin = label->margin();
    room.adjust(margin, margin, -margin, -margin);
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0)
        indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin;
    if (indent > 0) {
        const Qt::Alignment align = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
        if (align & Qt::AlignLeft)
            room.setLeft(room.left() + indent);
        if (align & Qt::AlignRight)
            room.setRight(room.right() - indent);
        if (align & Qt::AlignTop)
            room.setTop(room.top() + indent);
        if (align & Qt::AlignBottom)
            room.setBottom(room.bottom() - indent);
    }
    return room;
}

} // namespace

KvzDriverAnswer KvzDriverLabels::measure(QWidget* widget)
{
    // Pending layouts first, so that every label has the size it is shown at.
    for (int i = 0; i < 5; ++i)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QStringList lines;
    for (QLabel* label : widget->findChildren<QLabel*>())
        lines << line(label);
    return KvzDriverAnswer::success(lines.join(QLatin1Char('\n')));
}

QString KvzDriverLabels::line(QLabel* label)
{
    const QString text = plainText(label);
    const QRect room = roomOf(label);
    const QFontMetrics metrics = label->fontMetrics();
    const QStringList shown = shownLines(label, text, room.width());
    int needWidth = 0;
    for (const QString& l : shown)
        needWidth = qMax(needWidth, metrics.horizontalAdvance(l));
    const int count = shown.size();
    const int needHeight = count * metrics.height() + (count - 1) * metrics.leading();

    QWidget* window = label->window();
    const Qt::Alignment align = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    const QRect span = QStyle::alignedRect(label->layoutDirection(), align, QSize(needWidth, needHeight), room);
    const int origin = label->mapTo(window, QPoint(0, 0)).x();
    int clipLeft = origin + room.left();
    int clipRight = origin + room.left() + room.width();
    for (QWidget* w = label->parentWidget(); w; w = w->parentWidget()) {
        const int left = w->mapTo(window, QPoint(0, 0)).x();
        clipLeft = qMax(clipLeft, left);
        clipRight = qMin(clipRight, left + w->width());
        if (w == window)
            break;
    }
    const bool pixmapOnly = text.isEmpty() && !label->pixmap(Qt::ReturnByValue).isNull();
    QString escaped = text;
    escaped.replace(QLatin1Char('\t'), QStringLiteral("\\t")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    const QStringList fields = {
        label->objectName(),
        QString::number(label->isVisible() ? 1 : 0),
        QString::number(label->wordWrap() ? 1 : 0),
        QString::number(pixmapOnly ? 1 : 0),
        QString::number(needWidth), QString::number(needHeight),
        QString::number(room.width()), QString::number(room.height()),
        QString::number(origin + span.left()), QString::number(origin + span.left() + span.width()),
        QString::number(clipLeft), QString::number(clipRight),
        QString::number(QFontInfo(label->font()).pixelSize()),
        escaped};
    return fields.join(QLatin1Char('\t'));
}
