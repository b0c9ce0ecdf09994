// The ZIRN record model of one terminal. At the handshake the terminal
// announces a bitfield of up to nine bytes; each bit says whether one of 69
// fields is present in every record that follows. A record is the present
// fields, in table order, packed. The page keeps the bitfield, the record
// size that follows from it, the latest value of every field and the text
// of the last record, and turns the values into the texts the page shows.
#ifndef TMIPAGE_ZIRN_H
#define TMIPAGE_ZIRN_H

#include <QObject>
#include <QString>
#include <QtEndian>
#include <cstdint>

// name, type, no-data value: the 69 fields in record order. Field n (from 1)
// is bit 7 - ((n - 1) mod 8) of bitfield byte (n - 1) div 8.
#define TMIPAGE_ZIRN_FIELDS(X) \
    X(NumPage, quint32, 0) \
    X(Code, quint16, 0) \
    X(Time, quint32, 0) \
    X(State, quint8, 0) \
    X(Module1, quint8, 0) \
    X(Module2, quint8, 0) \
    X(GSM, quint8, 99) \
    X(StateNGauge, quint8, 0) \
    X(LastTime, quint32, 0) \
    X(Lat, qint32, 0) \
    X(Lon, qint32, 0) \
    X(Alt, qint32, 0) \
    X(Speed, float, 0.0) \
    X(Course, quint16, 0) \
    X(Run, float, 0.0) \
    X(Way, float, 0.0) \
    X(AllSeconds, quint16, 0) \
    X(SecondsLast, quint16, 0) \
    X(Power, quint16, 0) \
    X(Reserv, quint16, 0) \
    X(StateU_Ain1, quint16, 0) \
    X(StateU_Ain2, quint16, 0) \
    X(StateU_Ain3, quint16, 0) \
    X(StateU_Ain4, quint16, 0) \
    X(StateU_Ain5, quint16, 0) \
    X(StateU_Ain6, quint16, 0) \
    X(StateU_Ain7, quint16, 0) \
    X(StateU_Ain8, quint16, 0) \
    X(StateIn1, quint8, 0) \
    X(StateIn2, quint8, 0) \
    X(StateOut1, quint8, 0) \
    X(StateOut2, quint8, 0) \
    X(StateIn_Imp1, quint32, 0) \
    X(StateIn_Imp2, quint32, 0) \
    X(Frequency1, quint16, 0) \
    X(Frequency2, quint16, 0) \
    X(Motochas, quint32, 0) \
    X(LevelRS485_1, quint16, 0) \
    X(LevelRS485_2, quint16, 0) \
    X(LevelRS485_3, quint16, 0) \
    X(LevelRS485_4, quint16, 0) \
    X(LevelRS485_5, quint16, 0) \
    X(LevelRS485_6, quint16, 0) \
    X(LevelRS232, quint16, 0) \
    X(Temp1, qint8, -128) \
    X(Temp2, qint8, -128) \
    X(Temp3, qint8, -128) \
    X(Temp4, qint8, -128) \
    X(Temp5, qint8, -128) \
    X(Temp6, qint8, -128) \
    X(Temp7, qint8, -128) \
    X(Temp8, qint8, -128) \
    X(CAN_FuelLevel, quint16, 32767) \
    X(CAN_FuelConsumption, float, -1.0) \
    X(CAN_EngineTurns, quint16, 65535) \
    X(CAN_Temp, qint8, -128) \
    X(CAN_FullRun, float, -1.0) \
    X(CAN_AxleLoad_1, quint16, 65535) \
    X(CAN_AxleLoad_2, quint16, 65535) \
    X(CAN_AxleLoad_3, quint16, 65535) \
    X(CAN_AxleLoad_4, quint16, 65535) \
    X(CAN_AxleLoad_5, quint16, 65535) \
    X(CAN_PedalAccel, quint8, 255) \
    X(CAN_PedalStop, quint8, 255) \
    X(CAN_EngineLoad, quint8, 255) \
    X(CAN_LevelFiltr, quint16, 32767) \
    X(CAN_EngineTime, quint32, 0) \
    X(CAN_TimeTO, qint16, -1) \
    X(CAN_Speed, quint8, 255)

class TmiPage_Zirn : public QObject
{
public:
    enum Field {
#define TMIPAGE_ZIRN_ENUM(name, type, noData) F_##name,
        TMIPAGE_ZIRN_FIELDS(TMIPAGE_ZIRN_ENUM)
#undef TMIPAGE_ZIRN_ENUM
        FieldCount
    };
    enum { BitfieldSize = 9, FullRecordSize = 146 };

    // Empty record text, a zero bitfield, DataSize 0, no-data values.
    TmiPage_Zirn();
    ~TmiPage_Zirn() override;

    // Takes a new bitfield of length bytes (missing bytes count as 0),
    // computes DataSize and resets every field. A length above 9 is
    // refused: DataSize becomes 0, bitfield and values stay.
    void setBitfield(const uint8_t* bytes, int32_t length);
    int32_t dataSize() const { return m_dataSize; }
    // The nine bytes in base 2, eight digits each, byte 1 first.
    QString bitfieldText() const;
    // The bytes that the present fields of the current bitfield take.
    int32_t presentSize() const;
    // Copies the present fields of one record and rebuilds the record text,
    // when the size bytes at record hold all of them; otherwise nothing
    // changes and false is answered.
    bool parseRecord(const uint8_t* record, int32_t size);
    QString recordText() const { return m_recordText; }
    // Every field to its no-data value; DataSize, bitfield and text stay.
    void reset();
    // (byte >> n) & 1 for n from 0 to 7, else 0.
    static int32_t bitTest(uint8_t byte, int32_t n);
    bool fieldPresent(int field) const;

#define TMIPAGE_ZIRN_ACCESSOR(name, type, noData) \
    type name() const { return value<type>(F_##name); }
    TMIPAGE_ZIRN_FIELDS(TMIPAGE_ZIRN_ACCESSOR)
#undef TMIPAGE_ZIRN_ACCESSOR

    // ---- values for display
    QString codeText() const;
    QString timeText() const;
    int32_t alarmBit() const { return bitTest(State(), 1); }
    QString engineText() const;
    int32_t stateIn1Bit0() const { return bitTest(StateIn1(), 0); }
    int32_t stateIn1Bit1() const { return bitTest(StateIn1(), 1); }
    int32_t stateIn1Bit2() const { return bitTest(StateIn1(), 2); }
    int32_t stateIn1Bit3() const { return bitTest(StateIn1(), 3); }
    int32_t stateIn1Bit4() const { return bitTest(StateIn1(), 4); }
    int32_t stateIn1Bit5() const { return bitTest(StateIn1(), 5); }
    int32_t stateIn1Bit6() const { return bitTest(StateIn1(), 6); }
    int32_t stateIn1Bit7() const { return bitTest(StateIn1(), 7); }
    // line 1 to 6: LevelRS485_1 to _6; line 7: LevelRS232
    QString levelText(int line) const;
    int32_t stateOut1Bit0() const { return bitTest(StateOut1(), 0); }
    int32_t stateOut1Bit1() const { return bitTest(StateOut1(), 1); }
    int32_t stateOut1Bit2() const { return bitTest(StateOut1(), 2); }
    int32_t stateOut1Bit3() const { return bitTest(StateOut1(), 3); }
    int32_t navValid() const { return bitTest(StateNGauge(), 1); }
    QString lastTimeText() const;
    QString canFuelLevelText() const;
    QString canFuelConsumptionText() const;
    QString canEngineTurnsText() const;
    QString canTempText() const;
    QString canFullRunText() const;
    QString canAxleLoadText(int axle) const;   // axle 1 to 5
    QString canPedalAccelText() const;
    QString canPedalStopText() const;
    QString canEngineLoadText() const;
    QString canFilterLevelText() const;
    QString canEngineTimeText() const;
    QString canServiceDistanceText() const;
    QString canSpeedText() const;

private:
    static int fieldOffset(int field);
    template <typename T> T value(int field) const
    {
        return qFromLittleEndian<T>(m_values + fieldOffset(field));
    }
    // Writes the field's part of the record text, "<name> = <value>; ",
    // to out and returns its end.
    char* writeFieldText(char* out, int field) const;

    uint8_t m_values[FullRecordSize];
    int32_t m_dataSize = 0;
    QString m_recordText;
    uint8_t m_bitfield[BitfieldSize];
};

#endif // TMIPAGE_ZIRN_H
