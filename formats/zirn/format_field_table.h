// The field-location table of the fixed 111-byte record layout (type byte,
// record number at offset 1, event code, time, navigation values, input
// bits), as the ZIRN and F-6 plug-ins report it with MSG_FIELD_TABLE.
#ifndef FORMAT_FIELD_TABLE_H
#define FORMAT_FIELD_TABLE_H

#include <cstdint>

class FormatFieldTable
{
public:
    // Writes the 60 entries into table.
    static void writeFixedRecord(int32_t* table);
};

#endif // FORMAT_FIELD_TABLE_H
