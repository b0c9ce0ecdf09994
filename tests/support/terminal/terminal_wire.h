// Byte builders for what a terminal sends and parsers for what it gets back,
// written from the wire format alone, so tests never borrow the transport's
// own code to compute what they expect.
#ifndef TERMINAL_WIRE_H
#define TERMINAL_WIRE_H

#include <QByteArray>
#include <QList>
#include <QtGlobal>

namespace TerminalWire {

// XOR of all bytes.
quint8 xorOf(const QByteArray& bytes);
// CRC-8 of ZIRN frames, bit by bit: polynomial 0x31, initial value 0xFF.
quint8 crc8(const QByteArray& bytes);

QByteArray u16(quint16 value);
QByteArray u32(quint32 value);

// A KVZB packet: preamble, IDr, IDs, n, CSd, CSp, data.
QByteArray kvzbPacket(const QByteArray& preamble, quint32 idr, quint32 ids, const QByteArray& data);
// A bare 16-byte header that announces `length` data bytes with the given CSd;
// CSp is right.
QByteArray kvzbHeader(const QByteArray& preamble, quint32 idr, quint32 ids, quint16 length, quint8 csd);

// "~" letter body CRC-8.
QByteArray zirnFrame(char letter, const QByteArray& body);
QByteArray zirnPing();

// "*>ZIRN", protocol byte, two bytes, field count, 9-byte field mask.
QByteArray zirnNegotiation(quint8 protocol, quint8 fieldCount, const QByteArray& mask);
// The mask with all 69 fields.
QByteArray fullZirnMask();

// One KVZB packet taken apart.
struct KvzbPacket {
    QByteArray preamble;
    quint32 idr = 0;
    quint32 ids = 0;
    QByteArray data;
    bool csdOk = false;
    bool cspOk = false;
};
// Takes the first whole KVZB packet off the front of stream (a 16-byte header
// and its data); false, with stream untouched, when it has not all arrived.
bool takeKvzbPacket(QByteArray& stream, KvzbPacket& packet);

QByteArray hex(const QByteArray& bytes);

} // namespace TerminalWire

#endif // TERMINAL_WIRE_H
