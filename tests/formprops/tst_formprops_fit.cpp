// Fitting a page's groups to a platform's font: a font larger than the
// forms' 11 pixels shrinks to them, a caption too narrow for its text is
// widened and one that fits keeps the form's width, and the page's scroll
// area keeps as wide as what its groups show.
#include "formprops_testkit.h"

#include "cmo_formfit.h"
#include "cmo_formproperty_frequency.h"
#include "cmo_formproperty_power.h"
#include "cmo_formpropertyitem.h"

#include <QFontInfo>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QtTest>

using TestKit::child;

namespace {

// A page as the format plug-ins build theirs: groups in foldable items in a
// resizable scroll area.
struct Page {
    QWidget widget;
    QScrollArea* area = nullptr;
    QWidget* contents = nullptr;

    explicit Page(int fontPixels)
    {
        QFont font = widget.font();
        font.setPixelSize(fontPixels);
        widget.setFont(font);
        auto* layout = new QGridLayout(&widget);
        area = new QScrollArea(&widget);
        area->setWidgetResizable(true);
        layout->addWidget(area, 0, 0);
        contents = new QWidget;
        new QVBoxLayout(contents);
        area->setWidget(contents);
    }

    template <typename Group> Group* add()
    {
        auto* item = new CMO_FormPropertyItem(contents);
        auto* group = new Group(nullptr);
        item->setContent(group);
        contents->layout()->addWidget(item);
        return group;
    }

    void settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
};

int textWidth(const QLabel* label)
{
    return label->fontMetrics().horizontalAdvance(label->text());
}

} // namespace

class TestFit : public QObject
{
    Q_OBJECT
private slots:
    void largerFontShrinksToTheFormsSize_data();
    void largerFontShrinksToTheFormsSize();
    void captionsWidenOnlyWhereTheirTextNeedsIt();
    void scrollAreaKeepsAsWideAsItsGroups();
};

void TestFit::largerFontShrinksToTheFormsSize_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("17 px, DejaVu Sans 12 pt") << 17 << 11;
    QTest::newRow("13 px, 9 pt under X") << 13 << 11;
    QTest::newRow("11 px, the forms' own") << 11 << 11;
    QTest::newRow("9 px, smaller already") << 9 << 9;
}

// The groups' captions and titles are bold: they take the size too.
void TestFit::largerFontShrinksToTheFormsSize()
{
    QFETCH(int, before);
    QFETCH(int, after);
    Page page(before);
    auto* power = page.add<CMO_FormProperty_Power>();
    CMO_FormFit::fitPage(&page.widget);
    QCOMPARE(QFontInfo(page.widget.font()).pixelSize(), after);
    const QLabel* caption = child<QLabel>(power, "label_Power");
    QCOMPARE(QFontInfo(caption->font()).pixelSize(), after);
    QVERIFY(caption->font().bold());
    const QLabel* title = child<QLabel>(page.contents, "label_Title");
    QCOMPARE(QFontInfo(title->font()).pixelSize(), after);
    QVERIFY(title->font().bold());
}

void TestFit::captionsWidenOnlyWhereTheirTextNeedsIt()
{
    Page page(11);
    auto* frequency = page.add<CMO_FormProperty_Frequency>();
    auto* power = page.add<CMO_FormProperty_Power>();
    QLabel* reserve = child<QLabel>(power, "label_Reserve");
    reserve->setText(QStringLiteral("Резервный источник питания:"));
    CMO_FormFit::fitPage(&page.widget);
    page.widget.show();
    page.settle();

    // "F1:" fits its 70 pixels and keeps them
    const QLabel* f1 = child<QLabel>(frequency, "label_F1");
    QCOMPARE(f1->minimumWidth(), 70);
    QCOMPARE(f1->maximumWidth(), 70);
    // the long caption gets exactly its text's width, still a fixed one
    QVERIFY(textWidth(reserve) > 70);
    QCOMPARE(reserve->minimumWidth(), textWidth(reserve));
    QCOMPARE(reserve->maximumWidth(), textWidth(reserve));
    QCOMPARE(reserve->width(), textWidth(reserve));
}

void TestFit::scrollAreaKeepsAsWideAsItsGroups()
{
    Page page(11);
    auto* power = page.add<CMO_FormProperty_Power>();
    CMO_FormFit::fitPage(&page.widget);
    page.widget.resize(200, 300);
    page.widget.show();
    page.settle();
    const int bar = page.area->verticalScrollBar()->sizeHint().width();
    const int frame = 2 * page.area->frameWidth();

    QLabel* value = child<QLabel>(power, "label_Power_Text");
    value->setText(QStringLiteral("12345678901234567890123456789012345678901234567890 В"));
    page.settle();
    const int wide = page.area->minimumWidth();
    QCOMPARE(wide, page.contents->minimumSizeHint().width() + frame + bar);
    QVERIFY(wide > textWidth(value));
    QTRY_VERIFY(page.widget.width() >= wide);
    // the whole value lies within the scroll area's view
    QVERIFY(value->mapTo(page.area->viewport(), QPoint(value->width(), 0)).x() <= page.area->viewport()->width());

    // a shorter value gives the width back
    value->setText(QStringLiteral("12.3 В"));
    page.settle();
    QVERIFY(page.area->minimumWidth() < wide);
    QCOMPARE(page.area->minimumWidth(), page.contents->minimumSizeHint().width() + frame + bar);
}

QTEST_MAIN(TestFit)
#include "tst_formprops_fit.moc"
