// Test-side builders of the packets a ZIRN terminal's units arrive as, and
// of the texts and log entries the tests expect. Written from the wire
// format, not from the plug-in's code.
#ifndef ZIRN_TEST_PACKETS_H
#define ZIRN_TEST_PACKETS_H

#include "kvz_abi.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <cstdint>
#include <cstring>

namespace ZirnTest {

// The field table of the fixed 111-byte layout, as MSG_FIELD_TABLE gives it.
const int32_t kFixedRecordFieldTable[60] = {0, 1, 1, 4, 5, 2, 7, 1, 8, 1, 9, 1, 10, 1, 11, 1, 12, 1, 1,
                                            81, 4, 85, 4, 89, 4, 93, 4, 97, 2, 99, 4, 17, 1, 74, 1, 2,
                                            17, 1, 1, 17, 1, 2, 17, 1, 4, 17, 1, 8, 17, 1, 16,
                                            17, 32, 1, 17, 64, 1, 17, 128, 1};

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

// A ZIRN frame: its bytes and a closing CRC byte (its value is the
// transport's business; the plug-in reads only that it is there).
inline QByteArray zirnFrame(const QByteArray& bytes)
{
    return bytes + char(0x5A);
}

inline QByteArray negotiation(const QByteArray& mask, quint8 declaredSize = 69)
{
    QByteArray data("*>ZIRN");
    data += char(0xB0);
    data += char(0x01);
    data += char(0x02);
    data += char(declaredSize);
    return kvzb(data + mask);
}

inline TransportPacket packetOf(const char* name, int type, const QByteArray& bytes)
{
    TransportPacket packet;
    packet.clear();
    std::strncpy(packet.deviceName, name, KVZ_DEVICE_NAME_SIZE - 1);
    packet.type = type;
    packet.protocolState = type >= PT_ZIRN_HANDSHAKE ? PS_ZIRN : PS_KVZB;
    packet.formatNumber = 176;
    packet.deviceId = 2000000;
    const int length = qMin(bytes.size(), int(KVZ_PACKET_DATA_SIZE));
    packet.length = length;
    std::memcpy(packet.data, bytes.constData(), static_cast<size_t>(length));
    return packet;
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

} // namespace ZirnTest

#endif // ZIRN_TEST_PACKETS_H
