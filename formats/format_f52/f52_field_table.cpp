#include "f52_field_table.h"

#include <cstring>

void F52FieldTable::write(int32_t* table)
{
    static const int32_t kTable[] = {
        0, 1, 1, 4, 5, 2, 7, 1, 8, 1, 9, 1, 10, 1, 11, 1, 12, 1,   // Type .. Year
        0,                                                        // single integer
        41, 4, 45, 4, 0, 0, 49, 4, 53, 2, 55, 4,                  // Lat, Lon, no Alt, Speed, Course, Run
        17, 1,                                                    // StateIn
        34, 1, 2,                                                 // fix valid
        17, 1, 1, 17, 1, 2, 17, 1, 4, 17, 1, 8, 17, 1, 16,        // inputs 1 to 5
    };
    std::memset(table, 0, 60 * sizeof(int32_t));
    std::memcpy(table, kTable, sizeof(kTable));
}
