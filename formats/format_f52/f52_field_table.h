// The 60-integer field table of MSG_FIELD_TABLE for the F-52 record layout,
// which the F-5 record (its first 67 bytes) reports as well.
#ifndef F52_FIELD_TABLE_H
#define F52_FIELD_TABLE_H

#include <cstdint>

class F52FieldTable
{
public:
    static void write(int32_t* table);
};

#endif // F52_FIELD_TABLE_H
