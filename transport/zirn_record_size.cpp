#include "zirn_record_size.h"

namespace {

// Bytes of fields 1 to 69, in order.
const uint8_t fieldSizes[ZIRN_FIELD_COUNT] = {
    4, 2, 4, 1, 1, 1, 1, 1,
    4, 4, 4, 4, 4, 2, 4, 4,
    2, 2, 2, 2, 2, 2, 2, 2,
    2, 2, 2, 2, 1, 1, 1, 1,
    4, 4, 2, 2, 4, 2, 2, 2,
    2, 2, 2, 2, 1, 1, 1, 1,
    1, 1, 1, 1, 2, 4, 2, 1,
    4, 2, 2, 2, 2, 2, 1, 1,
    1, 2, 4, 2, 1
};

} // namespace

int zirnRecordSize(const uint8_t mask[ZIRN_MASK_SIZE])
{
    int size = 0;
    for (int field = 0; field < ZIRN_FIELD_COUNT; ++field) {
        const uint8_t bit = static_cast<uint8_t>(0x80 >> (field % 8));
        if (mask[field / 8] & bit)
            size += fieldSizes[field];
    }
    return size;
}
