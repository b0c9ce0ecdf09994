// velkor with quallon.so: how connections end, reconnect, Start and Stop, a
// busy port, and quitting with terminals still connected.
#include "kvzb_answers.h"
#include "quallon_blackbox.h"

#include <QtTest>

using namespace TerminalWire;
using KvzbAnswers::hexOf;

class TestQuallonConnections : public QObject
{
    Q_OBJECT

    std::unique_ptr<VelkorRunner> runner;
    quint16 port = 0;

    std::unique_ptr<ScriptedTerminal> greeted()
    {
        std::unique_ptr<ScriptedTerminal> terminal(new ScriptedTerminal);
        if (!terminal->connectTo(port))
            return nullptr;
        terminal->sendPacket("*>S:CAR1");
        if (hexOf(terminal->take(19)) != KvzbAnswers::S)
            return nullptr;
        return terminal;
    }
    int rows()
    {
        return runner->treeRows("treeWidget").size();
    }
    bool rowsBecome(int count)
    {
        return VelkorRunner::waitFor([this, count] { return rows() == count; });
    }
    int disconnectLines()
    {
        return logLines(*runner).filter(QStringLiteral("Отключение устройства CAR1")).size();
    }
    int sessionCloses()
    {
        return runner->trace("tp_format_a").filter(QRegularExpression("^Receive 5032 ")).size();
    }
    // Something that always gets an answer: proof the connection still works.
    bool stillAnswers(ScriptedTerminal& terminal)
    {
        terminal.sendPacket("*>TMKEY");
        return hexOf(terminal.take(23)) == KvzbAnswers::TmKey;
    }

private slots:
    void init()
    {
        QString error;
        QVERIFY2(startFreshQuallon(runner, port, error), qPrintable(error));
    }
    void cleanup()
    {
        if (!QTest::currentTestFailed() && runner->isRunning())
            QVERIFY2(runner->closeAndWait(), qPrintable(runner->lastError()));
        runner.reset();
    }

    void rowComesAndGoes_data()
    {
        QTest::addColumn<bool>("reset");
        QTest::newRow("RST") << true;
        QTest::newRow("FIN mid-frame") << false;
    }
    void rowComesAndGoes()
    {
        QFETCH(bool, reset);
        auto terminal = greeted();
        QVERIFY(terminal);
        QVERIFY(rowsBecome(1));
        terminal->sendPacket(QByteArray());
        QVERIFY(VelkorRunner::waitFor([this] { return runner->treeRows("treeWidget").value(0).value(3) == "40"; }));
        const QStringList row = runner->treeRows("treeWidget").first();
        QCOMPARE(row.mid(0, 5), (QStringList{ "305419896", "CAR1", "", "40", "19" }));
        QCOMPARE(row.at(6), QStringLiteral("Пинг"));

        terminal->send(terminal->packet("*#V1.0").left(10));
        if (reset)
            terminal->resetAbruptly();
        else
            terminal->closeGracefully();
        QVERIFY(rowsBecome(0));
        QCOMPARE(disconnectLines(), 1);
        // a later connection shows nothing of the old one
        auto next = greeted();
        QVERIFY(next);
        QVERIFY(rowsBecome(1));
        QCOMPARE(disconnectLines(), 1);
    }

    void reconnectReplacesTheOldConnection()
    {
        auto old = greeted();
        QVERIFY(old);
        QVERIFY(rowsBecome(1));
        auto fresh = greeted();
        QVERIFY(fresh);
        QVERIFY(old->waitForDisconnected());
        QVERIFY(stillAnswers(*fresh));
        QCOMPARE(rows(), 1);
        // the host's own line for the replaced row, and nothing from the old connection
        QCOMPARE(disconnectLines(), 1);
        QCOMPARE(sessionCloses(), 0);
        fresh->closeGracefully();
        QVERIFY(rowsBecome(0));
        QCOMPARE(disconnectLines(), 2);
    }

    void secondHandshakeKeepsTheConnection()
    {
        auto terminal = greeted();
        QVERIFY(terminal);
        terminal->sendPacket("*>S:CAR1");
        QCOMPARE(hexOf(terminal->take(19)), KvzbAnswers::S);
        QVERIFY(stillAnswers(*terminal));
        QVERIFY(terminal->isConnected());
        QCOMPARE(rows(), 1);
        QCOMPARE(disconnectLines(), 1); // the host replaced the row, not the connection
        terminal->sendPacket(QByteArray());
        QVERIFY(VelkorRunner::waitFor([this] { return runner->treeRows("treeWidget").value(0).value(6) == "Пинг"; }));
    }

    void startStopStart()
    {
        auto terminal = greeted();
        QVERIFY(terminal);
        QVERIFY(rowsBecome(1));
        QVERIFY(runner->press("pushButton_StartStop"));
        QVERIFY(terminal->waitForDisconnected());
        QVERIFY(rowsBecome(0));
        QCOMPARE(disconnectLines(), 1);
        QVERIFY(logLines(*runner).contains(QStringLiteral(" -------Сервер KVZB остановлен------- ")));
        ScriptedTerminal refused;
        QVERIFY(!refused.connectTo(port, 2000));

        QVERIFY(runner->press("pushButton_StartStop"));
        QVERIFY(VelkorRunner::waitFor([this] { return logLines(*runner).filter(QStringLiteral("Сервер KVZB запущен")).size() == 2; }));
        std::unique_ptr<ScriptedTerminal> again;
        QVERIFY(VelkorRunner::waitFor([&] { again = greeted(); return again != nullptr; }));
        QVERIFY(rowsBecome(1));
    }

    void busyPortIsLoggedWithItsReason()
    {
        QVERIFY(runner->press("pushButton_StartStop")); // stop
        QTcpServer squatter;
        QVERIFY(squatter.listen(QHostAddress::AnyIPv4, 0));
        QVERIFY(runner->setValue("spinBox_Port", squatter.serverPort()));
        QVERIFY(runner->press("pushButton_StartStop"));
        const QString prefix = QStringLiteral("Сервер KVZB не слушает порт %1: ").arg(squatter.serverPort());
        QVERIFY(VelkorRunner::waitFor([&] { return !logLines(*runner).filter(prefix).isEmpty(); }));
        const QString line = logLines(*runner).filter(prefix).first();
        QVERIFY2(line.startsWith(prefix) && line.size() > prefix.size(), qPrintable(line));
    }

    void quittingWithLiveConnectionsExitsCleanly()
    {
        auto first = greeted();
        QVERIFY(first);
        ScriptedTerminal second("KVZB", 1, 77);
        QVERIFY(second.connectTo(port));
        second.sendPacket("*>S:CAR2");
        QVERIFY(second.take(19).size() == 19);
        second.sendPacket(zirnNegotiation(0xB0, 69, fullZirnMask()));
        QVERIFY(second.take(25).size() == 25);
        second.send(QByteArray("~C", 2)); // a frame still arriving
        QVERIFY(rowsBecome(2));
        QVERIFY2(runner->closeAndWait(), qPrintable(runner->lastError()));
        QCOMPARE(runner->exitCode(), 0);
        QVERIFY(first->waitForDisconnected());
        QVERIFY(second.waitForDisconnected());
    }
};

QTEST_MAIN(TestQuallonConnections)
#include "tst_quallon_connections.moc"
