#include "load_terminal.h"

#include "bench_format.h"
#include "terminal_wire.h"

#include <cstring>
#include <ctime>

namespace {
constexpr int kZirnRecordSize = 146;  // all 69 fields
constexpr int kZirnFrameSize = 2 + 4 + kZirnRecordSize + 1;  // "~T", number, record, CRC-8
constexpr int kZirnAnswerSize = 2 + 4 + 1;                     // "~T", number, CRC-8
constexpr int kHeaderSize = 16;
constexpr int kBenchDataSize = 3 + BenchFormat::kRecordSize;   // "*>T", record
constexpr quint8 kZirnFormat = 0xB0;
constexpr quint8 kZirnFieldCount = 69;

// CRC-8 of ZIRN frames a byte at a time: polynomial 0x31, initial value 0xFF.
class Crc8
{
public:
    Crc8()
    {
        for (int v = 0; v < 256; ++v) {
            quint8 crc = static_cast<quint8>(v);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc & 0x80) ? static_cast<quint8>((crc << 1) ^ 0x31) : static_cast<quint8>(crc << 1);
            m_table[v] = crc;
        }
    }
    quint8 of(const char* bytes, int count) const
    {
        quint8 crc = 0xFF;
        for (int i = 0; i < count; ++i)
            crc = m_table[crc ^ static_cast<quint8>(bytes[i])];
        return crc;
    }

private:
    quint8 m_table[256];
};

const Crc8 crc8;

void putU32(char* at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

quint8 xorOf(const char* bytes, int count)
{
    quint8 sum = 0;
    for (int i = 0; i < count; ++i)
        sum ^= static_cast<quint8>(bytes[i]);
    return sum;
}

// The 16-byte KVZB header in front of the size bytes of data that follow it
// at out + 16: preamble, IDr, IDs, n, CSd, CSp.
void putKvzbHeader(char* out, quint32 idr, quint32 ids, int size)
{
    const char* data = out + kHeaderSize;
    std::memcpy(out, LoadTerminal::kPreamble.constData(), 4);
    putU32(out + 4, idr);
    putU32(out + 8, ids);
    out[12] = static_cast<char>(size & 0xFF);
    out[13] = static_cast<char>((size >> 8) & 0xFF);
    out[14] = static_cast<char>(xorOf(data, size));
    out[15] = static_cast<char>(xorOf(out, 15));
}
} // namespace

const QByteArray LoadTerminal::kPreamble("@KVZ");

LoadTerminal::LoadTerminal(int index, Kind kind)
    : m_index(index), m_kind(kind), m_id(static_cast<uint32_t>(100000 + index))
{
    m_name = "BENCH" + QByteArray::number(index).rightJustified(6, '0');
    static_assert(kZirnFrameSize <= sizeof(m_record) && kHeaderSize + kBenchDataSize <= sizeof(m_record));
}

QByteArray LoadTerminal::packet(const QByteArray& data) const
{
    return TerminalWire::kvzbPacket(kPreamble, kServerId, m_id, data);
}

QByteArray LoadTerminal::answer(const QByteArray& data) const
{
    return TerminalWire::kvzbPacket(kPreamble, m_id, kServerId, data);
}

void LoadTerminal::expect(const QByteArray& unit)
{
    Q_ASSERT(unit.size() <= static_cast<int>(sizeof(m_expected)));
    m_expectedSize = unit.size();
    std::memcpy(m_expected, unit.constData(), static_cast<size_t>(unit.size()));
}

QByteArray LoadTerminal::connected()
{
    m_state = State::Handshake;
    expect(answer("*<S"));
    return packet("*>S:" + m_name);
}

void LoadTerminal::writeZirnRecord()
{
    char* frame = m_record;
    frame[0] = '~';
    frame[1] = 'T';
    putU32(frame + 2, m_recordNumber);
    // Plausible values where a reader looks; the rest varies per record and
    // holds the frame markers 0x7E and 0x7F now and then, as real data does.
    char* r = frame + 6;
    const uint32_t base = m_recordNumber * 31 + m_id;
    for (int i = 0; i < kZirnRecordSize; ++i)
        r[i] = static_cast<char>((base + static_cast<uint32_t>(i) * 7) & 0xFF);
    putU32(r + 0, m_recordNumber);                            // NumPage
    putU32(r + 6, static_cast<quint32>(std::time(nullptr)));  // Time
    r[13] = 23;                                               // GSM
    putU32(r + 19, 55751244u);                                // Lat
    putU32(r + 23, 37618423u);                                // Lon
    const float speed = 54.5f;
    std::memcpy(r + 31, &speed, 4);                           // Speed
    frame[kZirnFrameSize - 1] = static_cast<char>(crc8.of(frame, kZirnFrameSize - 1));

    m_expected[0] = '~';
    m_expected[1] = 'T';
    putU32(m_expected + 2, m_recordNumber);
    m_expected[6] = static_cast<char>(crc8.of(m_expected, 6));
    m_expectedSize = kZirnAnswerSize;
}

void LoadTerminal::writeBenchRecord()
{
    char* packet = m_record;
    char* data = packet + kHeaderSize;
    std::memcpy(data, "*>T", 3);
    char* r = data + 3;
    for (int i = 0; i < BenchFormat::kRecordSize; ++i)
        r[i] = static_cast<char>(i + static_cast<int>(m_recordNumber));
    r[0] = static_cast<char>(BenchFormat::kNumber);
    putU32(r + BenchFormat::kNumberOffset, m_recordNumber);
    putKvzbHeader(packet, kServerId, m_id, kBenchDataSize);

    char* answerData = m_expected + kHeaderSize;
    std::memcpy(answerData, "*<T", 3);
    putU32(answerData + 3, m_recordNumber);
    putKvzbHeader(m_expected, m_id, kServerId, 7);
    m_expectedSize = kHeaderSize + 7;
}

LoadTerminal::Bytes LoadTerminal::nextRecord()
{
    ++m_recordNumber;
    m_state = State::WaitAnswer;
    if (m_kind == Kind::Zirn) {
        writeZirnRecord();
        return {m_record, kZirnFrameSize};
    }
    writeBenchRecord();
    return {m_record, kHeaderSize + kBenchDataSize};
}

int LoadTerminal::answerUnitSize(const char* b, int count)
{
    if (count <= 0)
        return 0;
    if (b[0] == '~') {
        if (count < 2)
            return 0;
        const int size = b[1] == 'T' ? 7 : (b[1] == 'C' || b[1] == 'A') ? 4 : -1;
        if (size < 0)
            return -1;
        return count >= size ? size : 0;
    }
    if (std::memcmp(b, kPreamble.constData(), static_cast<size_t>(qMin(count, 4))) != 0)
        return -1;
    if (count < kHeaderSize)
        return 0;
    const int size = kHeaderSize + (static_cast<quint8>(b[12]) | static_cast<quint8>(b[13]) << 8);
    return count >= size ? size : 0;
}

LoadTerminal::Outcome LoadTerminal::takeAnswer(const char* unit, int count, int& taken, QByteArray& reply)
{
    taken = 0;
    const int size = answerUnitSize(unit, count);
    if (size == 0)
        return Outcome::None;
    if (size < 0)
        return Outcome::Bad;
    taken = size;
    if (size != m_expectedSize || std::memcmp(unit, m_expected, static_cast<size_t>(size)) != 0)
        return Outcome::Bad;
    switch (m_state) {
    case State::Handshake:
        if (m_kind == Kind::Kvzb) {
            m_state = State::Idle;
            return Outcome::Ready;
        }
        m_state = State::Negotiation;
        expect(answer(QByteArray("*<ZIRN\xB0\x0A\x0A", 9)));
        reply = packet(TerminalWire::zirnNegotiation(kZirnFormat, kZirnFieldCount, TerminalWire::fullZirnMask()));
        return Outcome::Progress;
    case State::Negotiation:
        m_state = State::Idle;
        return Outcome::Ready;
    case State::WaitAnswer:
        m_state = State::Idle;
        return Outcome::Answered;
    default:
        return Outcome::Bad;
    }
}
