// Answer latencies of one measurement window, in microseconds. Each worker
// of the load generator keeps its own; the generator merges them.
#ifndef LATENCY_STATS_H
#define LATENCY_STATS_H

#include <cstddef>
#include <cstdint>
#include <vector>

class LatencyStats
{
public:
    void add(uint32_t micros) { m_samples.push_back(micros); }
    void clear() { m_samples.clear(); }  // keeps the room for the next window
    // Moves the samples of other over to these; other is left empty.
    void take(LatencyStats& other);
    size_t count() const { return m_samples.size(); }
    // p in 0..100; 0 when empty
    double percentileMs(double p);
    double maxMs() const;

private:
    std::vector<uint32_t> m_samples;
};

#endif // LATENCY_STATS_H
