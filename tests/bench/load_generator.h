// Plays many terminals over non-blocking sockets: connects them, runs their
// opening, then sends records at a set rate per terminal, each terminal
// waiting for the answer to its last record.
//
// The terminals are dealt out over a few workers (load_worker.h), terminal i
// to worker i % threads, and each step runs every worker on a thread of its
// own while the calling thread waits, calling tick every 100 ms. The
// counters and latencies are the workers' figures added up.
#ifndef LOAD_GENERATOR_H
#define LOAD_GENERATOR_H

#include "latency_stats.h"
#include "load_worker.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class LoadGenerator
{
public:
    LoadGenerator(uint16_t port, double kvzbShare, int threads = 1);
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
    // Lets the event loops turn without sending anything.
    void idle(double seconds);

    // The workers' counters added up; may be read while a step runs.
    LoadCounters counters() const;
    uint64_t outstanding() const;
    // How many terminals are in each state, for a failure message.
    std::string describe() const;
    // Answer latencies since the last clear(), taken over from the workers
    // at the end of every step.
    LatencyStats latency;
    int terminalCount() const { return m_terminals; }
    int threadCount() const { return static_cast<int>(m_workers.size()); }

private:
    // Runs part on every worker, each on its own thread, and tick on this
    // one every 100 ms until all have returned; true when every part did.
    bool onWorkers(LoadStep& step, const std::function<bool(LoadWorker&)>& part,
                   const std::function<void()>& tick);

    double m_kvzbShare;
    int m_terminals = 0;
    std::vector<std::unique_ptr<LoadWorker>> m_workers;
};

#endif // LOAD_GENERATOR_H
