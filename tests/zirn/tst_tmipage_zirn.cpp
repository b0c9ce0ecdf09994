// The ZIRN bitfield and record: record sizes per mask, the record text of
// every field type at its boundaries, the values for display.
#include "tmipage_zirn.h"
#include "zirn_test_encoder.h"

#include <QtTest>

#include <ctime>
#include <functional>
#include <map>

using namespace ZirnTest;

namespace {
const uint8_t* u8p(const QByteArray& bytes)
{
    return reinterpret_cast<const uint8_t*>(bytes.constData());
}

void negotiate(TmiPage_Zirn& page, const QByteArray& mask)
{
    page.setBitfield(u8p(mask), mask.size());
}

bool parse(TmiPage_Zirn& page, const QByteArray& record)
{
    return page.parseRecord(u8p(record), record.size());
}

using TextOf = std::function<QString(const TmiPage_Zirn&)>;
const std::map<QString, TextOf>& displayOps()
{
    static const std::map<QString, TextOf> ops = {
        {"code", [](const TmiPage_Zirn& p) { return p.codeText(); }},
        {"time", [](const TmiPage_Zirn& p) { return p.timeText(); }},
        {"lastTime", [](const TmiPage_Zirn& p) { return p.lastTimeText(); }},
        {"engine", [](const TmiPage_Zirn& p) { return p.engineText(); }},
        {"level1", [](const TmiPage_Zirn& p) { return p.levelText(1); }},
        {"level7", [](const TmiPage_Zirn& p) { return p.levelText(7); }},
        {"fuelLevel", [](const TmiPage_Zirn& p) { return p.canFuelLevelText(); }},
        {"fuelConsumption", [](const TmiPage_Zirn& p) { return p.canFuelConsumptionText(); }},
        {"engineTurns", [](const TmiPage_Zirn& p) { return p.canEngineTurnsText(); }},
        {"canTemp", [](const TmiPage_Zirn& p) { return p.canTempText(); }},
        {"fullRun", [](const TmiPage_Zirn& p) { return p.canFullRunText(); }},
        {"axle1", [](const TmiPage_Zirn& p) { return p.canAxleLoadText(1); }},
        {"axle5", [](const TmiPage_Zirn& p) { return p.canAxleLoadText(5); }},
        {"pedalAccel", [](const TmiPage_Zirn& p) { return p.canPedalAccelText(); }},
        {"pedalStop", [](const TmiPage_Zirn& p) { return p.canPedalStopText(); }},
        {"engineLoad", [](const TmiPage_Zirn& p) { return p.canEngineLoadText(); }},
        {"filterLevel", [](const TmiPage_Zirn& p) { return p.canFilterLevelText(); }},
        {"engineTime", [](const TmiPage_Zirn& p) { return p.canEngineTimeText(); }},
        {"serviceDistance", [](const TmiPage_Zirn& p) { return p.canServiceDistanceText(); }},
        {"speed", [](const TmiPage_Zirn& p) { return p.canSpeedText(); }},
        {"bits", [](const TmiPage_Zirn& p) {
             return QString::number(p.alarmBit()) + QString::number(p.navValid()) + QLatin1Char(' ')
                 + QString::number(p.stateIn1Bit0()) + QString::number(p.stateIn1Bit1())
                 + QString::number(p.stateIn1Bit2()) + QString::number(p.stateIn1Bit3())
                 + QString::number(p.stateIn1Bit4()) + QString::number(p.stateIn1Bit5())
                 + QString::number(p.stateIn1Bit6()) + QString::number(p.stateIn1Bit7()) + QLatin1Char(' ')
                 + QString::number(p.stateOut1Bit0()) + QString::number(p.stateOut1Bit1())
                 + QString::number(p.stateOut1Bit2()) + QString::number(p.stateOut1Bit3());
         }},
    };
    return ops;
}
} // namespace

class TstTmiPageZirn : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void recordSize_data();
    void recordSize();
    void refusedBitfieldKeepsState();
    void recordText_data();
    void recordText();
    void fullRecord();
    void absentFieldsKeepValues();
    void shortRecordChangesNothing();
    void bitfieldText();
    void bitTest_data();
    void bitTest();
    void noDataTexts();
    void displayTexts_data();
    void displayTexts();
    void textsIgnoreTheProcessLocale();
};

void TstTmiPageZirn::initTestCase()
{
    // one hour east of UTC, no daylight saving
    qputenv("TZ", "XXX-1");
    tzset();
}

void TstTmiPageZirn::recordSize_data()
{
    QTest::addColumn<QByteArray>("mask");
    QTest::addColumn<int>("size");
    for (int field = 1; field <= 69; ++field)
        QTest::addRow("field %d", field) << maskOf(QVector<int>{field}) << kSizes[field - 1];
    QTest::newRow("all bits") << QByteArray::fromHex("FFFFFFFFFFFFFFFFF8") << 146;
    QTest::newRow("all bits and the unused") << QByteArray::fromHex("FFFFFFFFFFFFFFFFFF") << 146;
    QTest::newRow("no bits") << QByteArray::fromHex("000000000000000000") << 0;
    QTest::newRow("unused low bits of byte 9") << QByteArray::fromHex("000000000000000007") << 0;
    QTest::newRow("one byte mask") << QByteArray::fromHex("80") << 4;
    QTest::newRow("two byte mask") << QByteArray::fromHex("0180") << 5;
    QTest::newRow("empty mask") << QByteArray() << 0;
    QTest::newRow("refused: ten bytes") << QByteArray::fromHex("FFFFFFFFFFFFFFFFF800") << 0;
}

void TstTmiPageZirn::recordSize()
{
    QFETCH(QByteArray, mask);
    QFETCH(int, size);
    TmiPage_Zirn page;
    // bytes after a short mask must not count: put set bits behind it
    QByteArray buffer = mask + QByteArray(9, '\xFF');
    page.setBitfield(u8p(buffer), mask.size());
    QCOMPARE(page.dataSize(), size);
}

void TstTmiPageZirn::refusedBitfieldKeepsState()
{
    TmiPage_Zirn page;
    negotiate(page, QByteArray::fromHex("800000000000000000"));
    QVERIFY(parse(page, QByteArray::fromHex("01020304")));
    const QByteArray tooLong = QByteArray::fromHex("FFFFFFFFFFFFFFFFFFFF");
    page.setBitfield(u8p(tooLong), 10);
    QCOMPARE(page.dataSize(), 0);
    QCOMPARE(page.NumPage(), quint32(0x04030201));
    QCOMPARE(page.bitfieldText(), QStringLiteral("10000000") + QString(64, QLatin1Char('0')));
    // records still go by the bitfield in place
    QVERIFY(parse(page, QByteArray::fromHex("05000000")));
    QCOMPARE(page.recordText(), QStringLiteral("NumPage = 5; "));
}

void TstTmiPageZirn::recordText_data()
{
    QTest::addColumn<QByteArray>("mask");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("text");
    auto row = [](const char* name, QVector<Value> values, const char* text) {
        QTest::newRow(name) << maskOf(values) << recordOf(values) << QString::fromUtf8(text);
    };
    row("u32 max", {{1, le(0xFFFFFFFF, 4)}}, "NumPage = 4294967295; ");
    row("u32 little-endian", {{1, QByteArray::fromHex("01020304")}}, "NumPage = 67305985; ");
    row("u16 max", {{2, le(65535, 2)}}, "Code = 65535; ");
    row("u8 max", {{4, le(255, 1)}}, "State = 255; ");
    row("u8 zero", {{7, le(0, 1)}}, "GSM = 0; ");
    row("i32 min", {{10, le(0x80000000, 4)}}, "Lat = -2147483648; ");
    row("i32 max", {{11, le(0x7FFFFFFF, 4)}}, "Lon = 2147483647; ");
    row("i32 -1", {{12, le(0xFFFFFFFF, 4)}}, "Alt = -1; ");
    row("i8 -128", {{45, le(0x80, 1)}}, "Temp1 = -128; ");
    row("i8 -1", {{45, le(0xFF, 1)}}, "Temp1 = -1; ");
    row("i8 127", {{52, le(0x7F, 1)}}, "Temp8 = 127; ");
    row("i8 can", {{56, le(0xD8, 1)}}, "CAN_Temp = -40; ");
    row("i16 -1", {{68, le(0xFFFF, 2)}}, "CAN_TimeTO = -1; ");
    row("i16 min", {{68, le(0x8000, 2)}}, "CAN_TimeTO = -32768; ");
    row("float 12.5", {{13, f32(12.5f)}}, "Speed = 12.5; ");
    row("float 100", {{15, f32(100.0f)}}, "Run = 100; ");
    row("float 1234567", {{16, f32(1234567.0f)}}, "Way = 1.23457e+06; ");
    row("float 1e-5", {{54, f32(1e-5f)}}, "CAN_FuelConsumption = 1e-05; ");
    row("float -1", {{57, f32(-1.0f)}}, "CAN_FullRun = -1; ");
    row("float 0", {{13, f32(0.0f)}}, "Speed = 0; ");
    row("float 123456", {{13, f32(123456.0f)}}, "Speed = 123456; ");
    row("float 0.0001", {{13, f32(0.0001f)}}, "Speed = 0.0001; ");
    row("float nan", {{13, le(0x7FC00000, 4)}}, "Speed = nan; ");
    row("float negative nan", {{13, le(0xFFC00000, 4)}}, "Speed = nan; ");
    row("float inf", {{15, le(0x7F800000, 4)}}, "Run = inf; ");
    row("float -inf", {{15, le(0xFF800000, 4)}}, "Run = -inf; ");
    row("float -0", {{16, le(0x80000000, 4)}}, "Way = 0; ");
    row("float smallest", {{16, le(0x00000001, 4)}}, "Way = 1.4013e-45; ");
    row("float -smallest normal", {{54, le(0x80800000, 4)}}, "CAN_FuelConsumption = -1.17549e-38; ");
    row("float -max", {{57, le(0xFF7FFFFF, 4)}}, "CAN_FullRun = -3.40282e+38; ");
    row("float -0.000123457", {{13, f32(-0.000123457f)}}, "Speed = -0.000123457; ");
    row("float 999999.5", {{13, f32(999999.5f)}}, "Speed = 1e+06; ");
    row("u32 zero", {{1, le(0, 4)}}, "NumPage = 0; ");
    row("u32 1000000000", {{1, le(1000000000, 4)}}, "NumPage = 1000000000; ");
    row("u16 10", {{2, le(10, 2)}}, "Code = 10; ");
    row("i32 zero", {{10, le(0, 4)}}, "Lat = 0; ");
    row("i32 -1000000000", {{10, le(quint64(-1000000000LL), 4)}}, "Lat = -1000000000; ");
    row("i16 max", {{68, le(0x7FFF, 2)}}, "CAN_TimeTO = 32767; ");
    row("i8 -10", {{45, le(0xF6, 1)}}, "Temp1 = -10; ");
    row("longest values of every kind",
        {{1, le(0xFFFFFFFF, 4)}, {2, le(0xFFFF, 2)}, {4, le(0xFF, 1)}, {10, le(0x80000000, 4)},
         {13, le(0x80800000, 4)}, {45, le(0x80, 1)}, {54, le(0xFF7FFFFF, 4)}, {68, le(0x8000, 2)}},
        "NumPage = 4294967295; Code = 65535; State = 255; Lat = -2147483648; Speed = -1.17549e-38; "
        "Temp1 = -128; CAN_FuelConsumption = -3.40282e+38; CAN_TimeTO = -32768; ");
    row("several in order", {{69, le(90, 1)}, {1, le(1, 4)}, {46, le(0xFB, 1)}},
        "NumPage = 1; Temp2 = -5; CAN_Speed = 90; ");
    row("two temperatures", {{45, le(0x05, 1)}, {46, le(0xFB, 1)}}, "Temp1 = 5; Temp2 = -5; ");
    QTest::newRow("no fields") << QByteArray(9, '\0') << QByteArray("\x01\x02") << QString();
}

void TstTmiPageZirn::recordText()
{
    QFETCH(QByteArray, mask);
    QFETCH(QByteArray, record);
    QFETCH(QString, text);
    TmiPage_Zirn page;
    negotiate(page, mask);
    QCOMPARE(page.dataSize(), text.isEmpty() ? 0 : record.size());
    QVERIFY(parse(page, record));
    QCOMPARE(page.recordText(), text);
}

void TstTmiPageZirn::fullRecord()
{
    const QVector<Value> values = fullRecordValues();
    TmiPage_Zirn page;
    negotiate(page, QByteArray::fromHex("FFFFFFFFFFFFFFFFF8"));
    const QByteArray record = recordOf(values);
    QCOMPARE(record.size(), 146);
    QVERIFY(parse(page, record));
    QCOMPARE(page.recordText(), QStringLiteral("NumPage = 1; ") + QLatin1String(kFullRecordTextAfterNumber));
    // accessors return each field in its own type
    QCOMPARE(page.Lat(), qint32(-10));
    QCOMPARE(page.Speed(), 13.5f);
    QCOMPARE(page.Temp8(), qint8(-52));
    QCOMPARE(page.CAN_TimeTO(), qint16(-68));
    QCOMPARE(page.CAN_Speed(), quint8(69));
    QCOMPARE(page.StateIn_Imp2(), quint32(34));
}

void TstTmiPageZirn::absentFieldsKeepValues()
{
    TmiPage_Zirn page;
    negotiate(page, maskOf(QVector<int>{1, 45}));
    QVERIFY(parse(page, QByteArray::fromHex("0700000019")));
    QCOMPARE(page.NumPage(), quint32(7));
    QCOMPARE(page.Temp1(), qint8(25));
    QCOMPARE(page.Temp2(), qint8(-128));
    QCOMPARE(page.GSM(), quint8(99));
    QCOMPARE(page.CAN_FuelLevel(), quint16(32767));
    QCOMPARE(page.CAN_FuelConsumption(), -1.0f);
    QCOMPARE(page.CAN_TimeTO(), qint16(-1));

    // a new negotiation with other fields: everything back to no data
    negotiate(page, maskOf(QVector<int>{2}));
    QCOMPARE(page.NumPage(), quint32(0));
    QCOMPARE(page.Temp1(), qint8(-128));
    QVERIFY(parse(page, QByteArray::fromHex("0900")));
    QCOMPARE(page.Code(), quint16(9));
    QCOMPARE(page.NumPage(), quint32(0));
    QCOMPARE(page.recordText(), QStringLiteral("Code = 9; "));
}

void TstTmiPageZirn::shortRecordChangesNothing()
{
    TmiPage_Zirn page;
    negotiate(page, maskOf(QVector<int>{1, 45}));
    QVERIFY(parse(page, QByteArray::fromHex("0700000019")));
    QVERIFY(!parse(page, QByteArray::fromHex("08000000")));
    QVERIFY(!page.parseRecord(nullptr, 5));
    QCOMPARE(page.NumPage(), quint32(7));
    QCOMPARE(page.Temp1(), qint8(25));
    QCOMPARE(page.recordText(), QStringLiteral("NumPage = 7; Temp1 = 25; "));
}

void TstTmiPageZirn::bitfieldText()
{
    TmiPage_Zirn page;
    QCOMPARE(page.bitfieldText(), QString(72, QLatin1Char('0')));
    negotiate(page, QByteArray::fromHex("800000000000000001"));
    QCOMPARE(page.bitfieldText(), QStringLiteral("1") + QString(70, QLatin1Char('0')) + QStringLiteral("1"));
    negotiate(page, QByteArray::fromHex("A5"));
    QCOMPARE(page.bitfieldText(), QStringLiteral("10100101") + QString(64, QLatin1Char('0')));
}

void TstTmiPageZirn::bitTest_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("bit");
    QTest::newRow("bit 1 of 02") << 0x02 << 1 << 1;
    QTest::newRow("bit 0 of 02") << 0x02 << 0 << 0;
    QTest::newRow("bit 7 of 80") << 0x80 << 7 << 1;
    QTest::newRow("bit 8") << 0xFF << 8 << 0;
    QTest::newRow("bit -1") << 0xFF << -1 << 0;
}

void TstTmiPageZirn::bitTest()
{
    QFETCH(int, byte);
    QFETCH(int, n);
    QFETCH(int, bit);
    QCOMPARE(TmiPage_Zirn::bitTest(uint8_t(byte), n), bit);
}

void TstTmiPageZirn::noDataTexts()
{
    TmiPage_Zirn page;
    negotiate(page, QByteArray::fromHex("FFFFFFFFFFFFFFFFF8"));
    QCOMPARE(page.canFuelLevelText(), QStringLiteral("n/a"));
    QCOMPARE(page.canFuelConsumptionText(), QStringLiteral("n/a"));
    QCOMPARE(page.canEngineTurnsText(), QStringLiteral("n/a"));
    QCOMPARE(page.canTempText(), QStringLiteral("n/a"));
    QCOMPARE(page.canFullRunText(), QStringLiteral("n/a"));
    for (int axle = 1; axle <= 5; ++axle)
        QCOMPARE(page.canAxleLoadText(axle), QStringLiteral("n/a"));
    QCOMPARE(page.canPedalAccelText(), QStringLiteral("n/a"));
    QCOMPARE(page.canPedalStopText(), QStringLiteral("n/a"));
    QCOMPARE(page.canEngineLoadText(), QStringLiteral("n/a"));
    QCOMPARE(page.canFilterLevelText(), QStringLiteral("n/a"));
    QCOMPARE(page.canEngineTimeText(), QStringLiteral("0 сек"));
    QCOMPARE(page.canServiceDistanceText(), QStringLiteral("n/a"));
    QCOMPARE(page.canSpeedText(), QStringLiteral("n/a"));
    QCOMPARE(page.timeText(), QStringLiteral("01:00:00 1.01.70"));
    QCOMPARE(page.lastTimeText(), QStringLiteral("01:00:00 1.01.70"));
    QCOMPARE(page.engineText(), QStringLiteral("заглушен"));
    QCOMPARE(page.codeText(), QStringLiteral("0"));
    QCOMPARE(page.GSM(), quint8(99));
}

void TstTmiPageZirn::displayTexts_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("text");
    auto row = [](const char* name, int field, const QByteArray& bytes, const char* op, const char* text) {
        QTest::newRow(name) << field << bytes << QString::fromLatin1(op) << QString::fromUtf8(text);
    };
    row("code", 2, le(65535, 2), "code", "65535");
    row("time 1.7e9", 3, le(1700000000, 4), "time", "23:13:20 14.11.23");
    row("time top bit", 3, le(0xFFFFFFFF, 4), "time", "07:28:15 7.02.06");
    row("last time", 9, le(1000000000, 4), "lastTime", "02:46:40 9.09.01");
    row("engine on", 5, le(0x80, 1), "engine", "работает");
    row("engine off", 5, le(0x7F, 1), "engine", "заглушен");
    row("level rs485 1", 38, le(65535, 2), "level1", "65535");
    row("level rs232", 44, le(1234, 2), "level7", "1234");
    row("fuel level percent", 53, le(55, 2), "fuelLevel", "55 %");
    row("fuel level 16383", 53, le(16383, 2), "fuelLevel", "16383 %");
    row("fuel level litres", 53, le(16984, 2), "fuelLevel", "1698.4 л");
    row("fuel level top bit", 53, le(0x8000, 2), "fuelLevel", "3276.8 л");
    row("fuel level 32767", 53, le(32767, 2), "fuelLevel", "n/a");
    row("fuel level 65535", 53, le(65535, 2), "fuelLevel", "n/a");
    row("consumption 0", 54, f32(0.0f), "fuelConsumption", "0 л");
    row("consumption 12.5", 54, f32(12.5f), "fuelConsumption", "12.5 л");
    row("consumption -0.5", 54, f32(-0.5f), "fuelConsumption", "n/a");
    row("turns", 55, le(1500, 2), "engineTurns", "1500");
    row("turns 65535", 55, le(65535, 2), "engineTurns", "n/a");
    row("can temp -40", 56, le(0xD8, 1), "canTemp", "-40 °C");
    row("can temp 127", 56, le(0x7F, 1), "canTemp", "127 °C");
    row("can temp -128", 56, le(0x80, 1), "canTemp", "n/a");
    row("full run", 57, f32(1234567.0f), "fullRun", "1.23457e+06 км");
    row("full run -1", 57, f32(-1.0f), "fullRun", "n/a");
    row("axle 1", 58, le(0, 2), "axle1", "0 кг");
    row("axle 5", 62, le(65534, 2), "axle5", "65534 кг");
    row("axle 5 none", 62, le(65535, 2), "axle5", "n/a");
    row("pedal accel", 63, le(0, 1), "pedalAccel", "0 %");
    row("pedal stop", 64, le(254, 1), "pedalStop", "254 %");
    row("engine load none", 65, le(255, 1), "engineLoad", "n/a");
    row("filter level", 66, le(10, 2), "filterLevel", "n/a");
    row("engine time max", 67, le(0xFFFFFFFF, 4), "engineTime", "4294967295 сек");
    row("service 100", 68, le(100, 2), "serviceDistance", "500 км");
    row("service 65534", 68, le(65534, 2), "serviceDistance", "327670 км");
    row("service 65535", 68, le(65535, 2), "serviceDistance", "n/a");
    row("speed 90", 69, le(90, 1), "speed", "90км/ч");
    row("speed 255", 69, le(255, 1), "speed", "n/a");
    row("alarm bit", 4, le(0x02, 1), "bits", "10 00000000 0000");
    row("nav bit", 8, le(0xFD, 1), "bits", "00 00000000 0000");
    row("inputs", 29, le(0xA5, 1), "bits", "00 10100101 0000");
    row("outputs", 31, le(0xF6, 1), "bits", "00 00000000 0110");
}

void TstTmiPageZirn::displayTexts()
{
    QFETCH(int, field);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, op);
    QFETCH(QString, text);
    TmiPage_Zirn page;
    negotiate(page, maskOf(QVector<int>{field}));
    QVERIFY(parse(page, bytes));
    QCOMPARE(displayOps().at(op)(page), text);
}

// Floats and times are written the same under a locale with a decimal comma
// and group separators.
void TstTmiPageZirn::textsIgnoreTheProcessLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TmiPage_Zirn page;
    const QVector<Value> values = {{3, le(1700000000, 4)}, {13, f32(12.5f)}, {15, f32(1234567.0f)},
                                   {53, le(16984, 2)}, {54, f32(1234.5f)}, {57, f32(0.25f)}};
    negotiate(page, maskOf(values));
    const bool parsed = parse(page, recordOf(values));
    const QString record = page.recordText();
    const QString texts = page.canFuelLevelText() + QLatin1Char('|') + page.canFuelConsumptionText()
        + QLatin1Char('|') + page.canFullRunText() + QLatin1Char('|') + page.timeText();
    QLocale::setDefault(QLocale::c());
    QVERIFY(parsed);
    QCOMPARE(record, QStringLiteral("Time = 1700000000; Speed = 12.5; Run = 1.23457e+06; CAN_FuelLevel = 16984; "
                                    "CAN_FuelConsumption = 1234.5; CAN_FullRun = 0.25; "));
    QCOMPARE(texts, QStringLiteral("1698.4 л|1234.5 л|0.25 км|23:13:20 14.11.23"));
}

QTEST_GUILESS_MAIN(TstTmiPageZirn)
#include "tst_tmipage_zirn.moc"
