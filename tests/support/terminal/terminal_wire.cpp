#include "terminal_wire.h"

namespace TerminalWire {

quint8 xorOf(const QByteArray& bytes)
{
    quint8 sum = 0;
    for (char c : bytes)
        sum ^= static_cast<quint8>(c);
    return sum;
}

quint8 crc8(const QByteArray& bytes)
{
    quint8 crc = 0xFF;
    for (char c : bytes) {
        crc ^= static_cast<quint8>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80) ? static_cast<quint8>((crc << 1) ^ 0x31) : static_cast<quint8>(crc << 1);
    }
    return crc;
}

QByteArray u16(quint16 value)
{
    QByteArray out;
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
    return out;
}

QByteArray u32(quint32 value)
{
    QByteArray out;
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    return out;
}

QByteArray kvzbHeader(const QByteArray& preamble, quint32 idr, quint32 ids, quint16 length, quint8 csd)
{
    QByteArray header = preamble.left(4);
    header += u32(idr);
    header += u32(ids);
    header += u16(length);
    header.append(static_cast<char>(csd));
    header.append(static_cast<char>(xorOf(header)));
    return header;
}

QByteArray kvzbPacket(const QByteArray& preamble, quint32 idr, quint32 ids, const QByteArray& data)
{
    return kvzbHeader(preamble, idr, ids, static_cast<quint16>(data.size()), xorOf(data)) + data;
}

QByteArray zirnFrame(char letter, const QByteArray& body)
{
    QByteArray frame("~");
    frame.append(letter);
    frame += body;
    frame.append(static_cast<char>(crc8(frame)));
    return frame;
}

QByteArray zirnPing()
{
    return QByteArray(1, '\x7F');
}

QByteArray zirnNegotiation(quint8 protocol, quint8 fieldCount, const QByteArray& mask)
{
    QByteArray data("*>ZIRN");
    data.append(static_cast<char>(protocol));
    data.append('\x01');
    data.append('\x02');
    data.append(static_cast<char>(fieldCount));
    data += mask.left(9);
    return data;
}

QByteArray fullZirnMask()
{
    return QByteArray::fromHex("FFFFFFFFFFFFFFFFF8");
}

bool takeKvzbPacket(QByteArray& stream, KvzbPacket& packet)
{
    if (stream.size() < 16)
        return false;
    const QByteArray header = stream.left(16);
    const int length = static_cast<quint8>(header[12]) | (static_cast<quint8>(header[13]) << 8);
    if (stream.size() < 16 + length)
        return false;
    auto word = [&header](int at) {
        quint32 value = 0;
        for (int i = 3; i >= 0; --i)
            value = (value << 8) | static_cast<quint8>(header[at + i]);
        return value;
    };
    packet.preamble = header.left(4);
    packet.idr = word(4);
    packet.ids = word(8);
    packet.data = stream.mid(16, length);
    packet.csdOk = static_cast<quint8>(header[14]) == xorOf(packet.data);
    packet.cspOk = static_cast<quint8>(header[15]) == xorOf(header.left(15));
    stream.remove(0, 16 + length);
    return true;
}

QByteArray hex(const QByteArray& bytes)
{
    return bytes.toHex(' ').toUpper();
}

} // namespace TerminalWire
