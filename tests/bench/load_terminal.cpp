#include "load_terminal.h"

#include "bench_format.h"
#include "terminal_wire.h"

#include <cstring>
#include <ctime>

namespace {
constexpr int kZirnRecordSize = 146;  // all 69 fields
constexpr quint8 kZirnFormat = 0xB0;
constexpr quint8 kZirnFieldCount = 69;
} // namespace

const QByteArray LoadTerminal::kPreamble("@KVZ");

LoadTerminal::LoadTerminal(int index, Kind kind)
    : m_index(index), m_kind(kind), m_id(static_cast<uint32_t>(100000 + index))
{
    m_name = "BENCH" + QByteArray::number(index).rightJustified(6, '0');
}

QByteArray LoadTerminal::packet(const QByteArray& data) const
{
    return TerminalWire::kvzbPacket(kPreamble, kServerId, m_id, data);
}

QByteArray LoadTerminal::answer(const QByteArray& data) const
{
    return TerminalWire::kvzbPacket(kPreamble, m_id, kServerId, data);
}

QByteArray LoadTerminal::connected()
{
    m_state = State::Handshake;
    m_expected = answer("*<S");
    return packet("*>S:" + m_name);
}

QByteArray LoadTerminal::zirnRecord() const
{
    QByteArray r(kZirnRecordSize, '\0');
    // Plausible values where a reader looks; the rest varies per record and
    // holds the frame markers 0x7E and 0x7F now and then, as real data does.
    for (int i = 0; i < r.size(); ++i)
        r[i] = static_cast<char>((m_recordNumber * 31 + static_cast<uint32_t>(i) * 7 + m_id) & 0xFF);
    auto put = [&r](int at, const QByteArray& bytes) { r.replace(at, bytes.size(), bytes); };
    put(0, TerminalWire::u32(m_recordNumber));                            // NumPage
    put(6, TerminalWire::u32(static_cast<quint32>(std::time(nullptr))));  // Time
    r[13] = 23;                                                           // GSM
    put(19, TerminalWire::u32(55751244u));                                // Lat
    put(23, TerminalWire::u32(37618423u));                                // Lon
    const float speed = 54.5f;
    put(31, QByteArray(reinterpret_cast<const char*>(&speed), 4));        // Speed
    return r;
}

QByteArray LoadTerminal::benchRecord() const
{
    QByteArray r(BenchFormat::kRecordSize, '\0');
    for (int i = 0; i < r.size(); ++i)
        r[i] = static_cast<char>(i + static_cast<int>(m_recordNumber));
    r[0] = static_cast<char>(BenchFormat::kNumber);
    r.replace(BenchFormat::kNumberOffset, 4, TerminalWire::u32(m_recordNumber));
    return r;
}

QByteArray LoadTerminal::nextRecord()
{
    ++m_recordNumber;
    m_state = State::WaitAnswer;
    const QByteArray number = TerminalWire::u32(m_recordNumber);
    if (m_kind == Kind::Zirn) {
        m_expected = TerminalWire::zirnFrame('T', number);
        return TerminalWire::zirnFrame('T', number + zirnRecord());
    }
    m_expected = answer("*<T" + number);
    return packet("*>T" + benchRecord());
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
    if (count < 16)
        return 0;
    const int size = 16 + (static_cast<quint8>(b[12]) | static_cast<quint8>(b[13]) << 8);
    return count >= size ? size : 0;
}

LoadTerminal::Outcome LoadTerminal::takeAnswer(const QByteArray& received, int& offset, QByteArray& reply)
{
    reply.clear();
    const char* unit = received.constData() + offset;
    const int size = answerUnitSize(unit, received.size() - offset);
    if (size == 0)
        return Outcome::None;
    if (size < 0)
        return Outcome::Bad;
    offset += size;
    if (size != m_expected.size() || std::memcmp(unit, m_expected.constData(), static_cast<size_t>(size)) != 0)
        return Outcome::Bad;
    switch (m_state) {
    case State::Handshake:
        if (m_kind == Kind::Kvzb) {
            m_state = State::Idle;
            return Outcome::Ready;
        }
        m_state = State::Negotiation;
        m_expected = answer(QByteArray("*<ZIRN\xB0\x0A\x0A", 9));
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
