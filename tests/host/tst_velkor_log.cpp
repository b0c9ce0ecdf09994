// The log pane of the real velkor, byte for byte: connect and disconnect
// lines, raw dumps (11 bytes a line) and packet dumps (16 a line), the
// decoded text, both check boxes, Clear and the paragraph limit.
#include "host_blackbox.h"

#include <QtTest>

class TstVelkorLog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void rawDump_data();
    void rawDump();
    void rawDumpShowsBytesUnsigned();
    void rawCountIsSixteenBits();
    void nullDataLogsNothing();
    void packetDump_data();
    void packetDump();
    void sentPacketDump();
    void connectAndDisconnectLines();
    void reconnectLogsTheOldRowFirst();
    void terminalNamesAreNotMarkup();
    void checkBoxes_data();
    void checkBoxes();
    void decodedTextWithoutBytesIsEmpty_data();
    void decodedTextWithoutBytesIsEmpty();
    void logTextIsCopiedAsGiven();
    void clearEmptiesThePane();
    void paneKeepsTheLatestParagraphs();

private:
    QString log() { return maskTimes(runner.text("textEdit_Log")); }
    qint64 connectTerminal(int length = 4, bool sameId = false);
    TestPacket recordOnNewTerminal(const QByteArray& data);

    VelkorRunner runner;
    qint64 transport = 0;
};

namespace {
// Test-side dump lines: " 0xNN," per byte, perLine bytes to a line.
QString lines(const QByteArray& bytes, int perLine)
{
    QStringList out;
    QString line;
    for (int i = 0; i < bytes.size(); ++i) {
        if (i > 0 && i % perLine == 0) {
            out << line;
            line.clear();
        }
        line += QString::asprintf(" 0x%02x,", static_cast<unsigned char>(bytes.at(i)));
    }
    out << line;
    return out.join('\n');
}

QByteArray counting(int n)
{
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes += char(i & 0xff);
    return bytes;
}
}

void TstVelkorLog::initTestCase()
{
    QVERIFY(runner.addPlugin("tp_transport.so"));
    QVERIFY(runner.addPlugin("tp_format_a.so"));
    QVERIFY2(runner.start(), qPrintable(runner.lastError()));
    transport = transportHandle(runner);
}

void TstVelkorLog::cleanupTestCase()
{
    QVERIFY2(runner.closeAndWait(), qPrintable(runner.lastError()));
}

// Every case starts with an empty pane, both boxes checked and one line "M".
void TstVelkorLog::init()
{
    QVERIFY(runner.setChecked("checkBox_Packet", true));
    QVERIFY(runner.setChecked("checkBox_Tmi", true));
    QVERIFY(runner.press("toolButton_Clear"));
    QCOMPARE(runner.text("textEdit_Log"), QString(""));
    QCOMPARE(runner.request("log", {"M"}), QStringLiteral("0"));
}

// Every call connects a new terminal id, so rows left by a failed case do
// not meet later ones; sameId reconnects the previous one.
qint64 TstVelkorLog::connectTerminal(int length, bool sameId)
{
    static qint64 id = 1000;
    TestPacket p;
    p.type = 1;
    p.id = sameId ? id : ++id;
    p.module = transport;
    p.data = QByteArray::fromHex("2a3e533a").left(length);
    return sendPacket(runner, 5027, p);
}

// A new terminal, then a cleared pane with the line "M", then one record
// packet of that terminal with the given data; the packet as sent.
TestPacket TstVelkorLog::recordOnNewTerminal(const QByteArray& data)
{
    TestPacket p;
    p.hostObject = connectTerminal();
    p.format = 176;
    p.data = data;
    if (!runner.press("toolButton_Clear") || runner.request("log", {"M"}) != QLatin1String("0")
        || sendPacket(runner, 5029, p) != p.hostObject)
        p.hostObject = -1;
    return p;
}

void TstVelkorLog::rawDump_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("header");
    for (int n : {0, 11, 12, 16, 17, 1024}) {
        QTest::addRow("read %d", n) << 5017 << n << QStringLiteral("кол-во байт: %1").arg(n);
        QTest::addRow("written %d", n) << 5018 << n << QStringLiteral("T отправлено: %1 байт ").arg(n);
    }
}

void TstVelkorLog::rawDump()
{
    QFETCH(int, code);
    QFETCH(int, count);
    QFETCH(QString, header);
    const QByteArray bytes = counting(count);
    QCOMPARE(runner.request("raw", {QString::number(code), bytes.toHex(), QString::number(count)}), QStringLiteral("0"));
    QCOMPARE(log(), "M\n\n" + header + "\n\n" + lines(bytes, 11) + "\n");
}

void TstVelkorLog::rawDumpShowsBytesUnsigned()
{
    QCOMPARE(runner.request("raw", {"5017", "ab80ff007f0a0d", "7"}), QStringLiteral("0"));
    QCOMPARE(log(), QStringLiteral("M\n\nкол-во байт: 7\n\n 0xab, 0x80, 0xff, 0x00, 0x7f, 0x0a, 0x0d,\n"));
    // Twelve bytes: eleven on the first line, the twelfth on the second.
    QVERIFY(runner.press("toolButton_Clear"));
    QCOMPARE(runner.request("raw", {"5017", "000102030405060708090aab", "12"}), QStringLiteral("0"));
    QCOMPARE(log(), QStringLiteral(
        "\nкол-во байт: 12\n\n 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0a,\n 0xab,\n"));
}

void TstVelkorLog::nullDataLogsNothing()
{
    QCOMPARE(runner.request("raw", {"5017", "", "5", "null"}), QStringLiteral("0"));
    QCOMPARE(runner.request("raw", {"5018", "", "5", "null"}), QStringLiteral("0"));
    QCOMPARE(runner.request("route", {"core", "5019"}), QStringLiteral("0"));
    QCOMPARE(log(), QStringLiteral("M"));
}

void TstVelkorLog::rawCountIsSixteenBits()
{
    QCOMPARE(runner.request("raw", {"5018", "414243", QString::number(65536 + 3)}), QStringLiteral("0"));
    QCOMPARE(log(), QStringLiteral("M\n\nT отправлено: 3 байт \n\n 0x41, 0x42, 0x43,\n"));
    QVERIFY(runner.press("toolButton_Clear"));
    QCOMPARE(runner.request("raw", {"5017", "414243", "-1"}), QStringLiteral("0"));
    QCOMPARE(log(), QStringLiteral("\nкол-во байт: 0\n\n\n"));
}

void TstVelkorLog::packetDump_data()
{
    QTest::addColumn<int>("length");
    for (int n : {0, 11, 12, 16, 17, 1024})
        QTest::addRow("%d bytes", n) << n;
}

void TstVelkorLog::packetDump()
{
    QFETCH(int, length);
    QVERIFY(runner.setChecked("checkBox_Packet", false));
    const qint64 row = connectTerminal();
    QVERIFY(runner.setChecked("checkBox_Packet", true));
    QVERIFY(runner.press("toolButton_Clear"));
    QCOMPARE(runner.request("log", {"M"}), QStringLiteral("0"));
    TestPacket p;
    p.hostObject = row;
    p.format = 176;
    p.data = counting(length);
    QCOMPARE(sendPacket(runner, 5029, p), row);
    const QString text = runner.trace("tp_format_a").last().startsWith("Receive 5033") ? QString() : QString("?");
    QCOMPARE(text, QString());
    const int n = runner.trace("tp_format_a").filter(QRegularExpression("^Receive 5033 ")).size();
    QCOMPARE(log(), "M\n\nT принято от устройства IMEI1 : " + QString::number(length) + " байт \n\n"
                        + lines(p.data, 16) + "\n\n"
                        + QStringLiteral("tp_format_a: пакет %1, %2 байт").arg(n).arg(length));
    // Disconnect so that the next case connects anew.
    p.type = 0;
    p.data.clear();
    QCOMPARE(sendPacket(runner, 5028, p), row);
}

void TstVelkorLog::sentPacketDump()
{
    QVERIFY(runner.setChecked("checkBox_Packet", false));
    const qint64 row = connectTerminal();
    QVERIFY(runner.setChecked("checkBox_Packet", true));
    QVERIFY(runner.press("toolButton_Clear"));
    TestPacket p;
    p.type = 0;
    p.hostObject = row;
    p.data = QByteArray::fromHex("2a3c53") + QByteArray(14, '\xab');
    QCOMPARE(sendPacket(runner, 5030, p), row);
    QCOMPARE(log(), QStringLiteral(
        "\nT отправлено устройству IMEI1 : 17 байт \n\n"
        " 0x2a, 0x3c, 0x53, 0xab, 0xab, 0xab, 0xab, 0xab, 0xab, 0xab, 0xab, 0xab, 0xab, 0xab, 0xab, 0xab,\n"
        " 0xab,\n"));
    QCOMPARE(sendPacket(runner, 5028, p), row);
}

void TstVelkorLog::connectAndDisconnectLines()
{
    const qint64 row = connectTerminal();
    QCOMPARE(log(), QStringLiteral("M\nT Подключение устройства IMEI1 \n\nT принято от устройства IMEI1 : 4 байт \n\n"
                                   " 0x2a, 0x3e, 0x53, 0x3a,\n"));
    QVERIFY(runner.html("textEdit_Log").contains("font-weight:600;\">"));
    QVERIFY(runner.press("toolButton_Clear"));
    TestPacket p;
    p.type = 0;
    p.hostObject = row;
    QCOMPARE(sendPacket(runner, 5028, p), row);
    QCOMPARE(log(), QStringLiteral("T Отключение устройства IMEI1 "));
    // No row: no line.
    QCOMPARE(sendPacket(runner, 5028, p), row);
    QCOMPARE(log(), QStringLiteral("T Отключение устройства IMEI1 "));
}

void TstVelkorLog::terminalNamesAreNotMarkup()
{
    TestPacket p;
    p.type = 1;
    p.name = "<i>x</i>&amp;";
    p.id = 4444;
    p.module = transport;
    p.data = "S";
    const qint64 row = sendPacket(runner, 5027, p);
    QVERIFY(row > 0);
    p.type = 0;
    p.hostObject = row;
    QCOMPARE(sendPacket(runner, 5028, p), row);
    QCOMPARE(log(), QStringLiteral("M\nT Подключение устройства <i>x</i>&amp; \n\n"
                                   "T принято от устройства <i>x</i>&amp; : 1 байт \n\n 0x53,\n\n"
                                   "T Отключение устройства <i>x</i>&amp; "));
}

void TstVelkorLog::reconnectLogsTheOldRowFirst()
{
    QVERIFY(runner.setChecked("checkBox_Packet", false));
    connectTerminal();
    const qint64 second = connectTerminal(4, true);
    QCOMPARE(log(), QStringLiteral("M\nT Подключение устройства IMEI1 \nT Отключение устройства IMEI1 \n"
                                   "T Подключение устройства IMEI1 "));
    TestPacket p;
    p.type = 0;
    p.hostObject = second;
    QCOMPARE(sendPacket(runner, 5028, p), second);
}

void TstVelkorLog::checkBoxes_data()
{
    QTest::addColumn<bool>("raw");
    QTest::addColumn<bool>("parse");
    QTest::addColumn<QString>("expected");
    const QString dump = "\n\nT принято от устройства IMEI1 : 2 байт \n\n 0x51, 0x52,\n";
    QTest::newRow("both on") << true << true << "M" + dump + "\ntp_format_a: пакет #, 2 байт";
    QTest::newRow("raw only") << true << false << "M" + dump;
    QTest::newRow("decoded only") << false << true << "M\ntp_format_a: пакет #, 2 байт";
    QTest::newRow("both off") << false << false << "M";
}

void TstVelkorLog::checkBoxes()
{
    QFETCH(bool, raw);
    QFETCH(bool, parse);
    QFETCH(QString, expected);
    QVERIFY(runner.setChecked("checkBox_Packet", raw));
    QVERIFY(runner.setChecked("checkBox_Tmi", parse));
    TestPacket p = recordOnNewTerminal("QR");
    QVERIFY(p.hostObject > 0);
    QString shown = log();
    shown.replace(QRegularExpression("пакет \\d+,"), "пакет #,");
    QCOMPARE(shown, expected);
    // Raw reads and writes are logged whatever the boxes say.
    QVERIFY(runner.press("toolButton_Clear"));
    QCOMPARE(runner.request("raw", {"5017", "51", "1"}), QStringLiteral("0"));
    QCOMPARE(log(), QStringLiteral("\nкол-во байт: 1\n\n 0x51,\n"));
    p.type = 0;
    QCOMPARE(sendPacket(runner, 5028, p), p.hostObject);
}

// A format plug-in that answers a null text, or a negative length, gives an
// empty paragraph and nothing read from its pointer.
void TstVelkorLog::decodedTextWithoutBytesIsEmpty_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("null text") << QByteArray("null text");
    QTest::newRow("negative length") << QByteArray("bad length");
}

void TstVelkorLog::decodedTextWithoutBytesIsEmpty()
{
    QFETCH(QByteArray, data);
    QVERIFY(runner.setChecked("checkBox_Packet", false));
    TestPacket p = recordOnNewTerminal(data);
    const qint64 row = p.hostObject;
    QVERIFY(row > 0);
    QVERIFY(runner.trace("tp_format_a").last().startsWith("Receive 5033 "));
    QCOMPARE(log(), QStringLiteral("M\n"));
    p.data = "ok";
    QCOMPARE(sendPacket(runner, 5029, p), row);
    QVERIFY2(log().startsWith(QStringLiteral("M\n\ntp_format_a: пакет ")), qPrintable(log()));
    p.type = 0;
    p.data.clear();
    QCOMPARE(sendPacket(runner, 5028, p), row);
}

void TstVelkorLog::logTextIsCopiedAsGiven()
{
    QCOMPARE(runner.request("log", {"Ошибка CSp KVZB принято: 1 вычислено: 2"}), QStringLiteral("0"));
    QCOMPARE(runner.request("log", {"<b>жирный</b>"}), QStringLiteral("0"));
    QCOMPARE(runner.request("log", {""}), QStringLiteral("0"));
    QCOMPARE(log(), QStringLiteral("M\nОшибка CSp KVZB принято: 1 вычислено: 2\nжирный\n"));
    QVERIFY(runner.html("textEdit_Log").contains("font-weight:600;\">жирный</span>"));
}

void TstVelkorLog::clearEmptiesThePane()
{
    QVERIFY(runner.press("toolButton_Clear"));
    QCOMPARE(runner.text("textEdit_Log"), QString(""));
    QCOMPARE(runner.request("log", {"после"}), QStringLiteral("0"));
    QCOMPARE(runner.text("textEdit_Log"), QStringLiteral("после"));
    QCOMPARE(runner.text("toolButton_Clear"), QStringLiteral("Очистить"));
    QCOMPARE(runner.toolTip("toolButton_Clear"), QStringLiteral("Очистить окно логов"));
    QCOMPARE(runner.text("checkBox_Packet"), QStringLiteral("Отображать исходные пакеты"));
    QCOMPARE(runner.text("checkBox_Tmi"), QStringLiteral("Разбирать пакеты"));
}

void TstVelkorLog::paneKeepsTheLatestParagraphs()
{
    QCOMPARE(runner.request("log", {"line %1", "100005"}), QStringLiteral("0"));
    const QStringList shown = runner.text("textEdit_Log").split('\n');
    QCOMPARE(shown.size(), 100000);
    QCOMPARE(shown.first(), QStringLiteral("line 5"));
    QCOMPARE(shown.last(), QStringLiteral("line 100004"));
    QVERIFY(runner.press("toolButton_Clear"));
    QCOMPARE(runner.text("textEdit_Log"), QString(""));
}

QTEST_GUILESS_MAIN(TstVelkorLog)
#include "tst_velkor_log.moc"
