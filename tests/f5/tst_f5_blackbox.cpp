// An F-5 terminal end to end: the real velkor, headless, with quallon.so and
// brunda.so, and a scripted terminal on a loopback port that handshakes and
// sends "*>T", "*>A" and a ping; then a guard button and its answer.
#include "f5_test_record.h"
#include "kvz_text.h"
#include "scripted_terminal.h"
#include "terminal_wire.h"
#include "velkor_runner.h"
#include "zirn_test_packets.h"

#include <QTcpServer>
#include <QtTest>

#include <memory>


namespace {
const quint32 kServerId = 1;
const quint32 kDeviceId = 305419896;

F52Test::Values numbered(quint32 n)
{
    return F5Test::fullValues(n);
}

QString textOf(quint32 n)
{
    return F5Test::fullText(n);
}

QByteArray f5Record(const F52Test::Values& v)
{
    return F5Test::recordOf(v);
}

QByteArray dump(const QByteArray& bytes)
{
    QByteArray text;
    for (int i = 0; i < bytes.size(); ++i) {
        if (i > 0 && i % 16 == 0)
            text += "\r\n";
        text += " 0x" + bytes.mid(i, 1).toHex();
    }
    return text + "\r\n";
}

QString header(const QByteArray& unit)
{
    return QStringLiteral("Заголовок:\r\nPre = KVZB; IDobj = 305419896; IDdc = 1; Size = ")
        + QString::number(unit.size() - 16) + QStringLiteral("; Csd = ")
        + QString::number(TerminalWire::xorOf(unit.mid(16))) + QStringLiteral("; Csp = ")
        + QString::number(TerminalWire::xorOf(unit.left(15))) + QStringLiteral(" \r\n");
}

QByteArray entry(const char* title, const QByteArray& unit, const QString& body)
{
    return QByteArray("<T>      ") + title + "\r\n" + dump(unit) + KvzText::toCp1251(header(unit) + body)
        + "\r\n------------------------\r\n";
}

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}
} // namespace

class TstF5Blackbox : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void recordsAreAnswered();
    void logFileHoldsTheEntries();
    void rowShowsTheFormat();
    void selectingTheRowShowsTheRecord();
    void guardButtonReachesTheTerminal();
    void disconnectEndsTheLog();

private:
    std::unique_ptr<VelkorRunner> m_runner;
    std::unique_ptr<ScriptedTerminal> m_terminal;
    QByteArray m_units[4];
};

void TstF5Blackbox::initTestCase()
{
    m_runner.reset(new VelkorRunner);
    QVERIFY(m_runner->addPlugin(QStringLiteral("quallon.so")));
    QVERIFY(m_runner->addPlugin(QStringLiteral("brunda.so")));
    QVERIFY(m_runner->makeTempDir());
    QVERIFY2(m_runner->start(), qPrintable(m_runner->lastError()));

    const quint16 port = freePort();
    const QString portField = QStringLiteral("KVZB_FormServerSettingsClass/spinBox_Port");
    QVERIFY(m_runner->setValue(portField, port));
    QVERIFY(m_runner->press(QStringLiteral("pushButton_StartStop")));
    QVERIFY(m_runner->setChecked(QStringLiteral("checkBox_Tmi"), true));

    m_terminal.reset(new ScriptedTerminal(QByteArray("KVZB"), kServerId, kDeviceId));
    QVERIFY(VelkorRunner::waitFor([&] { return m_terminal->connectTo(port, 500); }, 10000));
}

void TstF5Blackbox::cleanupTestCase()
{
    m_terminal.reset();
    if (m_runner)
        QVERIFY2(m_runner->closeAndWait(), qPrintable(m_runner->lastError()));
}

void TstF5Blackbox::recordsAreAnswered()
{
    TerminalWire::KvzbPacket answer;
    m_units[0] = m_terminal->packet("*>S:F5A");
    m_terminal->send(m_units[0]);
    QVERIFY(m_terminal->takeKvzb(answer));
    QCOMPARE(answer.data, QByteArray("*<S"));

    m_units[1] = m_terminal->packet("*>T" + f5Record(numbered(1000)));
    m_terminal->send(m_units[1]);
    QVERIFY(m_terminal->takeKvzb(answer));
    QCOMPARE(answer.data, QByteArray("*<T") + QByteArray::fromHex("e8030000"));

    m_units[2] = m_terminal->packet("*>A\x02" + f5Record(numbered(2001)) + f5Record(numbered(2002)));
    m_terminal->send(m_units[2]);
    QVERIFY(m_terminal->takeKvzb(answer));
    QCOMPARE(answer.data, QByteArray("*<A\x02"));

    m_units[3] = m_terminal->packet(QByteArray());
    m_terminal->send(m_units[3]);
}

void TstF5Blackbox::logFileHoldsTheEntries()
{
    const QString logName = QStringLiteral("Temp/F5A.log");
    QVERIFY(VelkorRunner::waitFor([&] { return m_runner->readFile(logName).contains("      Ping\r\n"); }));
    const QByteArray expected = entry("Handshake", m_units[0], QStringLiteral("*>S:F5A"))
        + entry("TMI", m_units[1], "*>T 1000\r\n" + textOf(1000))
        + entry("Arr TMI", m_units[2], "*>A 2\r\n" + textOf(2001) + "\r\n" + textOf(2002) + "\r\n")
        + entry("Ping", m_units[3], QStringLiteral("Ping"));
    QCOMPARE(ZirnTest::withoutStamps(m_runner->readFile(logName)), expected);
    QVERIFY(m_runner->text(QStringLiteral("textEdit_Log")).contains(textOf(2002)));
}

void TstF5Blackbox::rowShowsTheFormat()
{
    const QList<QStringList> rows = m_runner->treeRows(QStringLiteral("treeWidget"));
    QCOMPARE(rows.size(), 1);
    QVERIFY2(rows[0].contains(QStringLiteral("F-5")), qPrintable(rows[0].join(QLatin1Char('|'))));
    QVERIFY(rows[0].contains(QStringLiteral("F5A")));
}

void TstF5Blackbox::selectingTheRowShowsTheRecord()
{
    QVERIFY(m_runner->selectRow(QStringLiteral("treeWidget"), 0));
    QCOMPARE(m_runner->currentPageWidgets(QStringLiteral("stackedWidget_Property")),
             QStringList{QStringLiteral("KVZ_FormParam_F5Class")});
    // the object group shows the format, not the terminal
    QCOMPARE(m_runner->text(QStringLiteral("label_Name_Text")), QStringLiteral("5"));
    QCOMPARE(m_runner->text(QStringLiteral("label_FullName_Text")), QStringLiteral("F-5"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Number_Text")), QStringLiteral("2002"));
    QCOMPARE(m_runner->text(QStringLiteral("label_DateTime_Text")), QStringLiteral("23:59:58  31.12.2025"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Work_Text")), QStringLiteral("охрана"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Alarm_Text")), QStringLiteral("тревога"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Width_Text")), QStringLiteral("54.999998 ?"));
    QVERIFY(!m_runner->exists(QStringLiteral("label_Temp1_Value")));
    QCOMPARE(m_runner->text(QStringLiteral("label_IN1_Text")), QStringLiteral("сработал"));
    QCOMPARE(m_runner->text(QStringLiteral("label_GSM_Text")), QStringLiteral("Роуминг"));
    QCOMPARE(m_runner->text(QStringLiteral("label_A2_Text")), QStringLiteral("4.2 В"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Out2_Text")), QStringLiteral("активирован"));
}

void TstF5Blackbox::guardButtonReachesTheTerminal()
{
    // under guard the arm button is hidden, disarm and profile 2 are shown
    QVERIFY(!m_runner->isVisible(QStringLiteral("pushButton_GY")));
    QVERIFY(m_runner->isVisible(QStringLiteral("pushButton_GN")));
    QVERIFY(m_runner->press(QStringLiteral("pushButton_GN")));
    // the transport hands a command over with the terminal's next empty packet
    m_terminal->sendPacket(QByteArray());
    TerminalWire::KvzbPacket command;
    QVERIFY(m_terminal->takeKvzb(command));
    QCOMPARE(command.data, QByteArray("*!GN"));
    QCOMPARE(command.idr, kDeviceId);
    QVERIFY(command.csdOk && command.cspOk);
    QVERIFY(!m_runner->isEnabled(QStringLiteral("pushButton_G2")));
    QVERIFY(!m_runner->isEnabled(QStringLiteral("pushButton_2N")));

    F52Test::Values answer = numbered(3000);
    answer.protection = 0;
    m_terminal->sendPacket("*@C" + f5Record(answer));
    QVERIFY(VelkorRunner::waitFor([&] { return m_runner->isEnabled(QStringLiteral("pushButton_G2")); }));
    QCOMPARE(m_runner->text(QStringLiteral("label_Number_Text")), QStringLiteral("3000"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Work_Text")), QStringLiteral("наблюдение"));
    QVERIFY(m_runner->isVisible(QStringLiteral("pushButton_GY")));
    QVERIFY(!m_runner->isVisible(QStringLiteral("pushButton_GN")));
}

void TstF5Blackbox::disconnectEndsTheLog()
{
    m_terminal->closeGracefully();
    const QString logName = QStringLiteral("Temp/F5A.log");
    QVERIFY(VelkorRunner::waitFor([&] { return m_runner->readFile(logName).endsWith(
        "      Disconnect\r\n\r\n\r\n-------------------\r\n\r\n------------------------\r\n"); }));
    QVERIFY(ZirnTest::withoutStamps(m_runner->readFile(logName)).contains("<T>      Command\r\n"));
}

QTEST_MAIN(TstF5Blackbox)
#include "tst_f5_blackbox.moc"
