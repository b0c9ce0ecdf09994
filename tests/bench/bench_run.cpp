#include "bench_run.h"

#include "load_generator.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {
constexpr double kStepSeconds = 5.0;
constexpr double kKeepUp = 0.95;  // answered / offered below this: falling behind
constexpr uint64_t kLongRunMark = 100000;
} // namespace

void BenchRun::sample()
{
    const ProcessSample s = ProcessStats::read(m_velkor.pid());
    if (!s.ok)
        return;
    m_peakRssKb = std::max({m_peakRssKb, s.rssKb, s.peakRssKb});
    m_peakThreads = std::max(m_peakThreads, s.threads);
    if (m_load && m_rssAt100k == 0 && m_load->counters.answered >= kLongRunMark)
        m_rssAt100k = s.rssKb;
    // A long run reports its progress every 10 s, so a slowdown shows as it comes.
    if (m_load && m_options.records && ++m_ticks % 100 == 0) {
        const uint64_t answered = m_load->counters.answered;
        std::printf("  %5d s: %llu answered, %.0f/s over the last 10 s, RSS %.1f MB\n", m_ticks / 10,
                    static_cast<unsigned long long>(answered), (answered - m_answeredAtLastReport) / 10.0,
                    s.rssKb / 1024.0);
        m_answeredAtLastReport = answered;
    }
}

BenchRun::Window BenchRun::measure(LoadGenerator& load, double rate, double seconds, uint64_t records)
{
    Window w;
    load.latency.clear();
    const uint64_t sent0 = load.counters.sent;
    const uint64_t answered0 = load.counters.answered;
    const double cpu0 = ProcessStats::read(m_velkor.pid()).cpuSeconds;
    const auto t0 = std::chrono::steady_clock::now();
    load.run(rate, seconds, records, [this]() { sample(); });
    w.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    w.cpuSeconds = ProcessStats::read(m_velkor.pid()).cpuSeconds - cpu0;
    w.sent = load.counters.sent - sent0;
    w.answered = load.counters.answered - answered0;
    w.offered = rate * load.counters.ready;
    w.p50 = load.latency.percentileMs(50);
    w.p99 = load.latency.percentileMs(99);
    w.max = load.latency.maxMs();
    load.drain(5.0, 120.0);
    return w;
}

double BenchRun::findSaturation(LoadGenerator& load)
{
    double rate = m_options.rate > 0 ? m_options.rate : 1.0;
    double best = 0;
    for (int step = 0; step < 24; ++step) {
        const Window w = measure(load, rate, kStepSeconds, 0);
        const double achieved = w.answered / w.seconds;
        std::printf("  step %2d: offered %9.0f/s  answered %9.0f/s  p99 %8.2f ms  CPU %5.2f s\n",
                    step + 1, w.offered, achieved, w.p99, w.cpuSeconds);
        std::fflush(stdout);
        best = std::max(best, achieved);
        if (achieved < kKeepUp * w.offered || load.outstanding() > 0 || load.counters.dropped)
            break;
        rate *= 1.5;
    }
    return best;
}

bool BenchRun::churn(LoadGenerator& load)
{
    for (int round = 1; round <= m_options.churnRounds; ++round) {
        const auto t0 = std::chrono::steady_clock::now();
        const bool connected = round == 1 || load.connect(m_options.terminals, m_options.concurrency, 30);
        const bool answered = connected && load.sendEach(3, 30);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        std::printf("  churn round %2d: %.1f s, velkor threads %d%s%s\n", round, seconds,
                    ProcessStats::read(m_velkor.pid()).threads, connected && answered ? "" : "  FAILED: ",
                    connected && answered ? "" : load.describe().c_str());
        if (!connected || !answered)
            return false;
        load.disconnectAll();
    }
    load.idle(2.0);
    std::printf("  velkor threads after churn  %d\n", ProcessStats::read(m_velkor.pid()).threads);
    return true;
}

void BenchRun::printHeader() const
{
    std::printf("== %s ==\n", m_options.label.empty() ? "run" : m_options.label.c_str());
    std::printf("  %d terminals (%.0f%% send \"*>T\"), log boxes raw=%s parse=%s\n", m_options.terminals,
                m_options.kvzbShare * 100, m_options.velkor.rawPackets ? "on" : "off",
                m_options.velkor.parsePackets ? "on" : "off");
}

void BenchRun::printWindow(const char* title, const Window& w) const
{
    std::printf("%s\n", title);
    std::printf("  offered rate                %.0f records/s (%.2f per terminal)\n", w.offered,
                m_load && m_load->counters.ready ? w.offered / m_load->counters.ready : 0.0);
    std::printf("  records answered per second %.0f (%llu in %.1f s)\n", w.answered / w.seconds,
                static_cast<unsigned long long>(w.answered), w.seconds);
    std::printf("  answer latency p50/p99/max  %.2f / %.2f / %.2f ms\n", w.p50, w.p99, w.max);
    std::printf("  velkor CPU per 1000 records %.3f s\n",
                w.answered ? w.cpuSeconds * 1000.0 / w.answered : 0.0);
}

int BenchRun::exec()
{
    printHeader();
    std::string error;
    const uint16_t port = m_options.externalPort ? m_options.externalPort : VelkorProcess::freePort();
    if (!m_options.externalPort
        && (!m_velkor.start(m_options.velkor, port, error) || !m_velkor.waitListening(30, error))) {
        std::printf("FAILED to start velkor: %s\n", error.c_str());
        return 2;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const ProcessSample before = ProcessStats::read(m_velkor.pid());

    LoadGenerator load(port, m_options.kvzbShare);
    m_load = &load;
    const bool all = load.connect(m_options.terminals, m_options.concurrency, 120);
    load.idle(1.0);
    const ProcessSample idle = ProcessStats::read(m_velkor.pid());
    sample();
    const int connected = load.counters.ready;
    std::printf("  terminals connected         %d of %d%s\n", connected, m_options.terminals,
                all ? "" : "  (NOT ALL)");
    std::printf("  RSS idle before / after     %.1f / %.1f MB, threads %d / %d\n",
                before.rssKb / 1024.0, idle.rssKb / 1024.0, before.threads, idle.threads);
    std::printf("  RSS per connected terminal  %.1f kB\n",
                connected ? double(idle.rssKb - before.rssKb) / connected : 0.0);
    std::fflush(stdout);

    bool churned = true;
    if (m_options.churnRounds) {
        churned = churn(load);
    } else if (m_options.saturate) {
        std::printf("saturation (rate x1.5 every %.0f s until answers fall behind)\n", kStepSeconds);
        const double saturation = findSaturation(load);
        std::printf("  saturation                  %.0f records/s\n", saturation);
        const double half = saturation / 2 / std::max(1, connected);
        printWindow("at half the saturation rate", measure(load, half, m_options.seconds, 0));
    } else if (m_options.records) {
        // --seconds bounds a long run too: a server that slows down ends it.
        const Window w = measure(load, m_options.rate, m_options.seconds, m_options.records);
        printWindow("long run", w);
        if (w.answered < m_options.records)
            std::printf("  long run STOPPED after %.0f s: %llu of %llu records answered\n", w.seconds,
                        static_cast<unsigned long long>(w.answered),
                        static_cast<unsigned long long>(m_options.records));
        const long end = ProcessStats::read(m_velkor.pid()).rssKb;
        std::printf("  RSS at record 100000 / %llu  %.1f / %.1f MB (%+.1f%%)\n",
                    static_cast<unsigned long long>(m_options.records), m_rssAt100k / 1024.0,
                    end / 1024.0, m_rssAt100k ? 100.0 * (end - m_rssAt100k) / m_rssAt100k : 0.0);
    } else {
        printWindow("load", measure(load, m_options.rate, m_options.seconds, 0));
    }

    sample();
    const bool alive = m_options.externalPort || ProcessStats::read(m_velkor.pid()).ok;
    const uint64_t unanswered = load.outstanding();
    std::printf("  velkor peak RSS / threads   %.1f MB / %d\n", m_peakRssKb / 1024.0, m_peakThreads);
    std::printf("  sent but not answered       %llu (wrong answers %llu, connections dropped %llu)\n",
                static_cast<unsigned long long>(unanswered),
                static_cast<unsigned long long>(load.counters.bad),
                static_cast<unsigned long long>(load.counters.dropped));
    if (!alive)
        std::printf("  velkor ENDED during the run (see its output in %s)\n", m_velkor.folder().c_str());
    std::fflush(stdout);
    m_load = nullptr;
    load.disconnectAll();
    const bool clean = churned && all && unanswered == 0 && load.counters.bad == 0 && load.counters.dropped == 0 && alive;
    return clean ? 0 : 1;
}
