// A connection's framing and handlers fed an arbitrary byte stream in
// arbitrary pieces. Input: a 16-bit seed of the piece sizes, an options
// byte, then the stream. Options: bit 0 pieces of up to 3000 bytes (past the
// receive buffer) instead of up to 64; bit 1 first a host command: a 16-bit
// length that may claim more than the 1024 bytes a packet holds, then its
// bytes; bit 2 the rest describes units instead of bytes (below), which get
// correct checksums, so mutations reach what lies behind the XOR and CRC-8
// tests even in a build without the checksum switch. Every packet handed on
// and every write must fit its record.
//
// A unit: a tag byte, then by tag % 4: 0 a KVZB packet (16-bit length % 1100,
// data), 1 a ZIRN frame (letter byte: T, C or A by % 3, 16-bit length % 1100,
// body), 2 raw bytes (8-bit length, bytes), 3 a ZIRN ping.
#include "fuzz_input.h"
#include "kvzb_protocol.h"
#include "terminal_wire.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {
class CheckedOutput : public KvzbProtocol::Output
{
public:
    bool outputRunning() const override { return true; }
    void outputPacket(KvzbProtocol::Event, const TransportPacket& packet) override
    {
        if (packet.length < 0 || packet.length > KVZ_PACKET_DATA_SIZE)
            std::abort();
    }
    void outputWrite(const uint8_t*, int count) override
    {
        if (count < 0 || count > KVZ_PACKET_DATA_SIZE)
            std::abort();
    }
    void outputLog(const QString&) override {}
};

// ZIRN's, a short record, and one whose record number is at the far end.
const std::vector<FormatDescriptor*>& formats()
{
    static FormatDescriptor zirn(QStringLiteral("ZIRN"), 176, 111, 1, nullptr);
    static FormatDescriptor shortRecord(QStringLiteral("BENCH"), 0x42, 32, 1, nullptr);
    static FormatDescriptor edge(QStringLiteral("EDGE"), 0x43, 1024, 1020, nullptr);
    static const std::vector<FormatDescriptor*> list = {&zirn, &shortRecord, &edge};
    return list;
}
QByteArray unitsToStream(FuzzInput& in)
{
    static const QByteArray preamble("@KVZ");
    QByteArray stream;
    while (!in.atEnd()) {
        const uint8_t tag = in.u8() % 4;
        size_t taken = 0;
        if (tag == 3) {
            stream += TerminalWire::zirnPing();
            continue;
        }
        const char letter = tag == 1 ? "TCA"[in.u8() % 3] : 0;
        const size_t length = tag == 2 ? in.u8() : in.u16() % 1100;
        const uint8_t* bytes = in.bytes(length, taken);
        const QByteArray body(reinterpret_cast<const char*>(bytes), static_cast<int>(taken));
        if (tag == 0)
            stream += TerminalWire::kvzbPacket(preamble, 1, 777, body);
        else if (tag == 1)
            stream += TerminalWire::zirnFrame(letter, body);
        else
            stream += body;
    }
    return stream;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    uint32_t seed = in.u16() | 0x10000u;
    const uint8_t options = in.u8();
    const uint32_t largest = (options & 1) ? 3000 : 64;

    CheckedOutput output;
    int module = 0, connection = 0;
    KvzbProtocol protocol(output, &module, &connection, formats());
    if (options & 2) {
        // As a 5038 packet: 1024 data bytes, a length that may claim more.
        const uint16_t length = in.u16();
        uint8_t command[KVZ_PACKET_DATA_SIZE] = {};
        size_t taken = 0;
        const uint8_t* bytes = in.bytes(length < sizeof(command) ? length : sizeof(command), taken);
        std::memcpy(command, bytes, taken);
        protocol.sendCommand(command, static_cast<int>(length));
    }
    QByteArray units;
    if (options & 4)
        units = unitsToStream(in);
    FuzzInput stream = (options & 4) ? FuzzInput(reinterpret_cast<const uint8_t*>(units.constData()),
                                                 static_cast<size_t>(units.size()))
                                     : in;
    while (!stream.atEnd()) {
        seed ^= seed << 13;
        seed ^= seed >> 17;
        seed ^= seed << 5;
        size_t taken = 0;
        const uint8_t* piece = stream.bytes(1 + seed % largest, taken);
        protocol.receive(piece, static_cast<int>(taken));
    }
    return 0;
}
