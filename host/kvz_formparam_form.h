// Widget tree of the supported-formats list.
#ifndef KVZ_FORMPARAM_FORM_H
#define KVZ_FORMPARAM_FORM_H

class QGridLayout;
class QLabel;
class QTreeWidget;
class QWidget;

class KVZ_FormParamForm
{
public:
    void setupUi(QWidget* form);
    void retranslateUi(QWidget* form);

    QGridLayout* gridLayout = nullptr;
    QLabel* label = nullptr;
    QTreeWidget* treeWidget = nullptr;
};

#endif // KVZ_FORMPARAM_FORM_H
