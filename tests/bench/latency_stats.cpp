#include "latency_stats.h"

#include <algorithm>
#include <cmath>

void LatencyStats::take(LatencyStats& other)
{
    m_samples.insert(m_samples.end(), other.m_samples.begin(), other.m_samples.end());
    other.m_samples.clear();
}

double LatencyStats::percentileMs(double p)
{
    if (m_samples.empty())
        return 0.0;
    std::sort(m_samples.begin(), m_samples.end());
    const double rank = std::ceil(p / 100.0 * static_cast<double>(m_samples.size()));
    size_t i = rank < 1.0 ? 0 : static_cast<size_t>(rank) - 1;
    if (i >= m_samples.size())
        i = m_samples.size() - 1;
    return m_samples[i] / 1000.0;
}

double LatencyStats::maxMs() const
{
    if (m_samples.empty())
        return 0.0;
    return *std::max_element(m_samples.begin(), m_samples.end()) / 1000.0;
}
