// The F-5 record: copy-in by length, the 35-field dump, the bits of byte 17.
#include "f5_record.h"
#include "f5_test_record.h"

#include <QtTest>

namespace {
F5Record parsed(const QByteArray& bytes)
{
    F5Record record;
    record.parse(reinterpret_cast<const uint8_t*>(bytes.constData()), uint32_t(bytes.size()));
    return record;
}
}

class TstF5Record : public QObject
{
    Q_OBJECT
private slots:
    void parseTakesOnlyWholeRecords();
    void dump();
    void byte17_data();
    void byte17();
    void gettersAndTimes();
};

void TstF5Record::parseTakesOnlyWholeRecords()
{
    QCOMPARE(F5Record().size(), 67);
    F5Record record = parsed(F5Test::recordOf(F5Test::fullValues(1)));
    QCOMPARE(record.numPage(), 1u);
    const QByteArray shortRecord = F5Test::recordOf(F5Test::fullValues(2)).left(66);
    record.parse(reinterpret_cast<const uint8_t*>(shortRecord.constData()), 66);
    QCOMPARE(record.numPage(), 1u);
    // a whole F-52 record fills the F-5 record from its first 67 bytes
    const QByteArray f52 = F52Test::recordOf(F5Test::fullValues(3));
    record.parse(reinterpret_cast<const uint8_t*>(f52.constData()), uint32_t(f52.size()));
    QCOMPARE(record.toText(), F5Test::fullText(3));
}

void TstF5Record::dump()
{
    QCOMPARE(parsed(F5Test::recordOf(F5Test::fullValues())).toText(), F5Test::fullText());
    QVERIFY(F5Record().toText().endsWith(QStringLiteral("; AllSeconds = 0; SecondsLast = 0; ")));
}

void TstF5Record::byte17_data()
{
    QTest::addColumn<int>("stateInOut");
    QTest::addColumn<QString>("bits");   // inputBit 0..4, then bits 5, 6, 7
    QTest::newRow("0x60") << 0x60 << "00000110";
    QTest::newRow("0x1F") << 0x1F << "11111000";
    QTest::newRow("0x80") << 0x80 << "00000001";
    QTest::newRow("0x20") << 0x20 << "00000100";
}

void TstF5Record::byte17()
{
    QFETCH(int, stateInOut);
    F52Test::Values v = F5Test::fullValues();
    v.stateIn = quint8(stateInOut);
    const F5Record r = parsed(F5Test::recordOf(v));
    QString bits;
    for (int n = 0; n < 5; ++n)
        bits += QString::number(r.inputBit(n));
    bits += QString::number(r.stateInBit5()) + QString::number(r.stateInBit6()) + QString::number(r.stateInBit7());
    QTEST(bits, "bits");
    QVERIFY(r.toText().contains(QStringLiteral("; StateInOut = ") + QString::number(stateInOut) + "; "));
    QCOMPARE(r.inputBit(8), 0);
}

void TstF5Record::gettersAndTimes()
{
    const F5Record r = parsed(F5Test::recordOf(F5Test::fullValues()));
    QCOMPARE(r.guardMode(), 1);
    QCOMPARE(r.protectionBit7(), 1);
    QCOMPARE(r.output1(), 0);
    QCOMPARE(r.output2(), 1);
    QCOMPARE(r.stateNGaugeBit1(), 1);
    QCOMPARE(r.pulseCount1(), 4294967295u);
    QCOMPARE(r.analogIn3(), quint16(12345));
    QCOMPARE(r.secondsLast(), quint16(1));
    QCOMPARE(r.way(), 1e-5f);
    QCOMPARE(r.recordTime(), QDateTime(QDate(2025, 12, 31), QTime(23, 59, 58), Qt::LocalTime));
    QCOMPARE(r.lastFixTime(), QDateTime(QDate(2026, 6, 4), QTime(1, 2, 3), Qt::LocalTime));
}

QTEST_GUILESS_MAIN(TstF5Record)
#include "tst_f5_record.moc"
