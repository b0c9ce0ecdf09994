#include "kvz_treerow.h"

#include <QAbstractItemModel>
#include <QSignalBlocker>
#include <QTreeWidget>

void KvzTreeRow::setTexts(std::initializer_list<std::pair<int, QString>> texts)
{
    QTreeWidget* view = treeWidget();
    bool changed = false;
    {
        const QSignalBlocker quiet(view ? view->model() : nullptr);
        for (const auto& column : texts) {
            if (text(column.first) != column.second) {
                setText(column.first, column.second);
                changed = true;
            }
        }
    }
    if (changed)
        emitDataChanged();
}
