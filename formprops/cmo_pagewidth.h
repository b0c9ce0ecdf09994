// Keeps a device page's scroll area at least as wide as the groups inside
// it need, captions and the values shown at the moment, so that the dock
// holding the page never hides part of a group behind a sideways scroll.
// It follows every change of the groups' layouts.
#ifndef CMO_PAGEWIDTH_H
#define CMO_PAGEWIDTH_H

#include <QObject>

class QEvent;
class QScrollArea;

class CMO_PageWidth : public QObject
{
public:
    // A child of area; area must hold its widget already.
    explicit CMO_PageWidth(QScrollArea* area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();

    QScrollArea* m_area;
};

#endif // CMO_PAGEWIDTH_H
