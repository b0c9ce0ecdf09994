// The host callback and the module registry seen from a plug-in: routing
// answers, counts, wildcard rules, capacity limits, null arguments, and the
// sends to a registered module's owner (5034, 5038).
#include "host_blackbox.h"

#include <QtTest>

class TstVelkorRouting : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void answers_data();
    void answers();
    void nullDataRegistersNothing();
    void sendToDeviceGoesToTheOwnerOfTheModule_data();
    void sendToDeviceGoesToTheOwnerOfTheModule();
    void entryOfALoadedOwnerReachesItWithTheEntrysHandle();

private:
    VelkorRunner runner;
    qint64 transport = 0;
};

void TstVelkorRouting::initTestCase()
{
    QVERIFY(runner.addPlugin("tp_transport.so"));
    QVERIFY(runner.addPlugin("tp_reject.so"));
    QVERIFY2(runner.start(), qPrintable(runner.lastError()));
    // Registered so far: tp_reject's entry (from its Initialize; its library
    // was refused) and tp_transport's (during 5001), both TRANSPORT/ZOLVENTARI.
    const QList<QStringList> entries = {
        {"TRANSPORT", "", "empty-maker", "self", "11"},
        {"TRANSPORT", "ACME", "acme", "self", "12"},
        {"", "ACME", "noclass", "null", "13"},
        {"LOGGER", "ACME", "logger", "bogus", "14"},
        {"TRANSPORT", "ACME", "acme2", "self", "15"},
        {"TRANSPORT", "ACME", "acme-again", "self", "12"},
    };
    for (const QStringList& entry : entries)
        QCOMPARE(runner.request("register", entry), QStringLiteral("0"));
    transport = transportHandle(runner);
    QVERIFY(transport != 0);
}

void TstVelkorRouting::cleanupTestCase()
{
    QVERIFY2(runner.closeAndWait(), qPrintable(runner.lastError()));
}

void TstVelkorRouting::answers_data()
{
    QTest::addColumn<QStringList>("find");      // a findone before the command (sets "found")
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected");
    const QStringList none;

    // Routing answers of the callback.
    QTest::newRow("null target") << none << "route" << QStringList{"null", "5001"} << "-1";
    QTest::newRow("core, code below the range") << none << "route" << QStringList{"core", "4999"} << "0";
    QTest::newRow("core, code without meaning") << none << "route" << QStringList{"core", "5006"} << "0";
    QTest::newRow("core, code above the range") << none << "route" << QStringList{"core", "6000"} << "0";
    QTest::newRow("core, 5004 without data") << none << "route" << QStringList{"core", "5004"} << "0";
    QTest::newRow("entry the registry never saw, loaded owner") << none << "route" << QStringList{"stray", "5001", "self"} << "-2";
    QTest::newRow("entry the registry never saw, no owner") << none << "route" << QStringList{"stray", "5001", "null"} << "-2";
    QTest::newRow("entry with null owner") << QStringList{"", "ACME"} << "route" << QStringList{"found", "5001"} << "-2";
    QTest::newRow("entry whose owner is no record") << QStringList{"LOGGER", "ACME"} << "route" << QStringList{"found", "5001"} << "-2";
    QTest::newRow("entry whose owner was refused") << QStringList{"TRANSPORT", "ZOLVENTARI"} << "route" << QStringList{"found", "5001"} << "-2";
    QTest::newRow("entry of a loaded owner") << QStringList{"TRANSPORT", "ACME"} << "route" << QStringList{"found", "5011"} << "0";

    // 5003: wildcard maker, exact class.
    QTest::newRow("count class, any maker") << none << "count" << QStringList{"TRANSPORT", ""} << "0 6";
    QTest::newRow("count class and maker") << none << "count" << QStringList{"TRANSPORT", "ZOLVENTARI"} << "0 2";
    QTest::newRow("count the same entry twice") << none << "count" << QStringList{"TRANSPORT", "ACME"} << "0 3";
    QTest::newRow("count another maker") << none << "count" << QStringList{"TRANSPORT", "OTHER"} << "0 0";
    QTest::newRow("count empty class") << none << "count" << QStringList{"", ""} << "0 1";
    QTest::newRow("count class case matters") << none << "count" << QStringList{"transport", ""} << "0 0";
    QTest::newRow("count null out") << none << "count" << QStringList{"TRANSPORT", "", "null"} << "0 -7";

    // 5004: registration order, capacity limits, null results.
    QTest::newRow("find all") << none << "findall" << QStringList{"TRANSPORT", "ACME", "8"} << "3 12,15,12";
    QTest::newRow("find all, capacity 2") << none << "findall" << QStringList{"TRANSPORT", "ACME", "2"} << "2 12,15";
    QTest::newRow("find all, capacity 1") << none << "findall" << QStringList{"TRANSPORT", "ACME", "1"} << "1 12";
    QTest::newRow("find all, capacity 0") << none << "findall" << QStringList{"TRANSPORT", "ACME", "0"} << "0 ";
    QTest::newRow("find all, capacity -3") << none << "findall" << QStringList{"TRANSPORT", "ACME", "-3"} << "0 ";
    QTest::newRow("find all, null results") << none << "findall" << QStringList{"TRANSPORT", "ACME", "4", "null"} << "0 ";
    QTest::newRow("find all, any maker, empty class") << none << "findall" << QStringList{"", "", "8"} << "1 13";
    QTest::newRow("find all, no match") << none << "findall" << QStringList{"NOTHING", "", "8"} << "0 ";

    // 5005: exact match, empty maker no wildcard, null out.
    QTest::newRow("find one") << none << "findone" << QStringList{"TRANSPORT", "ACME"} << "0 12 acme";
    QTest::newRow("find one, empty maker is exact") << none << "findone" << QStringList{"TRANSPORT", ""} << "0 11 empty-maker";
    QTest::newRow("find one, no match writes null") << none << "findone" << QStringList{"TRANSPORT", "OTHER"} << "0 none";
    QTest::newRow("find one, null out") << none << "findone" << QStringList{"TRANSPORT", "ACME", "null"} << "0 untouched";
}

void TstVelkorRouting::answers()
{
    QFETCH(QStringList, find);
    QFETCH(QString, command);
    QFETCH(QStringList, args);
    QFETCH(QString, expected);
    if (!find.isEmpty())
        QVERIFY(!runner.request("findone", find).endsWith(" none"));
    QCOMPARE(runner.request(command, args), expected);
}

void TstVelkorRouting::nullDataRegistersNothing()
{
    const QString before = runner.request("count", {"TRANSPORT", ""});
    QCOMPARE(runner.request("route", {"core", "5002"}), QStringLiteral("0"));
    QCOMPARE(runner.request("route", {"core", "5003"}), QStringLiteral("0"));
    QCOMPARE(runner.request("route", {"core", "5005"}), QStringLiteral("0"));
    QCOMPARE(runner.request("count", {"TRANSPORT", ""}), before);
}

void TstVelkorRouting::sendToDeviceGoesToTheOwnerOfTheModule_data()
{
    QTest::addColumn<QString>("module");
    QTest::addColumn<bool>("toTransport");
    QTest::addColumn<QString>("toDriver");
    QTest::newRow("transport's handle") << "transport" << true << "";
    QTest::newRow("entry owned by the driver") << "12" << false << "5038 self";
    QTest::newRow("handle of no entry") << "777" << false << "";
    QTest::newRow("entry with null owner") << "13" << false << "";
    QTest::newRow("entry whose owner is no record") << "14" << false << "";
    QTest::newRow("null module") << "0" << false << "";
}

void TstVelkorRouting::sendToDeviceGoesToTheOwnerOfTheModule()
{
    QFETCH(QString, module);
    QFETCH(bool, toTransport);
    QFETCH(QString, toDriver);
    const int transportBefore = runner.trace("tp_transport").size();
    const QStringList driverBefore = runner.request("received").split('\n');
    TestPacket p;
    p.type = 0;
    p.module = module == "transport" ? transport : module.toLongLong();
    p.connection = 42;
    p.hostObject = 3;
    p.data = "*!1Y";
    QCOMPARE(sendPacket(runner, 5038, p), qint64(3));
    const QStringList transportAfter = runner.trace("tp_transport").mid(transportBefore);
    if (toTransport) {
        QCOMPARE(transportAfter, QStringList{QStringLiteral(
            "Receive 5038 type=0 format=0 name=IMEI1 id=1001 length=4 host=3 conn=42 module=%1 state=1 data=2a213159")
            .arg(transport)});
    } else {
        QCOMPARE(transportAfter, QStringList());
    }
    const QStringList driverAfter = runner.request("received").split('\n').mid(driverBefore.size());
    QCOMPARE(driverAfter.join('\n'), toDriver);
}

void TstVelkorRouting::entryOfALoadedOwnerReachesItWithTheEntrysHandle()
{
    QCOMPARE(runner.request("findone", {"TRANSPORT", "ACME"}), QStringLiteral("0 12 acme"));
    QCOMPARE(runner.request("route", {"found", "5012"}), QStringLiteral("0"));
    QCOMPARE(runner.request("received").split('\n').last(), QStringLiteral("5012 12"));
}

QTEST_GUILESS_MAIN(TstVelkorRouting)
#include "tst_velkor_routing.moc"
