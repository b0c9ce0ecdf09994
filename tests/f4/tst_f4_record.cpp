// The 27-byte F-4 record: copy-in rules, getters and flag tests at their
// boundaries, and the exact one-line text of a record.
#include "f4_record.h"
#include "f4_test_encoder.h"

#include <QtTest>

#include <ctime>

using namespace F4Test;

Q_DECLARE_METATYPE(F4Test::Fields)

class TstF4Record : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sizeIs27();
    void shortCopyKeepsThePreviousRecord();
    void longCopyTakesThe27FirstBytes();
    void text_data();
    void text();
    void stateInReadsTheLowByte();
    void stateOutBits();
    void guardModeAndAlarm_data();
    void guardModeAndAlarm();
    void temperaturesAreSigned();
    void bitTestsOutOfRange();
    void time();
};

void TstF4Record::initTestCase()
{
    qputenv("TZ", "UTC");
    tzset();
}

void TstF4Record::sizeIs27()
{
    QCOMPARE(F4Record::recordSize(), 27);
    QCOMPARE(encode(Fields()).size(), 27);
}

void TstF4Record::shortCopyKeepsThePreviousRecord()
{
    F4Record record;
    const QByteArray first = numbered(7);
    record.setRecord(reinterpret_cast<const uint8_t*>(first.constData()), 27);
    QCOMPARE(record.numPage(), 7u);
    const QByteArray second = numbered(8);
    record.setRecord(reinterpret_cast<const uint8_t*>(second.constData()), 26);
    QCOMPARE(record.numPage(), 7u);
    QCOMPARE(record.toText(), recordText(7));
    record.setRecord(nullptr, 27);
    QCOMPARE(record.numPage(), 7u);
}

void TstF4Record::longCopyTakesThe27FirstBytes()
{
    F4Record record;
    QByteArray bytes = numbered(9) + QByteArray(100, '\xFF');
    record.setRecord(reinterpret_cast<const uint8_t*>(bytes.constData()), uint32_t(bytes.size()));
    QCOMPARE(record.toText(), recordText(9));
}

void TstF4Record::text_data()
{
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero record") << Fields{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
        << QStringLiteral("Type = 0; NumPage = 0; Code = 0; Hour = 0; Min = 0; Sec = 0; Day = 0; Month = 0; "
                          "Year = 0; Protection = 0; Module = 0; GSM = 0; StateOut = 0; StateIn = 0; Power = 0; "
                          "Reserv = 0; Temp1 = 0; Temp2 = 0; Temp3 = 0; Temp4 = 0 ");
    QTest::newRow("unsigned extremes") << Fields{255, 4294967295u, 65535, 255, 255, 255, 255, 255, 255, 255, 255,
                                                 255, 255, 65535, 65535, 65535, 127, 127, 127, 127}
        << QStringLiteral("Type = 255; NumPage = 4294967295; Code = 65535; Hour = 255; Min = 255; Sec = 255; "
                          "Day = 255; Month = 255; Year = 255; Protection = 255; Module = 255; GSM = 255; "
                          "StateOut = 255; StateIn = 65535; Power = 65535; Reserv = 65535; Temp1 = 127; "
                          "Temp2 = 127; Temp3 = 127; Temp4 = 127 ");
    QTest::newRow("signed low ends") << Fields{4, 1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0x0181, 32768, 1,
                                               -128, -127, -1, -128}
        << QStringLiteral("Type = 4; NumPage = 1; Code = 1; Hour = 1; Min = 2; Sec = 3; Day = 4; Month = 5; "
                          "Year = 6; Protection = 7; Module = 8; GSM = 9; StateOut = 10; StateIn = 385; "
                          "Power = 32768; Reserv = 1; Temp1 = -128; Temp2 = -127; Temp3 = -1; Temp4 = -128 ");
}

void TstF4Record::text()
{
    QFETCH(Fields, fields);
    QFETCH(QString, text);
    F4Record record;
    const QByteArray bytes = encode(fields);
    record.setRecord(reinterpret_cast<const uint8_t*>(bytes.constData()), 27);
    QCOMPARE(record.toText(), text);
}

void TstF4Record::stateInReadsTheLowByte()
{
    Fields f;
    f.stateIn = 0x0181;   // bytes 81 01
    const QByteArray bytes = encode(f);
    QCOMPARE(bytes.mid(17, 2), QByteArray("\x81\x01", 2));
    F4Record record;
    record.setRecord(reinterpret_cast<const uint8_t*>(bytes.constData()), 27);
    QCOMPARE(int(record.stateIn()), 0x81);
    QCOMPARE(record.stateInBit0(), 1);
    for (int bit : {record.stateInBit1(), record.stateInBit2(), record.stateInBit3(), record.stateInBit4(),
                    record.stateInBit5(), record.stateInBit6()})
        QCOMPARE(bit, 0);
    QCOMPARE(record.stateInBit7(), 1);
}

void TstF4Record::stateOutBits()
{
    Fields f;
    f.stateOut = 0x0A;
    const QByteArray bytes = encode(f);
    F4Record record;
    record.setRecord(reinterpret_cast<const uint8_t*>(bytes.constData()), 27);
    QCOMPARE(record.stateOutBit0(), 0);
    QCOMPARE(record.stateOutBit1(), 1);
    QCOMPARE(record.stateOutBit2(), 0);
    QCOMPARE(record.stateOutBit3(), 1);
}

void TstF4Record::guardModeAndAlarm_data()
{
    QTest::addColumn<int>("protection");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("alarm");
    QTest::newRow("0x83") << 0x83 << 3 << 1;
    QTest::newRow("0x02") << 0x02 << 2 << 0;
    QTest::newRow("0x7C") << 0x7C << 0 << 0;
    QTest::newRow("0x81") << 0x81 << 1 << 1;
}

void TstF4Record::guardModeAndAlarm()
{
    QFETCH(int, protection);
    QFETCH(int, mode);
    QFETCH(int, alarm);
    Fields f;
    f.protection = uint8_t(protection);
    const QByteArray bytes = encode(f);
    F4Record record;
    record.setRecord(reinterpret_cast<const uint8_t*>(bytes.constData()), 27);
    QCOMPARE(record.guardMode(), mode);
    QCOMPARE(record.protectionBit7(), alarm);
}

void TstF4Record::temperaturesAreSigned()
{
    const QByteArray bytes = QByteArray(23, '\0') + QByteArray("\x80\xFB\x7F\x80", 4);
    F4Record record;
    record.setRecord(reinterpret_cast<const uint8_t*>(bytes.constData()), 27);
    QCOMPARE(record.temp1(), -128);
    QCOMPARE(record.temp2(), -5);
    QCOMPARE(record.temp3(), 127);
    QCOMPARE(record.temp4(), -128);
    QVERIFY(record.toText().endsWith(QStringLiteral("; Temp4 = -128 ")));
}

void TstF4Record::bitTestsOutOfRange()
{
    QCOMPARE(F52Record::bit(0xFF, 8), 0);
    QCOMPARE(F52Record::bit(0xFF, -1), 0);
    QCOMPARE(F52Record::bit(0x80, 7), 1);
    QCOMPARE(F52Record::twoBits(0xFFFF, 8), 0);
    QCOMPARE(F52Record::twoBits(0xC000, 7), 3);
    QCOMPARE(F52Record::twoBits(0x0004, 1), 1);
}

void TstF4Record::time()
{
    Fields f;
    f.year = 25;
    f.month = 11;
    f.day = 31;
    f.hour = 23;
    f.min = 59;
    f.sec = 59;
    f.code = 65535;
    const QByteArray bytes = encode(f);
    F4Record record;
    record.setRecord(reinterpret_cast<const uint8_t*>(bytes.constData()), 27);
    QCOMPARE(record.recordTime(), QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59), Qt::LocalTime));
    QCOMPARE(record.timeText(), QStringLiteral("23:59:59  31.12.2025"));
    QCOMPARE(record.codeText(), QStringLiteral("65535"));
}

QTEST_APPLESS_MAIN(TstF4Record)
#include "tst_f4_record.moc"
