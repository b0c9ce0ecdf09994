// One benchmark run: starts velkor, connects the terminals, measures the
// idle footprint, then runs the load of the chosen kind and prints figures.
#ifndef BENCH_RUN_H
#define BENCH_RUN_H

#include "process_stats.h"
#include "velkor_process.h"

#include <cstdint>
#include <string>

class LoadGenerator;

struct BenchOptions {
    VelkorSetup velkor;
    int terminals = 100;
    double rate = 10.0;          // records per second per terminal; 0: as fast as answered
    double seconds = 10.0;
    double kvzbShare = 0.1;      // share of terminals sending "*>T" instead of "~T"
    int concurrency = 64;        // openings in flight while connecting
    int threads = 4;             // worker threads of the load generator
    bool saturate = false;       // raise the rate until answers fall behind
    uint64_t records = 0;        // long run: stop after this many answers
    int churnRounds = 0;         // churn: rounds of connect, 3 records each, drop (FIN/RST)
    std::string label;
    uint16_t externalPort = 0;   // a server already listening: no velkor, no process figures
};

class BenchRun
{
public:
    explicit BenchRun(const BenchOptions& options) : m_options(options) {}
    int exec();  // 0 when every record sent was answered

private:
    struct Window {
        double seconds = 0, cpuSeconds = 0, offered = 0;
        uint64_t answered = 0, sent = 0;
        uint64_t lagged = 0;     // records the load generator itself sent late
        double p50 = 0, p99 = 0, max = 0;
    };
    Window measure(LoadGenerator& load, double rate, double seconds, uint64_t records);
    double findSaturation(LoadGenerator& load);
    int saturationStep(LoadGenerator& load, int step, double rate, double& best);
    bool churn(LoadGenerator& load);
    void sample();
    void printHeader() const;
    void printWindow(const char* title, const Window& w) const;

    BenchOptions m_options;
    VelkorProcess m_velkor;
    long m_peakRssKb = 0;
    int m_peakThreads = 0;
    long m_rssAt100k = 0;
    int m_ticks = 0;
    uint64_t m_answeredAtLastReport = 0;
    LoadGenerator* m_load = nullptr;
};

#endif // BENCH_RUN_H
