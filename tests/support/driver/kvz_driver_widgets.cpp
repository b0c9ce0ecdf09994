#include "kvz_driver_widgets.h"

#include "kvz_driver_labels.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMetaObject>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest/QTest>

namespace {
QString flag(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }
}

// "a/b" names the object b inside the object a.
QObject* KvzDriverWidgets::findObject(const QString& name)
{
    const QStringList parts = name.split(QLatin1Char('/'));
    QObject* found = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == parts.first())
            found = top;
        else
            found = top->findChild<QObject*>(parts.first());
        if (found)
            break;
    }
    for (int i = 1; found && i < parts.size(); ++i)
        found = found->findChild<QObject*>(parts.at(i));
    return found;
}

QWidget* KvzDriverWidgets::findWidget(const QString& name)
{
    return qobject_cast<QWidget*>(findObject(name));
}

bool KvzDriverWidgets::handle(const QString& command, const QStringList& args, KvzDriverAnswer& answer)
{
    if (command == QLatin1String("close")) {
        answer = closeMainWindow();
        return true;
    }
    static const QStringList named = {
        "exists", "class", "press", "click", "trigger", "settext", "setvalue", "setcheck", "setcombo",
        "text", "html", "tooltip", "visible", "enabled", "checked", "tree", "treecurrent", "select",
        "page", "grab", "geometry", "setgeometry", "dockarea", "movedock", "title", "labels"};
    if (!named.contains(command))
        return false;
    if (args.isEmpty()) {
        answer = KvzDriverAnswer::failure(QStringLiteral("missing object name"));
        return true;
    }
    QObject* object = findObject(args.at(0));
    if (command == QLatin1String("exists")) {
        answer = KvzDriverAnswer::success(flag(object != nullptr));
        return true;
    }
    if (!object) {
        answer = KvzDriverAnswer::failure(QStringLiteral("no object named ") + args.at(0));
        return true;
    }
    QWidget* w = qobject_cast<QWidget*>(object);
    QAction* action = qobject_cast<QAction*>(object);
    const QString arg1 = args.value(1);
    if (command == QLatin1String("class")) {
        answer = KvzDriverAnswer::success(QString::fromLatin1(object->metaObject()->className()));
    } else if (command == QLatin1String("trigger")) {
        if (action) {
            action->trigger();
            answer = KvzDriverAnswer::success();
        } else {
            answer = KvzDriverAnswer::failure(QStringLiteral("not an action"));
        }
    } else if (command == QLatin1String("tooltip")) {
        answer = KvzDriverAnswer::success(action ? action->toolTip() : w ? w->toolTip() : QString());
    } else if (command == QLatin1String("text") || command == QLatin1String("html")) {
        answer = text(object, command == QLatin1String("html"));
    } else if (command == QLatin1String("enabled")) {
        answer = KvzDriverAnswer::success(flag(action ? action->isEnabled() : w && w->isEnabled()));
    } else if (!w) {
        answer = KvzDriverAnswer::failure(QStringLiteral("not a widget: ") + args.at(0));
    } else if (command == QLatin1String("press") || command == QLatin1String("click")) {
        answer = press(w, command == QLatin1String("click"));
    } else if (command == QLatin1String("settext")) {
        answer = setText(w, arg1);
    } else if (command == QLatin1String("setvalue")) {
        answer = setValue(w, arg1.toInt());
    } else if (command == QLatin1String("setcheck")) {
        answer = setChecked(w, arg1 == QLatin1String("1"));
    } else if (command == QLatin1String("setcombo")) {
        answer = setComboIndex(w, arg1.toInt());
    } else if (command == QLatin1String("visible")) {
        answer = KvzDriverAnswer::success(flag(w->isVisible()));
    } else if (command == QLatin1String("checked")) {
        QAbstractButton* b = qobject_cast<QAbstractButton*>(w);
        answer = b ? KvzDriverAnswer::success(flag(b->isChecked()))
                   : KvzDriverAnswer::failure(QStringLiteral("not a button"));
    } else if (command == QLatin1String("title")) {
        answer = KvzDriverAnswer::success(w->windowTitle());
    } else if (command == QLatin1String("tree")) {
        answer = tree(w);
    } else if (command == QLatin1String("treecurrent")) {
        answer = treeCurrent(w);
    } else if (command == QLatin1String("select")) {
        answer = selectRow(w, arg1.toInt());
    } else if (command == QLatin1String("page")) {
        answer = page(w);
    } else if (command == QLatin1String("grab")) {
        answer = grab(w, arg1);
    } else if (command == QLatin1String("geometry")) {
        answer = geometry(w);
    } else if (command == QLatin1String("setgeometry")) {
        answer = setGeometry(w, args);
    } else if (command == QLatin1String("dockarea")) {
        answer = dockArea(w);
    } else if (command == QLatin1String("movedock")) {
        answer = moveDock(w, arg1.toInt());
    } else if (command == QLatin1String("labels")) {
        answer = KvzDriverLabels::measure(w);
    }
    return true;
}

KvzDriverAnswer KvzDriverWidgets::press(QWidget* w, bool release)
{
    if (!w->isEnabled())
        return KvzDriverAnswer::failure(QStringLiteral("widget is disabled"));
    const QPoint centre = w->rect().center();
    if (release)
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, centre);
    else
        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, centre);
    return KvzDriverAnswer::success();
}

KvzDriverAnswer KvzDriverWidgets::setText(QWidget* w, const QString& text)
{
    if (QLineEdit* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(text);
    } else if (QTextEdit* t = qobject_cast<QTextEdit*>(w)) {
        t->setPlainText(text);
    } else if (QPlainTextEdit* p = qobject_cast<QPlainTextEdit*>(w)) {
        p->setPlainText(text);
    } else if (QComboBox* c = qobject_cast<QComboBox*>(w)) {
        c->setCurrentText(text);
    } else {
        return KvzDriverAnswer::failure(QStringLiteral("no editable text"));
    }
    return KvzDriverAnswer::success();
}

KvzDriverAnswer KvzDriverWidgets::setValue(QWidget* w, int value)
{
    if (QSpinBox* s = qobject_cast<QSpinBox*>(w)) {
        s->setValue(value);
        return KvzDriverAnswer::success(QString::number(s->value()));
    }
    return KvzDriverAnswer::failure(QStringLiteral("not a spin box"));
}

KvzDriverAnswer KvzDriverWidgets::setChecked(QWidget* w, bool checked)
{
    if (QAbstractButton* b = qobject_cast<QAbstractButton*>(w)) {
        b->setChecked(checked);
        return KvzDriverAnswer::success();
    }
    return KvzDriverAnswer::failure(QStringLiteral("not a check box"));
}

KvzDriverAnswer KvzDriverWidgets::setComboIndex(QWidget* w, int index)
{
    if (QComboBox* c = qobject_cast<QComboBox*>(w)) {
        c->setCurrentIndex(index);
        return KvzDriverAnswer::success(QString::number(c->currentIndex()));
    }
    return KvzDriverAnswer::failure(QStringLiteral("not a combo box"));
}

KvzDriverAnswer KvzDriverWidgets::text(QObject* o, bool html)
{
    if (QTextEdit* t = qobject_cast<QTextEdit*>(o))
        return KvzDriverAnswer::success(html ? t->toHtml() : t->toPlainText());
    // A text view of the host's own offers the same two readings.
    const char* reading = html ? "toHtml()" : "toPlainText()";
    if (o->metaObject()->indexOfMethod(reading) >= 0) {
        QString text;
        QMetaObject::invokeMethod(o, html ? "toHtml" : "toPlainText", Qt::DirectConnection, Q_RETURN_ARG(QString, text));
        return KvzDriverAnswer::success(text);
    }
    if (html)
        return KvzDriverAnswer::failure(QStringLiteral("not a text edit"));
    if (QLabel* l = qobject_cast<QLabel*>(o))
        return KvzDriverAnswer::success(l->text());
    if (QLineEdit* e = qobject_cast<QLineEdit*>(o))
        return KvzDriverAnswer::success(e->text());
    if (QAbstractButton* b = qobject_cast<QAbstractButton*>(o))
        return KvzDriverAnswer::success(b->text());
    if (QPlainTextEdit* p = qobject_cast<QPlainTextEdit*>(o))
        return KvzDriverAnswer::success(p->toPlainText());
    if (QComboBox* c = qobject_cast<QComboBox*>(o))
        return KvzDriverAnswer::success(c->currentText());
    if (QSpinBox* s = qobject_cast<QSpinBox*>(o))
        return KvzDriverAnswer::success(QString::number(s->value()));
    if (QAction* a = qobject_cast<QAction*>(o))
        return KvzDriverAnswer::success(a->text());
    if (QDockWidget* d = qobject_cast<QDockWidget*>(o))
        return KvzDriverAnswer::success(d->windowTitle());
    return KvzDriverAnswer::failure(QStringLiteral("no text"));
}

// Top-level rows, one per line; columns separated by tabs.
KvzDriverAnswer KvzDriverWidgets::tree(QWidget* w)
{
    QTreeWidget* t = qobject_cast<QTreeWidget*>(w);
    if (!t)
        return KvzDriverAnswer::failure(QStringLiteral("not a tree widget"));
    QStringList rows;
    for (int i = 0; i < t->topLevelItemCount(); ++i) {
        QStringList columns;
        for (int c = 0; c < t->columnCount(); ++c)
            columns << t->topLevelItem(i)->text(c);
        rows << columns.join(QLatin1Char('\t'));
    }
    return KvzDriverAnswer::success(rows.join(QLatin1Char('\n')));
}

KvzDriverAnswer KvzDriverWidgets::treeCurrent(QWidget* w)
{
    QTreeWidget* t = qobject_cast<QTreeWidget*>(w);
    if (!t)
        return KvzDriverAnswer::failure(QStringLiteral("not a tree widget"));
    return KvzDriverAnswer::success(QString::number(t->indexOfTopLevelItem(t->currentItem())));
}

// Row -1 clears the current item.
KvzDriverAnswer KvzDriverWidgets::selectRow(QWidget* w, int row)
{
    QTreeWidget* t = qobject_cast<QTreeWidget*>(w);
    if (!t)
        return KvzDriverAnswer::failure(QStringLiteral("not a tree widget"));
    if (row < 0) {
        t->setCurrentItem(nullptr);
        return KvzDriverAnswer::success();
    }
    QTreeWidgetItem* item = t->topLevelItem(row);
    if (!item)
        return KvzDriverAnswer::failure(QStringLiteral("no such row"));
    t->setCurrentItem(item);
    return KvzDriverAnswer::success();
}

// "<current index> <page count> <object names of the current page's widgets, comma-separated>"
KvzDriverAnswer KvzDriverWidgets::page(QWidget* w)
{
    QStackedWidget* s = qobject_cast<QStackedWidget*>(w);
    if (!s)
        return KvzDriverAnswer::failure(QStringLiteral("not a stacked widget"));
    QStringList names;
    if (QWidget* current = s->currentWidget()) {
        for (QWidget* child : current->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            names << child->objectName();
        if (names.isEmpty())
            names << current->objectName();
    }
    return KvzDriverAnswer::success(QStringLiteral("%1 %2 %3").arg(s->currentIndex()).arg(s->count())
                                        .arg(names.join(QLatin1Char(','))));
}

KvzDriverAnswer KvzDriverWidgets::grab(QWidget* w, const QString& path)
{
    if (w->grab().save(path, "PNG"))
        return KvzDriverAnswer::success();
    return KvzDriverAnswer::failure(QStringLiteral("cannot write ") + path);
}

KvzDriverAnswer KvzDriverWidgets::geometry(QWidget* w)
{
    const QRect r = w->geometry();
    return KvzDriverAnswer::success(QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()));
}

KvzDriverAnswer KvzDriverWidgets::setGeometry(QWidget* w, const QStringList& args)
{
    if (args.size() < 5)
        return KvzDriverAnswer::failure(QStringLiteral("setgeometry needs x y w h"));
    w->setGeometry(args.at(1).toInt(), args.at(2).toInt(), args.at(3).toInt(), args.at(4).toInt());
    return geometry(w);
}

KvzDriverAnswer KvzDriverWidgets::dockArea(QWidget* w)
{
    QDockWidget* dock = qobject_cast<QDockWidget*>(w);
    QMainWindow* window = dock ? qobject_cast<QMainWindow*>(dock->parentWidget()) : nullptr;
    if (!window)
        return KvzDriverAnswer::failure(QStringLiteral("not a dock of a main window"));
    return KvzDriverAnswer::success(QString::number(window->dockWidgetArea(dock)));
}

KvzDriverAnswer KvzDriverWidgets::moveDock(QWidget* w, int area)
{
    QDockWidget* dock = qobject_cast<QDockWidget*>(w);
    QMainWindow* window = dock ? qobject_cast<QMainWindow*>(dock->parentWidget()) : nullptr;
    if (!window)
        return KvzDriverAnswer::failure(QStringLiteral("not a dock of a main window"));
    window->addDockWidget(static_cast<Qt::DockWidgetArea>(area), dock);
    return dockArea(w);
}

// Answered first; the window closes once the answer is on its way.
KvzDriverAnswer KvzDriverWidgets::closeMainWindow()
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (QMainWindow* window = qobject_cast<QMainWindow*>(top)) {
            QTimer::singleShot(0, window, &QWidget::close);
            return KvzDriverAnswer::success();
        }
    }
    return KvzDriverAnswer::failure(QStringLiteral("no main window"));
}
