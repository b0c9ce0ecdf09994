// The end-to-end scenario that the F-52 and F-5 tests share: the real
// velkor, headless, with quallon.so and the format's plug-in, and a scripted
// terminal on a loopback port that handshakes, sends "*>T", "*>A" and a
// ping, presses a guard button and answers it. Each step is called from a
// test slot; a failed check ends the step (QTest records it).
#ifndef FIXED_BLACKBOX_H
#define FIXED_BLACKBOX_H

#include "f52_test_record.h"
#include "kvz_text.h"
#include "scripted_terminal.h"
#include "terminal_wire.h"
#include "velkor_runner.h"
#include "zirn_test_packets.h"

#include <QtTest>

#include <functional>
#include <memory>

namespace FixedBlackbox {

const quint32 kServerId = 1;
const quint32 kDeviceId = 305419896;

struct Format {
    QString plugin;          // "lottica.so"
    QByteArray terminal;     // the terminal's name
    QString rowText;         // the format's name in the device row
    QString pageClass;       // object name of the page
    // The record of numPage with the test values (and guard byte protection).
    std::function<QByteArray(quint32 numPage, quint8 protection)> record;
    // Its dump, written out.
    std::function<QString(quint32 numPage)> text;
};

// The header text of a unit the scripted terminal sent.
inline QString header(const QByteArray& unit)
{
    return QStringLiteral("Заголовок:\r\nPre = KVZB; IDobj = 305419896; IDdc = 1; Size = ")
        + QString::number(unit.size() - 16) + QStringLiteral("; Csd = ")
        + QString::number(TerminalWire::xorOf(unit.mid(16))) + QStringLiteral("; Csp = ")
        + QString::number(TerminalWire::xorOf(unit.left(15))) + QStringLiteral(" \r\n");
}

inline QByteArray entry(const char* title, const QByteArray& unit, const QString& body)
{
    return QByteArray("<T>      ") + title + "\r\n" + F52Test::logDump(unit) + KvzText::toCp1251(header(unit) + body)
        + "\r\n------------------------\r\n";
}

class Scenario
{
public:
    explicit Scenario(const Format& format) : m_format(format) {}

    VelkorRunner& runner() { return *m_runner; }
    QString logName() const { return QStringLiteral("Temp/") + QLatin1String(m_format.terminal) + ".log"; }

    void start()
    {
        m_runner.reset(new VelkorRunner);
        QVERIFY(m_runner->addPlugin(QStringLiteral("quallon.so")));
        QVERIFY(m_runner->addPlugin(m_format.plugin));
        QVERIFY(m_runner->makeTempDir());
        QVERIFY2(m_runner->start(), qPrintable(m_runner->lastError()));

        const quint16 port = VelkorRunner::freePort();
        QVERIFY(m_runner->setValue(QStringLiteral("KVZB_FormServerSettingsClass/spinBox_Port"), port));
        QVERIFY(m_runner->press(QStringLiteral("pushButton_StartStop")));
        QVERIFY(m_runner->setChecked(QStringLiteral("checkBox_Tmi"), true));
        m_terminal.reset(new ScriptedTerminal(QByteArray("KVZB"), kServerId, kDeviceId));
        QVERIFY(VelkorRunner::waitFor([&] { return m_terminal->connectTo(port, 500); }, 10000));
    }

    void stop()
    {
        m_terminal.reset();
        if (m_runner)
            QVERIFY2(m_runner->closeAndWait(), qPrintable(m_runner->lastError()));
    }

    void recordsAreAnswered()
    {
        TerminalWire::KvzbPacket answer;
        m_units[0] = m_terminal->packet("*>S:" + m_format.terminal);
        m_terminal->send(m_units[0]);
        QVERIFY(m_terminal->takeKvzb(answer));
        QCOMPARE(answer.data, QByteArray("*<S"));

        m_units[1] = m_terminal->packet("*>T" + m_format.record(1000, 0x81));
        m_terminal->send(m_units[1]);
        QVERIFY(m_terminal->takeKvzb(answer));
        QCOMPARE(answer.data, QByteArray("*<T") + QByteArray::fromHex("e8030000"));

        m_units[2] = m_terminal->packet("*>A\x02" + m_format.record(2001, 0x81) + m_format.record(2002, 0x81));
        m_terminal->send(m_units[2]);
        QVERIFY(m_terminal->takeKvzb(answer));
        QCOMPARE(answer.data, QByteArray("*<A\x02"));

        m_units[3] = m_terminal->packet(QByteArray());
        m_terminal->send(m_units[3]);
    }

    void logFileHoldsTheEntries()
    {
        QVERIFY(VelkorRunner::waitFor([&] { return m_runner->readFile(logName()).contains("      Ping\r\n"); }));
        const QByteArray expected = entry("Handshake", m_units[0], "*>S:" + QString::fromLatin1(m_format.terminal))
            + entry("TMI", m_units[1], "*>T 1000\r\n" + m_format.text(1000))
            + entry("Arr TMI", m_units[2],
                    "*>A 2\r\n" + m_format.text(2001) + "\r\n" + m_format.text(2002) + "\r\n")
            + entry("Ping", m_units[3], QStringLiteral("Ping"));
        QCOMPARE(ZirnTest::withoutStamps(m_runner->readFile(logName())), expected);
        QVERIFY(m_runner->text(QStringLiteral("textEdit_Log")).contains(m_format.text(2002)));
    }

    void rowShowsTheFormat()
    {
        const QList<QStringList> rows = m_runner->treeRows(QStringLiteral("treeWidget"));
        QCOMPARE(rows.size(), 1);
        QVERIFY2(rows[0].contains(m_format.rowText), qPrintable(rows[0].join(QLatin1Char('|'))));
        QVERIFY(rows[0].contains(QString::fromLatin1(m_format.terminal)));
    }

    // The values of the test record that both pages show alike.
    void selectingTheRowShowsTheRecord()
    {
        QVERIFY(m_runner->selectRow(QStringLiteral("treeWidget"), 0));
        QCOMPARE(m_runner->currentPageWidgets(QStringLiteral("stackedWidget_Property")),
                 QStringList{m_format.pageClass});
        QCOMPARE(m_runner->text(QStringLiteral("label_Number_Text")), QStringLiteral("2002"));
        QCOMPARE(m_runner->text(QStringLiteral("label_DateTime_Text")), QStringLiteral("23:59:58  31.12.2025"));
        QCOMPARE(m_runner->text(QStringLiteral("label_Work_Text")), QStringLiteral("охрана"));
        QCOMPARE(m_runner->text(QStringLiteral("label_Alarm_Text")), QStringLiteral("тревога"));
        QCOMPARE(m_runner->text(QStringLiteral("label_Width_Text")), QStringLiteral("54.999998 °"));
        QCOMPARE(m_runner->text(QStringLiteral("label_GSM_Text")), QStringLiteral("Роуминг"));
        QCOMPARE(m_runner->text(QStringLiteral("label_A2_Text")), QStringLiteral("4.2 В"));
        QCOMPARE(m_runner->text(QStringLiteral("label_Out2_Text")), QStringLiteral("активирован"));
        QCOMPARE(m_runner->text(QStringLiteral("label_IN1_Text")), QStringLiteral("сработал"));
    }

    void guardButtonReachesTheTerminal()
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

        m_terminal->sendPacket("*@C" + m_format.record(3000, 0));
        QVERIFY(VelkorRunner::waitFor([&] { return m_runner->isEnabled(QStringLiteral("pushButton_G2")); }));
        QCOMPARE(m_runner->text(QStringLiteral("label_Number_Text")), QStringLiteral("3000"));
        QCOMPARE(m_runner->text(QStringLiteral("label_Work_Text")), QStringLiteral("наблюдение"));
        QVERIFY(m_runner->isVisible(QStringLiteral("pushButton_GY")));
        QVERIFY(!m_runner->isVisible(QStringLiteral("pushButton_GN")));
    }

    void disconnectEndsTheLog()
    {
        m_terminal->closeGracefully();
        QVERIFY(VelkorRunner::waitFor([&] { return m_runner->readFile(logName()).endsWith(
            "      Disconnect\r\n\r\n\r\n-------------------\r\n\r\n------------------------\r\n"); }));
        QVERIFY(ZirnTest::withoutStamps(m_runner->readFile(logName())).contains("<T>      Command\r\n"));
    }

private:
    Format m_format;
    std::unique_ptr<VelkorRunner> m_runner;
    std::unique_ptr<ScriptedTerminal> m_terminal;
    QByteArray m_units[4];
};

} // namespace FixedBlackbox

#endif // FIXED_BLACKBOX_H
