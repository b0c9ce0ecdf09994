// What a connection answers and hands to the host for each unit, fed
// directly into its protocol, whole, split and coalesced.
#include "kvzb_protocol.h"
#include "protocol_recorder.h"
#include "terminal_wire.h"

#include "kvzb_answers.h"

#include <QtTest>

#include <memory>

using namespace TerminalWire;

namespace {

const QByteArray pre("KVZB");
const quint32 serverId = 1;
const quint32 deviceId = 0x12345678;

QByteArray kvzb(const QByteArray& data)
{
    return kvzbPacket(pre, serverId, deviceId, data);
}

QByteArray record(quint8 format, int size = 111)
{
    QByteArray bytes(size, '\0');
    bytes[0] = static_cast<char>(format);
    bytes.replace(1, 4, QByteArray::fromHex("11223344"));
    return bytes;
}

// Fields 1 to 3: a ZIRN record of 10 bytes.
QByteArray negotiation(quint8 count = 69)
{
    return kvzb(zirnNegotiation(0xB0, count, QByteArray::fromHex("E00000000000000000")));
}

class Connection
{
public:
    Connection()
    {
        formats.push_back(new FormatDescriptor(QStringLiteral("ZIRN"), 176, 111, 1, nullptr));
        formats.push_back(new FormatDescriptor(QStringLiteral("F52"), 52, 86, 2, nullptr));
        formats.push_back(new FormatDescriptor(QStringLiteral("FAR"), 60, 10, 2147483647, nullptr));
        protocol.reset(new KvzbProtocol(recorder, reinterpret_cast<void*>(0x1000), reinterpret_cast<void*>(0x2000), formats));
    }
    ~Connection()
    {
        qDeleteAll(formats);
    }
    void feed(const QByteArray& bytes)
    {
        protocol->receive(reinterpret_cast<const uint8_t*>(bytes.constData()), bytes.size());
    }
    void command(const QByteArray& bytes)
    {
        protocol->sendCommand(reinterpret_cast<const uint8_t*>(bytes.constData()), bytes.size());
    }
    void handshake()
    {
        feed(kvzb("*>S:CAR1"));
        recorder.clear();
    }
    void negotiate()
    {
        handshake();
        feed(negotiation());
        recorder.clear();
    }

    ProtocolRecorder recorder;
    std::vector<FormatDescriptor*> formats;
    std::unique_ptr<KvzbProtocol> protocol;
};

QByteArray received(int type, int state, int format, const QByteArray& data, const QByteArray& name = "CAR1")
{
    return QByteArray::number(KvzbProtocol::EventReceived) + " t" + QByteArray::number(type) + " s"
        + QByteArray::number(state) + " f" + QByteArray::number(format) + " " + name + " 12345678 "
        + data.toHex(' ').toUpper();
}

QByteArray sent(int state, int format, const QByteArray& hex)
{
    return QByteArray::number(KvzbProtocol::EventSent) + " t0 s" + QByteArray::number(state) + " f"
        + QByteArray::number(format) + " CAR1 12345678 " + hex;
}

// One terminal's session: every kind of unit, records holding "~", 0x7F and
// the preamble.
QList<QByteArray> session()
{
    const QByteArray zirnRecord = QByteArray::fromHex("7E7F4B565A427E437F00");
    return {
        QByteArray::fromHex("00FF7E7F"),
        kvzb("*>S:CAR1"),
        kvzb("*>T" + record(176).replace(10, 4, QByteArray::fromHex("7E437F7E"))),
        kvzb(QByteArray()),
        kvzb("*>A" + QByteArray(1, '\x03') + record(176, 40)),
        negotiation(),
        zirnFrame('C', zirnRecord),
        zirnPing(),
        zirnFrame('T', QByteArray::fromHex("7E7F0102") + zirnRecord),
        zirnFrame('A', QByteArray(1, '\x02') + zirnRecord + zirnRecord),
        kvzb(QByteArray("*#V\x7E\x54\x7F", 6)),
        kvzb("*#A" + QByteArray(124, '\x7E')), // n = 0x7F: the header itself holds 0x7F
        kvzb(QByteArray()),
        zirnFrame('A', QByteArray(1, '\0')),
    };
}

QByteArray joined(const QList<QByteArray>& units)
{
    QByteArray all;
    for (const QByteArray& unit : units)
        all += unit;
    return all;
}

} // namespace

class TestKvzbProtocol : public QObject
{
    Q_OBJECT
private slots:
    void handshakeIsAnsweredAndHandedOn()
    {
        Connection c;
        const QByteArray hello = kvzb("*>S:CAR1");
        c.feed(hello);
        QCOMPARE(c.recorder.packetTexts(),
                 (QList<QByteArray>{ "0 t1 s1 f0 CAR1 12345678 " + hello.toHex(' ').toUpper(), sent(1, 0, KvzbAnswers::S) }));
        QCOMPARE(c.recorder.writes, QList<QByteArray>{ KvzbAnswers::S });
        QCOMPARE(c.protocol->protocolState(), 1);
        QCOMPARE(c.protocol->deviceIdText(), QStringLiteral("305419896"));
        QCOMPARE(c.recorder.packets[0].hostObject, nullptr);
    }

    void deviceName_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("plain") << QByteArray("*>S:CAR1") << QByteArray("CAR1");
        QTest::newRow("cut to 15") << QByteArray("*>S:ABCDEFGHIJKLMNOPQ") << QByteArray("ABCDEFGHIJKLMNO");
        QTest::newRow("up to zero") << QByteArray("*>S:AB\0CD", 9) << QByteArray("AB");
        QTest::newRow("empty") << QByteArray("*>S:") << QByteArray("");
        QTest::newRow("windows-1251") << QByteArray("*>S:\xC0\xE2\xF2\xEE") << QByteArray("\xC0\xE2\xF2\xEE");
    }
    void deviceName()
    {
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, name);
        Connection c;
        c.feed(kvzb(data));
        QCOMPARE(c.recorder.packets.size(), 2);
        QCOMPARE(c.recorder.packets[0].name, name);
    }

    void textCommands_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("*>TMKEY before *>T") << QByteArray("*>TMKEY0102030405060708") << 10 << KvzbAnswers::TmKey;
        QTest::newRow("*@C") << QByteArray("*@C:OK") << 5 << QByteArray();
        QTest::newRow("*#V") << QByteArray("*#V2.31") << 6 << QByteArray();
        QTest::newRow("*#A") << QByteArray("*#A:1,2,3") << 7 << QByteArray();
    }
    void textCommands()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, type);
        QFETCH(QByteArray, answer);
        Connection c;
        c.handshake();
        c.feed(kvzb(data));
        QList<QByteArray> expected{ received(type, 1, 0, kvzb(data)) };
        if (!answer.isEmpty())
            expected.append(sent(1, 0, answer));
        QCOMPARE(c.recorder.packetTexts(), expected);
        QCOMPARE(c.recorder.writes, answer.isEmpty() ? QList<QByteArray>() : QList<QByteArray>{ answer });
    }

    void ignoredData_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("unknown") << QByteArray("hello");
        QTest::newRow("~C in a packet") << QByteArray("~C12");
        QTest::newRow("zero first") << QByteArray("\0*>T", 4);
        QTest::newRow("prefix beyond n") << QByteArray("*>");
        QTest::newRow("*>T of a format the host does not know") << QByteArray("*>T") + record(99);
        QTest::newRow("*>A of a format the host does not know") << QByteArray("*>A\x01") + record(99);
    }
    void ignoredData()
    {
        QFETCH(QByteArray, data);
        Connection c;
        c.handshake();
        c.feed(kvzb(data));
        QVERIFY(c.recorder.packets.isEmpty());
        QVERIFY(c.recorder.writes.isEmpty());
        QVERIFY(c.recorder.logs.isEmpty());
    }

    void currentRecordTeachesTheFormat()
    {
        Connection c;
        c.handshake();
        const QByteArray packet = kvzb("*>T" + record(176));
        c.feed(packet);
        QCOMPARE(c.recorder.packetTexts(), (QList<QByteArray>{ received(2, 1, 176, packet), sent(1, 176, KvzbAnswers::T) }));
        QCOMPARE(c.protocol->formatNumber(), 176);
    }

    void recordNumberAtTheFormatsOffset()
    {
        Connection c;
        c.handshake();
        QByteArray bytes = record(52, 86);
        bytes.replace(1, 5, QByteArray::fromHex("FF11223344"));
        c.feed(kvzb("*>T" + bytes));
        QCOMPARE(c.recorder.writes, QList<QByteArray>{ KvzbAnswers::T });
    }

    void archiveIsAnsweredWithItsCount()
    {
        Connection c;
        c.handshake();
        const QByteArray packet = kvzb("*>A" + QByteArray(1, '\x03') + record(176, 20));
        c.feed(packet);
        QCOMPARE(c.recorder.packetTexts(), (QList<QByteArray>{ received(3, 1, 176, packet), sent(1, 176, KvzbAnswers::A) }));
    }

    void shortPacketsAreLoggedAndDropped_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("format");
        QTest::newRow("*>T without record") << QByteArray("*>T") << QStringLiteral("Неполный пакет *>T: 19 байт") << 0;
        QTest::newRow("*>T without number") << QByteArray("*>T\xB0\x11\x22", 6)
                                            << QStringLiteral("Неполный пакет *>T: 22 байт") << 176;
        QTest::newRow("*>T with the number past the end") << QByteArray("*>T") + record(60)
                                                  << QStringLiteral("Неполный пакет *>T: 130 байт") << 60;
        QTest::newRow("*>A without count") << QByteArray("*>A") << QStringLiteral("Неполный пакет *>A: 19 байт") << 0;
        QTest::newRow("*>A without record") << QByteArray("*>A\x02") << QStringLiteral("Неполный пакет *>A: 20 байт") << 0;
    }
    void shortPacketsAreLoggedAndDropped()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, line);
        QFETCH(int, format);
        Connection c;
        c.handshake();
        c.feed(kvzb(data));
        QCOMPARE(c.recorder.logs, QStringList{ line });
        QVERIFY(c.recorder.packets.isEmpty());
        QVERIFY(c.recorder.writes.isEmpty());
        QCOMPARE(c.protocol->formatNumber(), format);
    }

    void archiveWithKnownFormatNeedsOnlyTheCount()
    {
        Connection c;
        c.handshake();
        c.feed(kvzb("*>T" + record(176)));
        c.recorder.clear();
        c.feed(kvzb(QByteArray("*>A\0", 4)));
        QCOMPARE(c.recorder.writes, QList<QByteArray>{ "4B 56 5A 42 78 56 34 12 01 00 00 00 04 00 57 5F 2A 3C 41 00" });
    }

    void zirnNegotiationAccepted()
    {
        Connection c;
        c.handshake();
        const QByteArray packet = negotiation();
        c.feed(packet);
        QCOMPARE(c.recorder.packetTexts(), (QList<QByteArray>{ received(11, 2, 176, packet), sent(1, 176, KvzbAnswers::Zirn) }));
        QCOMPARE(c.protocol->protocolState(), 2);
        QCOMPARE(c.protocol->zirnRecordSize(), 10);
    }

    void zirnNegotiationRefused_data()
    {
        QTest::addColumn<QByteArray>("packet");
        QTest::addColumn<QString>("line");
        QTest::newRow("68 fields") << negotiation(68) << QStringLiteral("Неверный размер структуры данных: 68");
        QTest::newRow("short") << kvzb(QByteArray("*>ZIRN\xB0\x01\x02\x45\xE0", 11))
                               << QStringLiteral("Неполный пакет *>ZIRN: 27 байт");
    }
    void zirnNegotiationRefused()
    {
        QFETCH(QByteArray, packet);
        QFETCH(QString, line);
        Connection c;
        c.handshake();
        c.feed(packet);
        QCOMPARE(c.recorder.logs, QStringList{ line });
        QCOMPARE(c.recorder.writes, QList<QByteArray>{ KvzbAnswers::Zirn });
        QCOMPARE(c.recorder.packets.size(), 1); // only the answer's report
        QCOMPARE(c.protocol->protocolState(), 1);
        c.feed(zirnPing() + zirnFrame('C', QByteArray(10, '\x01')));
        QCOMPARE(c.recorder.packets.size(), 1);
    }

    void zirnFramesAreAnswered_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("~C") << zirnFrame('C', QByteArray(10, '\x01')) << 12 << QByteArray("7E 43 B9 00");
        QTest::newRow("~T") << zirnFrame('T', QByteArray::fromHex("01020304") + QByteArray(10, '\x01')) << 13
                            << QByteArray("7E 54 01 02 03 04 E7");
        QTest::newRow("~A") << zirnFrame('A', QByteArray(1, '\x02') + QByteArray(20, '\x01')) << 14
                            << QByteArray("7E 41 02 8C");
        QTest::newRow("~A count 0") << zirnFrame('A', QByteArray(1, '\0')) << 14 << QByteArray("7E 41 00 EE");
    }
    void zirnFramesAreAnswered()
    {
        QFETCH(QByteArray, frame);
        QFETCH(int, type);
        QFETCH(QByteArray, answer);
        Connection c;
        c.negotiate();
        c.feed(frame);
        QCOMPARE(c.recorder.packetTexts(), (QList<QByteArray>{ received(type, 2, 176, frame), sent(2, 176, answer) }));
        QCOMPARE(c.recorder.writes, QList<QByteArray>{ answer });
    }

    void zirnPingIsHandedOnUnanswered()
    {
        Connection c;
        c.handshake();
        c.feed(kvzb(zirnNegotiation(0x34, 69, QByteArray::fromHex("E00000000000000000"))));
        c.recorder.clear();
        c.feed(zirnPing());
        QCOMPARE(c.recorder.packetTexts(), QList<QByteArray>{ received(15, 2, 176, QByteArray(1, '\x7F')) });
        QVERIFY(c.recorder.writes.isEmpty());
        QCOMPARE(c.protocol->formatNumber(), 0x34);
    }

    void pingBeforeNegotiationIsNoUnit()
    {
        Connection c;
        c.handshake();
        c.feed(zirnPing() + zirnFrame('C', QByteArray()));
        QVERIFY(c.recorder.packets.isEmpty());
        QCOMPARE(c.protocol->formatNumber(), 0);
    }

    void emptyPacketIsAPing()
    {
        Connection c;
        c.handshake();
        const QByteArray ping = kvzb(QByteArray());
        c.feed(ping);
        QCOMPARE(c.recorder.packetTexts(), QList<QByteArray>{ received(4, 1, 0, ping) });
        QCOMPARE(c.recorder.packets[0].data.size(), 16);
        QVERIFY(c.recorder.writes.isEmpty());
    }

    void commandWaitsForTheNextEmptyPacket()
    {
        Connection c;
        c.handshake();
        c.command("*!1Y");
        c.command("*!OFF:2");
        QVERIFY(c.recorder.writes.isEmpty());
        c.feed(kvzb(QByteArray()));
        QCOMPARE(c.recorder.writes, QList<QByteArray>{ KvzbAnswers::CommandOff2 });
        QCOMPARE(c.recorder.packetTexts().last(), sent(1, 0, KvzbAnswers::CommandOff2));
        c.feed(kvzb(QByteArray()));
        QCOMPARE(c.recorder.writes.size(), 1);
    }

    void pendingCommandReplacesARecordAnswer()
    {
        Connection c;
        c.handshake();
        c.command("*!1Y");
        c.feed(kvzb("*>S:CAR1")); // "*<S" is never replaced
        QCOMPARE(c.recorder.writes, QList<QByteArray>{ KvzbAnswers::S });
        c.feed(kvzb("*>T" + record(176)));
        QCOMPARE(c.recorder.writes, (QList<QByteArray>{ KvzbAnswers::S, KvzbAnswers::Command1Y }));
        QVERIFY(!c.protocol->commandPending());
    }

    void commandInZirnStateGoesAtOnce()
    {
        Connection c;
        c.negotiate();
        c.command("*!1Y");
        QCOMPARE(c.recorder.writes, QList<QByteArray>{ KvzbAnswers::Command1Y });
        QCOMPARE(c.recorder.packetTexts(), QList<QByteArray>{ sent(1, 176, KvzbAnswers::Command1Y) });
    }

    void pendingCommandReplacesTheNegotiationAnswer()
    {
        Connection c;
        c.handshake();
        c.command("*!1Y");
        c.feed(negotiation());
        QCOMPARE(c.recorder.writes, QList<QByteArray>{ KvzbAnswers::Command1Y });
        QCOMPARE(c.protocol->protocolState(), 2);
    }

    void tooLongCommands_data()
    {
        QTest::addColumn<bool>("zirn");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("line");
        QTest::newRow("pending 513") << false << 513
                                     << QStringLiteral("Команда длиной 513 байт не помещается в очередь: наибольшая 512 байт");
        QTest::newRow("at once 1009") << true << 1009
                                      << QStringLiteral("Команда длиной 1009 байт не помещается в пакет: наибольшая 1008 байт");
    }
    void tooLongCommands()
    {
        QFETCH(bool, zirn);
        QFETCH(int, length);
        QFETCH(QString, line);
        Connection c;
        if (zirn)
            c.negotiate();
        else
            c.handshake();
        c.command("*!1Y");
        if (!zirn) {
            c.command(QByteArray(length, 'c'));
            c.feed(kvzb(QByteArray()));
            QCOMPARE(c.recorder.writes, QList<QByteArray>{ KvzbAnswers::Command1Y }); // the older one stays
        } else {
            c.recorder.clear();
            c.command(QByteArray(length, 'c'));
            QVERIFY(c.recorder.writes.isEmpty());
        }
        QCOMPARE(c.recorder.logs, QStringList{ line });
    }

    void longestCommandsFit()
    {
        Connection c;
        c.handshake();
        c.command(QByteArray(512, 'c'));
        c.feed(kvzb(QByteArray()));
        QCOMPARE(c.recorder.writes.size(), 1);
        QCOMPARE(c.recorder.writes[0].size(), (16 + 512) * 3 - 1);
        c.negotiate();
        c.command(QByteArray(1008, 'c'));
        QCOMPARE(c.recorder.writes.size(), 1);
        QCOMPARE(c.recorder.writes[0].size(), 1024 * 3 - 1);
    }

    void hostObjectGoesIntoLaterPackets()
    {
        Connection c;
        c.handshake();
        c.protocol->setHostObject(reinterpret_cast<void*>(0x77));
        c.feed(kvzb("*#V1"));
        c.feed(kvzb("*>S:CAR1"));
        QCOMPARE(c.recorder.packets[0].hostObject, reinterpret_cast<void*>(0x77));
        QCOMPARE(c.recorder.packets[1].type, 1);
        QCOMPARE(c.recorder.packets[1].hostObject, reinterpret_cast<void*>(0x77));
        const TransportPacket closed = c.protocol->disconnectPacket();
        QCOMPARE(closed.type, 0);
        QCOMPARE(closed.protocolState, 1);
        QCOMPARE(closed.hostObject, reinterpret_cast<void*>(0x77));
        QCOMPARE(QByteArray(closed.deviceName), QByteArray("CAR1"));
        QCOMPARE(closed.deviceId, 0x12345678u);
        QCOMPARE(closed.formatNumber, 0);
        QCOMPARE(closed.connection, reinterpret_cast<void*>(0x2000));
        QCOMPARE(closed.module, reinterpret_cast<void*>(0x1000));
    }

    void nothingWhileNotRunning()
    {
        Connection c;
        c.recorder.running = false;
        c.feed(kvzb("*>S:CAR1"));
        QVERIFY(c.recorder.packets.isEmpty());
        QVERIFY(c.recorder.writes.isEmpty());
    }

    void splitAndCoalescedStreamsGiveTheSameRun_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("coalesced") << "coalesced";
        QTest::newRow("every offset") << "offsets";
        QTest::newRow("byte by byte") << "bytes";
        QTest::newRow("each unit with the head of the next") << "heads";
    }
    void splitAndCoalescedStreamsGiveTheSameRun()
    {
        QFETCH(QString, how);
        const QList<QByteArray> units = session();
        Connection whole;
        for (const QByteArray& unit : units)
            whole.feed(unit);
        QList<int> types;
        for (const RecordedPacket& packet : whole.recorder.packets)
            types.append(packet.type);
        QCOMPARE(types, (QList<int>{ 1, 0, 2, 0, 4, 3, 0, 11, 0, 12, 0, 15, 13, 0, 14, 0, 6, 7, 4, 14, 0 }));
        QVERIFY(whole.recorder.logs.isEmpty());

        const QByteArray stream = joined(units);
        auto check = [&](Connection& run, const QString& what) {
            QVERIFY2(run.recorder.packetTexts() == whole.recorder.packetTexts(), qPrintable(what));
            QVERIFY2(run.recorder.writes == whole.recorder.writes, qPrintable(what));
        };
        if (how == "coalesced") {
            Connection run;
            run.feed(stream);
            check(run, how);
        } else if (how == "offsets") {
            for (int cut = 1; cut < stream.size(); ++cut) {
                Connection run;
                run.feed(stream.left(cut));
                run.feed(stream.mid(cut));
                check(run, QString::number(cut));
            }
        } else if (how == "bytes") {
            Connection run;
            for (char byte : stream)
                run.feed(QByteArray(1, byte));
            check(run, how);
        } else {
            for (int head = 1; head < 12; ++head) {
                Connection run;
                QByteArray carry;
                for (const QByteArray& unit : units) {
                    const QByteArray bytes = carry + unit;
                    const int keep = qMin(head, unit.size() - 1);
                    run.feed(bytes.left(bytes.size() - keep));
                    carry = bytes.right(keep);
                }
                run.feed(carry);
                check(run, QString::number(head));
            }
        }
    }

    void burstsNeverStallTheConnection_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("2079") << 2079;
        QTest::newRow("2080") << 2080;
        QTest::newRow("3000") << 3000;
    }
    void burstsNeverStallTheConnection()
    {
        QFETCH(int, size);
        Connection c;
        c.negotiate();
        QByteArray burst;
        for (int i = 0; i < size; ++i)
            burst.append(static_cast<char>('0' + i % 10));
        const QByteArray frame = zirnFrame('C', QByteArray(10, '\x01'));
        c.feed(burst + frame);
        c.feed(kvzb("*#V1"));
        QCOMPARE(c.recorder.writes.first(), QByteArray("7E 43 B9 00"));
        QCOMPARE(c.recorder.packets.last().type, 6);
    }

    void oversizeUnitsLoseNothingAfterThem()
    {
        Connection c;
        c.negotiate();
        c.feed(kvzbHeader(pre, serverId, deviceId, 65535, 0) + zirnFrame('A', QByteArray(1, '\xFF')) + zirnPing());
        QCOMPARE(c.recorder.logs, (QStringList{ QStringLiteral("Пакет KVZB не помещается в запись: 65551 байт"),
                                                QStringLiteral("Кадр ZIRN (команда ~A) не помещается в запись: 2554 байт") }));
        QCOMPARE(c.recorder.packetTexts(), QList<QByteArray>{ received(15, 2, 176, QByteArray(1, '\x7F')) });
    }
};

QTEST_GUILESS_MAIN(TestKvzbProtocol)
#include "tst_kvzb_protocol.moc"
