// The foldable group: initial state, fold and unfold on press of the
// arrow, and values that keep arriving while folded.
#include "formprops_testkit.h"

#include "cmo_formproperty_power.h"
#include "cmo_formpropertyitem.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using TestKit::child;

class TestItem : public QObject
{
    Q_OBJECT
private slots:
    void newGroupIsUnfoldedAndEmpty();
    void arrowFoldsAndUnfoldsOnPress();
    void setExpanded();
    void foldedGroupStillReceivesValues();
    void titleIsShown();
};

void TestItem::newGroupIsUnfoldedAndEmpty()
{
    CMO_FormPropertyItem item;
    item.show();
    QCOMPARE(item.objectName(), QString("CMO_FormPropertyItemClass"));
    QCOMPARE(item.windowTitle(), QString("CMO_FormPropertyItem"));
    QCOMPARE(child<QLabel>(&item, "label_Title")->text(), QString());
    QCOMPARE(TestKit::iconName(child<QPushButton>(&item, "pushButton_Arrow"), 16), QString("arrowGroupDown"));
    auto* content = child<QFrame>(&item, "horizontalFrame_Property");
    QVERIFY(content->isVisible());
    QCOMPARE(child<QHBoxLayout>(&item, "horizontalLayout")->count(), 0);
}

void TestItem::arrowFoldsAndUnfoldsOnPress()
{
    CMO_FormPropertyItem item;
    item.setContent(new CMO_FormProperty_Power);
    item.show();
    auto* arrow = child<QPushButton>(&item, "pushButton_Arrow");
    auto* content = child<QFrame>(&item, "horizontalFrame_Property");

    QTest::mousePress(arrow, Qt::LeftButton);   // no release: press alone folds
    QVERIFY(!content->isVisible());
    QCOMPARE(TestKit::iconName(arrow, 16), QString("arrowGroupUp"));
    QTest::mouseRelease(arrow, Qt::LeftButton);
    QVERIFY(!content->isVisible());

    QTest::mousePress(arrow, Qt::LeftButton);
    QVERIFY(content->isVisible());
    QCOMPARE(TestKit::iconName(arrow, 16), QString("arrowGroupDown"));
}

void TestItem::setExpanded()
{
    CMO_FormPropertyItem item;
    item.show();
    auto* arrow = child<QPushButton>(&item, "pushButton_Arrow");
    auto* content = child<QFrame>(&item, "horizontalFrame_Property");

    item.setExpanded(true);
    QVERIFY(content->isVisible());
    QCOMPARE(TestKit::iconName(arrow, 16), QString("arrowGroupDown"));

    item.setExpanded(false);
    QVERIFY(!content->isVisible());
    QCOMPARE(TestKit::iconName(arrow, 16), QString("arrowGroupUp"));
    // The arrow toggles from the state so set.
    QTest::mousePress(arrow, Qt::LeftButton);
    QVERIFY(content->isVisible());
}

void TestItem::foldedGroupStillReceivesValues()
{
    CMO_FormPropertyItem item;
    auto* power = new CMO_FormProperty_Power;
    item.setContent(power);
    item.show();
    QCOMPARE(power->parentWidget(), child<QFrame>(&item, "horizontalFrame_Property"));
    item.setExpanded(false);
    power->setPower(12500);
    item.setExpanded(true);
    QVERIFY(power->isVisible());
    QCOMPARE(child<QLabel>(power, "label_Power_Text")->text(), QString("12.5 В"));
}

void TestItem::titleIsShown()
{
    CMO_FormPropertyItem item;
    item.setTitle("Источники питания");
    QCOMPARE(child<QLabel>(&item, "label_Title")->text(), QString("Источники питания"));
}

QTEST_MAIN(TestItem)
#include "tst_formprops_item.moc"
