#include "cmo_formpropertyitem.h"

#include "cmo_formkit.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

CMO_FormPropertyItem::CMO_FormPropertyItem(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
    label_Title->setText(title);
    connect(pushButton_Arrow, &QPushButton::pressed, this, &CMO_FormPropertyItem::slot_pressed_Btn_Arrow);
}

CMO_FormPropertyItem::~CMO_FormPropertyItem() = default;

void CMO_FormPropertyItem::setupUi()
{
    CMO_FormKit::prepareForm(this, "CMO_FormPropertyItem", 335, 203);
    setAutoFillBackground(true);

    gridLayout = new QGridLayout(this);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));
    gridLayout->setSpacing(0);
    gridLayout->setContentsMargins(0, 0, 0, 0);

    frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("frame"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    gridLayout_3 = new QGridLayout(frame);
    gridLayout_3->setObjectName(QStringLiteral("gridLayout_3"));
    gridLayout_3->setSpacing(0);
    gridLayout_3->setContentsMargins(0, 0, 0, 0);

    gridFrame = new QFrame(frame);
    gridFrame->setObjectName(QStringLiteral("gridFrame"));
    gridFrame->setMinimumSize(0, 20);
    gridFrame->setMaximumSize(16777215, 20);
    gridFrame->setFrameShape(QFrame::WinPanel);
    gridFrame->setFrameShadow(QFrame::Raised);
    gridFrame->setLineWidth(1);
    gridFrame->setMidLineWidth(0);
    gridLayout_2 = new QGridLayout(gridFrame);
    gridLayout_2->setObjectName(QStringLiteral("gridLayout_2"));
    gridLayout_2->setSpacing(6);
    gridLayout_2->setContentsMargins(6, 0, 6, 0);

    pushButton_Arrow = new QPushButton(gridFrame);
    pushButton_Arrow->setObjectName(QStringLiteral("pushButton_Arrow"));
    pushButton_Arrow->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    pushButton_Arrow->setFixedSize(20, 16);
    pushButton_Arrow->setAutoFillBackground(true);
    pushButton_Arrow->setIcon(QIcon(CMO_FormKit::formPicture("arrowGroupDown")));
    pushButton_Arrow->setIconSize(QSize(8, 8));
    pushButton_Arrow->setAutoDefault(true);
    pushButton_Arrow->setDefault(false);
    pushButton_Arrow->setFlat(true);
    gridLayout_2->addWidget(pushButton_Arrow, 0, 0);

    label_Title = new QLabel(gridFrame);
    label_Title->setObjectName(QStringLiteral("label_Title"));
    QFont bold = label_Title->font();
    bold.setBold(true);
    bold.setWeight(75);
    label_Title->setFont(bold);
    label_Title->setAutoFillBackground(true);
    label_Title->setFrameShape(QFrame::NoFrame);
    label_Title->setLineWidth(1);
    label_Title->setMidLineWidth(0);
    label_Title->setAlignment(Qt::AlignCenter);
    gridLayout_2->addWidget(label_Title, 0, 1);

    gridLayout_3->addWidget(gridFrame, 0, 0);

    horizontalFrame_Property = new QFrame(frame);
    horizontalFrame_Property->setObjectName(QStringLiteral("horizontalFrame_Property"));
    horizontalLayout = new QHBoxLayout(horizontalFrame_Property);
    horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    horizontalLayout->setSpacing(6);
    horizontalLayout->setContentsMargins(11, 11, 11, 11);
    gridLayout_3->addWidget(horizontalFrame_Property, 1, 0);

    gridLayout->addWidget(frame, 0, 0);

    retranslateUi();
}

void CMO_FormPropertyItem::retranslateUi()
{
    setWindowTitle(QStringLiteral("CMO_FormPropertyItem"));
    pushButton_Arrow->setText(QString());
    label_Title->setText(QString());
}

void CMO_FormPropertyItem::setTitle(const QString& text)
{
    title = text;
    label_Title->setText(title);
}

void CMO_FormPropertyItem::setContent(QWidget* content)
{
    horizontalLayout->addWidget(content, 0);
}

void CMO_FormPropertyItem::setExpanded(bool on)
{
    expanded = on;
    pushButton_Arrow->setIcon(QIcon(CMO_FormKit::codePicture(on ? "arrowGroupDown" : "arrowGroupUp")));
    horizontalFrame_Property->setVisible(on);
}

void CMO_FormPropertyItem::slot_pressed_Btn_Arrow()
{
    setExpanded(!expanded);
}
