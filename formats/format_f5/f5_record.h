// One F-5 telemetry record: the fixed 67-byte little-endian block of a "*>T"
// or "*>A" packet, the first 67 bytes of the F-52 layout, kept exactly as
// received. Values are converted only by the getters and the text dump.
#ifndef F5_RECORD_H
#define F5_RECORD_H

#include <QDateTime>
#include <QString>
#include <cstdint>

class F5Record
{
public:
    enum { Size = 67 };

    F5Record();

    int size() const { return Size; }
    // Takes the first 67 bytes when length is at least 67; otherwise the
    // record stays as it was.
    void parse(const uint8_t* bytes, uint32_t length);
    // The one-line dump of the 35 fields, "Type = ...; " to "SecondsLast = ...; ".
    QString toText() const;

    QDateTime recordTime() const;
    QDateTime lastFixTime() const;

    uint32_t numPage() const { return u32(1); }
    uint16_t code() const { return u16(5); }
    uint8_t protection() const { return m_bytes[13]; }
    uint8_t module() const { return m_bytes[14]; }
    uint8_t gsm() const { return m_bytes[15]; }
    uint16_t analogIn3() const { return u16(18); }   // main supply, mV
    uint16_t analogIn4() const { return u16(20); }   // reserve supply, mV
    uint16_t analogIn1() const { return u16(22); }
    uint16_t analogIn2() const { return u16(24); }
    uint32_t pulseCount1() const { return u32(26); }
    uint32_t pulseCount2() const { return u32(30); }
    uint8_t stateNGauge() const { return m_bytes[34]; }
    float latitude() const { return f32(41); }       // radians
    float longitude() const { return f32(45); }      // radians
    float speed() const { return f32(49); }
    uint16_t course() const { return u16(53); }
    float run() const { return f32(55); }
    float way() const { return f32(59); }
    uint16_t allSeconds() const { return u16(63); }
    uint16_t secondsLast() const { return u16(65); }

    int output1() const;
    int output2() const;
    int inputBit(int n) const;      // bit n of StateInOut; lines 1-5 are bits 0-4
    int stateInBit5() const;        // weak shock
    int stateInBit6() const;        // strong shock
    int stateInBit7() const;        // movement
    int protectionBit7() const;     // alarm
    int guardMode() const;          // bits 0-1 of Protection
    int stateNGaugeBit1() const;    // fix valid

private:
    uint16_t u16(int offset) const;
    uint32_t u32(int offset) const;
    float f32(int offset) const;

    uint8_t m_bytes[Size];
};

#endif // F5_RECORD_H
