// An F-4 terminal end to end: the real velkor, headless, with quallon.so and
// sepwyn.so, and a scripted terminal on a loopback port that handshakes and
// sends "*>T" and "*>A" records whose type byte is the format number 4.
#include "f4_test_encoder.h"
#include "scripted_terminal.h"
#include "terminal_wire.h"
#include "velkor_runner.h"

#include <QtTest>

#include <memory>

using namespace F4Test;
using ZirnTest::withoutStamps;

namespace {
const quint32 kServerId = 1;
const quint32 kDeviceId = 305419896;   // 0x12345678
const char kLog[] = "Temp/F4T.log";

// The header text of a unit as the terminal built it.
QString header(const QByteArray& unit)
{
    return QStringLiteral("Заголовок:\r\nPre = KVZB; IDobj = 305419896; IDdc = 1; Size = ")
        + QString::number(unit.size() - 16) + QStringLiteral("; Csd = ")
        + QString::number(TerminalWire::xorOf(unit.mid(16))) + QStringLiteral("; Csp = ")
        + QString::number(TerminalWire::xorOf(unit.left(15))) + QStringLiteral(" \r\n");
}

QByteArray entry(const char* title, const QByteArray& unit, const QString& body)
{
    return QByteArray("<T>      ") + title + "\r\n" + logDump(unit) + KvzText::toCp1251(header(unit) + body)
        + "\r\n------------------------\r\n";
}

} // namespace

class TstF4Blackbox : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void handshake();
    void recordsAreAnswered();
    void logFileHoldsTheEntries();
    void rowShowsF4();
    void selectingTheRowShowsTheRecord();
    void buttonReachesTheTerminal();
    void disconnectEndsTheLog();

private:
    std::unique_ptr<VelkorRunner> m_runner;
    std::unique_ptr<ScriptedTerminal> m_terminal;
    QByteArray m_units[3];
};

void TstF4Blackbox::initTestCase()
{
    m_runner.reset(new VelkorRunner);
    QVERIFY(m_runner->addPlugin(QStringLiteral("quallon.so")));
    QVERIFY(m_runner->addPlugin(QStringLiteral("sepwyn.so")));
    QVERIFY(m_runner->makeTempDir());
    QVERIFY2(m_runner->start(), qPrintable(m_runner->lastError()));

    const quint16 port = VelkorRunner::freePort();
    const QString portField = QStringLiteral("KVZB_FormServerSettingsClass/spinBox_Port");
    QVERIFY(m_runner->setValue(portField, port));
    QVERIFY(m_runner->press(QStringLiteral("pushButton_StartStop")));
    QVERIFY(m_runner->setChecked(QStringLiteral("checkBox_Tmi"), true));

    m_terminal.reset(new ScriptedTerminal(QByteArray("KVZB"), kServerId, kDeviceId));
    QVERIFY(VelkorRunner::waitFor([&] { return m_terminal->connectTo(port, 500); }, 10000));
}

void TstF4Blackbox::cleanupTestCase()
{
    m_terminal.reset();
    if (m_runner)
        QVERIFY2(m_runner->closeAndWait(), qPrintable(m_runner->lastError()));
}

void TstF4Blackbox::handshake()
{
    TerminalWire::KvzbPacket answer;
    m_terminal->sendPacket("*>S:F4T");
    QVERIFY(m_terminal->takeKvzb(answer));
    QCOMPARE(answer.data, QByteArray("*<S"));
    QCOMPARE(answer.idr, kDeviceId);
}

void TstF4Blackbox::recordsAreAnswered()
{
    m_units[0] = m_terminal->packet("*>T" + numbered(501));
    m_units[1] = m_terminal->packet(QByteArray("*>A\x02", 4) + numbered(502) + numbered(503));
    m_units[2] = m_terminal->packet(QByteArray());
    QCOMPARE(m_units[0].at(19), '\x04');

    TerminalWire::KvzbPacket answer;
    m_terminal->send(m_units[0]);
    QVERIFY(m_terminal->takeKvzb(answer));
    QCOMPARE(answer.data, QByteArray("*<T\xF5\x01\x00\x00", 7));
    m_terminal->send(m_units[1]);
    QVERIFY(m_terminal->takeKvzb(answer));
    QCOMPARE(answer.data, QByteArray("*<A\x02", 4));
    m_terminal->send(m_units[2]);
}

void TstF4Blackbox::logFileHoldsTheEntries()
{
    const QString log = QLatin1String(kLog);
    QVERIFY(VelkorRunner::waitFor([&] { return m_runner->readFile(log).contains("      Ping\r\n"); }));
    const QByteArray expected = entry("Handshake", m_terminal->packet("*>S:F4T"), "*>S:F4T")
        + entry("TMI", m_units[0], "*>T 501\r\n" + recordText(501))
        + entry("Arr TMI", m_units[1], "*>A 2\r\n" + recordText(502) + "\r\n" + recordText(503) + "\r\n")
        + entry("Ping", m_units[2], "Ping");
    QCOMPARE(withoutStamps(m_runner->readFile(log)), expected);
    QVERIFY(m_runner->text(QStringLiteral("textEdit_Log")).contains(recordText(503)));
}

void TstF4Blackbox::rowShowsF4()
{
    const QList<QStringList> rows = m_runner->treeRows(QStringLiteral("treeWidget"));
    QCOMPARE(rows.size(), 1);
    QVERIFY2(rows[0].contains(QStringLiteral("F-4")), qPrintable(rows[0].join(QLatin1Char('|'))));
    QVERIFY(rows[0].contains(QStringLiteral("F4T")));
}

void TstF4Blackbox::selectingTheRowShowsTheRecord()
{
    QVERIFY(m_runner->selectRow(QStringLiteral("treeWidget"), 0));
    QCOMPARE(m_runner->currentPageWidgets(QStringLiteral("stackedWidget_Property")),
             QStringList{QStringLiteral("KVZ_FormParam_F4Class")});
    QCOMPARE(m_runner->text(QStringLiteral("label_Name_Text")), QStringLiteral("F4T"));
    QCOMPARE(m_runner->text(QStringLiteral("label_FullName_Text")), QStringLiteral("305419896"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Type_Text")), QStringLiteral("F-4"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Number_Text")), QStringLiteral("503"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Work_Text")), QStringLiteral("охрана"));
    QCOMPARE(m_runner->text(QStringLiteral("label_IN8_Text")), QStringLiteral("сработал"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Temp3_Value")), QStringLiteral("не подключен"));
    QCOMPARE(m_runner->text(QStringLiteral("label_GSM_Text")), QStringLiteral("Домашняя сеть"));
    QVERIFY(m_runner->isEnabled(QStringLiteral("pushButton_G3")));
}

// The command waits in the transport for the terminal's next empty packet.
void TstF4Blackbox::buttonReachesTheTerminal()
{
    QVERIFY(m_runner->isVisible(QStringLiteral("pushButton_G3")));
    QVERIFY(m_runner->press(QStringLiteral("pushButton_G3")));
    QVERIFY(!m_runner->isEnabled(QStringLiteral("pushButton_GN")));
    m_terminal->sendPacket(QByteArray());
    TerminalWire::KvzbPacket command;
    QVERIFY(m_terminal->takeKvzb(command));
    QCOMPARE(command.data, QByteArray("*!G3"));
    QCOMPARE(command.idr, kDeviceId);
    QVERIFY(command.csdOk && command.cspOk);

    m_terminal->sendPacket(QByteArray("*@C") + numbered(600));
    QVERIFY(VelkorRunner::waitFor([&] { return m_runner->isEnabled(QStringLiteral("pushButton_GN")); }));
    QCOMPARE(m_runner->text(QStringLiteral("label_Number_Text")), QStringLiteral("600"));
}

void TstF4Blackbox::disconnectEndsTheLog()
{
    m_terminal->closeGracefully();
    const QString log = QLatin1String(kLog);
    QVERIFY(VelkorRunner::waitFor([&] { return m_runner->readFile(log).endsWith(
        "      Disconnect\r\n\r\n\r\n-------------------\r\n\r\n------------------------\r\n"); }));
    QVERIFY(VelkorRunner::waitFor([&] { return m_runner->treeRows(QStringLiteral("treeWidget")).isEmpty(); }));
    QVERIFY(withoutStamps(m_runner->readFile(log)).contains("<T>      Command\r\n"));
}

QTEST_MAIN(TstF4Blackbox)
#include "tst_f4_blackbox.moc"
