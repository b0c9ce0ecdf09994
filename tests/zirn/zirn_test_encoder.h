// Test-side ZIRN encoder, written from the wire format: field sizes in
// record order as the transport lists them, bitfield bits from the top bit
// of byte 1, records as the present fields' little-endian bytes in order.
#ifndef ZIRN_TEST_ENCODER_H
#define ZIRN_TEST_ENCODER_H

#include <QByteArray>
#include <QVector>
#include <QtEndian>
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace ZirnTest {

// Sizes of fields 1 to 69.
const int kSizes[69] = {4, 2, 4, 1, 1, 1, 1, 1,  4, 4, 4, 4, 4, 2, 4, 4,
                        2, 2, 2, 2, 2, 2, 2, 2,  2, 2, 2, 2, 1, 1, 1, 1,
                        4, 4, 2, 2, 4, 2, 2, 2,  2, 2, 2, 2, 1, 1, 1, 1,
                        1, 1, 1, 1, 2, 4, 2, 1,  4, 2, 2, 2, 2, 2, 1, 1,
                        1, 2, 4, 2, 1};

struct Value {
    int field;          // 1 to 69
    QByteArray bytes;   // little-endian, the field's size
};

inline QByteArray le(quint64 value, int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes += char(value >> (8 * i));
    return bytes;
}

inline QByteArray f32(float value)
{
    quint32 raw;
    std::memcpy(&raw, &value, 4);
    return le(raw, 4);
}

inline QByteArray maskOf(const QVector<int>& fields)
{
    QByteArray mask(9, '\0');
    for (int field : fields)
        mask[(field - 1) / 8] = char(quint8(mask[(field - 1) / 8]) | (0x80 >> ((field - 1) % 8)));
    return mask;
}

inline QByteArray maskOf(QVector<Value> values)
{
    QVector<int> fields;
    for (const Value& v : values)
        fields << v.field;
    return maskOf(fields);
}

inline QByteArray recordOf(QVector<Value> values)
{
    std::sort(values.begin(), values.end(), [](const Value& a, const Value& b) { return a.field < b.field; });
    QByteArray record;
    for (const Value& v : values)
        record += v.bytes;
    return record;
}

// Every field: unsigned fields hold their number, signed ones its negative,
// floats their number + 0.5.
inline QVector<Value> fullRecordValues()
{
    const QVector<int> isSigned = {10, 11, 12, 45, 46, 47, 48, 49, 50, 51, 52, 56, 68};
    const QVector<int> isFloat = {13, 15, 16, 54, 57};
    QVector<Value> values;
    for (int field = 1; field <= 69; ++field) {
        const int size = kSizes[field - 1];
        if (isFloat.contains(field))
            values << Value{field, f32(float(field) + 0.5f)};
        else if (isSigned.contains(field))
            values << Value{field, le(quint64(qint64(-field)), size)};
        else
            values << Value{field, le(quint64(field), size)};
    }
    return values;
}

// The record text of fullRecordValues() after its first item "NumPage = 1; ".
const char kFullRecordTextAfterNumber[] =
    "Code = 2; Time = 3; State = 4; Module1 = 5; Module2 = 6; GSM = 7; "
    "StateNGauge = 8; LastTime = 9; Lat = -10; Lon = -11; Alt = -12; Speed = 13.5; "
    "Course = 14; Run = 15.5; Way = 16.5; AllSeconds = 17; SecondsLast = 18; Power = 19; "
    "Reserv = 20; StateU_Ain1 = 21; StateU_Ain2 = 22; StateU_Ain3 = 23; StateU_Ain4 = 24; "
    "StateU_Ain5 = 25; StateU_Ain6 = 26; StateU_Ain7 = 27; StateU_Ain8 = 28; StateIn1 = 29; "
    "StateIn2 = 30; StateOut1 = 31; StateOut2 = 32; StateIn_Imp1 = 33; StateIn_Imp2 = 34; "
    "Frequency1 = 35; Frequency2 = 36; Motochas = 37; LevelRS485_1 = 38; LevelRS485_2 = 39; "
    "LevelRS485_3 = 40; LevelRS485_4 = 41; LevelRS485_5 = 42; LevelRS485_6 = 43; "
    "LevelRS232 = 44; Temp1 = -45; Temp2 = -46; Temp3 = -47; Temp4 = -48; Temp5 = -49; "
    "Temp6 = -50; Temp7 = -51; Temp8 = -52; CAN_FuelLevel = 53; CAN_FuelConsumption = 54.5; "
    "CAN_EngineTurns = 55; CAN_Temp = -56; CAN_FullRun = 57.5; CAN_AxleLoad_1 = 58; "
    "CAN_AxleLoad_2 = 59; CAN_AxleLoad_3 = 60; CAN_AxleLoad_4 = 61; CAN_AxleLoad_5 = 62; "
    "CAN_PedalAccel = 63; CAN_PedalStop = 64; CAN_EngineLoad = 65; CAN_LevelFiltr = 66; "
    "CAN_EngineTime = 67; CAN_TimeTO = -68; CAN_Speed = 69; ";

} // namespace ZirnTest

#endif // ZIRN_TEST_ENCODER_H
