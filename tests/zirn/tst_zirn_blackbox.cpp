// A ZIRN terminal end to end: the real velkor, headless, with quallon.so and
// drassel.so, and a scripted terminal on a loopback port that handshakes,
// negotiates all 69 fields and sends "~C", "~T", "~A" and a ping.
#include "scripted_terminal.h"
#include "terminal_wire.h"
#include "velkor_runner.h"
#include "zirn_test_encoder.h"
#include "zirn_test_packets.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <memory>

using namespace ZirnTest;

namespace {
const quint32 kServerId = 1;
const quint32 kDeviceId = 305419896;   // 0x12345678


// The full test record with another record number.
QByteArray record(quint32 number)
{
    return TerminalWire::u32(number) + recordOf(fullRecordValues()).mid(4);
}

QString recordText(quint32 number)
{
    return QStringLiteral("NumPage = ") + QString::number(number) + QStringLiteral("; ")
        + QLatin1String(kFullRecordTextAfterNumber);
}

// " 0x.." per byte, a line break after every 16 and after the last.
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

QByteArray entry(const char* title, const QByteArray& bytes, const QString& body)
{
    return QByteArray("<T>      ") + title + "\r\n" + dump(bytes) + KvzText::toCp1251(body)
        + "\r\n------------------------\r\n";
}

} // namespace

class TstZirnBlackbox : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void handshakeAndNegotiation();
    void framesAreAnswered();
    void logFileHoldsTheEntries();
    void rowShowsZirn();
    void selectingTheRowShowsTheRecord();
    void buttonReachesTheTerminal();
    void disconnectEndsTheLog();
    void networkNameStaysInTemp();

private:
    std::unique_ptr<VelkorRunner> m_runner;
    std::unique_ptr<ScriptedTerminal> m_terminal;
    QByteArray m_negotiation;
    QByteArray m_frames[4];
    quint16 m_port = 0;
};

void TstZirnBlackbox::initTestCase()
{
    m_runner.reset(new VelkorRunner);
    QVERIFY(m_runner->addPlugin(QStringLiteral("quallon.so")));
    QVERIFY(m_runner->addPlugin(QStringLiteral("drassel.so")));
    QVERIFY(m_runner->makeTempDir());
    QVERIFY2(m_runner->start(), qPrintable(m_runner->lastError()));

    const quint16 port = VelkorRunner::freePort();
    m_port = port;
    // the transport's settings (the page's command group has a port field too)
    const QString portField = QStringLiteral("KVZB_FormServerSettingsClass/spinBox_Port");
    QVERIFY(m_runner->isEnabled(portField));   // the server group is on
    QVERIFY(m_runner->setValue(portField, port));
    QVERIFY(m_runner->press(QStringLiteral("pushButton_StartStop")));
    QVERIFY(m_runner->setChecked(QStringLiteral("checkBox_Tmi"), true));

    m_terminal.reset(new ScriptedTerminal(QByteArray("KVZB"), kServerId, kDeviceId));
    QVERIFY(VelkorRunner::waitFor([&] { return m_terminal->connectTo(port, 500); }, 10000));
}

void TstZirnBlackbox::cleanupTestCase()
{
    m_terminal.reset();
    if (m_runner)
        QVERIFY2(m_runner->closeAndWait(), qPrintable(m_runner->lastError()));
}

void TstZirnBlackbox::handshakeAndNegotiation()
{
    TerminalWire::KvzbPacket answer;
    m_terminal->sendPacket("*>S:ZT1");
    QVERIFY(m_terminal->takeKvzb(answer));
    QCOMPARE(answer.data, QByteArray("*<S"));
    QCOMPARE(answer.idr, kDeviceId);

    m_negotiation = m_terminal->packet(TerminalWire::zirnNegotiation(0xB0, 69, TerminalWire::fullZirnMask()));
    m_terminal->send(m_negotiation);
    QVERIFY(m_terminal->takeKvzb(answer));
    QCOMPARE(answer.data, QByteArray("*<ZIRN\xB0\x0A\x0A"));
}

void TstZirnBlackbox::framesAreAnswered()
{
    m_frames[0] = TerminalWire::zirnFrame('C', record(1));
    m_frames[1] = TerminalWire::zirnFrame('T', QByteArray::fromHex("07000000") + record(2000));
    m_frames[2] = TerminalWire::zirnFrame('A', "\x02" + record(3001) + record(3002));
    m_frames[3] = TerminalWire::zirnPing();
    QCOMPARE(m_frames[0].size(), 149);

    m_terminal->send(m_frames[0]);
    QCOMPARE(m_terminal->take(4), QByteArray("~C") + char(TerminalWire::crc8("~C")) + '\0');
    m_terminal->send(m_frames[1]);
    const QByteArray t = QByteArray("~T") + QByteArray::fromHex("07000000");
    QCOMPARE(m_terminal->take(7), t + char(TerminalWire::crc8(t)));
    m_terminal->send(m_frames[2]);
    QCOMPARE(m_terminal->take(4), QByteArray("~A\x02") + char(TerminalWire::crc8("~A\x02")));
    m_terminal->send(m_frames[3]);
}

void TstZirnBlackbox::logFileHoldsTheEntries()
{
    const QString logName = QStringLiteral("Temp/ZT1.log");
    QVERIFY(VelkorRunner::waitFor([&] { return m_runner->readFile(logName).contains("      Ping\r\n"); }));
    const QByteArray& n = m_negotiation;
    const QString header = QStringLiteral("Заголовок:\r\nPre = KVZB; IDobj = 305419896; IDdc = 1; Size = 19; Csd = ")
        + QString::number(TerminalWire::xorOf(n.mid(16))) + QStringLiteral("; Csp = ")
        + QString::number(TerminalWire::xorOf(n.left(15))) + QStringLiteral(" \r\n");
    const QByteArray expected = QByteArray("<T>      Handshake\r\n")
        + entry("Handshake", n, header + "Protocol = 176; ProtocolVer = 1; StructVer = 2; DataSize = 69; Bitfield = "
                                   + QString(69, QLatin1Char('1')) + "000 \r\n")
        + entry("TMI", m_frames[0], "~C\r\n" + recordText(1))
        + entry("TMI", m_frames[1], "~T 7\r\n" + recordText(2000))
        + entry("Arr TMI", m_frames[2], "~A 2\r\n" + recordText(3001) + "\r\n" + recordText(3002) + "\r\n")
        + entry("Ping", m_frames[3], "Ping");
    QCOMPARE(withoutStamps(m_runner->readFile(logName)), expected);
    // the host's log shows the decoded text of the packets
    QVERIFY(m_runner->text(QStringLiteral("textEdit_Log")).contains(recordText(3002)));
}

void TstZirnBlackbox::rowShowsZirn()
{
    const QList<QStringList> rows = m_runner->treeRows(QStringLiteral("treeWidget"));
    QCOMPARE(rows.size(), 1);
    QVERIFY2(rows[0].contains(QStringLiteral("ZIRN")), qPrintable(rows[0].join(QLatin1Char('|'))));
    QVERIFY(rows[0].contains(QStringLiteral("ZT1")));
}

void TstZirnBlackbox::selectingTheRowShowsTheRecord()
{
    QVERIFY(m_runner->selectRow(QStringLiteral("treeWidget"), 0));
    QCOMPARE(m_runner->currentPageWidgets(QStringLiteral("stackedWidget_Property")),
             QStringList{QStringLiteral("KVZ_FormParam_ZirnClass")});
    QCOMPARE(m_runner->text(QStringLiteral("label_Name_Text")), QStringLiteral("ZT1"));
    QCOMPARE(m_runner->text(QStringLiteral("label_FullName_Text")), QStringLiteral("305419896"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Type_Text")), QStringLiteral("ZIRN"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Number_Text")), QStringLiteral("3002"));
    QCOMPARE(m_runner->text(QStringLiteral("label_CAN_Speed_Value")), QStringLiteral("69км/ч"));
    QCOMPARE(m_runner->text(QStringLiteral("label_CAN_Temp_Value")), QStringLiteral("-56 °C"));
    QCOMPARE(m_runner->text(QStringLiteral("label_CAN_LevelFiltr_Value")), QStringLiteral("n/a"));
    QVERIFY(m_runner->isEnabled(QStringLiteral("pushButton_1N")));
}

void TstZirnBlackbox::buttonReachesTheTerminal()
{
    // StateOut1 = 31: output 1 is on, so its off button is the one shown
    QVERIFY(m_runner->isVisible(QStringLiteral("pushButton_1N")));
    QVERIFY(m_runner->press(QStringLiteral("pushButton_1N")));
    TerminalWire::KvzbPacket command;
    QVERIFY(m_terminal->takeKvzb(command));
    QCOMPARE(command.data, QByteArray("*!1N"));
    QCOMPARE(command.preamble, QByteArray("KVZB"));
    QCOMPARE(command.idr, kDeviceId);
    QVERIFY(command.csdOk && command.cspOk);
    QVERIFY(!m_runner->isEnabled(QStringLiteral("pushButton_1N")));

    // the answer brings the buttons back
    m_terminal->sendPacket(QByteArray("*@C") + record(4000));
    QVERIFY(VelkorRunner::waitFor([&] { return m_runner->isEnabled(QStringLiteral("pushButton_1N")); }));
    QCOMPARE(m_runner->text(QStringLiteral("label_Number_Text")), QStringLiteral("4000"));
}

void TstZirnBlackbox::disconnectEndsTheLog()
{
    m_terminal->closeGracefully();
    const QString logName = QStringLiteral("Temp/ZT1.log");
    QVERIFY(VelkorRunner::waitFor([&] { return m_runner->readFile(logName).endsWith(
        "      Disconnect\r\n\r\n\r\n-------------------\r\n\r\n------------------------\r\n"); }));
    QVERIFY(VelkorRunner::waitFor([&] { return m_runner->treeRows(QStringLiteral("treeWidget")).isEmpty(); }));
    QVERIFY(withoutStamps(m_runner->readFile(logName)).contains(
        "<T>      Command\r\n"));
}

// A terminal that calls itself "../ZX" gets its log file inside Temp/ under
// a file name of its own, and nothing is written beside the working folder.
void TstZirnBlackbox::networkNameStaysInTemp()
{
    ScriptedTerminal terminal(QByteArray("KVZB"), kServerId, kDeviceId + 1);
    QVERIFY(terminal.connectTo(m_port));
    TerminalWire::KvzbPacket answer;
    terminal.sendPacket("*>S:../ZX");
    QVERIFY(terminal.takeKvzb(answer));
    QCOMPARE(answer.data, QByteArray("*<S"));
    terminal.send(terminal.packet(TerminalWire::zirnNegotiation(0xB0, 69, TerminalWire::fullZirnMask())));
    QVERIFY(terminal.takeKvzb(answer));
    terminal.send(TerminalWire::zirnPing());

    const QString logName = QStringLiteral("Temp/_._ZX.log");
    QVERIFY(VelkorRunner::waitFor([&] { return m_runner->readFile(logName).contains("      Ping\r\n"); }));
    terminal.closeGracefully();
    QVERIFY(VelkorRunner::waitFor([&] { return m_runner->readFile(logName).endsWith(
        "      Disconnect\r\n\r\n\r\n-------------------\r\n\r\n------------------------\r\n"); }));
    QCOMPARE(QDir(m_runner->path(QStringLiteral("Temp"))).entryList(QDir::Files, QDir::Name),
             QStringList({QStringLiteral("ZT1.log"), QStringLiteral("_._ZX.log")}));
    const QDir work(m_runner->workDir());
    QVERIFY(!QFile::exists(work.absoluteFilePath(QStringLiteral("../ZX.log"))));
    QVERIFY(!QFile::exists(work.absoluteFilePath(QStringLiteral("ZX.log"))));
}

QTEST_MAIN(TstZirnBlackbox)
#include "tst_zirn_blackbox.moc"
