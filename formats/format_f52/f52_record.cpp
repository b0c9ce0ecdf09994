#include "f52_record.h"

#include <QtEndian>

#include <cstring>

namespace {
enum FieldKind { U8, U16, U32, S8, S16, F32 };

struct Field {
    const char* name;
    int offset;
    FieldKind kind;
};

// Every field in record order, as the dump prints it.
const Field kFields[] = {
    {"Type", 0, U8},          {"NumPage", 1, U32},      {"Code", 5, U16},
    {"Hour", 7, U8},          {"Min", 8, U8},           {"Sec", 9, U8},
    {"Day", 10, U8},          {"Month", 11, U8},        {"Year", 12, U8},
    {"Protection", 13, U8},   {"Module", 14, U8},       {"GSM", 15, U8},
    {"StateOut", 16, U8},     {"StateIn", 17, U8},      {"StateInA3", 18, U16},
    {"StateInA4", 20, U16},   {"StateInA1", 22, U16},   {"StateInA2", 24, U16},
    {"StateInI1", 26, U32},   {"StateInI2", 30, U32},   {"StateNGauge", 34, U8},
    {"LastHour", 35, U8},     {"LastMin", 36, U8},      {"LastSec", 37, U8},
    {"LastDay", 38, U8},      {"LastMonth", 39, U8},    {"LastYear", 40, U8},
    {"Lat", 41, F32},         {"Lon", 45, F32},         {"Speed", 49, F32},
    {"Course", 53, U16},      {"Run", 55, F32},         {"Way", 59, F32},
    {"AllSeconds", 63, U16},  {"SecondsLast", 65, U16}, {"Frequency1", 67, U16},
    {"Temp1", 69, S8},        {"Level1", 70, S16},      {"Frequency2", 72, U16},
    {"Temp2", 74, S8},        {"Level2", 75, S16},      {"Frequency3", 77, U16},
    {"Temp3", 79, S8},        {"Level3", 80, S16},      {"Temp1", 82, S8},
    {"Temp2", 83, S8},        {"Temp3", 84, S8},        {"Temp4", 85, S8},
};
}

F52Record::F52Record()
{
    std::memset(m_bytes, 0, sizeof(m_bytes));
}

void F52Record::parse(const uint8_t* bytes, uint32_t length)
{
    if (bytes && length >= uint32_t(Size))
        std::memcpy(m_bytes, bytes, Size);
}

QString F52Record::toText() const
{
    return dumpText(m_bytes, Size, "StateIn");
}

QString F52Record::dumpText(const uint8_t* bytes, int size, const char* byte17Name)
{
    static const int widths[] = {1, 2, 4, 1, 2, 4};   // by FieldKind
    QString text;
    for (const Field& field : kFields) {
        if (field.offset + widths[field.kind] > size)
            break;
        const uint8_t* at = bytes + field.offset;
        QString value;
        switch (field.kind) {
        case U8: value = QString::number(*at); break;
        case U16: value = QString::number(qFromLittleEndian<quint16>(at)); break;
        case U32: value = QString::number(qFromLittleEndian<quint32>(at)); break;
        case S8: value = QString::number(int8_t(*at)); break;
        case S16: value = QString::number(qFromLittleEndian<qint16>(at)); break;
        case F32: {
            const quint32 raw = qFromLittleEndian<quint32>(at);
            float f;
            std::memcpy(&f, &raw, sizeof(f));
            value = floatText(f);
            break;
        }
        }
        text += QLatin1String(field.offset == 17 ? byte17Name : field.name) + QStringLiteral(" = ") + value + QStringLiteral("; ");
    }
    return text;
}

QDateTime F52Record::timeAt(const uint8_t* t)
{
    return QDateTime(QDate(t[5] + 2000, t[4] + 1, t[3]), QTime(t[0], t[1], t[2], 0), Qt::LocalTime);
}

QString F52Record::dateTimeText(const QDateTime& time)
{
    return time.toString(QStringLiteral("hh:mm:ss  dd.MM.yyyy"));
}

QDateTime F52Record::recordTime() const
{
    return timeAt(m_bytes + 7);
}

QString F52Record::timeText() const
{
    return dateTimeText(recordTime());
}

QDateTime F52Record::lastFixTime() const
{
    return timeAt(m_bytes + 35);
}

QString F52Record::lastFixTimeText() const
{
    return dateTimeText(lastFixTime());
}

QString F52Record::codeText() const
{
    return QString::number(code());
}

int F52Record::bit(uint8_t value, int n)
{
    if (n < 0 || n > 7)
        return 0;
    return (value >> n) & 1;
}

int F52Record::twoBits(uint16_t value, int n)
{
    if (n < 0 || n > 7)
        return 0;
    return (value >> (2 * n)) & 3;
}

QString F52Record::floatText(float value)
{
    // QString::number is locale-independent; 'g' with 6 digits is C's "%g".
    return QString::number(double(value), 'g', 6);
}

uint16_t F52Record::u16(int offset) const
{
    return qFromLittleEndian<quint16>(m_bytes + offset);
}

uint32_t F52Record::u32(int offset) const
{
    return qFromLittleEndian<quint32>(m_bytes + offset);
}

float F52Record::f32(int offset) const
{
    const quint32 raw = u32(offset);
    float value;
    std::memcpy(&value, &raw, sizeof(value));
    return value;
}
