#include "tmipage_f6.h"

#include <QLocale>
#include <QtEndian>

#include <cstring>

namespace {
enum class Kind { U8, U16, U32, S8, S16, S32, F32 };

struct Field {
    const char* name;
    int offset;
    Kind kind;
};

// Every field in record order, as the text dump names it.
const Field kFields[] = {
    {"Type", 0, Kind::U8}, {"NumPage", 1, Kind::U32}, {"Code", 5, Kind::U16},
    {"Hour", 7, Kind::U8}, {"Min", 8, Kind::U8}, {"Sec", 9, Kind::U8},
    {"Day", 10, Kind::U8}, {"Month", 11, Kind::U8}, {"Year", 12, Kind::U8},
    {"State", 13, Kind::U8}, {"Module", 14, Kind::U8}, {"GSM", 15, Kind::U8},
    {"StateOut", 16, Kind::U8}, {"StateIn", 17, Kind::U8},
    {"Power", 18, Kind::U16}, {"Reserv", 20, Kind::U16},
    {"StateU_Ain1", 22, Kind::U16}, {"StateU_Ain2", 24, Kind::U16}, {"StateU_Ain3", 26, Kind::U16},
    {"StateIn2", 28, Kind::U32}, {"StateIn3", 32, Kind::U32},
    {"Frequency1", 36, Kind::U16}, {"Frequency2", 38, Kind::U16},
    {"FuelLevel", 40, Kind::S8}, {"FuelConsumption", 41, Kind::S16},
    {"TempRS485_1", 43, Kind::S8}, {"LevelRS485_1", 44, Kind::U16},
    {"TempRS485_2", 46, Kind::S8}, {"LevelRS485_2", 47, Kind::U16},
    {"TempRS485_3", 49, Kind::S8}, {"LevelRS485_3", 50, Kind::U16},
    {"TempRS485_4", 52, Kind::S8}, {"LevelRS485_4", 53, Kind::U16},
    {"TempRS485_5", 55, Kind::S8}, {"LevelRS485_5", 56, Kind::U16},
    {"TempRS485_6", 58, Kind::S8}, {"LevelRS485_6", 59, Kind::U16},
    {"TempRS232", 61, Kind::S8}, {"LevelRS232", 62, Kind::U16},
    {"Temp1", 64, Kind::S8}, {"Temp2", 65, Kind::S8}, {"Temp3", 66, Kind::S8}, {"Temp4", 67, Kind::S8},
    {"Weight", 68, Kind::S32}, {"EngineTurns", 72, Kind::U16}, {"StateNGauge", 74, Kind::U8},
    {"LastHour", 75, Kind::U8}, {"LastMin", 76, Kind::U8}, {"LastSec", 77, Kind::U8},
    {"LastDay", 78, Kind::U8}, {"LastMonth", 79, Kind::U8}, {"LastYear", 80, Kind::U8},
    {"Lat", 81, Kind::S32}, {"Lon", 85, Kind::S32}, {"Alt", 89, Kind::S32},
    {"Speed", 93, Kind::F32}, {"Course", 97, Kind::U16},
    {"Run", 99, Kind::F32}, {"Way", 103, Kind::F32},
    {"AllSeconds", 107, Kind::U16}, {"SecondsLast", 109, Kind::U16},
};

static_assert(sizeof(kFields) / sizeof(kFields[0]) == 61, "one piece per field");

const char kNoData[] = "n/a";
const char kTimeFormat[] = "hh:mm:ss  d  MMMM  yyyy";
const int kRecordTime = 7;   // Hour, then Min, Sec, Day, Month, Year
const int kLastFixTime = 75;
}

TmiPage_F6::TmiPage_F6()
    : QObject(nullptr)
{
    std::memset(m_bytes, 0, sizeof(m_bytes));
}

TmiPage_F6::~TmiPage_F6() = default;

void TmiPage_F6::setRecord(const uint8_t* bytes, uint32_t length)
{
    if (bytes && length >= uint32_t(RecordSize))
        std::memcpy(m_bytes, bytes, sizeof(m_bytes));
}

uint16_t TmiPage_F6::u16(int offset) const
{
    return qFromLittleEndian<quint16>(m_bytes + offset);
}

uint32_t TmiPage_F6::u32(int offset) const
{
    return qFromLittleEndian<quint32>(m_bytes + offset);
}

float TmiPage_F6::f32(int offset) const
{
    const quint32 raw = u32(offset);
    float value;
    std::memcpy(&value, &raw, sizeof(value));
    return value;
}

QString TmiPage_F6::toText() const
{
    QString text;
    for (const Field& field : kFields) {
        QString value;
        switch (field.kind) {
        case Kind::U8: value = QString::number(u8(field.offset)); break;
        case Kind::U16: value = QString::number(u16(field.offset)); break;
        case Kind::U32: value = QString::number(u32(field.offset)); break;
        case Kind::S8: value = QString::number(s8(field.offset)); break;
        case Kind::S16: value = QString::number(int16_t(u16(field.offset))); break;
        case Kind::S32: value = QString::number(int32_t(u32(field.offset))); break;
        // QString::number never uses the process locale
        case Kind::F32: value = QString::number(double(f32(field.offset)), 'g', 6); break;
        }
        text += QLatin1String(field.name) + QStringLiteral(" = ") + value + QStringLiteral("; ");
    }
    return text;
}

QDateTime TmiPage_F6::timeAt(int first) const
{
    const QDate date(u8(first + 5) + 2000, u8(first + 4) + 1, u8(first + 3));
    const QTime time(u8(first), u8(first + 1), u8(first + 2));
    return QDateTime(date, time, Qt::LocalTime);
}

QDateTime TmiPage_F6::recordTime() const
{
    return timeAt(kRecordTime);
}

QString TmiPage_F6::recordTimeText() const
{
    return QLocale::system().toString(recordTime(), QLatin1String(kTimeFormat));
}

QDateTime TmiPage_F6::lastFixTime() const
{
    return timeAt(kLastFixTime);
}

QString TmiPage_F6::lastFixTimeText() const
{
    return QLocale::system().toString(lastFixTime(), QLatin1String(kTimeFormat));
}

int TmiPage_F6::bit(uint8_t value, int n)
{
    return n >= 0 && n <= 7 ? (value >> n) & 1 : 0;
}

QString TmiPage_F6::codeText() const
{
    return QString::number(code());
}

QString TmiPage_F6::engineText() const
{
    return bit(module(), 7) ? QStringLiteral("работает") : QStringLiteral("заглушен");
}

QString TmiPage_F6::weightText() const
{
    return weight() == -1 ? QLatin1String(kNoData) : QString::number(weight());
}

QString TmiPage_F6::engineTurnsText() const
{
    return engineTurns() == 0xFFFF ? QLatin1String(kNoData) : QString::number(engineTurns());
}

QString TmiPage_F6::fuelConsumptionText() const
{
    return fuelConsumption() == -1 ? QLatin1String(kNoData) : QString::number(fuelConsumption());
}

QString TmiPage_F6::fuelLevelText() const
{
    return fuelLevel() == -1 ? QLatin1String(kNoData) : QString::number(fuelLevel()) + QStringLiteral(" %");
}
