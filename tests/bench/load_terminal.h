// One simulated terminal: its identity, the units it sends in order
// (handshake, ZIRN negotiation, records) and the check of every answer.
// It holds no socket logic; the load generator moves its bytes.
#ifndef LOAD_TERMINAL_H
#define LOAD_TERMINAL_H

#include "terminal_wire.h"

#include <cstdint>
#include <string>

class LoadTerminal
{
public:
    enum class Kind { Zirn, Kvzb };
    enum class State { Connecting, Handshake, Negotiation, Idle, WaitAnswer, Closed };
    enum class Outcome { None, Progress, Ready, Answered, Bad };

    LoadTerminal(int index, Kind kind);

    int index() const { return m_index; }
    Kind kind() const { return m_kind; }
    State state() const { return m_state; }
    const std::string& name() const { return m_name; }
    void setClosed() { m_state = State::Closed; }

    // The first unit once connected: the handshake.
    Bytes connected();
    // The next record ("~T" or "*>T"); the terminal then waits for its answer.
    Bytes nextRecord();
    // Takes one answer unit out of received (from offset on): None when the
    // bytes do not hold a whole unit yet, Progress when a step of the opening
    // is answered and reply is to be sent, Ready when the opening is done,
    // Answered for a record's answer, Bad for anything not expected.
    Outcome takeAnswer(Bytes& received, size_t& offset, Bytes& reply);

    uint64_t sentAtNs = 0;   // when the record awaiting its answer went out
    int64_t dueNs = 0;       // when the next record is due

    static const TerminalWire::Preamble kPreamble;
    static constexpr uint32_t kServerId = 1;

private:
    Bytes zirnRecord() const;
    Bytes benchRecord() const;

    int m_index;
    Kind m_kind;
    State m_state = State::Connecting;
    std::string m_name;
    uint32_t m_id;
    uint32_t m_recordNumber = 0;
    Bytes m_expected;  // exact bytes of the awaited answer unit
};

#endif // LOAD_TERMINAL_H
