// The ZIRN session fed arbitrary TransportPacket contents of every type.
// Input: packets one after another, each a type byte, a 16-bit length (less
// 16, so negative lengths occur too), a "selected" byte, then as many data
// bytes as the length asks for (at most 1024; missing ones stay 0).
// Run it in an empty working folder (scripts/fuzz.sh does): without Temp/
// the session writes no log file.
#include "fuzz_input.h"
#include "zirn_session.h"

#include <cstring>

namespace {
TransportPacket openingPacket()
{
    TransportPacket p;
    p.clear();
    p.protocolState = PS_KVZB;
    p.type = PT_HANDSHAKE;
    std::strcpy(p.deviceName, "FUZZ");
    p.deviceId = 1234;
    p.length = 24;
    std::memcpy(p.data + 16, "*>S:FUZZ", 8);
    return p;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    ZirnSession session(openingPacket());
    while (!in.atEnd()) {
        TransportPacket packet = openingPacket();
        packet.protocolState = PS_ZIRN;
        packet.formatNumber = 176;
        packet.type = in.u8();
        packet.length = static_cast<int32_t>(in.u16()) - 16;
        KvzPacketOut out;
        std::memset(&out, 0, sizeof(out));
        out.selected = in.u8();
        size_t taken = 0;
        const size_t wanted = packet.length < 0 ? 0 : static_cast<size_t>(packet.length);
        const uint8_t* bytes = in.bytes(wanted < sizeof(packet.data) ? wanted : sizeof(packet.data), taken);
        std::memcpy(packet.data, bytes, taken);
        session.handlePacket(packet, &out);
        if (out.textLength < 0 || (out.textLength > 0 && !out.text))
            __builtin_trap();
        if (out.textLength > 0) {
            volatile char last = out.text[out.textLength - 1];  // the whole text is readable
            (void)last;
        }
    }
    return 0;
}
