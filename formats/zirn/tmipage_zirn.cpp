#include "tmipage_zirn.h"

#include <QDateTime>
#include <QLocale>

#include <cstring>
#include <type_traits>

namespace {
enum class Kind { Unsigned, Signed, Float };

template <typename T> constexpr Kind kindOf()
{
    return std::is_floating_point<T>::value ? Kind::Float
        : std::is_signed<T>::value           ? Kind::Signed
                                             : Kind::Unsigned;
}

struct FieldInfo {
    const char* prefix;   // "<name> = ", how the field starts in the record text
    int prefixLength;
    int size;
    Kind kind;
    double noData;
};

#define TMIPAGE_ZIRN_PREFIX(name) #name " = "
#define TMIPAGE_ZIRN_PREFIX_LENGTH(name) (int(sizeof(TMIPAGE_ZIRN_PREFIX(name))) - 1)

constexpr FieldInfo kFields[TmiPage_Zirn::FieldCount] = {
#define TMIPAGE_ZIRN_INFO(name, type, noData) \
    {TMIPAGE_ZIRN_PREFIX(name), TMIPAGE_ZIRN_PREFIX_LENGTH(name), int(sizeof(type)), kindOf<type>(), \
     double(noData)},
    TMIPAGE_ZIRN_FIELDS(TMIPAGE_ZIRN_INFO)
#undef TMIPAGE_ZIRN_INFO
};

#define TMIPAGE_ZIRN_CHECK(name, type, noData) \
    static_assert(sizeof(type) <= 4, "field values are written as 32-bit numbers");
TMIPAGE_ZIRN_FIELDS(TMIPAGE_ZIRN_CHECK)
#undef TMIPAGE_ZIRN_CHECK

// The record text is put together in Latin-1 (names, digits and the texts
// of floats are all ASCII), in a buffer with room for every field at its
// longest: prefix, value, "; ". An integer value takes at most 11
// characters, a float with six significant digits at most 12
// ("-1.17549e-38"); the room for a value is more than both.
const int kValueRoom = 32;
const int kRecordTextRoom = 0
#define TMIPAGE_ZIRN_ROOM(name, type, noData) +TMIPAGE_ZIRN_PREFIX_LENGTH(name) + kValueRoom + 2
    TMIPAGE_ZIRN_FIELDS(TMIPAGE_ZIRN_ROOM)
#undef TMIPAGE_ZIRN_ROOM
    ;
#undef TMIPAGE_ZIRN_PREFIX_LENGTH
#undef TMIPAGE_ZIRN_PREFIX

struct FieldOffsets {
    int at[TmiPage_Zirn::FieldCount] = {};
    constexpr FieldOffsets()
    {
        int offset = 0;
        for (int i = 0; i < TmiPage_Zirn::FieldCount; ++i) {
            at[i] = offset;
            offset += kFields[i].size;
        }
    }
};

const QString kNoData = QStringLiteral("n/a");

QString floatText(float value)
{
    return QString::number(double(value), 'g', 6);
}

// Writes value in decimal as QString::number does (a "-" before negative
// values, no separators) and returns the end of what it wrote.
char* writeDecimal(char* out, qint64 value)
{
    quint32 magnitude = quint32(value);
    if (value < 0) {
        *out++ = '-';
        magnitude = quint32(0 - quint64(value));
    }
    char digits[10];
    int start = int(sizeof(digits));
    do {
        digits[--start] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    std::memcpy(out, digits + start, sizeof(digits) - size_t(start));
    return out + sizeof(digits) - start;
}

// Seconds since 1970-01-01 UTC, unsigned 32-bit, as local date and time.
QString dateTimeText(quint32 seconds)
{
    const QDateTime utc = QDateTime::fromSecsSinceEpoch(qint64(seconds), Qt::UTC);
    return QLocale::c().toString(utc.toLocalTime(), QStringLiteral("hh:mm:ss d.MM.yy"));
}

QString percentText(quint8 value)
{
    if (value == 255)
        return kNoData;
    return QString::number(value) + QStringLiteral(" %");
}
}

TmiPage_Zirn::TmiPage_Zirn()
{
    std::memset(m_bitfield, 0, sizeof(m_bitfield));
    reset();
}

TmiPage_Zirn::~TmiPage_Zirn() = default;

int TmiPage_Zirn::fieldOffset(int field)
{
    static constexpr FieldOffsets offsets;
    return offsets.at[field];
}

bool TmiPage_Zirn::fieldPresent(int field) const
{
    if (field < 0 || field >= FieldCount)
        return false;
    return bitTest(m_bitfield[field / 8], 7 - field % 8) != 0;
}

int32_t TmiPage_Zirn::bitTest(uint8_t byte, int32_t n)
{
    if (n < 0 || n > 7)
        return 0;
    return (byte >> n) & 1;
}

void TmiPage_Zirn::setBitfield(const uint8_t* bytes, int32_t length)
{
    m_dataSize = 0;
    if (length > BitfieldSize)
        return;
    std::memset(m_bitfield, 0, sizeof(m_bitfield));
    if (bytes && length > 0)
        std::memcpy(m_bitfield, bytes, static_cast<size_t>(length));
    m_dataSize = presentSize();
    reset();
}

int32_t TmiPage_Zirn::presentSize() const
{
    int32_t size = 0;
    for (int field = 0; field < FieldCount; ++field) {
        if (fieldPresent(field))
            size += kFields[field].size;
    }
    return size;
}

QString TmiPage_Zirn::bitfieldText() const
{
    QString text;
    for (uint8_t byte : m_bitfield)
        text += QString::number(byte, 2).rightJustified(8, QLatin1Char('0'));
    return text;
}

bool TmiPage_Zirn::parseRecord(const uint8_t* record, int32_t size)
{
    const int32_t needed = presentSize();
    if (needed > 0 && (!record || size < needed))
        return false;
    char text[kRecordTextRoom];
    char* end = text;
    int position = 0;
    for (int field = 0; field < FieldCount; ++field) {
        if (!fieldPresent(field))
            continue;
        const int fieldSize = kFields[field].size;
        std::memcpy(m_values + fieldOffset(field), record + position, static_cast<size_t>(fieldSize));
        position += fieldSize;
        end = writeFieldText(end, field);
    }
    m_recordText = end == text ? QString() : QString::fromLatin1(text, int(end - text));
    return true;
}

void TmiPage_Zirn::reset()
{
    for (int field = 0; field < FieldCount; ++field) {
        uint8_t* target = m_values + fieldOffset(field);
        const FieldInfo& info = kFields[field];
        if (info.kind == Kind::Float) {
            qToLittleEndian(float(info.noData), target);
            continue;
        }
        const qint64 raw = qint64(info.noData);
        for (int i = 0; i < info.size; ++i)
            target[i] = uint8_t(raw >> (8 * i));
    }
}

// "<name> = <value>; ": integers in decimal, floats as QString::number
// gives them with six significant digits.
char* TmiPage_Zirn::writeFieldText(char* out, int field) const
{
    const FieldInfo& info = kFields[field];
    const uint8_t* bytes = m_values + fieldOffset(field);
    std::memcpy(out, info.prefix, size_t(info.prefixLength));
    out += info.prefixLength;
    if (info.kind == Kind::Float) {
        const QString value = floatText(qFromLittleEndian<float>(bytes));
        const int length = qMin(value.size(), kValueRoom);
        for (int i = 0; i < length; ++i)
            *out++ = char(value.at(i).unicode());
    } else {
        quint32 raw = 0;
        for (int i = 0; i < info.size; ++i)
            raw |= quint32(bytes[i]) << (8 * i);
        qint64 value = raw;
        if (info.kind == Kind::Signed) {
            const int unused = 32 - 8 * info.size;
            value = qint32(raw << unused) >> unused;
        }
        out = writeDecimal(out, value);
    }
    *out++ = ';';
    *out++ = ' ';
    return out;
}

// ---------------------------------------------------------------- display

QString TmiPage_Zirn::codeText() const
{
    return QString::number(Code());
}

QString TmiPage_Zirn::timeText() const
{
    return dateTimeText(Time());
}

QString TmiPage_Zirn::engineText() const
{
    return bitTest(Module1(), 7) ? QStringLiteral("работает") : QStringLiteral("заглушен");
}

QString TmiPage_Zirn::levelText(int line) const
{
    if (line < 1 || line > 7)
        return QString();
    return QString::number(value<quint16>(F_LevelRS485_1 + line - 1));
}

QString TmiPage_Zirn::lastTimeText() const
{
    return dateTimeText(LastTime());
}

QString TmiPage_Zirn::canFuelLevelText() const
{
    const quint16 level = CAN_FuelLevel();
    if (level == 32767 || level == 65535)
        return kNoData;
    if ((level >> 14) == 0)
        return QString::number(level) + QStringLiteral(" %");
    return QString::number(level / 10.0, 'g', 6) + QStringLiteral(" л");
}

QString TmiPage_Zirn::canFuelConsumptionText() const
{
    const float consumption = CAN_FuelConsumption();
    if (consumption < 0.0f)
        return kNoData;
    return floatText(consumption) + QStringLiteral(" л");
}

QString TmiPage_Zirn::canEngineTurnsText() const
{
    if (CAN_EngineTurns() == 65535)
        return kNoData;
    return QString::number(CAN_EngineTurns());
}

QString TmiPage_Zirn::canTempText() const
{
    if (CAN_Temp() == -128)
        return kNoData;
    return QString::number(CAN_Temp()) + QStringLiteral(" °C");
}

QString TmiPage_Zirn::canFullRunText() const
{
    const float run = CAN_FullRun();
    if (run < 0.0f)
        return kNoData;
    return floatText(run) + QStringLiteral(" км");
}

QString TmiPage_Zirn::canAxleLoadText(int axle) const
{
    if (axle < 1 || axle > 5)
        return kNoData;
    const quint16 load = value<quint16>(F_CAN_AxleLoad_1 + axle - 1);
    if (load == 65535)
        return kNoData;
    return QString::number(load) + QStringLiteral(" кг");
}

QString TmiPage_Zirn::canPedalAccelText() const
{
    return percentText(CAN_PedalAccel());
}

QString TmiPage_Zirn::canPedalStopText() const
{
    return percentText(CAN_PedalStop());
}

QString TmiPage_Zirn::canEngineLoadText() const
{
    return percentText(CAN_EngineLoad());
}

QString TmiPage_Zirn::canFilterLevelText() const
{
    return kNoData;
}

QString TmiPage_Zirn::canEngineTimeText() const
{
    return QString::number(CAN_EngineTime()) + QStringLiteral(" сек");
}

QString TmiPage_Zirn::canServiceDistanceText() const
{
    const quint16 distance = quint16(CAN_TimeTO());
    if (distance == 65535)
        return kNoData;
    return QString::number(uint(distance) * 5) + QStringLiteral(" км");
}

QString TmiPage_Zirn::canSpeedText() const
{
    if (CAN_Speed() == 255)
        return kNoData;
    return QString::number(CAN_Speed()) + QStringLiteral("км/ч");
}
