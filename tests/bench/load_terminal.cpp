#include "load_terminal.h"

#include "bench_format.h"

#include <cstdio>
#include <cstring>
#include <ctime>

const TerminalWire::Preamble LoadTerminal::kPreamble = {'@', 'K', 'V', 'Z'};

LoadTerminal::LoadTerminal(int index, Kind kind)
    : m_index(index), m_kind(kind), m_id(static_cast<uint32_t>(100000 + index))
{
    char name[16];
    std::snprintf(name, sizeof(name), "BENCH%06d", index);
    m_name = name;
}

Bytes LoadTerminal::connected()
{
    m_state = State::Handshake;
    // The answer carries the identifiers swapped.
    m_expected = TerminalWire::kvzbPacket(kPreamble, m_id, kServerId, TerminalWire::text("*<S"));
    return TerminalWire::kvzbPacket(kPreamble, kServerId, m_id,
                                    TerminalWire::handshakeData(m_name));
}

Bytes LoadTerminal::zirnRecord() const
{
    Bytes r(TerminalWire::kZirnFullRecord, 0);
    // Plausible values where a reader looks; the rest varies per record and
    // holds the frame markers 0x7E and 0x7F now and then, as real data does.
    for (size_t i = 0; i < r.size(); ++i)
        r[i] = static_cast<uint8_t>((m_recordNumber * 31 + i * 7 + m_id) & 0xFF);
    auto put32 = [&r](size_t at, uint32_t v) { std::memcpy(&r[at], &v, 4); };
    put32(0, m_recordNumber);
    put32(6, static_cast<uint32_t>(std::time(nullptr)));
    r[13] = 23;                        // GSM
    put32(19, 55751244u);              // Lat
    put32(23, 37618423u);              // Lon
    const float speed = 54.5f;
    std::memcpy(&r[31], &speed, 4);
    return r;
}

Bytes LoadTerminal::benchRecord() const
{
    Bytes r(BenchFormat::kRecordSize, 0);
    r[0] = BenchFormat::kNumber;
    std::memcpy(&r[BenchFormat::kNumberOffset], &m_recordNumber, 4);
    for (size_t i = 5; i < r.size(); ++i)
        r[i] = static_cast<uint8_t>(i + m_recordNumber);
    return r;
}

Bytes LoadTerminal::nextRecord()
{
    ++m_recordNumber;
    m_state = State::WaitAnswer;
    if (m_kind == Kind::Zirn) {
        Bytes number;
        TerminalWire::putU32(number, m_recordNumber);
        m_expected = TerminalWire::text("~T");
        m_expected.insert(m_expected.end(), number.begin(), number.end());
        m_expected.push_back(TerminalWire::crc8(m_expected.data(), m_expected.size()));
        return TerminalWire::zirnEventFrame(m_recordNumber, zirnRecord());
    }
    Bytes answer = TerminalWire::text("*<T");
    TerminalWire::putU32(answer, m_recordNumber);
    m_expected = TerminalWire::kvzbPacket(kPreamble, m_id, kServerId, answer);
    Bytes data = TerminalWire::text("*>T");
    const Bytes record = benchRecord();
    data.insert(data.end(), record.begin(), record.end());
    return TerminalWire::kvzbPacket(kPreamble, kServerId, m_id, data);
}

LoadTerminal::Outcome LoadTerminal::takeAnswer(Bytes& received, size_t& offset, Bytes& reply)
{
    reply.clear();
    const uint8_t* unit = received.data() + offset;
    const size_t count = received.size() - offset;
    const int size = TerminalWire::answerUnitSize(unit, count, kPreamble);
    if (size == 0)
        return Outcome::None;
    if (size < 0)
        return Outcome::Bad;
    offset += static_cast<size_t>(size);
    const bool expected = static_cast<size_t>(size) == m_expected.size()
        && std::memcmp(unit, m_expected.data(), m_expected.size()) == 0;
    if (!expected)
        return Outcome::Bad;
    switch (m_state) {
    case State::Handshake:
        if (m_kind == Kind::Kvzb) {
            m_state = State::Idle;
            return Outcome::Ready;
        }
        m_state = State::Negotiation;
        m_expected = TerminalWire::kvzbPacket(kPreamble, m_id, kServerId,
                                              Bytes{'*', '<', 'Z', 'I', 'R', 'N', 0xB0, 0x0A, 0x0A});
        reply = TerminalWire::kvzbPacket(
            kPreamble, kServerId, m_id,
            TerminalWire::zirnNegotiationData(TerminalWire::kZirnFormat, TerminalWire::kZirnFieldCount,
                                              TerminalWire::fullMask()));
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
