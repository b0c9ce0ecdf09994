#include "kvz_formparam_form.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpacerItem>
#include <QTreeWidget>

void KVZ_FormParamForm::setupUi(QWidget* form)
{
    if (form->objectName().isEmpty())
        form->setObjectName(QStringLiteral("KVZ_FormParamClass"));
    form->resize(365, 650);
    gridLayout = new QGridLayout(form);
    gridLayout->setSpacing(6);
    gridLayout->setContentsMargins(11, 11, 11, 11);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));

    label = new QLabel(form);
    label->setObjectName(QStringLiteral("label"));
    QFont bold;
    bold.setBold(true);
    bold.setWeight(75);
    label->setFont(bold);
    label->setAlignment(Qt::AlignCenter);
    gridLayout->addWidget(label, 0, 0, 1, 1);

    treeWidget = new QTreeWidget(form);
    treeWidget->setObjectName(QStringLiteral("treeWidget"));
    QTreeWidgetItem* header = new QTreeWidgetItem();
    header->setTextAlignment(0, Qt::AlignCenter);
    header->setFont(0, bold);
    treeWidget->setHeaderItem(header);
    treeWidget->setFocusPolicy(Qt::NoFocus);
    treeWidget->setAutoFillBackground(true);
    treeWidget->setSelectionMode(QAbstractItemView::NoSelection);
    treeWidget->setRootIsDecorated(false);
    treeWidget->setItemsExpandable(false);
    treeWidget->setExpandsOnDoubleClick(false);
    treeWidget->setSortingEnabled(false);
    treeWidget->header()->setVisible(false);
    gridLayout->addWidget(treeWidget, 1, 0, 1, 1);

    gridLayout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding), 2, 0, 1, 1);
    retranslateUi(form);
}

void KVZ_FormParamForm::retranslateUi(QWidget* form)
{
    form->setWindowTitle(QStringLiteral("KVZ_FormParam"));
    label->setText(QStringLiteral("Список поддерживаемых форматов:"));
    treeWidget->headerItem()->setText(0, QStringLiteral("Формат"));
}
