// The driver's "labels" command: what every label inside a widget shows and
// how much room it has, measured in velkor with each label's own font, so
// that a test can tell whether a caption or value is cut off.
#ifndef KVZ_DRIVER_LABELS_H
#define KVZ_DRIVER_LABELS_H

#include "kvz_driver_answer.h"

#include <QStringList>

class QLabel;
class QWidget;

class KvzDriverLabels
{
public:
    // One line per QLabel inside widget, in creation order, the fields
    // separated by tabs:
    //   name shown wrap pixmap needW needH roomW roomH spanL spanR clipL clipR fontPx text
    // shown: the label is visible on screen (its groups unfolded, its row
    // shown). need: the text's size by the label's font metrics, each line
    // by horizontalAdvance; a word-wrapped text is first broken into the
    // lines the label lays it out in at its room width. room: the contents
    // rectangle less the label's margin and indent. span: the columns the
    // text takes when aligned in the room, clip: the columns of the room
    // that no ancestor cuts off, both in window coordinates. Line breaks in
    // the text are written as "\n".
    static KvzDriverAnswer measure(QWidget* widget);

private:
    static QString line(QLabel* label);
};

#endif // KVZ_DRIVER_LABELS_H
