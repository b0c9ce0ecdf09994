#include "f5_record.h"

#include "f52_record.h"

#include <QtEndian>

#include <cstring>

namespace {
const int kStateOut = 16;
const int kStateInOut = 17;
}

F5Record::F5Record()
{
    std::memset(m_bytes, 0, sizeof(m_bytes));
}

void F5Record::parse(const uint8_t* bytes, uint32_t length)
{
    if (bytes && length >= uint32_t(Size))
        std::memcpy(m_bytes, bytes, Size);
}

QString F5Record::toText() const
{
    return F52Record::dumpText(m_bytes, Size, "StateInOut");
}

QDateTime F5Record::recordTime() const
{
    return F52Record::timeAt(m_bytes + 7);
}

QDateTime F5Record::lastFixTime() const
{
    return F52Record::timeAt(m_bytes + 35);
}

int F5Record::output1() const { return F52Record::bit(m_bytes[kStateOut], 0); }
int F5Record::output2() const { return F52Record::bit(m_bytes[kStateOut], 1); }
int F5Record::inputBit(int n) const { return F52Record::bit(m_bytes[kStateInOut], n); }
int F5Record::stateInBit5() const { return inputBit(5); }
int F5Record::stateInBit6() const { return inputBit(6); }
int F5Record::stateInBit7() const { return inputBit(7); }
int F5Record::protectionBit7() const { return F52Record::bit(protection(), 7); }
int F5Record::guardMode() const { return F52Record::twoBits(protection(), 0); }
int F5Record::stateNGaugeBit1() const { return F52Record::bit(stateNGauge(), 1); }

uint16_t F5Record::u16(int offset) const
{
    return qFromLittleEndian<quint16>(m_bytes + offset);
}

uint32_t F5Record::u32(int offset) const
{
    return qFromLittleEndian<quint32>(m_bytes + offset);
}

float F5Record::f32(int offset) const
{
    const quint32 raw = u32(offset);
    float value;
    std::memcpy(&value, &raw, sizeof(value));
    return value;
}
