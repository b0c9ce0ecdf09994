// velkor starts headless, shows its window and quits with exit code 0.
#include "velkor_runner.h"

#include <QtTest>

class TstVelkorSmoke : public QObject
{
    Q_OBJECT
private slots:
    void startsWithOnlyTheDriver();
};

void TstVelkorSmoke::startsWithOnlyTheDriver()
{
    VelkorRunner runner;
    QVERIFY2(runner.start(), qPrintable(runner.lastError()));
    QCOMPARE(runner.windowTitle("KVZ_MainWindowClass"), QStringLiteral("KVZ_Server ver. 1.0.0"));
    QVERIFY(runner.isVisible("KVZ_MainWindowClass"));
    QCOMPARE(runner.treeRows("treeWidget"), QList<QStringList>());
    QCOMPARE(runner.currentPage("stackedWidget_Property"), 0);
    QCOMPARE(runner.pageCount("stackedWidget_Property"), 1);
    QCOMPARE(runner.currentPageWidgets("stackedWidget_Property"), QStringList{"KVZ_FormParamClass"});
    QCOMPARE(runner.text("pushButton_StartStop"), QStringLiteral("Старт"));
    QVERIFY2(runner.closeAndWait(), qPrintable(runner.lastError()));
}

QTEST_GUILESS_MAIN(TstVelkorSmoke)
#include "tst_velkor_smoke.moc"
