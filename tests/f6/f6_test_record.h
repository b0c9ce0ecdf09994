// Test-side encoder of the 111-byte F-6 record and builders of the packets
// an F-6 terminal's units arrive as. Offsets are written from the wire
// format, not taken from the plug-in's code.
#ifndef F6_TEST_RECORD_H
#define F6_TEST_RECORD_H

#include "kvz_abi.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <cstdint>
#include <cstring>

namespace F6Test {

class Record
{
public:
    Record() : m_bytes(111, '\0') {}
    Record& u8(int offset, uint8_t v) { m_bytes[offset] = char(v); return *this; }
    Record& u16(int offset, uint16_t v) { return u8(offset, v & 0xFF).u8(offset + 1, v >> 8); }
    Record& u32(int offset, uint32_t v) { return u16(offset, v & 0xFFFF).u16(offset + 2, v >> 16); }
    Record& f32(int offset, float v)
    {
        uint32_t raw;
        std::memcpy(&raw, &v, sizeof(raw));
        return u32(offset, raw);
    }
    QByteArray bytes() const { return m_bytes; }
    const uint8_t* data() const { return reinterpret_cast<const uint8_t*>(m_bytes.constData()); }

private:
    QByteArray m_bytes;
};

// Every field at a value of its own, extremes of each type among them.
inline Record fullRecord()
{
    Record r;
    r.u8(0, 0xFF).u32(1, 4294967295u).u16(5, 65535)
        .u8(7, 13).u8(8, 45).u8(9, 30).u8(10, 31).u8(11, 11).u8(12, 25)
        .u8(13, 0x03).u8(14, 0x80).u8(15, 77).u8(16, 0x05).u8(17, 0xA3)
        .u16(18, 12345).u16(20, 65535).u16(22, 0).u16(24, 1).u16(26, 32768)
        .u32(28, 2147483648u).u32(32, 7)
        .u16(36, 50).u16(38, 65535)
        .u8(40, 0x80).u16(41, 0x8000)
        .u8(43, 0xFB).u16(44, 100).u8(46, 0x7F).u16(47, 65535).u8(49, 0x80).u16(50, 0)
        .u8(52, 1).u16(53, 2).u8(55, 0xFF).u16(56, 3).u8(58, 0).u16(59, 4)
        .u8(61, 0x81).u16(62, 65534)
        .u8(64, 0x80).u8(65, 0x81).u8(66, 0).u8(67, 0x7F)
        .u32(68, 0x80000000u).u16(72, 65534).u8(74, 0x07)
        .u8(75, 23).u8(76, 59).u8(77, 58).u8(78, 1).u8(79, 0).u8(80, 0)
        .u32(81, uint32_t(-33000000)).u32(85, 2147483647u).u32(89, uint32_t(-15))
        .f32(93, 12.5f).u16(97, 359).f32(99, 1234567.0f).f32(103, 1e-5f)
        .u16(107, 65535).u16(109, 0);
    return r;
}

// The text dump of fullRecord().
inline QString fullRecordText()
{
    return QStringLiteral(
        "Type = 255; NumPage = 4294967295; Code = 65535; Hour = 13; Min = 45; Sec = 30; Day = 31; "
        "Month = 11; Year = 25; State = 3; Module = 128; GSM = 77; StateOut = 5; StateIn = 163; "
        "Power = 12345; Reserv = 65535; StateU_Ain1 = 0; StateU_Ain2 = 1; StateU_Ain3 = 32768; "
        "StateIn2 = 2147483648; StateIn3 = 7; Frequency1 = 50; Frequency2 = 65535; "
        "FuelLevel = -128; FuelConsumption = -32768; TempRS485_1 = -5; LevelRS485_1 = 100; "
        "TempRS485_2 = 127; LevelRS485_2 = 65535; TempRS485_3 = -128; LevelRS485_3 = 0; "
        "TempRS485_4 = 1; LevelRS485_4 = 2; TempRS485_5 = -1; LevelRS485_5 = 3; "
        "TempRS485_6 = 0; LevelRS485_6 = 4; TempRS232 = -127; LevelRS232 = 65534; "
        "Temp1 = -128; Temp2 = -127; Temp3 = 0; Temp4 = 127; Weight = -2147483648; "
        "EngineTurns = 65534; StateNGauge = 7; LastHour = 23; LastMin = 59; LastSec = 58; "
        "LastDay = 1; LastMonth = 0; LastYear = 0; Lat = -33000000; Lon = 2147483647; Alt = -15; "
        "Speed = 12.5; Course = 359; Run = 1.23457e+06; Way = 1e-05; AllSeconds = 65535; SecondsLast = 0; ");
}

// The dump of a record of 111 zero bytes.
inline QString zeroRecordText()
{
    return QStringLiteral(
        "Type = 0; NumPage = 0; Code = 0; Hour = 0; Min = 0; Sec = 0; Day = 0; Month = 0; Year = 0; "
        "State = 0; Module = 0; GSM = 0; StateOut = 0; StateIn = 0; Power = 0; Reserv = 0; "
        "StateU_Ain1 = 0; StateU_Ain2 = 0; StateU_Ain3 = 0; StateIn2 = 0; StateIn3 = 0; "
        "Frequency1 = 0; Frequency2 = 0; FuelLevel = 0; FuelConsumption = 0; TempRS485_1 = 0; "
        "LevelRS485_1 = 0; TempRS485_2 = 0; LevelRS485_2 = 0; TempRS485_3 = 0; LevelRS485_3 = 0; "
        "TempRS485_4 = 0; LevelRS485_4 = 0; TempRS485_5 = 0; LevelRS485_5 = 0; TempRS485_6 = 0; "
        "LevelRS485_6 = 0; TempRS232 = 0; LevelRS232 = 0; Temp1 = 0; Temp2 = 0; Temp3 = 0; "
        "Temp4 = 0; Weight = 0; EngineTurns = 0; StateNGauge = 0; LastHour = 0; LastMin = 0; "
        "LastSec = 0; LastDay = 0; LastMonth = 0; LastYear = 0; Lat = 0; Lon = 0; Alt = 0; "
        "Speed = 0; Course = 0; Run = 0; Way = 0; AllSeconds = 0; SecondsLast = 0; ");
}

// KVZB header: Pre "КВЗБ" (windows-1251), IDdc 1, IDobj 2000000, the data
// length, Csd 0x11, Csp 0x22 (the plug-in does not check the sums).
inline QByteArray kvzb(const QByteArray& data)
{
    QByteArray unit("\xCA\xC2\xC7\xC1\x01\x00\x00\x00\x80\x84\x1E\x00", 12);
    unit += char(data.size() & 0xFF);
    unit += char(data.size() >> 8);
    unit += "\x11\x22";
    return unit + data;
}

// The header text of kvzb(data) for n data bytes.
inline QString headerText(int n)
{
    return QStringLiteral("Заголовок:\r\nPre = КВЗБ; IDobj = 2000000; IDdc = 1; Size = ")
        + QString::number(n) + QStringLiteral("; Csd = 17; Csp = 34 \r\n");
}

inline TransportPacket packetOf(const char* name, int type, const QByteArray& bytes)
{
    TransportPacket packet;
    packet.clear();
    std::strncpy(packet.deviceName, name, KVZ_DEVICE_NAME_SIZE - 1);
    packet.type = type;
    packet.formatNumber = 6;
    packet.deviceId = 4294967295u;   // shown as -1
    packet.module = reinterpret_cast<void*>(0x11);
    packet.connection = reinterpret_cast<void*>(0x22);
    packet.hostObject = reinterpret_cast<void*>(0x33);
    packet.protocolState = PS_KVZB;
    const int length = qMin(bytes.size(), int(KVZ_PACKET_DATA_SIZE));
    packet.length = length;
    std::memcpy(packet.data, bytes.constData(), static_cast<size_t>(length));
    return packet;
}

// " 0x.." per byte, a line break after every 16 and after the last.
inline QByteArray dump(const QByteArray& bytes)
{
    QByteArray text;
    for (int i = 0; i < bytes.size(); ++i) {
        if (i > 0 && i % 16 == 0)
            text += "\r\n";
        text += " 0x" + bytes.mid(i, 1).toHex();
    }
    return text + "\r\n";
}

// Replaces the time stamps "dd.MM.yyyy hh:mm:ss.zzz" of the title lines by
// "<T>" after checking their form, so entries compare byte for byte.
inline QByteArray withoutStamps(const QByteArray& log)
{
    static const QRegularExpression stamp(
        QStringLiteral("(^|\\n)\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d\\.\\d{3}      "));
    QString text = QString::fromLatin1(log);
    text.replace(stamp, QStringLiteral("\\1<T>      "));
    return text.toLatin1();
}

} // namespace F6Test

#endif // F6_TEST_RECORD_H
