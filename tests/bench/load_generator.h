// Plays many terminals over non-blocking sockets in one thread (epoll):
// connects them, runs their opening, then sends records at a set rate per
// terminal, each terminal waiting for the answer to its last record.
#ifndef LOAD_GENERATOR_H
#define LOAD_GENERATOR_H

#include "latency_stats.h"
#include "load_terminal.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <queue>
#include <string>
#include <vector>

struct LoadCounters {
    uint64_t sent = 0;
    uint64_t answered = 0;
    uint64_t bad = 0;        // answers that were not the expected bytes
    uint64_t dropped = 0;    // connections the server closed
    uint64_t late = 0;       // records sent after their due time
    int ready = 0;           // terminals through their opening
};

class LoadGenerator
{
public:
    LoadGenerator(uint16_t port, double kvzbShare);
    ~LoadGenerator();

    // Connects count more terminals, at most concurrency openings at a time;
    // true when all of them are ready before the time runs out.
    bool connect(int count, int concurrency, double seconds);
    // Sends records at ratePerTerminal (0: each right after its answer) for
    // the given time or until recordLimit answers; tick runs every 100 ms.
    void run(double ratePerTerminal, double seconds, uint64_t recordLimit,
             const std::function<void()>& tick);
    // Each connected terminal sends count more records, each right after the
    // answer to the one before; true when all are answered in time.
    bool sendEach(uint32_t count, double seconds);
    // Waits for the answers still outstanding: until none is left, no answer
    // came for quietSeconds, or seconds have passed.
    void drain(double quietSeconds, double seconds);
    // Ends every connection: half by FIN, half by RST.
    void disconnectAll();
    // Lets the event loop turn without sending anything.
    void idle(double seconds);

    uint64_t outstanding() const;
    // How many terminals are in each state, for a failure message.
    std::string describe() const;
    LoadCounters counters;
    LatencyStats latency;
    int terminalCount() const { return static_cast<int>(m_links.size()); }

private:
    struct Link {
        std::unique_ptr<LoadTerminal> terminal;
        int fd = -1;
        QByteArray rx;
        int rxOffset = 0;
        QByteArray tx;
        int txOffset = 0;
        uint32_t recordLimit = 0;  // sendEach: stop after this record number
    };
    using Due = std::pair<int64_t, int>;

    bool openSocket(Link& link);
    void loop(int64_t untilNs, const std::function<bool()>& done, const std::function<void()>& tick);
    void onEvent(int index, uint32_t events);
    void onReadable(Link& link);
    void onWritable(Link& link);
    void send(Link& link, const QByteArray& bytes);
    void sendRecord(Link& link, int64_t now);
    void schedule(Link& link, int64_t now);
    void sendDue(int64_t now);
    void closeLink(Link& link, bool dropped);
    void watch(Link& link, bool writable);

    static int64_t nowNs();

    int m_epoll = -1;
    uint16_t m_port;
    double m_kvzbShare;
    std::vector<Link> m_links;
    std::priority_queue<Due, std::vector<Due>, std::greater<Due>> m_due;
    int64_t m_periodNs = 0;   // 0: closed loop
    bool m_sending = false;
    int m_opening = 0;        // connections in their opening
    size_t m_nextToOpen = 0;  // links not opened yet start here
    std::vector<std::pair<int64_t, int>> m_retry;  // refused connects to try again
    uint64_t m_recordLimit = 0;
};

#endif // LOAD_GENERATOR_H
