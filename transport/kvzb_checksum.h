// Checksums of the terminal's wire formats.
#ifndef KVZB_CHECKSUM_H
#define KVZB_CHECKSUM_H

#include <cstdint>

// XOR of count bytes; 0 for count 0. KVZB header and data checksums.
uint8_t xorChecksum(const uint8_t* bytes, int count);

// CRC-8 closing every ZIRN frame: polynomial 0x31, not reflected, initial
// value 0xFF, no final XOR.
uint8_t crc8(const uint8_t* bytes, int count);

// Whether a received checksum is taken as right: it equals the computed one.
// A fuzzing build (KVZ_FUZZ_ACCEPT_ANY_CHECKSUM defined) takes every value,
// so mutated units reach the code behind the checks.
bool checksumAccepted(uint8_t received, uint8_t computed);

#endif // KVZB_CHECKSUM_H
