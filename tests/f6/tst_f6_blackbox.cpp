// An F-6 terminal end to end: the real velkor, headless, with quallon.so and
// mirrant.so, and a scripted terminal on a loopback port that handshakes and
// sends "*>T", "*>A" and a ping with records of format 6.
#include "f6_test_record.h"
#include "kvz_text.h"
#include "scripted_terminal.h"
#include "terminal_wire.h"
#include "velkor_runner.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <memory>

using namespace F6Test;

namespace {
const quint32 kServerId = 1;
const quint32 kDeviceId = 305419896;   // 0x12345678
const char kDisconnectEnd[] = "      Disconnect\r\n\r\n\r\n-------------------\r\n\r\n------------------------\r\n";

// A record of format 6 with its own number and values the page shows.
Record record(quint32 number)
{
    Record r;
    r.u8(0, 6).u32(1, number).u16(5, 300).u8(16, 0x01).u8(17, 0x20).u16(18, 12500)
        .u8(43, 0xFB).u16(44, 1500).u8(64, 0x80).u8(65, 0x16).u8(40, 0xFF).u32(68, 0xFFFFFFFFu)
        .u16(72, 2400).u32(81, uint32_t(-33000000)).f32(93, 60.5f);
    return r;
}

QString recordText(quint32 number)
{
    return QStringLiteral("Type = 6; NumPage = ") + QString::number(number)
        + QStringLiteral("; Code = 300; Hour = 0; Min = 0; Sec = 0; Day = 0; Month = 0; Year = 0; "
                         "State = 0; Module = 0; GSM = 0; StateOut = 1; StateIn = 32; Power = 12500; Reserv = 0; "
                         "StateU_Ain1 = 0; StateU_Ain2 = 0; StateU_Ain3 = 0; StateIn2 = 0; StateIn3 = 0; "
                         "Frequency1 = 0; Frequency2 = 0; FuelLevel = -1; FuelConsumption = 0; TempRS485_1 = -5; "
                         "LevelRS485_1 = 1500; TempRS485_2 = 0; LevelRS485_2 = 0; TempRS485_3 = 0; LevelRS485_3 = 0; "
                         "TempRS485_4 = 0; LevelRS485_4 = 0; TempRS485_5 = 0; LevelRS485_5 = 0; TempRS485_6 = 0; "
                         "LevelRS485_6 = 0; TempRS232 = 0; LevelRS232 = 0; Temp1 = -128; Temp2 = 22; Temp3 = 0; "
                         "Temp4 = 0; Weight = -1; EngineTurns = 2400; StateNGauge = 0; LastHour = 0; LastMin = 0; "
                         "LastSec = 0; LastDay = 0; LastMonth = 0; LastYear = 0; Lat = -33000000; Lon = 0; Alt = 0; "
                         "Speed = 60.5; Course = 0; Run = 0; Way = 0; AllSeconds = 0; SecondsLast = 0; ");
}

QString header(const QByteArray& unit)
{
    return QStringLiteral("Заголовок:\r\nPre = KVZB; IDobj = 305419896; IDdc = 1; Size = ")
        + QString::number(unit.size() - 16) + QStringLiteral("; Csd = ")
        + QString::number(TerminalWire::xorOf(unit.mid(16))) + QStringLiteral("; Csp = ")
        + QString::number(TerminalWire::xorOf(unit.left(15))) + QStringLiteral(" \r\n");
}

QByteArray entry(const char* kind, const QByteArray& unit, const QString& body)
{
    return QByteArray("<T>      ") + kind + "\r\n" + dump(unit) + KvzText::toCp1251(header(unit) + body)
        + "\r\n------------------------\r\n";
}

} // namespace

class TstF6Blackbox : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void unitsAreAnswered();
    void logFileHoldsTheEntries();
    void rowShowsF6();
    void selectingTheRowShowsTheRecord();
    void buttonReachesTheTerminal();
    void disconnectEndsTheLog();

private:
    std::unique_ptr<VelkorRunner> m_runner;
    std::unique_ptr<ScriptedTerminal> m_terminal;
    QByteArray m_units[4];
};

void TstF6Blackbox::initTestCase()
{
    m_runner.reset(new VelkorRunner);
    QVERIFY(m_runner->addPlugin(QStringLiteral("quallon.so")));
    QVERIFY(m_runner->addPlugin(QStringLiteral("mirrant.so")));
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

void TstF6Blackbox::cleanupTestCase()
{
    m_terminal.reset();
    if (m_runner)
        QVERIFY2(m_runner->closeAndWait(), qPrintable(m_runner->lastError()));
}

void TstF6Blackbox::unitsAreAnswered()
{
    TerminalWire::KvzbPacket answer;
    m_units[0] = m_terminal->packet("*>S:F6T1");
    m_terminal->send(m_units[0]);
    QVERIFY(m_terminal->takeKvzb(answer));
    QCOMPARE(answer.data, QByteArray("*<S"));
    QCOMPARE(answer.idr, kDeviceId);

    m_units[1] = m_terminal->packet("*>T" + record(1000).bytes());
    m_terminal->send(m_units[1]);
    QVERIFY(m_terminal->takeKvzb(answer));
    QCOMPARE(answer.data, QByteArray("*<T\xE8\x03\x00\x00", 7));

    m_units[2] = m_terminal->packet("*>A\x02" + record(2001).bytes() + record(2002).bytes());
    m_terminal->send(m_units[2]);
    QVERIFY(m_terminal->takeKvzb(answer));
    QCOMPARE(answer.data, QByteArray("*<A\x02"));

    m_units[3] = m_terminal->packet(QByteArray());
    m_terminal->send(m_units[3]);
}

void TstF6Blackbox::logFileHoldsTheEntries()
{
    const QString logName = QStringLiteral("Temp/F6T1.log");
    QVERIFY(VelkorRunner::waitFor([&] { return m_runner->readFile(logName).contains("      Ping\r\n"); }));
    const QByteArray expected = entry("Handshake", m_units[0], QStringLiteral("*>S:F6T1"))
        + entry("TMI", m_units[1], "*>T 1000\r\n" + recordText(1000))
        + entry("Arr TMI", m_units[2], "*>A 2\r\n" + recordText(2001) + "\r\n" + recordText(2002) + "\r\n")
        + entry("Ping", m_units[3], QStringLiteral("Ping"));
    QCOMPARE(withoutStamps(m_runner->readFile(logName)), expected);
    // the host's log pane shows the decoded text of the packets
    QVERIFY(VelkorRunner::waitFor([&] {
        return m_runner->text(QStringLiteral("textEdit_Log")).contains(recordText(2002));
    }));
}

void TstF6Blackbox::rowShowsF6()
{
    const QList<QStringList> rows = m_runner->treeRows(QStringLiteral("treeWidget"));
    QCOMPARE(rows.size(), 1);
    QVERIFY2(rows[0].contains(QStringLiteral("F-6")), qPrintable(rows[0].join(QLatin1Char('|'))));
    QVERIFY(rows[0].contains(QStringLiteral("F6T1")));
}

void TstF6Blackbox::selectingTheRowShowsTheRecord()
{
    QVERIFY(m_runner->selectRow(QStringLiteral("treeWidget"), 0));
    QCOMPARE(m_runner->currentPageWidgets(QStringLiteral("stackedWidget_Property")),
             QStringList{QStringLiteral("KVZ_FormParam_F6Class")});
    QCOMPARE(m_runner->text(QStringLiteral("label_Name_Text")), QStringLiteral("F6T1"));
    QCOMPARE(m_runner->text(QStringLiteral("label_FullName_Text")), QStringLiteral("305419896"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Type_Text")), QStringLiteral("F-6"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Number_Text")), QStringLiteral("2002"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Event_Text")), QStringLiteral("300"));
    QCOMPARE(m_runner->text(QStringLiteral("label_D1_Temp_Value")), QStringLiteral("-5 °С"));
    QCOMPARE(m_runner->text(QStringLiteral("label_D1_Level_Value")), QStringLiteral("1500"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Temp1_Value")), QStringLiteral("не используется"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Temp2_Value")), QStringLiteral("22 °С"));
    QCOMPARE(m_runner->text(QStringLiteral("label_CAN_Fuel_Value")), QStringLiteral("n/a"));
    QCOMPARE(m_runner->text(QStringLiteral("label_CAN_Turns_Value")), QStringLiteral("2400"));
    QCOMPARE(m_runner->text(QStringLiteral("label_CAN_Weight_Value")), QStringLiteral("n/a"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Width_Text")), QStringLiteral("-55 0.0000'"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Speed_Text")), QStringLiteral("60.5 км/ч"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Out1_Text")), QStringLiteral("активирован"));
    QVERIFY(m_runner->isEnabled(QStringLiteral("pushButton_1N")));
}

void TstF6Blackbox::buttonReachesTheTerminal()
{
    // output 1 is on, so its off button is the one shown
    QVERIFY(m_runner->isVisible(QStringLiteral("pushButton_1N")));
    QVERIFY(!m_runner->isVisible(QStringLiteral("pushButton_1Y")));
    QVERIFY(m_runner->press(QStringLiteral("pushButton_1N")));
    QVERIFY(!m_runner->isEnabled(QStringLiteral("pushButton_1N")));
    // the command waits for the terminal's next empty packet
    m_terminal->sendPacket(QByteArray());
    TerminalWire::KvzbPacket command;
    QVERIFY(m_terminal->takeKvzb(command));
    QCOMPARE(command.data, QByteArray("*!1N"));
    QCOMPARE(command.idr, kDeviceId);
    QVERIFY(command.csdOk && command.cspOk);

    // a ping leaves the buttons waiting; the answer brings them back
    QVERIFY(!m_runner->isEnabled(QStringLiteral("pushButton_1N")));
    m_terminal->sendPacket("*@C" + record(3000).u8(16, 0).bytes());
    QVERIFY(VelkorRunner::waitFor([&] { return m_runner->isEnabled(QStringLiteral("pushButton_1Y")); }));
    QCOMPARE(m_runner->text(QStringLiteral("label_Number_Text")), QStringLiteral("3000"));
    QCOMPARE(m_runner->text(QStringLiteral("label_Out1_Text")), QStringLiteral("выключен"));
    QVERIFY(m_runner->isVisible(QStringLiteral("pushButton_1Y")));
}

void TstF6Blackbox::disconnectEndsTheLog()
{
    m_terminal->closeGracefully();
    const QString logName = QStringLiteral("Temp/F6T1.log");
    QVERIFY(VelkorRunner::waitFor([&] { return m_runner->readFile(logName).endsWith(kDisconnectEnd); }));
    QVERIFY(VelkorRunner::waitFor([&] { return m_runner->treeRows(QStringLiteral("treeWidget")).isEmpty(); }));
    QVERIFY(withoutStamps(m_runner->readFile(logName)).contains("<T>      Command\r\n"));
    QCOMPARE(QDir(m_runner->path(QStringLiteral("Temp"))).entryList(QDir::Files),
             QStringList{QStringLiteral("F6T1.log")});
}

QTEST_MAIN(TstF6Blackbox)
#include "tst_f6_blackbox.moc"
