#include "kvz_formparam.h"

#include "kvz_core.h"
#include "kvz_treewidgetitemparam.h"

#include <QTreeWidget>

KVZ_FormParam::KVZ_FormParam(QWidget* parent)
    : QWidget(parent)
{
    ui.setupUi(this);
}

KVZ_FormParam::~KVZ_FormParam() = default;

void KVZ_FormParam::addFormat(int formatNumber, int pageIndex)
{
    KvzCore* core = KvzCore::instance();
    if (!core || formatNumber == 0)
        return;
    ui.treeWidget->addTopLevelItem(new KVZ_TreeWidgetItemParam(formatNumber, core->formatName(formatNumber), pageIndex));
}

// Every row is compared, a single one too; no row: the list itself.
int KVZ_FormParam::pageForFormat(int formatNumber) const
{
    for (int i = 0; i < ui.treeWidget->topLevelItemCount(); ++i) {
        const auto* row = static_cast<const KVZ_TreeWidgetItemParam*>(ui.treeWidget->topLevelItem(i));
        if (row->formatNumber == formatNumber)
            return row->pageIndex;
    }
    return 0;
}
