// Widget commands of the driver: find widgets and actions by object name in
// every top-level widget, act on them like a user and read them back.
#ifndef KVZ_DRIVER_WIDGETS_H
#define KVZ_DRIVER_WIDGETS_H

#include "kvz_driver_answer.h"

#include <QStringList>

class QObject;
class QWidget;

class KvzDriverWidgets
{
public:
    // true when the command is a widget command; the answer is then set
    bool handle(const QString& command, const QStringList& args, KvzDriverAnswer& answer);

private:
    static QObject* findObject(const QString& name);
    static QWidget* findWidget(const QString& name);

    KvzDriverAnswer press(QWidget* w, bool release);
    KvzDriverAnswer setText(QWidget* w, const QString& text);
    KvzDriverAnswer setValue(QWidget* w, int value);
    KvzDriverAnswer setChecked(QWidget* w, bool checked);
    KvzDriverAnswer setComboIndex(QWidget* w, int index);
    KvzDriverAnswer text(QObject* o, bool html);
    KvzDriverAnswer tree(QWidget* w);
    KvzDriverAnswer treeCurrent(QWidget* w);
    KvzDriverAnswer selectRow(QWidget* w, int row);
    KvzDriverAnswer page(QWidget* w);
    KvzDriverAnswer grab(QWidget* w, const QString& path);
    KvzDriverAnswer geometry(QWidget* w);
    KvzDriverAnswer setGeometry(QWidget* w, const QStringList& args);
    KvzDriverAnswer dockArea(QWidget* w);
    KvzDriverAnswer moveDock(QWidget* w, int area);
    KvzDriverAnswer closeMainWindow();
};

#endif // KVZ_DRIVER_WIDGETS_H
