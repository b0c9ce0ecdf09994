// One F-52 telemetry record: the fixed 86-byte little-endian block of a
// "*>T" or "*>A" packet, kept exactly as received. Values are converted only
// by the getters and the text operations.
#ifndef F52_RECORD_H
#define F52_RECORD_H

#include <QDateTime>
#include <QString>
#include <cstdint>

class F52Record
{
public:
    enum { Size = 86 };

    F52Record();

    int size() const { return Size; }
    // Takes the first 86 bytes when length is at least 86; otherwise the
    // record stays as it was.
    void parse(const uint8_t* bytes, uint32_t length);
    // The one-line dump of all 48 fields, "Type = ...; " to "Temp4 = ...; ".
    QString toText() const;

    QDateTime recordTime() const;
    QString timeText() const;           // "hh:mm:ss  dd.MM.yyyy"
    QDateTime lastFixTime() const;
    QString lastFixTimeText() const;    // "hh:mm:ss  dd.MM.yyyy"
    QString codeText() const;

    uint32_t numPage() const { return u32(1); }
    uint16_t code() const { return u16(5); }
    uint8_t protection() const { return m_bytes[13]; }
    uint8_t module() const { return m_bytes[14]; }
    uint8_t gsm() const { return m_bytes[15]; }
    uint8_t stateOut() const { return m_bytes[16]; }
    uint8_t stateIn() const { return m_bytes[17]; }
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
    int16_t fuelTemp1() const { return int8_t(m_bytes[69]); }
    uint16_t fuelLevel1() const { return u16(70); }
    int16_t fuelTemp2() const { return int8_t(m_bytes[74]); }
    uint16_t fuelLevel2() const { return u16(75); }
    int16_t fuelTemp3() const { return int8_t(m_bytes[79]); }
    uint16_t fuelLevel3() const { return u16(80); }
    uint8_t temp1() const { return m_bytes[82]; }
    uint8_t temp2() const { return m_bytes[83]; }
    uint8_t temp3() const { return m_bytes[84]; }
    uint8_t temp4() const { return m_bytes[85]; }

    // Bit n (0-7) of value; any other n gives 0.
    static int bit(uint8_t value, int n);
    // The 2-bit field n (0-7) of value; any other n gives 0.
    static int twoBits(uint16_t value, int n);
    int output1() const { return bit(stateOut(), 0); }
    int output2() const { return bit(stateOut(), 1); }
    int inputBit(int n) const { return bit(stateIn(), n); }
    int stateInBit5() const { return bit(stateIn(), 5); }   // weak shock
    int stateInBit6() const { return bit(stateIn(), 6); }   // strong shock
    int stateInBit7() const { return bit(stateIn(), 7); }   // movement
    int protectionBit7() const { return bit(protection(), 7); }   // alarm
    int guardMode() const { return twoBits(protection(), 0); }
    int stateNGaugeBit1() const { return bit(stateNGauge(), 1); }   // fix valid

    // Local time of six bytes hour, min, sec, day, month (from 0) and
    // year (minus 2000), as both time blocks of the record hold them.
    static QDateTime timeAt(const uint8_t* hourMinSecDayMonthYear);
    static QString dateTimeText(const QDateTime& time);   // "hh:mm:ss  dd.MM.yyyy"
    // "%g" as C prints it, whatever the locale.
    static QString floatText(float value);
    // The dump of the F-52 fields that lie within the first size bytes of
    // bytes, byte 17 printed under byte17Name; F-5 records are such a prefix.
    static QString dumpText(const uint8_t* bytes, int size, const char* byte17Name);

private:
    uint16_t u16(int offset) const;
    uint32_t u32(int offset) const;
    float f32(int offset) const;

    uint8_t m_bytes[Size];
};

#endif // F52_RECORD_H
