// One F-4 telemetry record: the fixed 27-byte block of a "*>T", "*@C" or
// "*#A" packet, or one of several in a "*>A" archive. The bytes are kept as
// received (little-endian, no padding); getters convert on reading.
//
//  0 Type u8        1 NumPage u32    5 Code u16       7 Hour   8 Min   9 Sec
// 10 Day  11 Month (from 0)  12 Year (minus 2000)    13 Protection u8
// 14 Module u8     15 GSM u8        16 StateOut u8   17 StateIn u16
// 19 Power u16 mV  21 Reserv u16 mV 23..26 Temp1..Temp4 s8 (-128 not connected)
#ifndef F4_RECORD_H
#define F4_RECORD_H

#include "f52_record.h"

#include <QDateTime>
#include <QString>
#include <cstdint>

class F4Record
{
public:
    enum { Size = 27 };

    F4Record();

    static int recordSize() { return Size; }
    // Copies the first 27 bytes when length is at least 27; else nothing.
    void setRecord(const uint8_t* bytes, uint32_t length);
    // "Type = ..; NumPage = ..; ... Temp4 = .. " on one line.
    QString toText() const;

    QDateTime recordTime() const;
    QString timeText() const;     // "hh:mm:ss  dd.MM.yyyy"
    QString codeText() const;

    uint8_t type() const { return m_bytes[0]; }
    uint32_t numPage() const;
    uint16_t code() const;
    uint8_t protection() const { return m_bytes[13]; }
    uint8_t module() const { return m_bytes[14]; }
    uint8_t gsm() const { return m_bytes[15]; }
    uint8_t stateOut() const { return m_bytes[16]; }
    uint8_t stateIn() const { return m_bytes[17]; }   // the low byte only
    uint16_t power() const;
    uint16_t reserv() const;
    int temp1() const { return temp(23); }
    int temp2() const { return temp(24); }
    int temp3() const { return temp(25); }
    int temp4() const { return temp(26); }

    // The flag tests are the F-52 record's bit and twoBits.
    int stateInBit0() const { return F52Record::bit(stateIn(), 0); }
    int stateInBit1() const { return F52Record::bit(stateIn(), 1); }
    int stateInBit2() const { return F52Record::bit(stateIn(), 2); }
    int stateInBit3() const { return F52Record::bit(stateIn(), 3); }
    int stateInBit4() const { return F52Record::bit(stateIn(), 4); }
    int stateInBit5() const { return F52Record::bit(stateIn(), 5); }
    int stateInBit6() const { return F52Record::bit(stateIn(), 6); }
    int stateInBit7() const { return F52Record::bit(stateIn(), 7); }
    int stateOutBit0() const { return F52Record::bit(stateOut(), 0); }
    int stateOutBit1() const { return F52Record::bit(stateOut(), 1); }
    int stateOutBit2() const { return F52Record::bit(stateOut(), 2); }
    int stateOutBit3() const { return F52Record::bit(stateOut(), 3); }
    int protectionBit7() const { return F52Record::bit(protection(), 7); }
    int guardMode() const { return F52Record::twoBits(protection(), 0); }

private:
    uint16_t u16(int offset) const;
    int temp(int offset) const { return static_cast<int8_t>(m_bytes[offset]); }

    uint8_t m_bytes[Size];
};

#endif // F4_RECORD_H
