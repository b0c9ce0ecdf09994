// One foldable group of a device page: a caption bar with an arrow button
// and a content area that holds one property group widget. The down arrow
// means unfolded; the arrow acts when the mouse button goes down.
#ifndef CMO_FORMPROPERTYITEM_H
#define CMO_FORMPROPERTYITEM_H

#include <QString>
#include <QWidget>

class QFrame;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;

class CMO_FormPropertyItem : public QWidget
{
    Q_OBJECT
public:
    explicit CMO_FormPropertyItem(QWidget* parent = nullptr);
    ~CMO_FormPropertyItem() override;

    void setTitle(const QString& text);
    void setContent(QWidget* content);
    void setExpanded(bool on);

private slots:
    void slot_pressed_Btn_Arrow();

private:
    void setupUi();
    void retranslateUi();

    QGridLayout* gridLayout = nullptr;
    QFrame* frame = nullptr;
    QGridLayout* gridLayout_3 = nullptr;
    QFrame* gridFrame = nullptr;
    QGridLayout* gridLayout_2 = nullptr;
    QPushButton* pushButton_Arrow = nullptr;
    QLabel* label_Title = nullptr;
    QFrame* horizontalFrame_Property = nullptr;
    QHBoxLayout* horizontalLayout = nullptr;

    QString title;
    bool expanded = true;
};

#endif // CMO_FORMPROPERTYITEM_H
