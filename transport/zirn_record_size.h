// Size of one ZIRN record from the field mask that the terminal announces.
#ifndef ZIRN_RECORD_SIZE_H
#define ZIRN_RECORD_SIZE_H

#include <cstdint>

enum { ZIRN_MASK_SIZE = 9, ZIRN_FIELD_COUNT = 69 };

// Sum of the sizes of the fields whose bits are set. Field k (1 to 69) is
// bit 7 - ((k - 1) mod 8) of mask byte (k - 1) div 8; the last three bits
// of byte 8 are not used.
int zirnRecordSize(const uint8_t mask[ZIRN_MASK_SIZE]);

#endif // ZIRN_RECORD_SIZE_H
