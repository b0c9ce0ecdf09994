// Test-side builder of F-4 records and of the KVZB packets that carry them,
// written from the record layout, not from the plug-in's code.
#ifndef F4_TEST_ENCODER_H
#define F4_TEST_ENCODER_H

#include "../zirn/zirn_test_packets.h"

#include <QByteArray>
#include <cstdint>

namespace F4Test {

struct Fields {
    uint8_t type = 4;
    uint32_t numPage = 0;
    uint16_t code = 0;
    uint8_t hour = 0, min = 0, sec = 0, day = 1, month = 0, year = 0;
    uint8_t protection = 0, module = 0, gsm = 0, stateOut = 0;
    uint16_t stateIn = 0;
    uint16_t power = 0, reserv = 0;
    int8_t temp1 = 0, temp2 = 0, temp3 = 0, temp4 = 0;
};

inline void putLe(QByteArray& bytes, uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += char((value >> (8 * i)) & 0xFF);
}

inline QByteArray encode(const Fields& f)
{
    QByteArray b;
    putLe(b, f.type, 1);
    putLe(b, f.numPage, 4);
    putLe(b, f.code, 2);
    for (uint8_t v : {f.hour, f.min, f.sec, f.day, f.month, f.year, f.protection, f.module, f.gsm, f.stateOut})
        putLe(b, v, 1);
    putLe(b, f.stateIn, 2);
    putLe(b, f.power, 2);
    putLe(b, f.reserv, 2);
    for (int8_t t : {f.temp1, f.temp2, f.temp3, f.temp4})
        putLe(b, uint8_t(t), 1);
    return b;
}

inline QByteArray u32(uint32_t value)
{
    QByteArray b;
    putLe(b, value, 4);
    return b;
}

// A record with the given number and otherwise fixed values whose text is
// recordText(number).
inline QByteArray numbered(uint32_t number)
{
    Fields f;
    f.numPage = number;
    f.code = 12;
    f.hour = 10;
    f.min = 20;
    f.sec = 30;
    f.day = 15;
    f.month = 5;
    f.year = 24;
    f.protection = 0x81;
    f.module = 0x21;
    f.gsm = 60;
    f.stateOut = 0x05;
    f.stateIn = 0x0181;
    f.power = 12300;
    f.reserv = 4100;
    f.temp1 = 21;
    f.temp2 = -5;
    f.temp3 = -128;
    f.temp4 = 127;
    return encode(f);
}

inline QString recordText(uint32_t number)
{
    return QStringLiteral("Type = 4; NumPage = ") + QString::number(number)
        + QStringLiteral("; Code = 12; Hour = 10; Min = 20; Sec = 30; Day = 15; Month = 5; Year = 24; "
                         "Protection = 129; Module = 33; GSM = 60; StateOut = 5; StateIn = 385; "
                         "Power = 12300; Reserv = 4100; Temp1 = 21; Temp2 = -5; Temp3 = -128; Temp4 = 127 ");
}

inline TransportPacket f4Packet(const char* name, int type, const QByteArray& bytes)
{
    TransportPacket packet = ZirnTest::packetOf(name, type, bytes);
    packet.formatNumber = 4;
    packet.protocolState = PS_KVZB;
    return packet;
}

// The log file's dump of bytes: " 0x.." each, a line break after every 16
// and after the last.
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

} // namespace F4Test

#endif // F4_TEST_ENCODER_H
