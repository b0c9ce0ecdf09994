// Start-up of the real velkor: which libraries are loaded, the order of the
// calls and messages each receives, descriptors, pages and settings widgets.
#include "host_blackbox.h"

#include <QtTest>

class TstVelkorStartup : public QObject
{
    Q_OBJECT
private slots:
    void emptyFolderShowsOnlyTheFormatsList();
    void startupOrderPerLibrary();
    void formatPluginIsAskedItsNumberBeforeTheNextLoads();
    void descriptorsAndPages();
    void duplicateFormatNumberFindsTheFirstLoaded();
    void noTransportMeansOnlyTheHostsOwnQueries();
    void withTheShippedPlugins();
};

namespace {
const QStringList kAllVariants = {
    "tp_transport.so", "tp_format_a.so", "tp_format_b.so", "tp_other.so", "tp_reject.so",
    "tp_no_is.so", "tp_no_info.so", "tp_no_init.so", "tp_no_receive.so"};

// name/formatNumber/recordSize/numberOffset/field table (seed + 0 .. seed + 59)
QString descriptor(const QString& head, int seed)
{
    QStringList table;
    for (int i = 0; i < 60; ++i)
        table << QString::number(seed + i);
    return head + table.join(',');
}
const QString kDescriptorA = descriptor("tp_format_a/176/111/1/", 1000);
const QString kDescriptorB = descriptor("tp_format_b/52/86/2/", 2000);

bool startWith(VelkorRunner& runner, const QStringList& plugins)
{
    for (const QString& p : plugins) {
        if (!runner.addPlugin(p))
            return false;
    }
    return runner.start();
}

// The variants in the order their libraries were loaded.
QStringList loadOrder(const VelkorRunner& runner)
{
    QStringList order;
    for (const QString& line : runner.traceAll()) {
        if (line.endsWith(QLatin1String(" IsKVZLibrary")))
            order << line.section(QLatin1Char(' '), 0, 0);
    }
    return order;
}
}

void TstVelkorStartup::emptyFolderShowsOnlyTheFormatsList()
{
    VelkorRunner runner;
    QVERIFY2(runner.start(), qPrintable(runner.lastError()));
    QCOMPARE(runner.windowTitle("KVZ_MainWindowClass"), QStringLiteral("KVZ_Server ver. 1.0.0"));
    QVERIFY(runner.isVisible("KVZ_MainWindowClass"));
    QCOMPARE(runner.treeRows("treeWidget"), QList<QStringList>());
    QCOMPARE(runner.currentPage("stackedWidget_Property"), 0);
    QCOMPARE(runner.pageCount("stackedWidget_Property"), 1);
    QCOMPARE(runner.currentPageWidgets("stackedWidget_Property"), QStringList{"KVZ_FormParamClass"});
    QCOMPARE(runner.treeRows("KVZ_FormParamClass/treeWidget"), QList<QStringList>());
    QCOMPARE(runner.text("KVZ_FormParamClass/label"), QStringLiteral("Список поддерживаемых форматов:"));
    QCOMPARE(runner.text("pushButton_StartStop"), QStringLiteral("Старт"));
    QCOMPARE(runner.text("textEdit_Log"), QString(""));
    QCOMPARE(runner.text("dockWidget_Property"), QStringLiteral("Свойства"));
    QCOMPARE(runner.text("dockWidget_Log"), QStringLiteral("Лог"));
    QCOMPARE(runner.text("dockWidget_Settings"), QStringLiteral("Настройки"));
    QVERIFY2(runner.closeAndWait(), qPrintable(runner.lastError()));
}

void TstVelkorStartup::startupOrderPerLibrary()
{
    VelkorRunner runner;
    QVERIFY(runner.addFile("junk.so", "this is no library"));
    QVERIFY(QDir(runner.workDir()).mkdir("folder.so"));
    QVERIFY2(startWith(runner, kAllVariants), qPrintable(runner.lastError()));

    // Libraries that lack an export run none of their code.
    for (const char* id : {"tp_no_is", "tp_no_info", "tp_no_init", "tp_no_receive"})
        QCOMPARE(runner.trace(id), QStringList());

    // Refused by IsKVZLibrary: initialised (it may call the host from there), then nothing.
    QCOMPARE(runner.trace("tp_reject"), (QStringList{
        "IsKVZLibrary", "GetLibraryInfo", "Initialize core=1 record=1", "Callback 5002 -> 0"}));

    // Kind 2: broadcasts only.
    QCOMPARE(runner.trace("tp_other"), (QStringList{
        "IsKVZLibrary", "GetLibraryInfo", "Initialize core=1 record=1", "Receive 5001", "Receive 5007"}));

    const QStringList order = loadOrder(runner);
    const bool aFirst = order.indexOf("tp_format_a") < order.indexOf("tp_format_b");
    const QString first = aFirst ? "tp_format_a" : "tp_format_b";
    const QString second = aFirst ? "tp_format_b" : "tp_format_a";
    const QString descriptors = QStringLiteral("Formats 2 %1 %2").arg(
        aFirst ? kDescriptorA : kDescriptorB, aFirst ? kDescriptorB : kDescriptorA);
    QStringList transport = runner.trace("tp_transport");
    QCOMPARE(transport, (QStringList{
        "IsKVZLibrary", "GetLibraryInfo", "Initialize core=1 record=1", "Receive 5001", "Callback 5002 -> 0",
        "Receive 5007", "Callback 5021 -> 0", descriptors, "Callback 5019 -> 0", "Callback 5016 -> 0"}));

    // A format plug-in: 5022 at load, the broadcasts, three rounds of questions in all.
    for (const QString& id : {first, second}) {
        const QStringList t = runner.trace(id);
        QCOMPARE(t.mid(0, 5), (QStringList{
            "IsKVZLibrary", "GetLibraryInfo", "Initialize core=1 record=1", "Receive 5022", "Receive 5001"}));
        QCOMPARE(t.count("Receive 5022"), 3);
        QCOMPARE(t.count("Receive 5025"), 2);
        QCOMPARE(t.count("Receive 5024"), 2);
        QCOMPARE(t.count("Receive 5026 zeroed"), 2);
        QCOMPARE(t.mid(t.size() - 4), (QStringList{"Receive 5022", "Receive 5025", "Receive 5024", "Receive 5026 zeroed"}));
        QVERIFY(t.contains("Receive 5007"));
        QVERIFY(t.contains("Callback 5035 -> 0"));
        QCOMPARE(t.size(), 15);
    }
    // The transport's 5021 asks the formats in load order, inside its 5007.
    const QStringList all = runner.traceAll();
    const int ask = all.indexOf("tp_transport Receive 5007");
    const int asked = all.indexOf("tp_transport Callback 5021 -> 0");
    QVERIFY(ask >= 0 && asked > ask);
    QStringList between;
    for (int i = ask + 1; i < asked; ++i) {
        if (!all.at(i).contains("5007") && !all.at(i).contains("5035"))
            between << all.at(i);
    }
    QCOMPARE(between, (QStringList{first + " Receive 5022", first + " Receive 5025", first + " Receive 5024",
                                   first + " Receive 5026 zeroed", second + " Receive 5022", second + " Receive 5025",
                                   second + " Receive 5024", second + " Receive 5026 zeroed"}));
    QVERIFY2(runner.closeAndWait(), qPrintable(runner.lastError()));
}

void TstVelkorStartup::formatPluginIsAskedItsNumberBeforeTheNextLoads()
{
    VelkorRunner runner;
    QVERIFY2(startWith(runner, kAllVariants), qPrintable(runner.lastError()));
    const QStringList all = runner.traceAll();
    for (const char* id : {"tp_format_a", "tp_format_b"}) {
        const int init = all.indexOf(QStringLiteral("%1 Initialize core=1 record=1").arg(id));
        QVERIFY(init >= 0);
        QCOMPARE(all.value(init + 1), QStringLiteral("%1 Receive 5022").arg(id));
    }
    QVERIFY2(runner.closeAndWait(), qPrintable(runner.lastError()));
}

void TstVelkorStartup::descriptorsAndPages()
{
    VelkorRunner runner;
    QVERIFY2(startWith(runner, kAllVariants), qPrintable(runner.lastError()));
    const bool aFirst = loadOrder(runner).indexOf("tp_format_a") < loadOrder(runner).indexOf("tp_format_b");

    // Formats list: one row per format plug-in in load order, its description.
    const QList<QStringList> expectedRows = aFirst
        ? QList<QStringList>{{"Формат tp_format_a"}, {"Формат tp_format_b"}}
        : QList<QStringList>{{"Формат tp_format_b"}, {"Формат tp_format_a"}};
    QCOMPARE(runner.treeRows("KVZ_FormParamClass/treeWidget"), expectedRows);
    // Page 0 shown first, one page per format plug-in.
    QCOMPARE(runner.currentPage("stackedWidget_Property"), 0);
    QCOMPARE(runner.pageCount("stackedWidget_Property"), 3);
    QVERIFY(runner.exists("page_tp_format_a"));
    QVERIFY(runner.exists("page_tp_format_b"));
    // The transport's settings widget is in the settings dock, its log text in the log.
    QVERIFY(runner.exists("dockWidget_Settings/settings_tp_transport"));
    QCOMPARE(runner.text("textEdit_Log"), QStringLiteral("Модуль tp_transport"));

    // 5021 from another plug-in: a new descriptor per format, the same values.
    const QString answer = runner.request("formats", {"2"});
    QStringList lines = answer.split('\n');
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines.at(0), QStringLiteral("0 4"));
    for (int i = 1; i < 5; ++i)
        QCOMPARE(lines.at(i), ((i % 2 == 1) == aFirst) ? kDescriptorA : kDescriptorB);
    QVERIFY2(runner.closeAndWait(), qPrintable(runner.lastError()));
}

void TstVelkorStartup::duplicateFormatNumberFindsTheFirstLoaded()
{
    VelkorRunner runner;
    QVERIFY2(startWith(runner, {"tp_transport.so", "tp_format_a.so", "tp_format_dup.so"}), qPrintable(runner.lastError()));
    const QStringList order = loadOrder(runner);
    const QString first = order.indexOf("tp_format_a") < order.indexOf("tp_format_dup") ? "tp_format_a" : "tp_format_dup";
    const QString second = first == "tp_format_a" ? "tp_format_dup" : "tp_format_a";
    QCOMPARE(runner.pageCount("stackedWidget_Property"), 3);
    QCOMPARE(runner.treeRows("KVZ_FormParamClass/treeWidget"),
             (QList<QStringList>{{"Формат " + first}, {"Формат " + first}}));

    TestPacket p;
    p.type = 1;
    p.module = transportHandle(runner);
    p.data = QByteArray(20, 'S');
    const qint64 row = sendPacket(runner, 5027, p);
    QVERIFY(row > 0);
    p.hostObject = row;
    p.type = 2;
    p.format = 176;
    p.data = QByteArray(30, 'T');
    QCOMPARE(sendPacket(runner, 5029, p), row);
    QVERIFY(runner.trace(first).join('\n').contains("Receive 5031"));
    QVERIFY(!runner.trace(second).join('\n').contains("Receive 5031"));
    QCOMPARE(runner.treeRows("treeWidget").value(0).value(2), "Формат " + first);
    // The page shown for the terminal is the first row's page.
    QVERIFY(runner.selectRow("treeWidget", 0));
    QCOMPARE(runner.currentPageWidgets("stackedWidget_Property"), QStringList{"page_" + first});
    QVERIFY2(runner.closeAndWait(), qPrintable(runner.lastError()));
}

void TstVelkorStartup::noTransportMeansOnlyTheHostsOwnQueries()
{
    VelkorRunner runner;
    QVERIFY2(startWith(runner, {"tp_format_a.so"}), qPrintable(runner.lastError()));
    QCOMPARE(runner.trace("tp_format_a"), (QStringList{
        "IsKVZLibrary", "GetLibraryInfo", "Initialize core=1 record=1", "Receive 5022", "Receive 5001",
        "Receive 5007", "Callback 5035 -> 0",
        "Receive 5022", "Receive 5025", "Receive 5024", "Receive 5026 zeroed"}));
    QVERIFY2(runner.closeAndWait(), qPrintable(runner.lastError()));
}

// The transport and the ZIRN format plug-in of the output folder.
void TstVelkorStartup::withTheShippedPlugins()
{
    if (!QFile::exists(KVZ_BIN_DIR "/quallon.so") || !QFile::exists(KVZ_BIN_DIR "/drassel.so"))
        QSKIP("quallon.so and drassel.so are not built");
    VelkorRunner runner;
    QVERIFY2(startWith(runner, {"quallon.so", "drassel.so"}), qPrintable(runner.lastError()));
    QCOMPARE(runner.treeRows("KVZ_FormParamClass/treeWidget"), QList<QStringList>{{"ZIRN"}});
    QCOMPARE(runner.pageCount("stackedWidget_Property"), 2);
    QCOMPARE(runner.currentPage("stackedWidget_Property"), 0);
    const QStringList formats = runner.request("formats").split('\n');
    QCOMPARE(formats.value(0), QStringLiteral("0 1"));
    QVERIFY2(formats.value(1).startsWith("ZIRN/176/111/1/"), qPrintable(formats.value(1)));
    QVERIFY(!runner.request("findone", {"TRANSPORT", "ZOLVENTARI"}).endsWith(" none"));
    QVERIFY2(runner.closeAndWait(), qPrintable(runner.lastError()));
}

QTEST_GUILESS_MAIN(TstVelkorStartup)
#include "tst_velkor_startup.moc"
