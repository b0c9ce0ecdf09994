// What a terminal puts on the wire and what it expects back: KVZB packets
// (16-byte header with XOR checksums) and ZIRN frames (closed by a CRC-8).
// Written from the protocol description, independent of the server's code.
#ifndef TERMINAL_WIRE_H
#define TERMINAL_WIRE_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

class TerminalWire
{
public:
    static constexpr int kZirnFieldCount = 69;
    static constexpr int kZirnFullRecord = 146;
    static constexpr uint8_t kZirnFormat = 0xB0;

    using Preamble = std::array<uint8_t, 4>;
    using FieldMask = std::array<uint8_t, 9>;

    static uint8_t xorChecksum(const uint8_t* bytes, size_t count);
    // CRC-8: polynomial 0x31, not reflected, initial 0xFF, no final XOR.
    static uint8_t crc8(const uint8_t* bytes, size_t count);

    // Header (preamble, receiver, sender, length, CSd, CSp) and data.
    static Bytes kvzbPacket(const Preamble& preamble, uint32_t receiver, uint32_t sender,
                            const Bytes& data);
    static Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }
    static Bytes handshakeData(const std::string& name);
    // "*>ZIRN", format byte, two version bytes, field count, 9-byte mask.
    static Bytes zirnNegotiationData(uint8_t format, uint8_t fieldCount, const FieldMask& mask);
    static FieldMask fullMask();

    // ZIRN frames: "~T" number record CRC, "~C" record CRC, "~A" n records CRC.
    static Bytes zirnEventFrame(uint32_t number, const Bytes& record);
    static Bytes zirnCurrentFrame(const Bytes& record);
    static Bytes zirnArchiveFrame(const std::vector<Bytes>& records);
    static Bytes zirnPing() { return Bytes{0x7F}; }

    // Sum of the sizes of the fields whose bits are set (field 1 = top bit of byte 0).
    static int zirnRecordSize(const FieldMask& mask);
    static int zirnFieldSize(int field); // 1..69

    // Size of the answer unit at the start of bytes: > 0 a whole unit of that
    // size, 0 more bytes needed, -1 not an answer unit (garbage).
    static int answerUnitSize(const uint8_t* bytes, size_t count, const Preamble& preamble);

    static void putU32(Bytes& out, uint32_t value);
    static void putU16(Bytes& out, uint16_t value);
    static uint32_t u32At(const uint8_t* bytes);
    static uint16_t u16At(const uint8_t* bytes);

private:
    static Bytes closedByCrc(Bytes frame);
};

#endif // TERMINAL_WIRE_H
