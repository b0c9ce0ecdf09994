// Checksums, the ZIRN record size and the search for units in the receive
// buffer, fed directly.
#include "kvzb_checksum.h"
#include "kvzb_framing.h"
#include "protocol_recorder.h"
#include "terminal_wire.h"
#include "zirn_record_size.h"

#include <QtTest>

using namespace TerminalWire;

namespace {

const QByteArray pre("KVZB");

QByteArray hexOf(const QByteArray& bytes)
{
    return bytes.toHex(' ').toUpper();
}

QByteArray unitText(int kind, const QByteArray& bytes)
{
    return QByteArray::number(kind) + " " + hexOf(bytes);
}

void feed(KvzbFraming& framing, FramingRecorder& recorder, const QByteArray& bytes)
{
    framing.receive(reinterpret_cast<const uint8_t*>(bytes.constData()), bytes.size(), recorder);
}

// A framing that has learned "KVZB" from a whole ping and, when zirnSize >= 0,
// looks for ZIRN frames of that record size.
void prepare(KvzbFraming& framing, FramingRecorder& recorder, int zirnSize = -1)
{
    feed(framing, recorder, kvzbPacket(pre, 1, 0x12345678, QByteArray()));
    recorder.units.clear();
    if (zirnSize >= 0)
        framing.setZirnFrames(true, zirnSize);
}

QByteArray garbage(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(static_cast<char>(0x20 + (i % 64))); // no "K", no "~", no 0x7F
    return bytes;
}

} // namespace

class TestKvzbFraming : public QObject
{
    Q_OBJECT
private slots:
    void xorChecksum_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("expected");
        QTest::newRow("empty") << QByteArray() << 0x00;
        QTest::newRow("one") << QByteArray::fromHex("12") << 0x12;
        QTest::newRow("three") << QByteArray::fromHex("010204") << 0x07;
        QTest::newRow("cancel") << QByteArray::fromHex("FFFF") << 0x00;
        QTest::newRow("text") << QByteArray("*<S") << 0x45;
    }
    void xorChecksum()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, expected);
        QCOMPARE(int(::xorChecksum(reinterpret_cast<const uint8_t*>(bytes.constData()), bytes.size())), expected);
    }

    void crc8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("expected");
        QTest::newRow("check value") << QByteArray("123456789") << 0xF7;
        QTest::newRow("~C answer") << QByteArray("~C") << 0xB9;
        QTest::newRow("empty") << QByteArray() << 0xFF;
        QTest::newRow("~A count 0") << QByteArray("~A", 2) + QByteArray(1, '\0') << 0xEE;
        QTest::newRow("~T number") << QByteArray::fromHex("7E5401020304") << 0xE7;
        QTest::newRow("~C zero record") << QByteArray("~C") + QByteArray(10, '\0') << 167;
    }
    void crc8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, expected);
        QCOMPARE(int(::crc8(reinterpret_cast<const uint8_t*>(bytes.constData()), bytes.size())), expected);
    }

    void zirnRecordSize_data()
    {
        QTest::addColumn<QByteArray>("mask");
        QTest::addColumn<int>("expected");
        const int sizes[69] = { 4, 2, 4, 1, 1, 1, 1, 1, 4, 4, 4, 4, 4, 2, 4, 4, 2, 2, 2, 2, 2, 2, 2, 2,
                                2, 2, 2, 2, 1, 1, 1, 1, 4, 4, 2, 2, 4, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1, 1,
                                1, 1, 1, 1, 2, 4, 2, 1, 4, 2, 2, 2, 2, 2, 1, 1, 1, 2, 4, 2, 1 };
        for (int field = 1; field <= 69; ++field) {
            QByteArray mask(9, '\0');
            mask[(field - 1) / 8] = static_cast<char>(0x80 >> ((field - 1) % 8));
            QTest::newRow(qPrintable(QStringLiteral("field %1").arg(field))) << mask << sizes[field - 1];
        }
        QTest::newRow("all 69") << QByteArray::fromHex("FFFFFFFFFFFFFFFFF8") << 146;
        QTest::newRow("unused bits ignored") << QByteArray::fromHex("FFFFFFFFFFFFFFFFFF") << 146;
        QTest::newRow("only unused bits") << QByteArray::fromHex("000000000000000007") << 0;
        QTest::newRow("none") << QByteArray(9, '\0') << 0;
        QTest::newRow("byte 0") << QByteArray::fromHex("FF0000000000000000") << 15;
        QTest::newRow("fields 1 to 3") << QByteArray::fromHex("E00000000000000000") << 10;
    }
    void zirnRecordSize()
    {
        QFETCH(QByteArray, mask);
        QFETCH(int, expected);
        QCOMPARE(::zirnRecordSize(reinterpret_cast<const uint8_t*>(mask.constData())), expected);
    }

    void garbageBeforeFirstHeaderIsSkipped()
    {
        KvzbFraming framing;
        FramingRecorder recorder;
        const QByteArray handshake = kvzbPacket(pre, 7, 0x12345678, "*>S:CAR1");
        feed(framing, recorder, QByteArray::fromHex("0102030405") + garbage(40) + handshake);
        QCOMPARE(recorder.units, QList<QByteArray>{ unitText(1, handshake) });
        QCOMPARE(framing.learnedPreamble(), QByteArray("KVZB"));
        QCOMPARE(framing.serverId(), 7u);
        QCOMPARE(framing.deviceId(), 0x12345678u);
        QCOMPARE(framing.bufferFill(), 0);
    }

    void chanceHeaderInGarbageTeachesNothing()
    {
        KvzbFraming framing;
        FramingRecorder recorder;
        // CSp right, CSd wrong, whole: not a packet to learn from
        const QByteArray chance = kvzbHeader("ABCD", 1, 2, 1, 0x00) + "x";
        // CSp right, announcing 65535 bytes: does not fit a record, so no one waits for it
        const QByteArray huge = kvzbHeader("EFGH", 1, 2, 65535, 0x00);
        const QByteArray handshake = kvzbPacket(pre, 1, 0x12345678, "*>S:CAR1");
        feed(framing, recorder, chance + huge + handshake);
        QCOMPARE(recorder.units, QList<QByteArray>{ unitText(1, handshake) });
        QCOMPARE(framing.learnedPreamble(), QByteArray("KVZB"));
    }

    void firstPacketSplitIsTakenWhenWhole()
    {
        KvzbFraming framing;
        FramingRecorder recorder;
        const QByteArray handshake = kvzbPacket(pre, 1, 0x12345678, "*>S:CAR1");
        feed(framing, recorder, handshake.left(18));
        QVERIFY(recorder.units.isEmpty());
        QVERIFY(!framing.preambleKnown());
        feed(framing, recorder, handshake.mid(18));
        QCOMPARE(recorder.units, QList<QByteArray>{ unitText(1, handshake) });
    }

    void twoFramesInOneRead()
    {
        KvzbFraming framing;
        FramingRecorder recorder;
        const QByteArray first = kvzbPacket(pre, 1, 0x12345678, "*>S:CAR1");
        const QByteArray second = kvzbPacket(pre, 1, 0x12345678, "*#V1.0");
        feed(framing, recorder, first + second);
        QCOMPARE(recorder.units, (QList<QByteArray>{ unitText(1, first), unitText(1, second) }));
    }

    void zirnFramesInOneRead()
    {
        KvzbFraming framing;
        FramingRecorder recorder;
        prepare(framing, recorder, 10);
        const QByteArray current = zirnFrame('C', QByteArray(10, '\x01'));
        const QByteArray event = zirnFrame('T', QByteArray::fromHex("01020304") + QByteArray(10, '\x02'));
        const QByteArray archive = zirnFrame('A', QByteArray(1, '\x02') + QByteArray(20, '\x03'));
        const QByteArray empty = zirnFrame('A', QByteArray(1, '\0'));
        feed(framing, recorder, current + zirnPing() + event + archive + empty);
        QCOMPARE(recorder.units, (QList<QByteArray>{ unitText(2, current), "2 7F", unitText(2, event),
                                                     unitText(2, archive), "2 7E 41 00 EE" }));
    }

    void zirnFramesOnlyAfterNegotiation()
    {
        KvzbFraming framing;
        FramingRecorder recorder;
        prepare(framing, recorder);
        const QByteArray ping = kvzbPacket(pre, 1, 0x12345678, QByteArray());
        feed(framing, recorder, zirnPing() + zirnFrame('C', QByteArray()) + ping);
        QCOMPARE(recorder.units, QList<QByteArray>{ unitText(1, ping) });
    }

    void zirnWinsATie()
    {
        KvzbFraming framing;
        FramingRecorder recorder;
        const QByteArray marker("~CAB");
        feed(framing, recorder, kvzbPacket(marker, 1, 2, QByteArray()));
        recorder.units.clear();
        framing.setZirnFrames(true, 10);
        const QByteArray packet = kvzbPacket(marker, 1, 2, "*#V1.0");
        const KvzbFraming::Search found =
            framing.findFrame(reinterpret_cast<const uint8_t*>(packet.constData()), packet.size());
        QCOMPARE(int(found.status), int(KvzbFraming::Search::Unit));
        QCOMPARE(found.position, 0);
        QCOMPARE(found.kind, int(KvzbFraming::KindZirn));
        QCOMPARE(found.size, 13);
    }

    void unknownLetterIsSkipped()
    {
        KvzbFraming framing;
        FramingRecorder recorder;
        prepare(framing, recorder, 10);
        const QByteArray current = zirnFrame('C', QByteArray(10, '\x05'));
        feed(framing, recorder, QByteArray("~X~") + current);
        QCOMPARE(recorder.units, QList<QByteArray>{ unitText(2, current) });
        QCOMPARE(framing.bufferFill(), 0);
    }

    // A packet split by TCP that holds "~" and 0x7F keeps its bytes.
    void arrivingPacketHoldsTheSearch()
    {
        KvzbFraming framing;
        FramingRecorder recorder;
        prepare(framing, recorder, 0);
        const QByteArray packet = kvzbPacket(pre, 1, 0x12345678, QByteArray("*#V\x7E\x43\x7F\x7E\x54", 9) + QByteArray(8, '\0'));
        for (int cut = 1; cut < packet.size(); ++cut) {
            recorder.units.clear();
            feed(framing, recorder, packet.left(cut));
            QVERIFY2(recorder.units.isEmpty(), qPrintable(QString::number(cut)));
            feed(framing, recorder, packet.mid(cut));
            QCOMPARE(recorder.units, QList<QByteArray>{ unitText(1, packet) });
        }
    }

    // A record that holds a whole KVZB packet keeps its frame.
    void arrivingFrameHoldsTheSearch()
    {
        KvzbFraming framing;
        FramingRecorder recorder;
        prepare(framing, recorder, 20);
        const QByteArray record = kvzbPacket(pre, 1, 0x12345678, QByteArray()) + "abcd";
        const QByteArray frame = zirnFrame('C', record);
        feed(framing, recorder, frame.left(20));
        QVERIFY(recorder.units.isEmpty());
        feed(framing, recorder, frame.mid(20));
        QCOMPARE(recorder.units, QList<QByteArray>{ unitText(2, frame) });
    }

    void badCsdIsLoggedAndTheRestParsed()
    {
        KvzbFraming framing;
        FramingRecorder recorder;
        prepare(framing, recorder);
        const QByteArray bad = kvzbHeader(pre, 1, 0x12345678, 3, 0x00) + "*#V";
        const QByteArray good = kvzbPacket(pre, 1, 0x12345678, "*#A");
        feed(framing, recorder, bad + good);
        QCOMPARE(recorder.logs, QStringList{ QStringLiteral("Ошибка CSd KVZB принято: 0 вычислено: 95") });
        QCOMPARE(recorder.units, QList<QByteArray>{ unitText(1, good) });
    }

    void badCrcIsLoggedAndTheRestParsed()
    {
        KvzbFraming framing;
        FramingRecorder recorder;
        prepare(framing, recorder, 10);
        QByteArray bad = QByteArray("~C") + QByteArray(10, '\0') + QByteArray(1, '\0');
        feed(framing, recorder, bad + zirnPing());
        QCOMPARE(recorder.logs, QStringList{ QStringLiteral("Ошибка CRC8 ZIRN (команда ~C) принято: 0  вычислено: 167") });
        QCOMPARE(recorder.units, QList<QByteArray>{ "2 7F" });
    }

    // Lines while a unit waits for its rest, and for units too large for a
    // record, after which the search goes on.
    void frameLines_data()
    {
        QTest::addColumn<int>("zirnSize");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("waits");
        QTest::addColumn<QString>("line");
        QTest::newRow("KVZB waits") << -1 << kvzbPacket(pre, 1, 0x12345678, "*#V1").left(17) << true
                                    << QStringLiteral("Ошибка длины пакета KVZB должно быть: 20 получено: 17");
        QTest::newRow("~T waits") << 10 << QByteArray("~T\x01\x02\x03\x04\x05", 7) << true
                                  << QStringLiteral("Ошибка размера данных ZIRN (команда ~T) должно быть: 17  получено: 7");
        QTest::newRow("~C waits") << 10 << QByteArray("~C\x01\x02\x03", 5) << true
                                  << QStringLiteral("Ошибка размера данных ZIRN (команда ~C) должно быть: 13  получено: 5");
        QTest::newRow("~A waits") << 10 << QByteArray("~A\x02\x01\x02\x03\x04\x05\x06\x07", 10) << true
                                  << QStringLiteral("размера данных ZIRN (команда ~A) должно быть: 24 получено: 10");
        QTest::newRow("n 65535") << -1 << kvzbHeader(pre, 1, 0x12345678, 65535, 0) << false
                                 << QStringLiteral("Пакет KVZB не помещается в запись: 65551 байт");
        QTest::newRow("n 1009") << -1 << kvzbHeader(pre, 1, 0x12345678, 1009, 0) << false
                                << QStringLiteral("Пакет KVZB не помещается в запись: 1025 байт");
        QTest::newRow("~A count 255") << 10 << QByteArray("~A\xFF", 3) << false
                                      << QStringLiteral("Кадр ZIRN (команда ~A) не помещается в запись: 2554 байт");
        QTest::newRow("~T of 1018") << 1018 << QByteArray("~T", 2) << false
                                    << QStringLiteral("Кадр ZIRN (команда ~T) не помещается в запись: 1025 байт");
    }
    void frameLines()
    {
        QFETCH(int, zirnSize);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, waits);
        QFETCH(QString, line);
        KvzbFraming framing;
        FramingRecorder recorder;
        prepare(framing, recorder, zirnSize);
        const QByteArray ping = kvzbPacket(pre, 1, 0x12345678, QByteArray());
        feed(framing, recorder, waits ? bytes : bytes + ping);
        QCOMPARE(recorder.logs, QStringList{ line });
        if (waits) {
            QVERIFY(recorder.units.isEmpty());
            QCOMPARE(framing.bufferFill(), bytes.size());
        } else {
            QCOMPARE(recorder.units, QList<QByteArray>{ unitText(1, ping) });
        }
    }

    void largestUnitFits()
    {
        KvzbFraming framing;
        FramingRecorder recorder;
        prepare(framing, recorder);
        const QByteArray packet = kvzbPacket(pre, 1, 0x12345678, "*#V" + QByteArray(1005, 'v'));
        QCOMPARE(packet.size(), 1024);
        feed(framing, recorder, packet);
        QCOMPARE(recorder.units, QList<QByteArray>{ unitText(1, packet) });
    }

    void burstsKeepTheUnitsAfterThem_data()
    {
        QTest::addColumn<int>("garbageSize");
        QTest::newRow("2079") << 2079;
        QTest::newRow("2080") << 2080;
        QTest::newRow("3000") << 3000;
        QTest::newRow("unit across the buffer's end") << 2070;
    }
    void burstsKeepTheUnitsAfterThem()
    {
        QFETCH(int, garbageSize);
        KvzbFraming framing;
        FramingRecorder recorder;
        prepare(framing, recorder);
        const QByteArray first = kvzbPacket(pre, 1, 0x12345678, "*#V1.0");
        const QByteArray second = kvzbPacket(pre, 1, 0x12345678, "*#A1.0");
        feed(framing, recorder, garbage(garbageSize) + first + second);
        QCOMPARE(recorder.units, (QList<QByteArray>{ unitText(1, first), unitText(1, second) }));
        QCOMPARE(framing.bufferFill(), 0);
    }

    void fullBufferKeepsTheHeadOfAnArrivingUnit()
    {
        KvzbFraming framing;
        FramingRecorder recorder;
        prepare(framing, recorder);
        const QByteArray packet = kvzbPacket(pre, 1, 0x12345678, "*#V" + QByteArray(500, 'v'));
        feed(framing, recorder, garbage(1900) + packet.left(300));
        QVERIFY(recorder.units.isEmpty());
        QCOMPARE(recorder.logs.filter(QStringLiteral("Буфер приёма переполнен: отброшено 1900 байт")).size(), 1);
        feed(framing, recorder, packet.mid(300));
        QCOMPARE(recorder.units, QList<QByteArray>{ unitText(1, packet) });
    }

    void buildPacketSwapsTheIdentifiers()
    {
        KvzbFraming framing;
        FramingRecorder recorder;
        prepare(framing, recorder);
        QCOMPARE(hexOf(framing.buildPacket("*<S")),
                 QByteArray("4B 56 5A 42 78 56 34 12 01 00 00 00 03 00 45 4A 2A 3C 53"));
        const uint8_t number[4] = { 0x11, 0x22, 0x33, 0x44 };
        QCOMPARE(hexOf(framing.buildPacket("*<T", number, 4)),
                 QByteArray("4B 56 5A 42 78 56 34 12 01 00 00 00 07 00 06 0D 2A 3C 54 11 22 33 44"));
        QVERIFY(framing.buildPacket(QByteArray(1009, 'x')).isEmpty());
        QCOMPARE(framing.buildPacket(QByteArray(1008, 'x')).size(), 1024);
    }
};

QTEST_GUILESS_MAIN(TestKvzbFraming)
#include "tst_kvzb_framing.moc"
