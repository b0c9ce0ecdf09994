// Answer latencies of one measurement window, in microseconds.
#ifndef LATENCY_STATS_H
#define LATENCY_STATS_H

#include <cstddef>
#include <cstdint>
#include <vector>

class LatencyStats
{
public:
    void add(uint32_t micros) { m_samples.push_back(micros); }
    void clear() { m_samples.clear(); }
    size_t count() const { return m_samples.size(); }
    // p in 0..100; 0 when empty
    double percentileMs(double p);
    double maxMs() const;

private:
    std::vector<uint32_t> m_samples;
};

#endif // LATENCY_STATS_H
