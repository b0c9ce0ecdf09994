#include "terminal_wire.h"

#include <cstring>

namespace {
const std::array<uint8_t, 256>& crcTable()
{
    static const std::array<uint8_t, 256> table = [] {
        std::array<uint8_t, 256> t{};
        for (int i = 0; i < 256; ++i) {
            uint8_t c = static_cast<uint8_t>(i);
            for (int bit = 0; bit < 8; ++bit)
                c = static_cast<uint8_t>((c & 0x80) ? (c << 1) ^ 0x31 : (c << 1));
            t[static_cast<size_t>(i)] = c;
        }
        return t;
    }();
    return table;
}

// Field sizes of the 69 ZIRN fields in mask order.
const int kFieldSizes[TerminalWire::kZirnFieldCount] = {
    4, 2, 4, 1, 1, 1, 1, 1,
    4, 4, 4, 4, 4, 2, 4, 4,
    2, 2, 2, 2, 2, 2, 2, 2,
    2, 2, 2, 2, 1, 1, 1, 1,
    4, 4, 2, 2, 4, 2, 2, 2,
    2, 2, 2, 2, 1, 1, 1, 1,
    1, 1, 1, 1, 2, 4, 2, 1,
    4, 2, 2, 2, 2, 2, 1, 1,
    1, 2, 4, 2, 1};
} // namespace

uint8_t TerminalWire::xorChecksum(const uint8_t* bytes, size_t count)
{
    uint8_t x = 0;
    for (size_t i = 0; i < count; ++i)
        x ^= bytes[i];
    return x;
}

uint8_t TerminalWire::crc8(const uint8_t* bytes, size_t count)
{
    uint8_t c = 0xFF;
    for (size_t i = 0; i < count; ++i)
        c = crcTable()[c ^ bytes[i]];
    return c;
}

void TerminalWire::putU32(Bytes& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void TerminalWire::putU16(Bytes& out, uint16_t value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

uint32_t TerminalWire::u32At(const uint8_t* b)
{
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

uint16_t TerminalWire::u16At(const uint8_t* b)
{
    return static_cast<uint16_t>(b[0] | b[1] << 8);
}

Bytes TerminalWire::kvzbPacket(const Preamble& preamble, uint32_t receiver, uint32_t sender,
                               const Bytes& data)
{
    Bytes p(preamble.begin(), preamble.end());
    putU32(p, receiver);
    putU32(p, sender);
    putU16(p, static_cast<uint16_t>(data.size()));
    p.push_back(xorChecksum(data.data(), data.size()));
    p.push_back(xorChecksum(p.data(), 15));
    p.insert(p.end(), data.begin(), data.end());
    return p;
}

Bytes TerminalWire::handshakeData(const std::string& name)
{
    return text("*>S:" + name);
}

Bytes TerminalWire::zirnNegotiationData(uint8_t format, uint8_t fieldCount, const FieldMask& mask)
{
    Bytes d = text("*>ZIRN");
    d.push_back(format);
    d.push_back(1);  // protocol version
    d.push_back(1);  // structure version
    d.push_back(fieldCount);
    d.insert(d.end(), mask.begin(), mask.end());
    return d;
}

TerminalWire::FieldMask TerminalWire::fullMask()
{
    return FieldMask{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF8};
}

Bytes TerminalWire::closedByCrc(Bytes frame)
{
    frame.push_back(crc8(frame.data(), frame.size()));
    return frame;
}

Bytes TerminalWire::zirnEventFrame(uint32_t number, const Bytes& record)
{
    Bytes f = text("~T");
    putU32(f, number);
    f.insert(f.end(), record.begin(), record.end());
    return closedByCrc(f);
}

Bytes TerminalWire::zirnCurrentFrame(const Bytes& record)
{
    Bytes f = text("~C");
    f.insert(f.end(), record.begin(), record.end());
    return closedByCrc(f);
}

Bytes TerminalWire::zirnArchiveFrame(const std::vector<Bytes>& records)
{
    Bytes f = text("~A");
    f.push_back(static_cast<uint8_t>(records.size()));
    for (const Bytes& r : records)
        f.insert(f.end(), r.begin(), r.end());
    return closedByCrc(f);
}

int TerminalWire::zirnFieldSize(int field)
{
    return (field >= 1 && field <= kZirnFieldCount) ? kFieldSizes[field - 1] : 0;
}

int TerminalWire::zirnRecordSize(const FieldMask& mask)
{
    int size = 0;
    for (int k = 1; k <= kZirnFieldCount; ++k) {
        const int byte = (k - 1) / 8;
        const int bit = 7 - (k - 1) % 8;
        if (mask[static_cast<size_t>(byte)] & (1 << bit))
            size += kFieldSizes[k - 1];
    }
    return size;
}

int TerminalWire::answerUnitSize(const uint8_t* b, size_t count, const Preamble& preamble)
{
    if (count == 0)
        return 0;
    if (b[0] == '~') {
        if (count < 2)
            return 0;
        const int size = b[1] == 'T' ? 7 : (b[1] == 'C' || b[1] == 'A') ? 4 : -1;
        if (size < 0)
            return -1;
        return count >= static_cast<size_t>(size) ? size : 0;
    }
    const size_t head = count < 4 ? count : 4;
    if (std::memcmp(b, preamble.data(), head) != 0)
        return -1;
    if (count < 16)
        return 0;
    if (b[15] != xorChecksum(b, 15))
        return -1;
    const size_t size = 16 + u16At(b + 12);
    return count >= size ? static_cast<int>(size) : 0;
}
