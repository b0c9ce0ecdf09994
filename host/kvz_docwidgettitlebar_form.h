// Widget tree of the log dock's title bar.
#ifndef KVZ_DOCWIDGETTITLEBAR_FORM_H
#define KVZ_DOCWIDGETTITLEBAR_FORM_H

class QCheckBox;
class QFrame;
class QGridLayout;
class QToolButton;
class QWidget;

class KVZ_DocWidgetTitleBarForm
{
public:
    void setupUi(QWidget* form);
    void retranslateUi(QWidget* form);

    QGridLayout* gridLayout = nullptr;
    QFrame* frame = nullptr;
    QGridLayout* gridLayout_2 = nullptr;
    QToolButton* toolButton_Clear = nullptr;
    QFrame* frame_2 = nullptr;
    QCheckBox* checkBox_Packet = nullptr;
    QCheckBox* checkBox_Tmi = nullptr;

private:
    QCheckBox* addCheckedBox(const char* name, int column);
};

#endif // KVZ_DOCWIDGETTITLEBAR_FORM_H
