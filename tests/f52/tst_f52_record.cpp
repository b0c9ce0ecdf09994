// The F-52 record: copy-in by length, the dump of every field, times and
// flag tests at their boundaries.
#include "f52_record.h"
#include "f52_test_record.h"

#include <QtTest>

using namespace F52Test;

namespace {
F52Record parsed(const QByteArray& bytes)
{
    F52Record record;
    record.parse(reinterpret_cast<const uint8_t*>(bytes.constData()), uint32_t(bytes.size()));
    return record;
}
}

class TstF52Record : public QObject
{
    Q_OBJECT
private slots:
    void sizeIs86();
    void parseTakesOnlyWholeRecords();
    void dumpOfEveryField();
    void dumpIgnoresTheLocale();
    void getters();
    void flagTests_data();
    void flagTests();
    void bitAndTwoBitsOutOfRange();
    void times();
};

void TstF52Record::sizeIs86()
{
    QCOMPARE(F52Record().size(), 86);
    QCOMPARE(recordOf(Values()).size(), 86);
}

void TstF52Record::parseTakesOnlyWholeRecords()
{
    Values first;
    first.numPage = 11;
    Values second;
    second.numPage = 22;
    F52Record record = parsed(recordOf(first));
    QCOMPARE(record.numPage(), 11u);

    const QByteArray shortRecord = recordOf(second).left(85);
    record.parse(reinterpret_cast<const uint8_t*>(shortRecord.constData()), 85);
    QCOMPARE(record.numPage(), 11u);

    QByteArray longer = recordOf(second) + QByteArray(114, '\xFF');
    record.parse(reinterpret_cast<const uint8_t*>(longer.constData()), uint32_t(longer.size()));
    QCOMPARE(record.numPage(), 22u);
    QCOMPARE(int(record.temp4()), 0);   // byte 85, not one of the 0xFF after it

    record.parse(nullptr, 86);
    QCOMPARE(record.numPage(), 22u);
}

void TstF52Record::dumpOfEveryField()
{
    QCOMPARE(parsed(recordOf(fullValues())).toText(), QString::fromLatin1(fullText()));
    QCOMPARE(F52Record().toText().left(38), QStringLiteral("Type = 0; NumPage = 0; Code = 0; Hour "));
}

void TstF52Record::dumpIgnoresTheLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German));
    const QString text = parsed(recordOf(fullValues())).toText();
    QLocale::setDefault(saved);
    QVERIFY(text.contains(QStringLiteral("Speed = 12.5; ")));
}

void TstF52Record::getters()
{
    const F52Record r = parsed(recordOf(fullValues()));
    QCOMPARE(r.numPage(), 4000000000u);
    QCOMPARE(r.code(), quint16(65535));
    QCOMPARE(r.codeText(), QStringLiteral("65535"));
    QCOMPARE(r.module(), quint8(0x61));
    QCOMPARE(r.gsm(), quint8(24));
    QCOMPARE(r.analogIn3(), quint16(12345));
    QCOMPARE(r.analogIn4(), quint16(65535));
    QCOMPARE(r.analogIn1(), quint16(0));
    QCOMPARE(r.analogIn2(), quint16(4200));
    QCOMPARE(r.pulseCount1(), 4294967295u);
    QCOMPARE(r.pulseCount2(), 7u);
    QCOMPARE(r.speed(), 12.5f);
    QCOMPARE(r.longitude(), -0.5f);
    QCOMPARE(r.course(), quint16(359));
    QCOMPARE(r.fuelTemp1(), qint16(-5));
    QCOMPARE(r.fuelTemp2(), qint16(127));
    QCOMPARE(r.fuelTemp3(), qint16(-128));
    QCOMPARE(r.fuelLevel1(), quint16(40000));
    QCOMPARE(r.temp1(), quint8(0x80));
    QCOMPARE(r.temp4(), quint8(0xFB));
    QCOMPARE(r.allSeconds(), quint16(65535));
}

void TstF52Record::flagTests_data()
{
    QTest::addColumn<int>("protection");
    QTest::addColumn<int>("stateIn");
    QTest::addColumn<int>("stateOut");
    QTest::addColumn<int>("guard");
    QTest::addColumn<int>("alarm");
    QTest::addColumn<QString>("inputs");    // bits 0..4, then 5, 6, 7
    QTest::addColumn<int>("out1");
    QTest::addColumn<int>("out2");
    QTest::newRow("0x83 guard 3 alarm") << 0x83 << 0xA1 << 1 << 3 << 1 << "10000101" << 1 << 0;
    QTest::newRow("0x02 guard 2") << 0x02 << 0x1E << 2 << 2 << 0 << "01111000" << 0 << 1;
    QTest::newRow("all off") << 0 << 0 << 0 << 0 << 0 << "00000000" << 0 << 0;
    QTest::newRow("all on") << 0xFF << 0xFF << 0xFF << 3 << 1 << "11111111" << 1 << 1;
}

void TstF52Record::flagTests()
{
    QFETCH(int, protection);
    QFETCH(int, stateIn);
    QFETCH(int, stateOut);
    Values v;
    v.protection = quint8(protection);
    v.stateIn = quint8(stateIn);
    v.stateOut = quint8(stateOut);
    const F52Record r = parsed(recordOf(v));
    QTEST(r.guardMode(), "guard");
    QTEST(r.protectionBit7(), "alarm");
    QString inputs;
    for (int n = 0; n < 5; ++n)
        inputs += QString::number(r.inputBit(n));
    inputs += QString::number(r.stateInBit5()) + QString::number(r.stateInBit6())
        + QString::number(r.stateInBit7());
    QTEST(inputs, "inputs");
    QTEST(r.output1(), "out1");
    QTEST(r.output2(), "out2");
}

void TstF52Record::bitAndTwoBitsOutOfRange()
{
    QCOMPARE(F52Record::bit(0xFF, 7), 1);
    QCOMPARE(F52Record::bit(0xFF, 8), 0);
    QCOMPARE(F52Record::bit(0xFF, -1), 0);
    QCOMPARE(F52Record::twoBits(0xFFFF, 7), 3);
    QCOMPARE(F52Record::twoBits(0xFFFF, 8), 0);
    QCOMPARE(F52Record::twoBits(0x0C00, 5), 3);
    QCOMPARE(F52Record::twoBits(0x0C00, 4), 0);
    Values v;
    v.nGauge = 2;
    QCOMPARE(parsed(recordOf(v)).stateNGaugeBit1(), 1);
    v.nGauge = 0xFD;
    QCOMPARE(parsed(recordOf(v)).stateNGaugeBit1(), 0);
}

void TstF52Record::times()
{
    const F52Record r = parsed(recordOf(fullValues()));
    QCOMPARE(r.recordTime(), QDateTime(QDate(2025, 12, 31), QTime(23, 59, 58), Qt::LocalTime));
    QCOMPARE(r.timeText(), QStringLiteral("23:59:58  31.12.2025"));
    QCOMPARE(r.lastFixTime(), QDateTime(QDate(2026, 6, 4), QTime(1, 2, 3), Qt::LocalTime));
    QCOMPARE(r.lastFixTimeText(), QStringLiteral("01:02:03  04.06.2026"));
}

QTEST_GUILESS_MAIN(TstF52Record)
#include "tst_f52_record.moc"
