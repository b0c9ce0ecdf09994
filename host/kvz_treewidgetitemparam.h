// One row of the supported-formats list: a format number and its page.
#ifndef KVZ_TREEWIDGETITEMPARAM_H
#define KVZ_TREEWIDGETITEMPARAM_H

#include <QTreeWidgetItem>

class KVZ_TreeWidgetItemParam : public QTreeWidgetItem
{
public:
    KVZ_TreeWidgetItemParam(int formatNumber, const QString& formatName, int pageIndex);
    ~KVZ_TreeWidgetItemParam() override;

    int formatNumber;
    QString formatName;
    int pageIndex;
};

#endif // KVZ_TREEWIDGETITEMPARAM_H
