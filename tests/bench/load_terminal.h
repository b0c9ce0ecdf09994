// One simulated terminal: its identity, the units it sends in order
// (handshake, ZIRN negotiation, records) and the check of every answer.
// It holds no socket logic; the load generator moves its bytes.
#ifndef LOAD_TERMINAL_H
#define LOAD_TERMINAL_H

#include <QByteArray>

#include <cstdint>

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
    const QByteArray& name() const { return m_name; }
    uint32_t recordsSent() const { return m_recordNumber; }
    void setClosed() { m_state = State::Closed; }

    // The first unit once connected: the handshake.
    QByteArray connected();
    // The next record ("~T" or "*>T"); the terminal then waits for its answer.
    QByteArray nextRecord();
    // Takes one answer unit out of received (from offset on): None when the
    // bytes do not hold a whole unit yet, Progress when a step of the opening
    // is answered and reply is to be sent, Ready when the opening is done,
    // Answered for a record's answer, Bad for anything not expected.
    Outcome takeAnswer(const QByteArray& received, int& offset, QByteArray& reply);

    // Size of the answer unit at the start of bytes: > 0 a whole unit of that
    // size, 0 more bytes needed, -1 not an answer unit.
    static int answerUnitSize(const char* bytes, int count);

    int64_t sentAtNs = 0;  // when the record awaiting its answer went out
    int64_t dueNs = 0;     // when the next record is due

    static const QByteArray kPreamble;
    static constexpr uint32_t kServerId = 1;

private:
    QByteArray packet(const QByteArray& data) const;  // from this terminal
    QByteArray answer(const QByteArray& data) const;  // to it: identifiers swapped
    QByteArray zirnRecord() const;
    QByteArray benchRecord() const;

    int m_index;
    Kind m_kind;
    State m_state = State::Connecting;
    QByteArray m_name;
    uint32_t m_id;
    uint32_t m_recordNumber = 0;
    QByteArray m_expected;  // exact bytes of the awaited answer unit
};

#endif // LOAD_TERMINAL_H
