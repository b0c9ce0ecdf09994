// One terminal of each format, as a new user's terminals would look on the
// device pages: fifteen-digit IMEIs as names, ten-digit ids, and records
// whose values give the longest texts the pages show (the longest state
// words, the largest counters, negative coordinates). Records are written
// with the test-side encoders, from the record layouts.
#ifndef PAGE_TERMINALS_H
#define PAGE_TERMINALS_H

#include "f4_test_encoder.h"
#include "f52_test_record.h"
#include "f5_test_record.h"
#include "f6_test_record.h"
#include "terminal_wire.h"
#include "zirn_test_encoder.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace PageTerminals {

struct Terminal {
    QByteArray name;     // "*>S:" name, 15 characters
    quint32 id = 0;      // the KVZB sender id
    QString format;      // the format's name in the device row and the object group
    QString page;        // object name of the device page
    bool zirn = false;   // negotiates ZIRN before its record
    QByteArray record;   // the record the page shows
};

// 2026-09-28 23:59:58 UTC
const quint32 kLateTime = 1790639998u;

// ZIRN: every field present.
inline QByteArray zirnRecord()
{
    using ZirnTest::le;
    using ZirnTest::f32;
    QVector<ZirnTest::Value> v = ZirnTest::fullRecordValues();
    auto set = [&v](int field, const QByteArray& bytes) { v[field - 1].bytes = bytes; };
    set(1, le(4294967295u, 4));          // NumPage
    set(2, le(65535, 2));                // Code
    set(3, le(kLateTime, 4));            // Time
    set(4, le(0x02, 1));                 // State: alarm
    set(5, le(0x81, 1));                 // Module1: engine on, GSM on, not registered
    set(7, le(100, 1));                  // GSM level
    set(8, le(0x00, 1));                 // StateNGauge: position not valid
    set(9, le(kLateTime, 4));            // LastTime
    set(10, le(quint32(-53999999), 4));  // Lat
    set(11, le(quint32(-107999999), 4)); // Lon
    set(12, le(quint32(-12345), 4));     // Alt
    set(13, f32(250.5f));                // Speed
    set(14, le(359, 2));                 // Course
    set(15, f32(123456.789f));           // Run
    set(16, f32(123456.789f));           // Way
    set(17, le(65535, 2));               // AllSeconds
    set(18, le(65535, 2));               // SecondsLast
    set(19, le(65535, 2));               // Power
    set(20, le(65535, 2));               // Reserv
    for (int field = 21; field <= 28; ++field)
        set(field, le(65535, 2));        // StateU_Ain1..8
    set(29, le(0xFF, 1));                // StateIn1: every line and shock triggered
    set(31, le(0x0F, 1));                // StateOut1: every output on
    set(33, le(2147483647u, 4));         // StateIn_Imp1
    set(34, le(2147483647u, 4));         // StateIn_Imp2
    set(35, le(65535, 2));               // Frequency1
    set(36, le(65535, 2));               // Frequency2
    for (int field = 38; field <= 44; ++field)
        set(field, le(65534, 2));        // LevelRS485_1..6, LevelRS232
    set(45, le(0x80, 1));                // Temp1: not in use
    for (int field = 46; field <= 52; ++field)
        set(field, le(0x81, 1));         // Temp2..8: -127
    set(53, le(32766, 2));               // CAN_FuelLevel: 3276.6 l
    set(54, f32(1234567.0f));            // CAN_FuelConsumption
    set(55, le(65534, 2));               // CAN_EngineTurns
    set(56, le(0x81, 1));                // CAN_Temp: -127
    set(57, f32(1234567.0f));            // CAN_FullRun
    for (int field = 58; field <= 62; ++field)
        set(field, le(65534, 2));        // CAN_AxleLoad_1..5
    set(63, le(100, 1));                 // CAN_PedalAccel
    set(64, le(100, 1));                 // CAN_PedalStop
    set(65, le(100, 1));                 // CAN_EngineLoad
    set(67, le(4294967295u, 4));         // CAN_EngineTime
    set(68, le(65534, 2));               // CAN_TimeTO
    set(69, le(254, 1));                 // CAN_Speed
    return ZirnTest::recordOf(v);
}

inline QByteArray f6Record()
{
    F6Test::Record r;
    r.u8(0, 6).u32(1, 4294967295u).u16(5, 65535)
        .u8(7, 23).u8(8, 59).u8(9, 58).u8(10, 28).u8(11, 8).u8(12, 26)   // 28 September 2026
        .u8(13, 0x02).u8(14, 0x81).u8(15, 100).u8(16, 0x0F).u8(17, 0xFF)
        .u16(18, 65535).u16(20, 65535).u16(22, 65535).u16(24, 65535).u16(26, 65535)
        .u32(28, 2147483647u).u32(32, 2147483647u).u16(36, 65535).u16(38, 65535)
        .u8(40, 100).u16(41, 32000);
    for (int sensor = 0; sensor < 7; ++sensor)
        r.u8(43 + 3 * sensor, 0x81).u16(44 + 3 * sensor, 65535);        // -127 degrees, full
    r.u8(64, 0x80).u8(65, 0x81).u8(66, 0x81).u8(67, 0x81)
        .u32(68, 65000).u16(72, 65534).u8(74, 0x00)
        .u8(75, 23).u8(76, 59).u8(77, 58).u8(78, 28).u8(79, 8).u8(80, 26)
        .u32(81, uint32_t(-53999999)).u32(85, uint32_t(-107999999)).u32(89, uint32_t(-12345))
        .f32(93, 250.5f).u16(97, 359).f32(99, 123456.789f).f32(103, 123456.789f)
        .u16(107, 65535).u16(109, 65535);
    return r.bytes();
}

inline F52Test::Values f52Values()
{
    F52Test::Values v;
    v.numPage = 4294967295u;
    v.code = 65535;
    v.hour = 23; v.min = 59; v.sec = 58; v.day = 28; v.month = 8; v.year = 26;
    v.protection = 0x82;   // alarm, extra mode 2
    v.module = 0x01;       // GSM on, not registered
    v.gsm = 100;
    v.stateOut = 0x03;
    v.stateIn = 0xFF;
    v.a1 = v.a2 = v.a3 = v.a4 = 65535;
    v.i1 = v.i2 = 2147483647u;
    v.nGauge = 0;
    v.lastHour = 23; v.lastMin = 59; v.lastSec = 58; v.lastDay = 28; v.lastMonth = 8; v.lastYear = 26;
    v.lat = -1.5707964f;   // -90 degrees
    v.lon = -3.1415927f;   // -180 degrees
    v.speed = 250.5f;
    v.course = 359;
    v.run = v.way = 123456.789f;
    v.allSeconds = v.secondsLast = 65535;
    v.fuelTemp1 = v.fuelTemp2 = v.fuelTemp3 = -127;
    v.level1 = v.level2 = v.level3 = 65535;
    v.temp1 = -128;
    v.temp2 = v.temp3 = v.temp4 = -127;
    return v;
}

inline QByteArray f5Record()
{
    F52Test::Values v = f52Values();
    v.type = 5;
    return F5Test::recordOf(v);
}

inline QByteArray f4Record()
{
    F4Test::Fields f;
    f.numPage = 4294967295u;
    f.code = 65535;
    f.hour = 23; f.min = 59; f.sec = 58; f.day = 28; f.month = 8; f.year = 26;
    f.protection = 0x83;   // alarm, extra mode 2
    f.module = 0x01;
    f.gsm = 100;
    f.stateOut = 0x0F;
    f.stateIn = 0x00FF;
    f.power = f.reserv = 65535;
    f.temp1 = -128;
    f.temp2 = f.temp3 = f.temp4 = -127;
    return F4Test::encode(f);
}

inline QList<Terminal> all()
{
    return {
        {"356938035643801", 2147483641u, QStringLiteral("ZIRN"), QStringLiteral("KVZ_FormParam_ZirnClass"), true,
         zirnRecord()},
        {"356938035643802", 2147483642u, QStringLiteral("F-6"), QStringLiteral("KVZ_FormParam_F6Class"), false,
         f6Record()},
        {"356938035643803", 2147483643u, QStringLiteral("F-52"), QStringLiteral("KVZ_FormParam_F52Class"), false,
         F52Test::recordOf(f52Values())},
        {"356938035643804", 2147483644u, QStringLiteral("F-5"), QStringLiteral("KVZ_FormParam_F5Class"), false,
         f5Record()},
        {"356938035643805", 2147483645u, QStringLiteral("F-4"), QStringLiteral("KVZ_FormParam_F4Class"), false,
         f4Record()},
    };
}

// The terminal of a format ("ZIRN", "F-6", ...); an empty one for another name.
inline Terminal ofFormat(const QString& format)
{
    for (const Terminal& t : all())
        if (t.format == format)
            return t;
    return Terminal();
}

} // namespace PageTerminals

#endif // PAGE_TERMINALS_H
