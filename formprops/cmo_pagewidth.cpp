#include "cmo_pagewidth.h"

#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>

CMO_PageWidth::CMO_PageWidth(QScrollArea* area)
    : QObject(area), m_area(area)
{
    if (m_area->widget())
        m_area->widget()->installEventFilter(this);
    update();
}

bool CMO_PageWidth::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest && watched == m_area->widget())
        update();
    return false;
}

// The page is taller than the dock, so the vertical scroll bar takes its
// part of the width as well.
void CMO_PageWidth::update()
{
    QWidget* contents = m_area->widget();
    if (!contents)
        return;
    const int width = contents->minimumSizeHint().width() + 2 * m_area->frameWidth()
        + m_area->verticalScrollBar()->sizeHint().width();
    if (width != m_area->minimumWidth())
        m_area->setMinimumWidth(width);
}
