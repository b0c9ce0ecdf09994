// A device tree row whose texts change together: the view hears of one
// change of the row instead of one per column, so it measures the row once.
#ifndef KVZ_TREEROW_H
#define KVZ_TREEROW_H

#include <QString>
#include <QTreeWidgetItem>

#include <initializer_list>
#include <utility>

class KvzTreeRow : public QTreeWidgetItem
{
public:
    KvzTreeRow() = default;

    // Columns whose text is already the given one are left as they are.
    void setTexts(std::initializer_list<std::pair<int, QString>> texts);
};

#endif // KVZ_TREEROW_H
