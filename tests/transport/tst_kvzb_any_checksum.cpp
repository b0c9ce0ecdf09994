// The framing as a fuzzing build compiles it, with every checksum taken as
// right: units with wrong XOR or CRC-8 bytes are handed on, and every other
// rule of the search still holds.
#include "kvzb_framing.h"
#include "protocol_recorder.h"
#include "terminal_wire.h"

#include <QtTest>

using namespace TerminalWire;

namespace {

void feed(KvzbFraming& framing, FramingRecorder& recorder, const QByteArray& bytes)
{
    framing.receive(reinterpret_cast<const uint8_t*>(bytes.constData()), bytes.size(), recorder);
}

} // namespace

class TestKvzbAnyChecksum : public QObject
{
    Q_OBJECT
private slots:
    void wrongChecksumsAreTaken()
    {
        KvzbFraming framing;
        FramingRecorder recorder;
        // "KVZB", IDr 1, IDs 0x12345678, n 3, CSd 00 and CSp 00 both wrong, "*#V"
        const QByteArray first = QByteArray::fromHex("4B565A42 01000000 78563412 0300 00 00 2A2356");
        feed(framing, recorder, first);
        QCOMPARE(framing.learnedPreamble(), QByteArray("KVZB"));
        QCOMPARE(framing.deviceId(), 0x12345678u);
        // CSd wrong, CSp right: "*#A"
        const QByteArray second = QByteArray::fromHex("4B565A42 01000000 78563412 0300 00 0F 2A2341");
        feed(framing, recorder, second);
        framing.setZirnFrames(true, 2);
        // "~C", a record of 2 bytes, CRC-8 00 (right would be another value)
        feed(framing, recorder, QByteArray::fromHex("7E43 0102 00"));
        QCOMPARE(recorder.units, (QList<QByteArray>{ "1 4B 56 5A 42 01 00 00 00 78 56 34 12 03 00 00 00 2A 23 56",
                                                     "1 4B 56 5A 42 01 00 00 00 78 56 34 12 03 00 00 0F 2A 23 41",
                                                     "2 7E 43 01 02 00" }));
        QVERIFY(recorder.logs.isEmpty());
    }

    void sizesAreStillChecked()
    {
        KvzbFraming framing;
        FramingRecorder recorder;
        feed(framing, recorder, kvzbPacket("KVZB", 1, 0x12345678, QByteArray()));
        recorder.units.clear();
        // n 65535 with wrong checksums: refused, the search moves on
        feed(framing, recorder, QByteArray::fromHex("4B565A42 01000000 78563412 FFFF 00 00")
                                    + kvzbPacket("KVZB", 1, 0x12345678, QByteArray()));
        QCOMPARE(recorder.logs, QStringList{ QStringLiteral("Пакет KVZB не помещается в запись: 65551 байт") });
        QCOMPARE(recorder.units, QList<QByteArray>{ "1 4B 56 5A 42 01 00 00 00 78 56 34 12 00 00 00 0C" });
    }
};

QTEST_GUILESS_MAIN(TestKvzbAnyChecksum)
#include "tst_kvzb_any_checksum.moc"
