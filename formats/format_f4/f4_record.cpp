#include "f4_record.h"

#include <QtEndian>

#include <cstring>

namespace {
QString piece(const char* name, const QString& value, const char* end = "; ")
{
    return QLatin1String(name) + QStringLiteral(" = ") + value + QLatin1String(end);
}
}

F4Record::F4Record()
{
    std::memset(m_bytes, 0, sizeof(m_bytes));
}

void F4Record::setRecord(const uint8_t* bytes, uint32_t length)
{
    if (bytes && length >= uint32_t(Size))
        std::memcpy(m_bytes, bytes, sizeof(m_bytes));
}

uint16_t F4Record::u16(int offset) const
{
    return qFromLittleEndian<quint16>(m_bytes + offset);
}

uint32_t F4Record::numPage() const
{
    return qFromLittleEndian<quint32>(m_bytes + 1);
}

uint16_t F4Record::code() const { return u16(5); }
uint16_t F4Record::power() const { return u16(19); }
uint16_t F4Record::reserv() const { return u16(21); }

QString F4Record::toText() const
{
    const auto n = [](qlonglong value) { return QString::number(value); };
    QString text;
    text += piece("Type", n(type()));
    text += piece("NumPage", n(numPage()));
    text += piece("Code", n(code()));
    text += piece("Hour", n(m_bytes[7]));
    text += piece("Min", n(m_bytes[8]));
    text += piece("Sec", n(m_bytes[9]));
    text += piece("Day", n(m_bytes[10]));
    text += piece("Month", n(m_bytes[11]));
    text += piece("Year", n(m_bytes[12]));
    text += piece("Protection", n(protection()));
    text += piece("Module", n(module()));
    text += piece("GSM", n(gsm()));
    text += piece("StateOut", n(stateOut()));
    text += piece("StateIn", n(u16(17)));
    text += piece("Power", n(power()));
    text += piece("Reserv", n(reserv()));
    text += piece("Temp1", n(temp1()));
    text += piece("Temp2", n(temp2()));
    text += piece("Temp3", n(temp3()));
    text += piece("Temp4", n(temp4()), " ");
    return text;
}

QDateTime F4Record::recordTime() const
{
    return F52Record::timeAt(m_bytes + 7);
}

QString F4Record::timeText() const
{
    return F52Record::dateTimeText(recordTime());
}

QString F4Record::codeText() const
{
    return QString::number(code());
}
