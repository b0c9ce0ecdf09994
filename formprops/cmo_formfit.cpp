#include "cmo_formfit.h"

#include "cmo_pagewidth.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QScrollArea>
#include <QStringList>
#include <QWidget>

void CMO_FormFit::fitPage(QWidget* page)
{
    fitFont(page);
    widenLabels(page);
    for (QScrollArea* area : page->findChildren<QScrollArea*>())
        new CMO_PageWidth(area);
}

// The page's size reaches every widget that does not set one of its own;
// those that do (a caption made bold from a font that already named its
// size) get the size themselves.
void CMO_FormFit::fitFont(QWidget* page)
{
    QList<QWidget*> widgets = page->findChildren<QWidget*>();
    widgets.prepend(page);
    for (QWidget* widget : widgets) {
        QFont font = widget->font();
        if (QFontInfo(font).pixelSize() <= FormFontPixels)
            continue;
        font.setPixelSize(FormFontPixels);
        widget->setFont(font);
    }
}

// A label with a fixed (or largest) width keeps it when its text fits;
// word-wrapped labels take more lines instead and keep theirs.
void CMO_FormFit::widenLabels(QWidget* page)
{
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (label->wordWrap() || label->text().isEmpty())
            continue;
        const QFontMetrics metrics = label->fontMetrics();
        int width = 0;
        for (const QString& line : label->text().split(QLatin1Char('\n')))
            width = qMax(width, metrics.horizontalAdvance(line));
        width += 2 * (label->margin() + label->frameWidth()) + qMax(label->indent(), 0);
        if (width > label->maximumWidth())
            label->setMaximumWidth(width);
        // a least width given by the form stands for the text's own, so the
        // layout would squeeze the label down to it
        if (label->minimumWidth() > 0 && label->minimumWidth() < width)
            label->setMinimumWidth(width);
    }
}
