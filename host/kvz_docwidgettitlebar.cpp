#include "kvz_docwidgettitlebar.h"

#include "kvz_mainwindow.h"

#include <QCheckBox>
#include <QToolButton>

KVZ_DocWidgetTitleBar::KVZ_DocWidgetTitleBar(QWidget* parent)
    : QWidget(parent)
{
    ui.setupUi(this);
    connect(ui.toolButton_Clear, &QToolButton::pressed, this, &KVZ_DocWidgetTitleBar::slot_pressed_BtnClear);
}

KVZ_DocWidgetTitleBar::~KVZ_DocWidgetTitleBar() = default;

bool KVZ_DocWidgetTitleBar::isShowRawPackets() const
{
    return ui.checkBox_Packet->isChecked();
}

bool KVZ_DocWidgetTitleBar::isParsePackets() const
{
    return ui.checkBox_Tmi->isChecked();
}

void KVZ_DocWidgetTitleBar::slot_pressed_BtnClear()
{
    if (KVZ_MainWindow::instance())
        KVZ_MainWindow::instance()->clearLog();
}
