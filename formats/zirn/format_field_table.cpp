#include "format_field_table.h"

#include "kvz_abi.h"

#include <cstring>

namespace {
const int32_t kFixedRecord[KVZ_FIELD_TABLE_SIZE] = {
    0, 1,                   // type byte
    1, 4,                   // record number
    5, 2,                   // event code
    7, 1, 8, 1, 9, 1,       // hour, minute, second
    10, 1, 11, 1, 12, 1,    // day, month from 0, year minus 2000
    1,                      // single value
    81, 4, 85, 4, 89, 4,    // latitude, longitude, altitude
    93, 4, 97, 2, 99, 4,    // speed, course, run
    17, 1,                  // input bits byte
    74, 1, 2,               // navigation state bit
    17, 1, 1, 17, 1, 2, 17, 1, 4, 17, 1, 8, 17, 1, 16,
    17, 32, 1, 17, 64, 1, 17, 128, 1
};
}

void FormatFieldTable::writeFixedRecord(int32_t* table)
{
    std::memcpy(table, kFixedRecord, sizeof(kFixedRecord));
}
