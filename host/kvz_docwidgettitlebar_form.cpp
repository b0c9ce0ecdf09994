#include "kvz_docwidgettitlebar_form.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QSpacerItem>
#include <QToolButton>

// Both boxes start checked.
QCheckBox* KVZ_DocWidgetTitleBarForm::addCheckedBox(const char* name, int column)
{
    QCheckBox* box = new QCheckBox(frame);
    box->setObjectName(QLatin1String(name));
    box->setChecked(true);
    gridLayout_2->addWidget(box, 0, column, 1, 1);
    return box;
}

void KVZ_DocWidgetTitleBarForm::setupUi(QWidget* form)
{
    if (form->objectName().isEmpty())
        form->setObjectName(QStringLiteral("KVZ_DocWidgetTitleBarClass"));
    form->resize(630, 35);
    form->setAutoFillBackground(true);

    gridLayout = new QGridLayout(form);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));
    gridLayout->setSpacing(6);
    gridLayout->setContentsMargins(0, 2, 0, 2);

    frame = new QFrame(form);
    frame->setObjectName(QStringLiteral("frame"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    gridLayout->addWidget(frame, 0, 0, 1, 2);

    gridLayout_2 = new QGridLayout(frame);
    gridLayout_2->setObjectName(QStringLiteral("gridLayout_2"));
    gridLayout_2->setSpacing(6);
    QMargins margins = gridLayout_2->contentsMargins();
    gridLayout_2->setContentsMargins(margins.left(), 0, margins.right(), 0);

    toolButton_Clear = new QToolButton(frame);
    toolButton_Clear->setObjectName(QStringLiteral("toolButton_Clear"));
    toolButton_Clear->setFixedWidth(90);
    toolButton_Clear->setMaximumHeight(20);
    toolButton_Clear->setIcon(QIcon(QStringLiteral(":/Image/Resources/clear.png")));
    toolButton_Clear->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    gridLayout_2->addWidget(toolButton_Clear, 0, 0, 1, 1);

    frame_2 = new QFrame(frame);
    frame_2->setObjectName(QStringLiteral("frame_2"));
    frame_2->setFixedWidth(10);
    frame_2->setFrameShape(QFrame::VLine);
    frame_2->setFrameShadow(QFrame::Raised);
    gridLayout_2->addWidget(frame_2, 0, 1, 1, 1);

    checkBox_Packet = addCheckedBox("checkBox_Packet", 2);
    checkBox_Tmi = addCheckedBox("checkBox_Tmi", 3);

    gridLayout_2->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 0, 4, 1, 1);
    retranslateUi(form);
}

void KVZ_DocWidgetTitleBarForm::retranslateUi(QWidget* form)
{
    form->setWindowTitle(QStringLiteral("KVZ_DocWidgetTitleBar"));
    toolButton_Clear->setText(QStringLiteral("Очистить"));
    toolButton_Clear->setToolTip(QStringLiteral("Очистить окно логов"));
    checkBox_Packet->setText(QStringLiteral("Отображать исходные пакеты"));
    checkBox_Tmi->setText(QStringLiteral("Разбирать пакеты"));
}
