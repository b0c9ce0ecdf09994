// One simulated terminal: its identity, the units it sends in order
// (handshake, ZIRN negotiation, records) and the check of every answer.
// It holds no socket logic; the load generator moves its bytes.
//
// A record and the answer it awaits are written in place into buffers the
// terminal keeps, so a record costs no heap allocation once the first one is
// built; only the opening builds its units with the terminal wire library.
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
    struct Bytes {
        const char* data;
        int size;
    };

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
    // The bytes are the terminal's own and stay valid until the next call.
    Bytes nextRecord();
    // Takes one answer unit from the front of bytes (count of them). taken is
    // the size of the unit, 0 when there is none. None: the bytes do not hold
    // a whole unit yet; Progress: a step of the opening is answered and reply
    // is to be sent; Ready: the opening is done; Answered: a record's answer;
    // Bad: anything not expected (taken 0 when the bytes are no answer unit).
    Outcome takeAnswer(const char* bytes, int count, int& taken, QByteArray& reply);

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
    void expect(const QByteArray& unit);
    void writeZirnRecord();
    void writeBenchRecord();

    int m_index;
    Kind m_kind;
    State m_state = State::Connecting;
    QByteArray m_name;
    uint32_t m_id;
    uint32_t m_recordNumber = 0;
    char m_record[160];        // the last record sent, rewritten for every record
    char m_expected[32] = {};  // exact bytes of the awaited answer unit
    int m_expectedSize = 0;
};

#endif // LOAD_TERMINAL_H
