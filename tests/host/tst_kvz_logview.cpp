// The log pane's paragraphs and view: how text, markup and hex dumps become
// paragraphs, the paragraph limit, and selecting and copying in the view.
#include "kvz_logstore.h"
#include "kvz_logview.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QtTest>

class TstKvzLogView : public QObject
{
    Q_OBJECT
private slots:
    void plainTextBreaks_data();
    void plainTextBreaks();
    void markupBecomesItsBlocks_data();
    void markupBecomesItsBlocks();
    void markupLineIsReadWhenShown();
    void hexDumpLines_data();
    void hexDumpLines();
    void limitDropsTheOldest();
    void hexDumpLongerThanTheLimit();
    void lowerLimitKeepsTheNewest();
    void clearKeepsNumbering();
    void htmlShowsBold();

    void selectAllAndCopy();
    void dragSelectsAcrossParagraphs();
    void doubleClickSelectsAWord();
    void viewFollowsTheEnd();
    void viewStaysWhileSelecting();
    void selectionLosesDroppedParagraphs();

private:
    static QStringList paragraphs(const KvzLogStore& store);
    static QPoint pointOf(KvzLogView& view, int row, int x);
    static bool shown(KvzLogView& view, int height);
};

// The view on screen, 400 pixels wide.
bool TstKvzLogView::shown(KvzLogView& view, int height)
{
    view.resize(400, height);
    view.show();
    return QTest::qWaitForWindowExposed(&view);
}

QStringList TstKvzLogView::paragraphs(const KvzLogStore& store)
{
    QStringList list;
    for (qint64 serial = store.firstSerial(); serial < store.endSerial(); ++serial)
        list << store.plainText(serial);
    return list;
}

// The middle of a row of the view, x pixels from its left edge.
QPoint TstKvzLogView::pointOf(KvzLogView& view, int row, int x)
{
    const int height = view.fontMetrics().lineSpacing();
    return QPoint(x, 4 + row * height + height / 2);
}

void TstKvzLogView::plainTextBreaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("one line") << "M" << QStringList{"M"};
    QTest::newRow("empty") << "" << QStringList{""};
    QTest::newRow("CR LF") << "Заголовок:\r\nPre = @KVZ; IDobj = 1 \r\n"
                           << QStringList{"Заголовок:", "Pre = @KVZ; IDobj = 1 ", ""};
    QTest::newRow("LF") << "a\nb" << QStringList{"a", "b"};
    QTest::newRow("CR") << "a\rb" << QStringList{"a", "b"};
    QTest::newRow("CR CR LF") << "a\r\r\nb" << QStringList{"a", "", "b"};
    QTest::newRow("LF CR") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("paragraph separator") << QString("a") + QChar(0x2029) + "b" << QStringList{"a", "b"};
    QTest::newRow("line separator stays") << QString("a") + QChar(0x2028) + "b" << QStringList{"a\nb"};
    QTest::newRow("no-break space") << QString("a") + QChar(0xa0) + "b" << QStringList{"a b"};
    QTest::newRow("only a break") << "\n" << QStringList{"", ""};
}

void TstKvzLogView::plainTextBreaks()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    KvzLogStore store(100);
    store.appendText(text);
    QCOMPARE(paragraphs(store), expected);
    QCOMPARE(store.toPlainText(), expected.join('\n'));
}

void TstKvzLogView::markupBecomesItsBlocks_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("bold") << "<b>жирный</b>" << QStringList{"жирный"};
    QTest::newRow("blanks collapse") << "<b>T  Отключение устройства IMEI1</b> \r\n"
                                     << QStringList{"T Отключение устройства IMEI1 "};
    QTest::newRow("two paragraphs") << "<p>a</p><p>b</p>" << QStringList{"a", "b"};
    QTest::newRow("line break") << "<b>x</b><br>y" << QStringList{"x\ny"};
    QTest::newRow("entities") << "<i>&lt;i&gt;&amp;</i>" << QStringList{"<i>&"};
}

void TstKvzLogView::markupBecomesItsBlocks()
{
    QFETCH(QString, markup);
    QFETCH(QStringList, expected);
    KvzLogStore store(100);
    store.appendText("M");
    store.appendText(markup);
    QCOMPARE(paragraphs(store), QStringList{"M"} + expected);
}

// A line of the host's own is one paragraph, bold where its markup says so.
void TstKvzLogView::markupLineIsReadWhenShown()
{
    KvzLogStore store(100);
    store.appendLine("<b>09:05:07:2  Подключение устройства &lt;x&gt;</b> ");
    store.appendLine("кол-во байт: 5");
    QCOMPARE(store.count(), 2);
    const KvzLogStore::Line line = store.line(0);
    QCOMPARE(line.text, QStringLiteral("09:05:07:2 Подключение устройства <x> "));
    bool boldFound = false;
    for (const QTextLayout::FormatRange& range : line.formats) {
        const bool bold = range.format.fontWeight() == QFont::Bold;
        if (bold) {
            boldFound = true;
            QCOMPARE(range.start, 0);
            QCOMPARE(range.length, 37);
        } else {
            QVERIFY(range.start >= 37);
        }
    }
    QVERIFY(boldFound);
    QCOMPARE(store.line(1).text, QStringLiteral("кол-во байт: 5"));
    QVERIFY(store.line(1).formats.isEmpty());
    // A plain line with a break in it still makes one paragraph a line.
    store.appendLine("a\r\nb");
    QCOMPARE(paragraphs(store).mid(2), (QStringList{"a", "b"}));
}

void TstKvzLogView::hexDumpLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("perLine");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("none") << QByteArray() << 11 << QStringList{""};
    QTest::newRow("one") << QByteArray("\xab", 1) << 11 << QStringList{" 0xab,"};
    QTest::newRow("twelve") << QByteArray::fromHex("000102030405060708090aff") << 11
                            << QStringList{" 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0a,", " 0xff,"};
    QTest::newRow("exactly a line") << QByteArray(16, '\x80') << 16 << QStringList{QString(" 0x80,").repeated(16)};
    QTest::newRow("a line and one") << QByteArray(17, '\x7f') << 16
                                    << QStringList{QString(" 0x7f,").repeated(16), " 0x7f,"};
}

void TstKvzLogView::hexDumpLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, perLine);
    QFETCH(QStringList, expected);
    KvzLogStore store(100);
    store.appendHexDump(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size(), perLine);
    QCOMPARE(paragraphs(store), expected);
    // No bytes at all, whatever the count says: one empty paragraph.
    KvzLogStore none(100);
    none.appendHexDump(nullptr, 5, perLine);
    QCOMPARE(paragraphs(none), QStringList{""});
}

void TstKvzLogView::limitDropsTheOldest()
{
    KvzLogStore store(5);
    for (int i = 0; i < 7; ++i)
        store.appendText(QString::number(i));
    QCOMPARE(store.count(), 5);
    QCOMPARE(store.firstSerial(), qint64(2));
    QCOMPARE(store.endSerial(), qint64(7));
    QCOMPARE(store.toPlainText(), QStringLiteral("2\n3\n4\n5\n6"));
    QVERIFY(!store.contains(1));
    QCOMPARE(store.plainText(1), QString());
    store.appendText("x\ny");
    QCOMPARE(store.toPlainText(), QStringLiteral("4\n5\n6\nx\ny"));
}

void TstKvzLogView::hexDumpLongerThanTheLimit()
{
    KvzLogStore store(3);
    store.appendText("before");
    const QByteArray bytes = QByteArray::fromHex("0102030405");
    store.appendHexDump(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size(), 1);
    QCOMPARE(paragraphs(store), (QStringList{" 0x03,", " 0x04,", " 0x05,"}));
}

void TstKvzLogView::lowerLimitKeepsTheNewest()
{
    KvzLogStore store(10);
    for (int i = 0; i < 8; ++i)
        store.appendText(QString::number(i));
    store.setMaxCount(3);
    QCOMPARE(store.toPlainText(), QStringLiteral("5\n6\n7"));
    store.appendText("8");
    QCOMPARE(store.toPlainText(), QStringLiteral("6\n7\n8"));
}

void TstKvzLogView::clearKeepsNumbering()
{
    KvzLogStore store(10);
    store.appendText("a\nb");
    store.clear();
    QCOMPARE(store.count(), 0);
    QCOMPARE(store.toPlainText(), QString());
    QCOMPARE(store.firstSerial(), qint64(2));
    store.appendText("c");
    QCOMPARE(store.firstSerial(), qint64(2));
    QCOMPARE(store.plainText(2), QStringLiteral("c"));
}

void TstKvzLogView::htmlShowsBold()
{
    KvzLogStore store(10);
    store.appendText("plain");
    store.appendLine("<b>жирный</b> ");
    const QString html = store.toHtml();
    QVERIFY2(html.contains("font-weight:600;\">жирный</span>"), qPrintable(html));
    QVERIFY(html.contains(">plain</p>"));
}

// ---------------------------------------------------------------- the view

void TstKvzLogView::selectAllAndCopy()
{
    KvzLogView view;
    view.appendText("M");
    view.appendLine("<b>T  принято от  устройства X : 2 байт</b> ");
    view.appendHexDump(reinterpret_cast<const unsigned char*>("\x51\x52"), 2, 16);
    QVERIFY(!view.hasSelection());
    QApplication::clipboard()->clear();
    view.copy();
    QCOMPARE(QApplication::clipboard()->text(), QString());
    view.selectAll();
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("M\nT принято от устройства X : 2 байт \n 0x51, 0x52,"));
    QCOMPARE(view.toPlainText(), QApplication::clipboard()->text());
}

void TstKvzLogView::dragSelectsAcrossParagraphs()
{
    KvzLogView view;
    QVERIFY(shown(view, 300));
    view.appendText("alpha\nbeta\ngamma");
    QWidget* area = view.viewport();
    QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, pointOf(view, 1, 0));
    // QTest moves the mouse over a widget without an event; send one.
    QMouseEvent move(QEvent::MouseMove, pointOf(view, 2, 399), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    QCOMPARE(view.selectedText(), QStringLiteral("beta\ngamma"));
    QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, pointOf(view, 2, 399));
    QCOMPARE(view.selectedText(), QStringLiteral("beta\ngamma"));
    // Shift extends the same selection back to the start.
    QTest::mouseClick(area, Qt::LeftButton, Qt::ShiftModifier, pointOf(view, 0, 0));
    QCOMPARE(view.selectedText(), QStringLiteral("alpha\n"));
}

void TstKvzLogView::doubleClickSelectsAWord()
{
    KvzLogView view;
    QVERIFY(shown(view, 300));
    view.appendText("Сервер KVZB запущен");
    const int x = 4 + view.fontMetrics().horizontalAdvance("Сервер K");
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, pointOf(view, 0, x));
    QCOMPARE(view.selectedText(), QStringLiteral("KVZB"));
}

void TstKvzLogView::viewFollowsTheEnd()
{
    KvzLogView view;
    QVERIFY(shown(view, 200));
    for (int i = 0; i < 1000; ++i)
        view.appendText(QString::number(i));
    QScrollBar* bar = view.verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(view.topSerial() + bar->pageStep(), qint64(1000));
    // Scrolled up by hand, the next text brings the end back in sight.
    bar->setValue(0);
    QCOMPARE(view.topSerial(), qint64(0));
    view.appendText("1000");
    QTRY_COMPARE(view.topSerial() + bar->pageStep(), qint64(1001));
}

void TstKvzLogView::viewStaysWhileSelecting()
{
    KvzLogView view;
    QVERIFY(shown(view, 200));
    for (int i = 0; i < 100; ++i)
        view.appendText(QString::number(i));
    QScrollBar* bar = view.verticalScrollBar();
    QTRY_COMPARE(view.topSerial() + bar->pageStep(), qint64(100));
    bar->setValue(10);
    QTest::mousePress(view.viewport(), Qt::LeftButton, Qt::NoModifier, pointOf(view, 0, 0));
    for (int i = 100; i < 200; ++i)
        view.appendText(QString::number(i));
    QTest::qWait(3 * KvzLogView::RefreshMs);
    QCOMPARE(view.topSerial(), qint64(10));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, Qt::NoModifier, pointOf(view, 1, 0));
    QCOMPARE(view.selectedText(), QStringLiteral("10\n"));
    view.appendText("200");
    QTRY_COMPARE(view.topSerial() + bar->pageStep(), qint64(201));
}

void TstKvzLogView::selectionLosesDroppedParagraphs()
{
    KvzLogView view;
    view.setMaximumParagraphCount(3);
    view.appendText("a\nb\nc");
    view.selectAll();
    view.appendText("d");
    QCOMPARE(view.selectedText(), QStringLiteral("b\nc"));
    view.appendText("e\nf");
    QVERIFY(!view.hasSelection());
    QCOMPARE(view.toPlainText(), QStringLiteral("d\ne\nf"));
}

QTEST_MAIN(TstKvzLogView)
#include "tst_kvz_logview.moc"
