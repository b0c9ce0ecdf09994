// A test-side encoder of the 86-byte F-52 record, written from the record
// layout, and the packets a F-52 terminal's units arrive as.
#ifndef F52_TEST_RECORD_H
#define F52_TEST_RECORD_H

#include <QByteArray>
#include <QtEndian>
#include <cstring>

namespace F52Test {

struct Values {
    quint8 type = 37;
    quint32 numPage = 0;
    quint16 code = 0;
    quint8 hour = 0, min = 0, sec = 0, day = 1, month = 0, year = 0;
    quint8 protection = 0, module = 0, gsm = 0, stateOut = 0, stateIn = 0;
    quint16 a3 = 0, a4 = 0, a1 = 0, a2 = 0;
    quint32 i1 = 0, i2 = 0;
    quint8 nGauge = 0;
    quint8 lastHour = 0, lastMin = 0, lastSec = 0, lastDay = 1, lastMonth = 0, lastYear = 0;
    float lat = 0, lon = 0, speed = 0;
    quint16 course = 0;
    float run = 0, way = 0;
    quint16 allSeconds = 0, secondsLast = 0;
    quint16 freq1 = 0; qint8 fuelTemp1 = 0; quint16 level1 = 0;
    quint16 freq2 = 0; qint8 fuelTemp2 = 0; quint16 level2 = 0;
    quint16 freq3 = 0; qint8 fuelTemp3 = 0; quint16 level3 = 0;
    qint8 temp1 = 0, temp2 = 0, temp3 = 0, temp4 = 0;
};

class Writer
{
public:
    void u8(quint8 v) { bytes += char(v); }
    void u16(quint16 v) { char b[2]; qToLittleEndian(v, b); bytes += QByteArray(b, 2); }
    void u32(quint32 v) { char b[4]; qToLittleEndian(v, b); bytes += QByteArray(b, 4); }
    void f32(float v) { quint32 raw; std::memcpy(&raw, &v, 4); u32(raw); }
    QByteArray bytes;
};

inline QByteArray recordOf(const Values& v)
{
    Writer w;
    w.u8(v.type); w.u32(v.numPage); w.u16(v.code);
    w.u8(v.hour); w.u8(v.min); w.u8(v.sec); w.u8(v.day); w.u8(v.month); w.u8(v.year);
    w.u8(v.protection); w.u8(v.module); w.u8(v.gsm); w.u8(v.stateOut); w.u8(v.stateIn);
    w.u16(v.a3); w.u16(v.a4); w.u16(v.a1); w.u16(v.a2);
    w.u32(v.i1); w.u32(v.i2);
    w.u8(v.nGauge);
    w.u8(v.lastHour); w.u8(v.lastMin); w.u8(v.lastSec); w.u8(v.lastDay); w.u8(v.lastMonth); w.u8(v.lastYear);
    w.f32(v.lat); w.f32(v.lon); w.f32(v.speed); w.u16(v.course); w.f32(v.run); w.f32(v.way);
    w.u16(v.allSeconds); w.u16(v.secondsLast);
    w.u16(v.freq1); w.u8(quint8(v.fuelTemp1)); w.u16(v.level1);
    w.u16(v.freq2); w.u8(quint8(v.fuelTemp2)); w.u16(v.level2);
    w.u16(v.freq3); w.u8(quint8(v.fuelTemp3)); w.u16(v.level3);
    w.u8(quint8(v.temp1)); w.u8(quint8(v.temp2)); w.u8(quint8(v.temp3)); w.u8(quint8(v.temp4));
    return w.bytes;
}

// A record with a distinct value in every field.
inline Values fullValues()
{
    Values v;
    v.numPage = 4000000000u; v.code = 65535;
    v.hour = 23; v.min = 59; v.sec = 58; v.day = 31; v.month = 11; v.year = 25;
    v.protection = 0x81; v.module = 0x61; v.gsm = 24; v.stateOut = 2; v.stateIn = 0xA1;
    v.a3 = 12345; v.a4 = 65535; v.a1 = 0; v.a2 = 4200;
    v.i1 = 4294967295u; v.i2 = 7;
    v.nGauge = 2;
    v.lastHour = 1; v.lastMin = 2; v.lastSec = 3; v.lastDay = 4; v.lastMonth = 5; v.lastYear = 26;
    v.lat = 0.95993108f; v.lon = -0.5f; v.speed = 12.5f; v.course = 359; v.run = 1234567.0f; v.way = 1e-5f;
    v.allSeconds = 65535; v.secondsLast = 1;
    v.freq1 = 500; v.fuelTemp1 = -5; v.level1 = 40000;
    v.freq2 = 0; v.fuelTemp2 = 127; v.level2 = 65535;
    v.freq3 = 1; v.fuelTemp3 = -128; v.level3 = 1;
    v.temp1 = -128; v.temp2 = 127; v.temp3 = 0; v.temp4 = -5;
    return v;
}

// toText of fullValues(), written out.
inline const char* fullText()
{
    return "Type = 37; NumPage = 4000000000; Code = 65535; Hour = 23; Min = 59; Sec = 58; Day = 31; "
           "Month = 11; Year = 25; Protection = 129; Module = 97; GSM = 24; StateOut = 2; StateIn = 161; "
           "StateInA3 = 12345; StateInA4 = 65535; StateInA1 = 0; StateInA2 = 4200; StateInI1 = 4294967295; "
           "StateInI2 = 7; StateNGauge = 2; LastHour = 1; LastMin = 2; LastSec = 3; LastDay = 4; "
           "LastMonth = 5; LastYear = 26; Lat = 0.959931; Lon = -0.5; Speed = 12.5; Course = 359; "
           "Run = 1.23457e+06; Way = 1e-05; AllSeconds = 65535; SecondsLast = 1; Frequency1 = 500; "
           "Temp1 = -5; Level1 = -25536; Frequency2 = 0; Temp2 = 127; Level2 = -1; Frequency3 = 1; "
           "Temp3 = -128; Level3 = 1; Temp1 = -128; Temp2 = 127; Temp3 = 0; Temp4 = -5; ";
}

// A log entry's dump: " 0x.." per byte, a line break after every 16 and
// after the last.
inline QByteArray logDump(const QByteArray& bytes)
{
    QByteArray text;
    for (int i = 0; i < bytes.size(); ++i) {
        if (i > 0 && i % 16 == 0)
            text += "\r\n";
        text += " 0x" + bytes.mid(i, 1).toHex();
    }
    return text + "\r\n";
}

} // namespace F52Test

#endif // F52_TEST_RECORD_H
