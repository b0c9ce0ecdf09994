#include "kvzb_checksum.h"

#include <array>
#include <cstddef>

namespace {

std::array<uint8_t, 256> makeCrc8Table()
{
    std::array<uint8_t, 256> table{};
    for (int value = 0; value < 256; ++value) {
        uint8_t crc = static_cast<uint8_t>(value);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80) ? static_cast<uint8_t>((crc << 1) ^ 0x31) : static_cast<uint8_t>(crc << 1);
        table[static_cast<std::size_t>(value)] = crc;
    }
    return table;
}

} // namespace

uint8_t xorChecksum(const uint8_t* bytes, int count)
{
    uint8_t sum = 0;
    for (int i = 0; i < count; ++i)
        sum ^= bytes[i];
    return sum;
}

uint8_t crc8(const uint8_t* bytes, int count)
{
    static const std::array<uint8_t, 256> table = makeCrc8Table();
    uint8_t crc = 0xFF;
    for (int i = 0; i < count; ++i)
        crc = table[crc ^ bytes[i]];
    return crc;
}

bool checksumAccepted(uint8_t received, uint8_t computed)
{
#ifdef KVZ_FUZZ_ACCEPT_ANY_CHECKSUM
    (void)received;
    (void)computed;
    return true;
#else
    return received == computed;
#endif
}
