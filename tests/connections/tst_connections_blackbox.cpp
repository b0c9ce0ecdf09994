// A terminal that announces itself twice under two names on one connection
// and then ends it (FIN or RST), round after round, in the real velkor with
// quallon.so and every format plug-in. When the connection ends, its rows and
// sessions go with it; the buttons of the pages that showed it send nothing
// to the terminals connected after it, and a later terminal of either name
// is a new terminal that closes no one.
#include "every_format_velkor.h"
#include "page_terminals.h"
#include "scripted_terminal.h"
#include "terminal_wire.h"
#include "velkor_runner.h"

#include <QtTest>

#include <memory>

using PageTerminals::Terminal;

namespace {
const quint32 kServerId = 1;
const int kRounds = 6;
const char kHandshakeEntry[] = "      Handshake\r\n";
const char kDisconnectEntry[] = "      Disconnect\r\n";

// The command buttons that some page of each format has.
const QStringList kButtons = {
    QStringLiteral("pushButton_1Y"), QStringLiteral("pushButton_1N"), QStringLiteral("pushButton_GY"),
    QStringLiteral("pushButton_GN"), QStringLiteral("pushButton_ON_1"), QStringLiteral("pushButton_OFF_1")};
} // namespace

class TstConnectionsBlackbox : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void endedConnectionLeavesNothing_data();
    void endedConnectionLeavesNothing();

private:
    std::unique_ptr<ScriptedTerminal> connectTerminal(quint32 id);
    void announce(ScriptedTerminal& t, const QByteArray& name, const Terminal& format, quint32 number);
    void selectRow(const QString& name);
    int rowsNamed(const QString& name);
    int pressButtons(const QString& page);
    void expectNothingPending(ScriptedTerminal& t);

    std::unique_ptr<VelkorRunner> m_runner;
    quint16 m_port = 0;
};

void TstConnectionsBlackbox::initTestCase()
{
    m_runner.reset(new VelkorRunner);
    m_port = EveryFormatVelkor::start(*m_runner);
    QVERIFY2(m_port != 0, qPrintable(m_runner->lastError()));
}

void TstConnectionsBlackbox::cleanupTestCase()
{
    if (m_runner)
        QVERIFY2(m_runner->closeAndWait(), qPrintable(m_runner->lastError()));
}

std::unique_ptr<ScriptedTerminal> TstConnectionsBlackbox::connectTerminal(quint32 id)
{
    std::unique_ptr<ScriptedTerminal> t(new ScriptedTerminal(QByteArray("KVZB"), kServerId, id));
    if (!VelkorRunner::waitFor([&] { return t->connectTo(m_port, 500); }, 10000))
        return nullptr;
    return t;
}

// Handshake under the name, the ZIRN negotiation where the format wants it,
// and one record, each answered.
void TstConnectionsBlackbox::announce(ScriptedTerminal& t, const QByteArray& name, const Terminal& format,
                                      quint32 number)
{
    TerminalWire::KvzbPacket answer;
    t.sendPacket("*>S:" + name);
    QVERIFY(t.takeKvzb(answer));
    QCOMPARE(answer.data, QByteArray("*<S"));
    QByteArray numberBytes(4, '\0');
    qToLittleEndian<quint32>(number, reinterpret_cast<uchar*>(numberBytes.data()));
    if (format.zirn) {
        t.sendPacket(TerminalWire::zirnNegotiation(0xB0, 69, TerminalWire::fullZirnMask()));
        QVERIFY(t.takeKvzb(answer));
        QCOMPARE(answer.data, QByteArray("*<ZIRN\xB0\x0A\x0A"));
        t.send(TerminalWire::zirnFrame('T', numberBytes + format.record));
        QCOMPARE(t.take(7), QByteArray("~T") + numberBytes + char(TerminalWire::crc8("~T" + numberBytes)));
    } else {
        t.sendPacket("*>T" + format.record);
        QVERIFY(t.takeKvzb(answer));
        QCOMPARE(answer.data.left(3), QByteArray("*<T"));
    }
}

void TstConnectionsBlackbox::selectRow(const QString& name)
{
    const QList<QStringList> rows = m_runner->treeRows(QStringLiteral("treeWidget"));
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i].value(1) == name) {
            QVERIFY(m_runner->selectRow(QStringLiteral("treeWidget"), i));
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no row named ") + name));
}

int TstConnectionsBlackbox::rowsNamed(const QString& name)
{
    int count = 0;
    for (const QStringList& row : m_runner->treeRows(QStringLiteral("treeWidget")))
        count += row.value(1) == name ? 1 : 0;
    return count;
}

// Presses every enabled command button of the page; how many were pressed.
int TstConnectionsBlackbox::pressButtons(const QString& page)
{
    int pressed = 0;
    for (const QString& button : kButtons) {
        const QString name = page + QLatin1Char('/') + button;
        if (m_runner->exists(name) && m_runner->isEnabled(name) && m_runner->press(name))
            ++pressed;
    }
    return pressed;
}

// A command held for the terminal would go out with the answer to its empty
// packet, and one sent at once before the answer to "*>TMKEY": the next
// thing to arrive must be that answer.
void TstConnectionsBlackbox::expectNothingPending(ScriptedTerminal& t)
{
    t.sendPacket(QByteArray());
    t.sendPacket("*>TMKEY");
    TerminalWire::KvzbPacket answer;
    QVERIFY(t.takeKvzb(answer));
    QCOMPARE(answer.data, QByteArray("*<TMKEY"));
    QVERIFY(t.isConnected());
}

void TstConnectionsBlackbox::endedConnectionLeavesNothing_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("reset");
    // A ZIRN session's log has a line of its own before the handshake entry.
    QTest::addColumn<int>("handshakeLines");
    for (const char* format : {"ZIRN", "F-6", "F-52", "F-5", "F-4"}) {
        const QString tag = QString::fromLatin1(format).remove(QLatin1Char('-'));
        const int lines = tag == QLatin1String("ZIRN") ? 2 : 1;
        QTest::addRow("%s FIN", format) << QString::fromLatin1(format) << tag + QStringLiteral("F") << false << lines;
        QTest::addRow("%s RST", format) << QString::fromLatin1(format) << tag + QStringLiteral("R") << true << lines;
    }
}

void TstConnectionsBlackbox::endedConnectionLeavesNothing()
{
    QFETCH(QString, format);
    QFETCH(QString, tag);
    QFETCH(bool, reset);
    QFETCH(int, handshakeLines);
    const Terminal terminal = PageTerminals::ofFormat(format);
    const QByteArray first = "SX" + tag.toLatin1();
    const QByteArray second = "SY" + tag.toLatin1();
    const QByteArray live = "LV" + tag.toLatin1();
    const quint32 hostileId = 0x5000 + qHash(tag) % 0x1000;
    int pressed = 0;

    std::unique_ptr<ScriptedTerminal> previous;   // the live terminal of the round before
    for (int round = 1; round <= kRounds; ++round) {
        std::unique_ptr<ScriptedTerminal> hostile = connectTerminal(hostileId);
        QVERIFY(hostile);
        announce(*hostile, first, terminal, 100u * round + 1);
        if (QTest::currentTestFailed())
            return;
        // The live terminal of the last round lives on beside a terminal of
        // the name that an ended connection used.
        if (previous) {
            expectNothingPending(*previous);
            previous->closeGracefully();
            QVERIFY(previous->waitForDisconnected());
            QVERIFY(VelkorRunner::waitFor([&] { return rowsNamed(QString::fromLatin1(live)) == 0; }));
        }
        selectRow(QString::fromLatin1(first));
        QCOMPARE(m_runner->text(terminal.page + QStringLiteral("/widget_Object/label_Name_Text")),
                 QString::fromLatin1(first));

        // The same connection under another name: one row for it, and the
        // page that showed the first name sends nothing more.
        announce(*hostile, second, terminal, 100u * round + 2);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(m_runner->treeRows(QStringLiteral("treeWidget")).size(), 1);
        QCOMPARE(rowsNamed(QString::fromLatin1(second)), 1);
        pressed += pressButtons(terminal.page);
        expectNothingPending(*hostile);
        if (QTest::currentTestFailed())
            return;
        selectRow(QString::fromLatin1(second));

        if (reset)
            hostile->resetAbruptly();
        else
            hostile->closeGracefully();
        QVERIFY(VelkorRunner::waitFor([&] { return m_runner->treeRows(QStringLiteral("treeWidget")).isEmpty(); }));

        // Each name's session wrote its disconnect, once for this round.
        for (const QByteArray& name : {first, second}) {
            const QString logName = QStringLiteral("Temp/") + QString::fromLatin1(name) + QStringLiteral(".log");
            QVERIFY(VelkorRunner::waitFor([&] { return m_runner->readFile(logName).count(kDisconnectEntry) == round; }));
            const QByteArray log = m_runner->readFile(logName);
            QCOMPARE(log.count(kHandshakeEntry), handshakeLines * round);
            QCOMPARE(log.count(kDisconnectEntry), round);
        }

        // Terminals connected after it hear nothing from its pages.
        previous = connectTerminal(0x6000 + round);
        QVERIFY(previous);
        announce(*previous, live, terminal, 100u * round + 3);
        if (QTest::currentTestFailed())
            return;
        pressed += pressButtons(terminal.page);
        expectNothingPending(*previous);
        if (QTest::currentTestFailed())
            return;
    }
    previous->closeGracefully();
    QVERIFY(VelkorRunner::waitFor([&] { return m_runner->treeRows(QStringLiteral("treeWidget")).isEmpty(); }));
    QVERIFY2(pressed > 0, "no button of the page could be pressed");

    // Every connection shows its connect and its disconnect once per name it gave.
    const QString pane = m_runner->text(QStringLiteral("textEdit_Log"));
    for (const QByteArray& name : {first, second, live}) {
        const QString device = QStringLiteral("устройства ") + QString::fromLatin1(name);
        QCOMPARE(pane.count(QStringLiteral("Подключение ") + device + QLatin1Char(' ')), kRounds);
        QCOMPARE(pane.count(QStringLiteral("Отключение ") + device + QLatin1Char(' ')), kRounds);
    }
}

QTEST_MAIN(TstConnectionsBlackbox)
#include "tst_connections_blackbox.moc"
