#include "kvz_treewidgetitemparam.h"

KVZ_TreeWidgetItemParam::KVZ_TreeWidgetItemParam(int aFormatNumber, const QString& aFormatName, int aPageIndex)
    : QTreeWidgetItem(QTreeWidgetItem::Type),
      formatNumber(aFormatNumber), formatName(aFormatName), pageIndex(aPageIndex)
{
    setText(0, formatName);
}

KVZ_TreeWidgetItemParam::~KVZ_TreeWidgetItemParam() = default;
