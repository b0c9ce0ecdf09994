// One F-6 telemetry record: the fixed 111-byte block of a "*>T" or "*>A"
// packet, kept exactly as received. Values are converted only by the getters
// and the text operations.
#ifndef TMIPAGE_F6_H
#define TMIPAGE_F6_H

#include <QDateTime>
#include <QObject>
#include <QString>
#include <cstdint>

class TmiPage_F6 : public QObject
{
public:
    enum { RecordSize = 111 };

    TmiPage_F6();
    ~TmiPage_F6() override;

    static int recordSize() { return RecordSize; }
    // Takes the first 111 bytes when length is at least 111; otherwise the
    // record stays as it was.
    void setRecord(const uint8_t* bytes, uint32_t length);
    // "Type = ..; NumPage = ..; ... SecondsLast = ..; " on one line.
    QString toText() const;

    QDateTime recordTime() const;
    QString recordTimeText() const;
    QDateTime lastFixTime() const;
    QString lastFixTimeText() const;

    uint8_t type() const { return u8(0); }
    uint32_t numPage() const { return u32(1); }
    uint16_t code() const { return u16(5); }
    uint8_t state() const { return u8(13); }
    uint8_t module() const { return u8(14); }
    uint8_t gsm() const { return u8(15); }
    uint8_t stateOut() const { return u8(16); }
    uint8_t stateIn() const { return u8(17); }
    uint16_t power() const { return u16(18); }
    uint16_t reserv() const { return u16(20); }
    uint16_t analogIn1() const { return u16(22); }
    uint16_t analogIn2() const { return u16(24); }
    uint16_t analogIn3() const { return u16(26); }
    uint32_t stateIn2() const { return u32(28); }
    uint32_t stateIn3() const { return u32(32); }
    uint16_t frequency1() const { return u16(36); }
    uint16_t frequency2() const { return u16(38); }
    int8_t fuelLevel() const { return s8(40); }
    int16_t fuelConsumption() const { return int16_t(u16(41)); }
    // n from 1 to 6; any other n reads sensor 1.
    int8_t tempRs485(int n) const { return s8(43 + 3 * rs485Index(n)); }
    uint16_t levelRs485(int n) const { return u16(44 + 3 * rs485Index(n)); }
    int8_t tempRs232() const { return s8(61); }
    uint16_t levelRs232() const { return u16(62); }
    int16_t temp1() const { return s8(64); }
    int16_t temp2() const { return s8(65); }
    int16_t temp3() const { return s8(66); }
    int16_t temp4() const { return s8(67); }
    int32_t weight() const { return int32_t(u32(68)); }
    uint16_t engineTurns() const { return u16(72); }
    uint8_t stateNGauge() const { return u8(74); }
    int32_t latitude() const { return int32_t(u32(81)); }
    int32_t longitude() const { return int32_t(u32(85)); }
    int32_t altitude() const { return int32_t(u32(89)); }
    float speed() const { return f32(93); }
    uint16_t course() const { return u16(97); }
    float run() const { return f32(99); }
    float way() const { return f32(103); }
    uint16_t allSeconds() const { return u16(107); }
    uint16_t secondsLast() const { return u16(109); }

    // Bit n (0 to 7) of value as 0 or 1; any other n gives 0.
    static int bit(uint8_t value, int n);
    int stateInBit(int n) const { return bit(stateIn(), n); }
    int stateOutBit(int n) const { return bit(stateOut(), n); }
    int stateBit1() const { return bit(state(), 1); }
    int stateNGaugeBit1() const { return bit(stateNGauge(), 1); }

    QString codeText() const;
    QString engineText() const;
    QString weightText() const;
    QString engineTurnsText() const;
    QString fuelConsumptionText() const;
    QString fuelLevelText() const;

private:
    static int rs485Index(int n) { return n >= 1 && n <= 6 ? n - 1 : 0; }
    uint8_t u8(int offset) const { return m_bytes[offset]; }
    int8_t s8(int offset) const { return int8_t(m_bytes[offset]); }
    uint16_t u16(int offset) const;
    uint32_t u32(int offset) const;
    float f32(int offset) const;
    // Hour, Min, Sec, Day, Month (from 0), Year (minus 2000) from first on.
    QDateTime timeAt(int first) const;

    uint8_t m_bytes[RecordSize];
};

#endif // TMIPAGE_F6_H
