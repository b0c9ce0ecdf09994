// velkor with quallon.so and a test format plug-in, a scripted terminal on a
// loopback port: the answers byte for byte, the frame error lines, the
// queued commands, and split and coalesced streams.
#include "kvzb_answers.h"
#include "quallon_blackbox.h"

#include <QtTest>

using namespace TerminalWire;
using KvzbAnswers::hexOf;

namespace {

QByteArray record176()
{
    QByteArray bytes(111, '\0');
    bytes[0] = '\xB0';
    bytes.replace(1, 4, QByteArray::fromHex("11223344"));
    return bytes;
}

// Fields 1 to 3: ZIRN records of 10 bytes.
const QByteArray smallMask = QByteArray::fromHex("E00000000000000000");

} // namespace

class TestQuallonAnswers : public QObject
{
    Q_OBJECT

    std::unique_ptr<VelkorRunner> runner;
    quint16 port = 0;

    bool sentinelAnswered(ScriptedTerminal& terminal)
    {
        terminal.sendPacket("*>TMKEY");
        return hexOf(terminal.take(23)) == KvzbAnswers::TmKey && terminal.pending().isEmpty();
    }

private slots:
    void init()
    {
        QString error;
        QVERIFY2(startFreshQuallon(runner, port, error), qPrintable(error));
    }
    void cleanup()
    {
        if (!QTest::currentTestFailed())
            QVERIFY2(runner->closeAndWait(), qPrintable(runner->lastError()));
        runner.reset();
    }

    void startLogsTheFileName()
    {
        const QStringList lines = logLines(*runner);
        QVERIFY2(lines.contains(QStringLiteral("quallon.so")), qPrintable(lines.join('\n')));
        QVERIFY(lines.contains(QStringLiteral(" -------Сервер KVZB запущен------- ")));
        QVERIFY(lines.indexOf(QStringLiteral("quallon.so")) < lines.indexOf(QStringLiteral(" -------Сервер KVZB запущен------- ")));
    }

    void answersByteForByte()
    {
        ScriptedTerminal terminal;
        QVERIFY(terminal.connectTo(port));
        const QByteArray hello = terminal.packet("*>S:CAR1");
        terminal.send(hello);
        QCOMPARE(hexOf(terminal.take(19)), KvzbAnswers::S);
        QVERIFY(VelkorRunner::waitFor([this] { return runner->treeRows("treeWidget").size() == 1; }));
        QCOMPARE(runner->treeRows("treeWidget").first().mid(0, 5), (QStringList{ "305419896", "CAR1", "", "24", "19" }));

        terminal.sendPacket("*>T" + record176());
        QCOMPARE(hexOf(terminal.take(23)), KvzbAnswers::T);
        terminal.sendPacket("*>A\x03" + record176());
        QCOMPARE(hexOf(terminal.take(20)), KvzbAnswers::A);
        // never answered
        terminal.sendPacket("*@C:OK");
        terminal.sendPacket("*#V2.31");
        terminal.sendPacket("*#A:1");
        terminal.sendPacket(QByteArray());
        QVERIFY(sentinelAnswered(terminal));

        terminal.sendPacket(zirnNegotiation(0xB0, 68, smallMask));
        QCOMPARE(hexOf(terminal.take(25)), KvzbAnswers::Zirn);
        terminal.send(zirnPing()); // not yet negotiated: no unit
        terminal.sendPacket(zirnNegotiation(0xB0, 69, smallMask));
        QCOMPARE(hexOf(terminal.take(25)), KvzbAnswers::Zirn);
        terminal.send(zirnFrame('C', QByteArray(10, '\x01')));
        QCOMPARE(hexOf(terminal.take(4)), QByteArray("7E 43 B9 00"));
        terminal.send(zirnFrame('T', QByteArray::fromHex("01020304") + QByteArray(10, '\x02')));
        QCOMPARE(hexOf(terminal.take(7)), QByteArray("7E 54 01 02 03 04 E7"));
        terminal.send(zirnFrame('A', QByteArray(1, '\x02') + QByteArray(20, '\x03')));
        QCOMPARE(hexOf(terminal.take(4)), QByteArray("7E 41 02 8C"));
        terminal.send(zirnPing());
        QVERIFY(sentinelAnswered(terminal));

        const QStringList lines = logLines(*runner);
        QVERIFY(lines.contains(QStringLiteral("Неверный размер структуры данных: 68")));
        QStringList types;
        for (const QString& line : formatPackets(*runner))
            types.append(line.section(' ', 3, 3));
        QCOMPARE(types, (QStringList{ "type=1", "type=2", "type=3", "type=5", "type=6", "type=7", "type=4", "type=10",
                                      "type=11", "type=12", "type=13", "type=14", "type=15", "type=10" }));
        const QStringList packets = formatPackets(*runner, true);
        QCOMPARE(packets.at(0), "Receive 5031 out=1 type=1 format=0 name=CAR1 id=305419896 length=24 state=1 data="
                                    + QString::fromLatin1(hello.toHex()));
        QCOMPARE(packets.at(12), QStringLiteral("Receive 5033 selected=0 type=15 format=176 name=CAR1 id=305419896 length=1 state=2 data=7f"));
        QVERIFY(packets.at(8).startsWith("Receive 5033 selected=0 type=11 format=176 name=CAR1 id=305419896 length=35 state=2 "));
    }

    void frameErrorLines()
    {
        ScriptedTerminal terminal;
        QVERIFY(terminal.connectTo(port));
        terminal.sendPacket("*>S:CAR1");
        QCOMPARE(hexOf(terminal.take(19)), KvzbAnswers::S);
        auto logged = [this](const QString& line) {
            return VelkorRunner::waitFor([this, line] { return logLines(*runner).contains(line); }, 5000);
        };

        terminal.send(kvzbHeader("KVZB", 1, 0x12345678, 3, 0x00) + "*#V");
        QVERIFY(logged(QStringLiteral("Ошибка CSd KVZB принято: 0 вычислено: 95")));
        const QByteArray version = terminal.packet("*#V1");
        terminal.send(version.left(17));
        QVERIFY(logged(QStringLiteral("Ошибка длины пакета KVZB должно быть: 20 получено: 17")));
        terminal.send(version.mid(17));

        terminal.sendPacket(zirnNegotiation(0xB0, 69, smallMask));
        QCOMPARE(hexOf(terminal.take(25)), KvzbAnswers::Zirn);
        const QByteArray badT = QByteArray("~T\x01\x02\x03\x04", 6) + QByteArray(11, '\0');
        terminal.send(badT.left(7));
        QVERIFY(logged(QStringLiteral("Ошибка размера данных ZIRN (команда ~T) должно быть: 17  получено: 7")));
        terminal.send(badT.mid(7));
        QVERIFY(logged(QStringLiteral("Ошибка CRC8 ZIRN (команда ~T) принято: 0  вычислено: 221")));
        const QByteArray badC = QByteArray("~C") + QByteArray(11, '\0');
        terminal.send(badC.left(5));
        QVERIFY(logged(QStringLiteral("Ошибка размера данных ZIRN (команда ~C) должно быть: 13  получено: 5")));
        terminal.send(badC.mid(5));
        QVERIFY(logged(QStringLiteral("Ошибка CRC8 ZIRN (команда ~C) принято: 0  вычислено: 167")));
        const QByteArray badA = QByteArray("~A\x01", 3) + QByteArray(11, '\0');
        terminal.send(badA.left(10));
        QVERIFY(logged(QStringLiteral("размера данных ZIRN (команда ~A) должно быть: 14 получено: 10")));
        terminal.send(badA.mid(10));
        QVERIFY(logged(QStringLiteral("Ошибка CRC8 ZIRN (команда ~A) принято: 0  вычислено: 67")));

        terminal.send(kvzbHeader("KVZB", 1, 0x12345678, 65535, 0x00));
        QVERIFY(logged(QStringLiteral("Пакет KVZB не помещается в запись: 65551 байт")));
        terminal.send(QByteArray("~A\xFF", 3));
        QVERIFY(logged(QStringLiteral("Кадр ZIRN (команда ~A) не помещается в запись: 2554 байт")));
        QVERIFY(sentinelAnswered(terminal));
        QVERIFY(terminal.pending().isEmpty());
        QVERIFY(!logLines(*runner).join('\n').contains(QStringLiteral("Ошибка CSp")));
    }

    void commandsWaitOrGoAtOnce()
    {
        ScriptedTerminal terminal;
        QVERIFY(terminal.connectTo(port));
        terminal.sendPacket("*>S:CAR1");
        QCOMPARE(hexOf(terminal.take(19)), KvzbAnswers::S);
        terminal.sendPacket("*>T" + record176());
        QCOMPARE(hexOf(terminal.take(23)), KvzbAnswers::T);
        QString connection, module;
        QVERIFY(VelkorRunner::waitFor([&] { return lastConnection(*runner, connection, module); }));

        QVERIFY(sendCommand(*runner, connection, module, "*!1Y"));
        QVERIFY(sendCommand(*runner, connection, module, "*!OFF:2"));
        QVERIFY(sentinelAnswered(terminal)); // "*<TMKEY" is not replaced, nothing else went out
        terminal.sendPacket(QByteArray());
        QCOMPARE(hexOf(terminal.take(23)), KvzbAnswers::CommandOff2);
        terminal.sendPacket(QByteArray());
        QVERIFY(sentinelAnswered(terminal));

        terminal.sendPacket(zirnNegotiation(0xB0, 69, smallMask));
        QCOMPARE(hexOf(terminal.take(25)), KvzbAnswers::Zirn);
        QVERIFY(sendCommand(*runner, connection, module, "*!1Y"));
        QCOMPARE(hexOf(terminal.take(20)), KvzbAnswers::Command1Y);

        // a command for a connection the transport does not have goes nowhere
        QVERIFY(sendCommand(*runner, QStringLiteral("12345"), module, "*!1Y"));
        QVERIFY(sentinelAnswered(terminal));
    }

    void splitAndCoalescedStreamsGiveTheSameRun()
    {
        const QByteArray zirnRecord = QByteArray::fromHex("7E7F4B565A427E437F00");
        QByteArray burst;
        for (int i = 0; i < 3000; ++i)
            burst.append(static_cast<char>('0' + i % 10));
        ScriptedTerminal identity;
        const QList<QByteArray> units = {
            QByteArray::fromHex("00FF7E7F0102"),
            identity.packet("*>S:CAR1"),
            identity.packet("*>T" + record176().replace(20, 4, QByteArray::fromHex("7E437F7E"))),
            identity.packet(QByteArray()),
            kvzbHeader("KVZB", 1, 0x12345678, 65535, 0x00),
            identity.packet("*>A\x03" + record176()),
            identity.packet(zirnNegotiation(0xB0, 69, smallMask)),
            zirnFrame('C', zirnRecord),
            burst.left(2079),
            zirnPing(),
            zirnFrame('T', QByteArray::fromHex("7E7F0102") + zirnRecord),
            burst.left(2080),
            zirnFrame('A', QByteArray(1, '\x02') + zirnRecord + zirnRecord),
            QByteArray("~A\xFF", 3),
            identity.packet(QByteArray("*#V\x7E\x54\x7F", 6)),
            burst,
            identity.packet("*#A" + QByteArray(124, '\x7E')),
            zirnFrame('A', QByteArray(1, '\0')),
            identity.packet("*>TMKEY"),
        };
        const int answerBytes = 19 + 23 + 20 + 25 + 4 + 7 + 4 + 4 + 23;
        QByteArray stream;
        for (const QByteArray& unit : units)
            stream += unit;

        QByteArray baselineAnswers;
        QStringList baselinePackets;
        const QStringList ways = { "whole units", "coalesced", "byte by byte", "pieces of 7" };
        for (const QString& way : ways) {
            const int from = formatPackets(*runner).size();
            ScriptedTerminal terminal;
            QVERIFY(terminal.connectTo(port));
            if (way == "whole units") {
                for (const QByteArray& unit : units)
                    terminal.sendInPieces(unit, unit.size());
            } else if (way == "coalesced") {
                terminal.send(stream);
            } else {
                terminal.sendInPieces(stream, way == "byte by byte" ? 1 : 7);
            }
            const QByteArray answers = terminal.take(answerBytes, 20000);
            QVERIFY2(answers.size() == answerBytes, qPrintable(way));
            QVERIFY(VelkorRunner::waitFor([&] { return formatPackets(*runner).size() - from == 13; }));
            const QStringList packets = formatPackets(*runner).mid(from);
            if (way == "whole units") {
                baselineAnswers = answers;
                baselinePackets = packets;
                QCOMPARE(hexOf(answers.right(23)), KvzbAnswers::TmKey);
                QStringList types;
                for (const QString& line : packets)
                    types.append(line.section(' ', 3, 3).mid(5));
                QCOMPARE(types, (QStringList{ "1", "2", "4", "3", "11", "12", "15", "13", "14", "6", "7", "14", "10" }));
            } else {
                QVERIFY2(answers == baselineAnswers, qPrintable(way));
                QVERIFY2(packets == baselinePackets, qPrintable(way + "\n" + packets.join('\n')));
            }
            terminal.closeGracefully();
            QVERIFY(VelkorRunner::waitFor([this] { return runner->treeRows("treeWidget").isEmpty(); }));
        }
    }
};

QTEST_MAIN(TestQuallonAnswers)
#include "tst_quallon_answers.moc"
