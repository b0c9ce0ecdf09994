// Device rows of the real velkor: connect, packets, sent packets,
// disconnect, reconnect with the same and another id, late disconnects,
// sessions in the format plug-ins, selection and the page shown.
#include "host_blackbox.h"

#include <QtTest>

class TstVelkorDevices : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void connectAddsARow();
    void packetsOpenTheSessionAndCount();
    void sessionOpensWithTheFirstMatchingFormat();
    void unknownFormatShowsNoFormat();
    void sentPacketsCount();
    void lengthIsTakenWithinTheRecord_data();
    void lengthIsTakenWithinTheRecord();
    void packetsOfUnknownRowsAreIgnored();
    void disconnectClosesTheSessionAndRemovesTheRow();
    void disconnectWithoutHostObjectMatchesNameAndId();
    void disconnectOfAnUnknownTerminalDoesNothing();
    void reconnectReplacesTheOldRow();
    void reconnectOnTheSameConnectionSendsNoClose();
    void handshakeUnderAnotherNameEndsTheConnectionsRow();
    void sameNameOtherIdGivesTwoRows();
    void lateDisconnectOfAReplacedConnection();
    void disconnectReportedWhileTheOldConnectionIsClosed();
    void disconnectArrivingWhileAPacketIsHandled();
    void selectionShowsTheSessionAndItsPage();
    void selectionOfAnUnknownFormatShowsTheList();
    void removingTheSelectedRowShowsTheList();

private:
    QStringList traceSince(const QString& id, int from) { return runner->trace(id).mid(from); }
    qint64 connectTerminal(const QString& name, qint64 id, qint64 connection, int length = 20);
    QStringList rowOf(const QString& name, qint64 id);
    static TestPacket packetFor(qint64 row, int format, const QByteArray& data);

    VelkorRunner* runner = nullptr;
    qint64 transport = 0;
};

void TstVelkorDevices::init()
{
    runner = new VelkorRunner;
    QVERIFY(runner->addPlugin("tp_transport.so"));
    QVERIFY(runner->addPlugin("tp_format_a.so"));
    QVERIFY(runner->addPlugin("tp_format_b.so"));
    QVERIFY2(runner->start(), qPrintable(runner->lastError()));
    transport = transportHandle(*runner);
    QVERIFY(transport != 0);
}

void TstVelkorDevices::cleanup()
{
    if (!QTest::currentTestFailed())
        QVERIFY2(runner->closeAndWait(), qPrintable(runner->lastError()));
    delete runner;
    runner = nullptr;
}

qint64 TstVelkorDevices::connectTerminal(const QString& name, qint64 id, qint64 connection, int length)
{
    TestPacket p;
    p.type = 1;
    p.name = name;
    p.id = id;
    p.connection = connection;
    p.module = transport;
    p.data = QByteArray(length, '\x53');
    return sendPacket(*runner, 5027, p);
}

// A record packet of the row's connection.
TestPacket TstVelkorDevices::packetFor(qint64 row, int format, const QByteArray& data)
{
    TestPacket p;
    p.hostObject = row;
    p.format = format;
    p.data = data;
    return p;
}

QStringList TstVelkorDevices::rowOf(const QString& name, qint64 id)
{
    for (const QStringList& row : runner->treeRows("treeWidget")) {
        if (row.value(1) == name && row.value(0) == QString::number(id))
            return row;
    }
    return QStringList();
}

void TstVelkorDevices::connectAddsARow()
{
    QCOMPARE(connectTerminal("IMEI1", 1001, 501, 23), qint64(1));
    const QStringList row = rowOf("IMEI1", 1001);
    QCOMPARE(row.size(), 7);
    QCOMPARE(row.mid(0, 5), (QStringList{"1001", "IMEI1", "", "23", "0"}));
    QVERIFY2(isTimeStamp(row.at(5)), qPrintable(row.at(5)));
    QCOMPARE(row.at(6), QStringLiteral("Подключение"));
    // A terminal id of 2^31 or more shows as signed decimal; the next row gets the next serial.
    QCOMPARE(connectTerminal("IMEI2", 4294967295LL, 502), qint64(2));
    QCOMPARE(rowOf("IMEI2", -1).mid(0, 2), (QStringList{"-1", "IMEI2"}));
    // Nothing reached a format plug-in yet.
    QVERIFY(!runner->trace("tp_format_a").join('\n').contains("Receive 503"));
}

void TstVelkorDevices::packetsOpenTheSessionAndCount()
{
    const qint64 row = connectTerminal("IMEI1", 1001, 501);
    const int from = runner->trace("tp_format_a").size();
    TestPacket p;
    p.hostObject = row;
    p.module = transport;
    p.format = 176;
    p.data = QByteArray::fromHex("0102030405");
    QCOMPARE(sendPacket(*runner, 5029, p), row);
    const QString handshake = QStringLiteral("type=1 format=0 name=IMEI1 id=1001 length=20 host=1 conn=501 module=%1 state=1 data=%2")
                                  .arg(transport).arg(QString(20, 'S').toLatin1().toHex().constData());
    const QString record = QStringLiteral("type=2 format=176 name=IMEI1 id=1001 length=5 host=1 conn=501 module=%1 state=1 data=0102030405")
                               .arg(transport);
    QCOMPARE(traceSince("tp_format_a", from), (QStringList{
        "Receive 5031 out=1 " + handshake, "Receive 5033 selected=0 " + record}));
    QStringList shown = rowOf("IMEI1", 1001);
    QCOMPARE(shown.mid(0, 5), (QStringList{"1001", "IMEI1", "Формат tp_format_a", "25", "0"}));
    QCOMPARE(shown.at(6), QStringLiteral("Данные"));

    // A ping counts, changes the time and the kind, and leaves the format.
    p.type = 4;
    p.format = 52;
    p.data = QByteArray(16, '\0');
    QCOMPARE(sendPacket(*runner, 5029, p), row);
    shown = rowOf("IMEI1", 1001);
    QCOMPARE(shown.mid(2, 2), (QStringList{"Формат tp_format_a", "41"}));
    QCOMPARE(shown.at(6), QStringLiteral("Пинг"));
    // The session stays with the first format; a later number changes column 2 only.
    p.type = 12;
    p.data = "xy";
    QCOMPARE(sendPacket(*runner, 5029, p), row);
    shown = rowOf("IMEI1", 1001);
    QCOMPARE(shown.mid(2, 2), (QStringList{"Формат tp_format_b", "43"}));
    QCOMPARE(shown.at(6), QStringLiteral("Тек. состояние"));
    const QStringList after = traceSince("tp_format_a", from);
    QCOMPARE(after.size(), 4);
    QVERIFY(after.at(3).startsWith("Receive 5033 selected=0 type=12 format=52 "));
    QVERIFY(!runner->trace("tp_format_b").join('\n').contains("Receive 503"));
}

void TstVelkorDevices::sessionOpensWithTheFirstMatchingFormat()
{
    const qint64 row = connectTerminal("IMEI1", 1001, 501);
    TestPacket p = packetFor(row, 0, "aa");
    QCOMPARE(sendPacket(*runner, 5029, p), row);
    QVERIFY(!runner->trace("tp_format_b").join('\n').contains("Receive 503"));
    p.format = 52;
    p.data = "bb";
    QCOMPARE(sendPacket(*runner, 5029, p), row);
    const QStringList t = runner->trace("tp_format_b");
    QCOMPARE(t.size() >= 2, true);
    QVERIFY(t.at(t.size() - 2).startsWith("Receive 5031 out=1 type=1 format=0 name=IMEI1 id=1001 length=20 host=1 "));
    QVERIFY(t.at(t.size() - 1).startsWith("Receive 5033 selected=0 type=2 format=52 name=IMEI1 "));
    QVERIFY(t.at(t.size() - 1).endsWith("data=6262"));
}

void TstVelkorDevices::unknownFormatShowsNoFormat()
{
    const qint64 row = connectTerminal("IMEI1", 1001, 501);
    TestPacket p = packetFor(row, 99, "abc");
    QCOMPARE(sendPacket(*runner, 5029, p), row);
    QCOMPARE(rowOf("IMEI1", 1001).mid(2, 2), (QStringList{"", "23"}));
    // No session, so no decoded text in the log.
    QVERIFY(!runner->text("textEdit_Log").contains("пакет"));
}

void TstVelkorDevices::sentPacketsCount()
{
    const qint64 row = connectTerminal("IMEI1", 1001, 501);
    TestPacket p;
    p.type = 0;
    p.hostObject = row;
    p.data = "*<S";
    QCOMPARE(sendPacket(*runner, 5030, p), row);
    p.data = "*<T0123";
    QCOMPARE(sendPacket(*runner, 5030, p), row);
    QCOMPARE(rowOf("IMEI1", 1001).mid(3, 2), (QStringList{"20", "10"}));
    QCOMPARE(rowOf("IMEI1", 1001).at(6), QStringLiteral("Подключение"));
}

void TstVelkorDevices::lengthIsTakenWithinTheRecord_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("received");
    QTest::newRow("negative") << -5 << "20";
    QTest::newRow("1024") << 1024 << "1044";
    QTest::newRow("above 1024") << 5000 << "1044";
}

void TstVelkorDevices::lengthIsTakenWithinTheRecord()
{
    QFETCH(int, length);
    QFETCH(QString, received);
    const qint64 row = connectTerminal("IMEI1", 1001, 501);
    TestPacket p;
    p.hostObject = row;
    p.format = 176;
    p.length = length;
    p.data = QByteArray(1024, '\x11');
    QCOMPARE(sendPacket(*runner, 5029, p), row);
    QCOMPARE(rowOf("IMEI1", 1001).at(3), received);
    QVERIFY(runner->isVisible("KVZ_MainWindowClass"));
}

void TstVelkorDevices::packetsOfUnknownRowsAreIgnored()
{
    const qint64 row = connectTerminal("IMEI1", 1001, 501);
    const QStringList before = runner->traceAll();
    const QString logBefore = runner->text("textEdit_Log");
    TestPacket p;
    p.format = 176;
    p.data = "zz";
    for (qint64 host : {qint64(0), row + 1, qint64(123456)}) {
        p.hostObject = host;
        QCOMPARE(sendPacket(*runner, 5029, p), host);
        QCOMPARE(sendPacket(*runner, 5030, p), host);
    }
    QCOMPARE(runner->traceAll(), before);
    QCOMPARE(runner->text("textEdit_Log"), logBefore);
    QCOMPARE(rowOf("IMEI1", 1001).mid(3, 2), (QStringList{"20", "0"}));
}

void TstVelkorDevices::disconnectClosesTheSessionAndRemovesTheRow()
{
    const qint64 row = connectTerminal("IMEI1", 1001, 501);
    connectTerminal("IMEI2", 1002, 502);
    TestPacket p = packetFor(row, 176, "r");
    QCOMPARE(sendPacket(*runner, 5029, p), row);
    const int from = runner->trace("tp_format_a").size();
    const int transportFrom = runner->trace("tp_transport").size();
    p.type = 0;
    p.format = 0;
    p.length = 0;
    QCOMPARE(sendPacket(*runner, 5028, p), row);
    QCOMPARE(traceSince("tp_format_a", from), QStringList{"Receive 5032 out=1 name=IMEI1"});
    QCOMPARE(traceSince("tp_transport", transportFrom), QStringList());
    QCOMPARE(rowOf("IMEI1", 1001), QStringList());
    QCOMPARE(runner->treeRows("treeWidget").size(), 1);
    // Its packets are ignored from now on.
    p.type = 2;
    p.length = TestPacket::kDataSize;
    QCOMPARE(sendPacket(*runner, 5029, p), row);
    QCOMPARE(traceSince("tp_format_a", from).size(), 1);
}

void TstVelkorDevices::disconnectWithoutHostObjectMatchesNameAndId()
{
    connectTerminal("IMEI1", 1001, 501);
    connectTerminal("IMEI1", 1002, 502);
    TestPacket p;
    p.type = 0;
    p.id = 1002;
    p.hostObject = 0;
    QCOMPARE(sendPacket(*runner, 5028, p), qint64(0));
    QCOMPARE(runner->treeRows("treeWidget").size(), 1);
    QCOMPARE(rowOf("IMEI1", 1001).size(), 7);
}

void TstVelkorDevices::disconnectOfAnUnknownTerminalDoesNothing()
{
    connectTerminal("IMEI1", 1001, 501);
    const QString logBefore = runner->text("textEdit_Log");
    TestPacket p;
    p.type = 0;
    p.name = "IMEI9";
    QCOMPARE(sendPacket(*runner, 5028, p), qint64(0));
    p.name = "IMEI1";
    p.hostObject = 77;
    QCOMPARE(sendPacket(*runner, 5028, p), qint64(77));
    QCOMPARE(runner->treeRows("treeWidget").size(), 1);
    QCOMPARE(runner->text("textEdit_Log"), logBefore);
}

void TstVelkorDevices::reconnectReplacesTheOldRow()
{
    const qint64 first = connectTerminal("IMEI1", 1001, 501);
    TestPacket p = packetFor(first, 176, "r");
    QCOMPARE(sendPacket(*runner, 5029, p), first);
    const int from = runner->trace("tp_format_a").size();
    const int transportFrom = runner->trace("tp_transport").size();
    const qint64 second = connectTerminal("IMEI1", 1001, 601);
    QCOMPARE(second, qint64(2));
    // The old connection is closed through the transport, then its session.
    QCOMPARE(traceSince("tp_transport", transportFrom), QStringList{"Receive 5034 conn=501"});
    QCOMPARE(traceSince("tp_format_a", from), QStringList{"Receive 5032 out=1 name=IMEI1"});
    QCOMPARE(runner->treeRows("treeWidget").size(), 1);
    QCOMPARE(rowOf("IMEI1", 1001).at(2), QString());
    // The new row opens its own session with its own handshake.
    p.hostObject = second;
    QCOMPARE(sendPacket(*runner, 5029, p), second);
    const QStringList t = traceSince("tp_format_a", from);
    QCOMPARE(t.size(), 3);
    QVERIFY(t.at(1).startsWith("Receive 5031 out=1 type=1 format=0 name=IMEI1 id=1001 length=20 host=2 conn=601 "));
}

void TstVelkorDevices::reconnectOnTheSameConnectionSendsNoClose()
{
    connectTerminal("IMEI1", 1001, 501);
    const int transportFrom = runner->trace("tp_transport").size();
    QCOMPARE(connectTerminal("IMEI1", 1001, 501), qint64(2));
    QCOMPARE(traceSince("tp_transport", transportFrom), QStringList());
    QCOMPARE(runner->treeRows("treeWidget").size(), 1);
}

// A connection has one row, whatever names it gives: its second handshake
// ends the first row and its session, and its disconnect leaves no row.
void TstVelkorDevices::handshakeUnderAnotherNameEndsTheConnectionsRow()
{
    const qint64 first = connectTerminal("IMEI1", 1001, 501);
    QCOMPARE(sendPacket(*runner, 5029, packetFor(first, 176, "r")), first);
    const int from = runner->trace("tp_format_a").size();
    const int transportFrom = runner->trace("tp_transport").size();
    const qint64 second = connectTerminal("IMEI2", 1002, 501);
    QCOMPARE(second, qint64(2));
    QCOMPARE(traceSince("tp_transport", transportFrom), QStringList());
    QCOMPARE(traceSince("tp_format_a", from), QStringList{"Receive 5032 out=1 name=IMEI1"});
    QCOMPARE(runner->treeRows("treeWidget").size(), 1);
    QCOMPARE(rowOf("IMEI2", 1002).size(), 7);
    QVERIFY(runner->text("textEdit_Log").contains("IMEI1"));

    TestPacket p;
    p.hostObject = second;
    p.name = "IMEI2";
    p.id = 1002;
    p.connection = 501;
    p.module = transport;
    sendPacket(*runner, 5028, p);
    QCOMPARE(runner->treeRows("treeWidget").size(), 0);
    // Another connection of the first name is a new terminal: nothing is closed.
    connectTerminal("IMEI1", 1001, 601);
    QCOMPARE(traceSince("tp_transport", transportFrom), QStringList());
    QCOMPARE(runner->treeRows("treeWidget").size(), 1);
}

void TstVelkorDevices::sameNameOtherIdGivesTwoRows()
{
    connectTerminal("IMEI1", 1001, 501);
    const int transportFrom = runner->trace("tp_transport").size();
    connectTerminal("IMEI1", 2002, 502);
    QCOMPARE(traceSince("tp_transport", transportFrom), QStringList());
    QCOMPARE(runner->treeRows("treeWidget").size(), 2);
    QCOMPARE(rowOf("IMEI1", 1001).size(), 7);
    QCOMPARE(rowOf("IMEI1", 2002).size(), 7);
}

void TstVelkorDevices::lateDisconnectOfAReplacedConnection()
{
    const qint64 old = connectTerminal("IMEI1", 1001, 501);
    const qint64 current = connectTerminal("IMEI1", 1001, 601);
    TestPacket p;
    p.format = 176;
    p.hostObject = current;
    p.connection = 601;
    p.data = "new";
    QCOMPARE(sendPacket(*runner, 5029, p), current);
    const int from = runner->trace("tp_format_a").size();
    const QString logBefore = runner->text("textEdit_Log");
    // The old connection's late packet and disconnect name the old row.
    p.hostObject = old;
    p.connection = 501;
    QCOMPARE(sendPacket(*runner, 5029, p), old);
    p.type = 0;
    p.length = 0;
    QCOMPARE(sendPacket(*runner, 5028, p), old);
    QCOMPARE(traceSince("tp_format_a", from), QStringList());
    QCOMPARE(runner->text("textEdit_Log"), logBefore);
    QCOMPARE(rowOf("IMEI1", 1001).at(3), QStringLiteral("23"));
    // The current connection's disconnect removes it.
    p.hostObject = current;
    p.connection = 601;
    QCOMPARE(sendPacket(*runner, 5028, p), current);
    QCOMPARE(runner->treeRows("treeWidget"), QList<QStringList>());
}

// A transport that reports the disconnect of the connection it is told to
// end, from inside 5034: the old row is already on its way out and is
// neither logged nor closed twice.
void TstVelkorDevices::disconnectReportedWhileTheOldConnectionIsClosed()
{
    QCOMPARE(runner->request("register", {"TRANSPORT", "ACME", "driver", "self", "12"}), QStringLiteral("0"));
    TestPacket p;
    p.type = 1;
    p.module = 12;
    p.connection = 501;
    p.data = "S";
    const qint64 old = sendPacket(*runner, 5027, p);
    QVERIFY(old > 0);
    TestPacket record = packetFor(old, 176, "r");
    QCOMPARE(sendPacket(*runner, 5029, record), old);
    const int from = runner->trace("tp_format_a").size();
    QCOMPARE(runner->request("onreceive", {"5034", "5028", "0", "0", "IMEI1", "1001", QString::number(old),
                                           "501", "12", "0", ""}), QStringLiteral("0"));
    QVERIFY(runner->press("toolButton_Clear"));
    p.connection = 601;
    const qint64 current = sendPacket(*runner, 5027, p);
    QCOMPARE(current, old + 1);
    QCOMPARE(runner->request("received").split('\n').last(), QStringLiteral("5034 self"));
    QCOMPARE(traceSince("tp_format_a", from), QStringList{"Receive 5032 out=1 name=IMEI1"});
    QCOMPARE(maskTimes(runner->text("textEdit_Log")),
             QStringLiteral("T Отключение устройства IMEI1 \nT Подключение устройства IMEI1 \n\n"
                            "T принято от устройства IMEI1 : 1 байт \n\n 0x53,\n"));
    QCOMPARE(runner->treeRows("treeWidget").size(), 1);
    record.hostObject = current;
    QCOMPARE(sendPacket(*runner, 5029, record), current);
    QVERIFY(runner->trace("tp_format_a").value(from + 1).startsWith("Receive 5031 out=1 type=1 format=0 name=IMEI1 id=1001 length=1 host=2 conn=601 "));
}

// A disconnect that arrives while the format plug-in handles the row's
// packet (in an event loop of its own, say): the row goes at once, and
// nothing of it is touched afterwards.
void TstVelkorDevices::disconnectArrivingWhileAPacketIsHandled()
{
    const qint64 row = connectTerminal("IMEI1", 1001, 501);
    const int from = runner->trace("tp_format_a").size();
    TestPacket p = packetFor(row, 176, "disconnect");
    QCOMPARE(sendPacket(*runner, 5029, p), row);
    const QStringList t = traceSince("tp_format_a", from);
    QCOMPARE(t.size(), 4);
    QVERIFY(t.at(0).startsWith("Receive 5031 out=1 "));
    QCOMPARE(t.at(1), QStringLiteral("Receive 5032 out=1 name=IMEI1"));
    QCOMPARE(t.at(2), QStringLiteral("Callback 5028 -> 0"));
    QVERIFY(t.at(3).startsWith("Receive 5033 selected=0 type=2 "));
    QCOMPARE(runner->treeRows("treeWidget"), QList<QStringList>());
    QCOMPARE(connectTerminal("IMEI1", 1001, 601), row + 1);
    QCOMPARE(runner->treeRows("treeWidget").size(), 1);
}

void TstVelkorDevices::selectionShowsTheSessionAndItsPage()
{
    const qint64 row = connectTerminal("IMEI1", 1001, 501);
    TestPacket p = packetFor(row, 52, "q");
    QCOMPARE(sendPacket(*runner, 5029, p), row);
    const int from = runner->trace("tp_format_b").size();
    QVERIFY(runner->selectRow("treeWidget", 0));
    QCOMPARE(traceSince("tp_format_b", from), QStringList{"Receive 5036 out=0 name=IMEI1"});
    QCOMPARE(runner->currentPageWidgets("stackedWidget_Property"), QStringList{"page_tp_format_b"});
    // The selected row's packets say so.
    QCOMPARE(sendPacket(*runner, 5029, p), row);
    QVERIFY(traceSince("tp_format_b", from).last().startsWith("Receive 5033 selected=1 "));
    // No current row: the list.
    QVERIFY(runner->selectRow("treeWidget", -1));
    QCOMPARE(runner->currentPage("stackedWidget_Property"), 0);
}

void TstVelkorDevices::selectionOfAnUnknownFormatShowsTheList()
{
    const qint64 row = connectTerminal("IMEI1", 1001, 501);
    const int from = runner->trace("tp_format_a").size();
    TestPacket p = packetFor(row, 99, "q");
    QCOMPARE(sendPacket(*runner, 5029, p), row);
    QVERIFY(runner->selectRow("treeWidget", 0));
    QCOMPARE(runner->currentPage("stackedWidget_Property"), 0);
    QCOMPARE(traceSince("tp_format_a", from), QStringList());
}

void TstVelkorDevices::removingTheSelectedRowShowsTheList()
{
    const qint64 row = connectTerminal("IMEI1", 1001, 501);
    TestPacket p = packetFor(row, 176, "q");
    QCOMPARE(sendPacket(*runner, 5029, p), row);
    QVERIFY(runner->selectRow("treeWidget", 0));
    QCOMPARE(runner->currentPageWidgets("stackedWidget_Property"), QStringList{"page_tp_format_a"});
    p.type = 0;
    QCOMPARE(sendPacket(*runner, 5028, p), row);
    QCOMPARE(runner->currentPage("stackedWidget_Property"), 0);
}

QTEST_GUILESS_MAIN(TstVelkorDevices)
#include "tst_velkor_devices.moc"
