// A stand-in for velkor that answers the benchmark's terminals and nothing
// more: the handshake, the ZIRN negotiation with all 69 fields, "~T" frames
// and "*>T" packets, built with the terminal wire library. With it the load
// generator is checked, and its own limit measured, without velkor.
// A few threads, each with an epoll loop, take turns at accepting.
#ifndef ANSWER_SERVER_H
#define ANSWER_SERVER_H

#include <QByteArray>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

class AnswerServer
{
public:
    enum class Fault { None, WrongAnswer, NoAnswer };

    explicit AnswerServer(int threads = 2);
    ~AnswerServer();
    AnswerServer(const AnswerServer&) = delete;
    AnswerServer& operator=(const AnswerServer&) = delete;

    // Listens on 127.0.0.1:port (0: a free one); false when it cannot.
    bool start(uint16_t port = 0);
    void stop();
    uint16_t port() const { return m_port; }

    // Before start(): every nth record, counted over all connections, gets
    // the fault (a changed last byte, or no answer at all).
    void setFault(Fault fault, uint32_t every);

    uint64_t records() const { return m_records.load(); }          // records received
    uint64_t connections() const { return m_connections.load(); }  // accepted
    uint64_t closed() const { return m_closed.load(); }            // ended by the terminal
    uint64_t rejected() const { return m_rejected.load(); }        // units not understood
    std::set<QByteArray> names() const;                            // from the handshakes

private:
    struct Connection {
        int fd = -1;
        QByteArray in;
        int zirnRecordSize = 0;  // after the negotiation
    };

    void loop();
    bool onReadable(Connection& c);
    // Answers the whole units at the front of c.in; false: close.
    bool answerUnits(Connection& c, QByteArray& out);
    QByteArray recordAnswer(const QByteArray& answer);

    int m_threadCount;
    int m_listen = -1;
    int m_stopFd = -1;
    uint16_t m_port = 0;
    Fault m_fault = Fault::None;
    uint32_t m_faultEvery = 0;
    std::vector<std::thread> m_threads;
    std::atomic<uint64_t> m_records{0}, m_connections{0}, m_closed{0}, m_rejected{0};
    mutable std::mutex m_namesMutex;
    std::set<QByteArray> m_names;
};

#endif // ANSWER_SERVER_H
