// One thread's share of the load generator's terminals: its own epoll
// instance, sockets, due-time queue, counters and latency samples. The
// generator runs each worker's part of a step on a thread of its own; between
// steps the workers are at rest and the generator's thread may use them.
#ifndef LOAD_WORKER_H
#define LOAD_WORKER_H

#include "latency_stats.h"
#include "load_terminal.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <queue>
#include <string>
#include <sys/epoll.h>
#include <vector>

struct LoadCounters {
    uint64_t sent = 0;
    uint64_t answered = 0;
    uint64_t bad = 0;        // answers that were not the expected bytes
    uint64_t dropped = 0;    // connections the server closed
    uint64_t late = 0;       // records sent after their due time (the answer before came late)
    uint64_t lagged = 0;     // records the generator itself sent more than 5 ms after their due time
    int ready = 0;           // terminals through their opening
};

// What the workers of one step share: the order to stop and, in a long run,
// the records still to send and the answers still awaited.
struct LoadStep {
    std::atomic<bool> stop{false};
    bool limited = false;                 // a long run: the two below count down
    std::atomic<int64_t> recordsLeft{0};
    std::atomic<int64_t> answersLeft{0};  // the worker that takes it to 0 ends the step
    std::function<void()> stopAll;        // sets stop and wakes every worker
};

class LoadWorker
{
public:
    explicit LoadWorker(uint16_t port);
    ~LoadWorker();
    LoadWorker(const LoadWorker&) = delete;
    LoadWorker& operator=(const LoadWorker&) = delete;

    // At rest: a terminal for the next connect().
    void add(std::unique_ptr<LoadTerminal> terminal);
    void setStep(LoadStep* step) { m_step = step ? step : &m_restStep; }

    // The parts of a step, each on the worker's thread; they end at untilNs
    // at the latest, or when the step is stopped.
    // Opens the terminals added since the last connect, at most concurrency
    // at a time; true when all of them are ready.
    bool connect(int concurrency, int64_t untilNs);
    // Records every periodNs per terminal (0: each right after its answer);
    // the first ones spread over one period by the terminals' numbers.
    void run(int64_t periodNs, int64_t startNs, int terminalsInAll, int64_t untilNs);
    // count more records per connected terminal, each after the answer to the
    // one before; true when all are answered.
    bool sendEach(uint32_t count, int64_t untilNs);
    // Until none of its records is left unanswered or none came for quietNs.
    void drain(int64_t quietNs, int64_t untilNs);
    void idle(int64_t untilNs);

    // At rest: ends every connection, half by FIN, half by RST.
    void disconnectAll();

    // From any thread.
    void wake();
    LoadCounters counters() const;

    LatencyStats& latency() { return m_latency; }
    int terminalCount() const { return static_cast<int>(m_links.size()); }
    // Terminals never opened, and how many are in each LoadTerminal::State.
    void countStates(int& notOpened, int (&states)[6]) const;

    static int64_t nowNs();

private:
    struct Link {
        std::unique_ptr<LoadTerminal> terminal;
        int fd = -1;
        std::string rx;            // the start of a unit not whole yet
        std::string tx;            // bytes the socket did not take yet
        size_t txOffset = 0;
        uint32_t recordLimit = 0;  // sendEach: stop after this record number
    };
    using Due = std::pair<int64_t, int>;  // due time, link

    // A counter written by the worker's thread only, read by any.
    struct Counter {
        std::atomic<uint64_t> value{0};
        void add() { value.store(value.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed); }
        uint64_t get() const { return value.load(std::memory_order_relaxed); }
    };

    bool openSocket(int index);
    // Turns until untilNs, the step stops, or done() holds: checked after
    // every turn, and at least every checkNs when that is not 0.
    void loop(int64_t untilNs, const std::function<bool()>& done, int64_t checkNs = 0);
    int wait(int64_t timeoutNs);
    void onEvent(int index, uint32_t events);
    void onReadable(Link& link);
    int takeAnswers(Link& link, const char* bytes, int count);
    void onWritable(Link& link);
    void send(Link& link, const char* bytes, int size);
    void sendRecord(Link& link, int64_t now);
    void schedule(int index, int64_t now);
    void sendDue(int64_t now);
    void closeLink(Link& link, bool dropped);
    void watch(int index, bool writable);

    static constexpr int kEvents = 256;
    static constexpr int kBlock = 65536;

    int m_epoll = -1;
    int m_wakeFd = -1;
    uint16_t m_port;
    LoadStep m_restStep;
    LoadStep* m_step = &m_restStep;
    std::vector<Link> m_links;
    std::priority_queue<Due, std::vector<Due>, std::greater<Due>> m_due;
    int64_t m_periodNs = 0;   // 0: closed loop
    bool m_sending = false;
    int m_opening = 0;        // connections in their opening
    int m_added = 0;          // terminals added since the last connect
    size_t m_nextToOpen = 0;  // links not opened yet start here
    std::vector<std::pair<int64_t, int>> m_retry;  // refused connects to try again
    LatencyStats m_latency;
    std::unique_ptr<char[]> m_block;  // what one read takes in
    epoll_event m_events[kEvents];

    alignas(64) Counter m_sent;
    Counter m_answered, m_bad, m_dropped, m_late, m_lagged;
    std::atomic<int> m_ready{0};
};

#endif // LOAD_WORKER_H
