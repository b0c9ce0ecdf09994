// The 111-byte F-6 record: copy-in rules, the text dump of every field at
// its boundary values, the getters' signedness, the value texts at their
// no-data values and the record times.
#include "f6_test_record.h"
#include "tmipage_f6.h"

#include <QLocale>
#include <QtTest>

using namespace F6Test;

class TstTmiPageF6 : public QObject
{
    Q_OBJECT
private slots:
    void zeroRecord();
    void setRecordLengths_data();
    void setRecordLengths();
    void fullRecordDump();
    void floatsIgnoreTheLocale();
    void getters();
    void valueTexts_data();
    void valueTexts();
    void bitTest_data();
    void bitTest();
    void times();
};

void TstTmiPageF6::zeroRecord()
{
    TmiPage_F6 record;
    QCOMPARE(TmiPage_F6::recordSize(), 111);
    QCOMPARE(record.toText(), zeroRecordText());
    // day byte 0 is no day of a month: the date is invalid and has no text
    QVERIFY(!record.recordTime().isValid());
    QCOMPARE(record.recordTimeText(), QString());
    record.setRecord(Record().u8(10, 1).data(), 111);
    QCOMPARE(record.recordTime(), QDateTime(QDate(2000, 1, 1), QTime(0, 0, 0), Qt::LocalTime));
}

void TstTmiPageF6::setRecordLengths_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("taken");
    QTest::newRow("110 is too short") << 110 << false;
    QTest::newRow("0") << 0 << false;
    QTest::newRow("111 exactly") << 111 << true;
    QTest::newRow("300 takes the first 111") << 300 << true;
}

void TstTmiPageF6::setRecordLengths()
{
    QFETCH(int, length);
    QFETCH(bool, taken);
    QByteArray bytes(300, '\x5A');
    bytes.replace(0, 111, fullRecord().bytes());
    TmiPage_F6 record;
    record.setRecord(reinterpret_cast<const uint8_t*>(bytes.constData()), uint32_t(length));
    QCOMPARE(record.toText(), taken ? fullRecordText() : zeroRecordText());
}

void TstTmiPageF6::fullRecordDump()
{
    TmiPage_F6 record;
    record.setRecord(fullRecord().data(), 111);
    QCOMPARE(record.toText(), fullRecordText());
}

void TstTmiPageF6::floatsIgnoreTheLocale()
{
    QLocale::setDefault(QLocale(QLocale::German));
    TmiPage_F6 record;
    record.setRecord(Record().f32(93, 12.5f).f32(99, 100.0f).f32(103, -1.0f).data(), 111);
    QLocale::setDefault(QLocale::c());
    QVERIFY(record.toText().contains(QStringLiteral("Speed = 12.5; Course = 0; Run = 100; Way = -1; ")));
}

void TstTmiPageF6::getters()
{
    TmiPage_F6 record;
    record.setRecord(fullRecord().data(), 111);
    QCOMPARE(record.numPage(), 4294967295u);
    QCOMPARE(int(record.temp1()), -128);
    QCOMPARE(int(record.temp2()), -127);
    QCOMPARE(int(record.temp4()), 127);
    QCOMPARE(int(record.tempRs485(1)), -5);
    QCOMPARE(int(record.tempRs485(5)), -1);
    QCOMPARE(int(record.levelRs485(2)), 65535);
    QCOMPARE(int(record.levelRs485(6)), 4);
    QCOMPARE(int(record.tempRs232()), -127);
    QCOMPARE(int(record.levelRs232()), 65534);
    QCOMPARE(int(record.fuelConsumption()), -32768);
    QCOMPARE(record.weight(), int32_t(-2147483647 - 1));
    QCOMPARE(record.latitude(), -33000000);
    QCOMPARE(record.altitude(), -15);
    QCOMPARE(record.speed(), 12.5f);
    QCOMPARE(record.stateIn2(), 2147483648u);
    QCOMPARE(int(record.analogIn3()), 32768);
}

void TstTmiPageF6::valueTexts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fuelLevel");
    QTest::addColumn<QString>("fuelConsumption");
    QTest::addColumn<QString>("engineTurns");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("engine");
    QTest::newRow("no data") << Record().u8(40, 0xFF).u16(41, 0xFFFF).u16(72, 0xFFFF).u32(68, 0xFFFFFFFFu).bytes()
                             << "n/a" << "n/a" << "n/a" << "n/a" << "заглушен";
    QTest::newRow("values") << Record().u8(40, 0x37).u16(41, 0xFFFE).u16(72, 0xFFFE).u32(68, 0xFFFFFFFEu)
                                   .u8(14, 0x80).bytes()
                            << "55 %" << "-2" << "65534" << "-2" << "работает";
    QTest::newRow("extremes") << Record().u8(40, 0x80).u16(41, 0x7FFF).u32(68, 0x7FFFFFFFu).u8(14, 0x7F).bytes()
                              << "-128 %" << "32767" << "0" << "2147483647" << "заглушен";
}

void TstTmiPageF6::valueTexts()
{
    QFETCH(QByteArray, bytes);
    TmiPage_F6 record;
    record.setRecord(reinterpret_cast<const uint8_t*>(bytes.constData()), 111);
    QTEST(record.fuelLevelText(), "fuelLevel");
    QTEST(record.fuelConsumptionText(), "fuelConsumption");
    QTEST(record.engineTurnsText(), "engineTurns");
    QTEST(record.weightText(), "weight");
    QTEST(record.engineText(), "engine");
}

void TstTmiPageF6::bitTest_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("bit");
    QTest::newRow("bit 0 set") << 0x01 << 0 << 1;
    QTest::newRow("bit 7 set") << 0x80 << 7 << 1;
    QTest::newRow("bit 6 clear") << 0xBF << 6 << 0;
    QTest::newRow("bit 8") << 0xFF << 8 << 0;
    QTest::newRow("bit -1") << 0xFF << -1 << 0;
}

void TstTmiPageF6::bitTest()
{
    QFETCH(int, value);
    QFETCH(int, n);
    QTEST(TmiPage_F6::bit(uint8_t(value), n), "bit");
}

void TstTmiPageF6::times()
{
    TmiPage_F6 record;
    record.setRecord(fullRecord().data(), 111);
    QCOMPARE(record.recordTime(), QDateTime(QDate(2025, 12, 31), QTime(13, 45, 30), Qt::LocalTime));
    QCOMPARE(record.lastFixTime(), QDateTime(QDate(2000, 1, 1), QTime(23, 59, 58), Qt::LocalTime));
    const QString december = QLocale::system().monthName(12, QLocale::LongFormat);
    QCOMPARE(record.recordTimeText(), QStringLiteral("13:45:30  31  ") + december + QStringLiteral("  2025"));
    const QString january = QLocale::system().monthName(1, QLocale::LongFormat);
    QCOMPARE(record.lastFixTimeText(), QStringLiteral("23:59:58  1  ") + january + QStringLiteral("  2000"));
    // Month byte 0 and Year byte 25 are January 2025
    record.setRecord(Record().u8(10, 5).u8(11, 0).u8(12, 25).data(), 111);
    QCOMPARE(record.recordTime().date(), QDate(2025, 1, 5));
}

QTEST_GUILESS_MAIN(TstTmiPageF6)
#include "tst_tmipage_f6.moc"
