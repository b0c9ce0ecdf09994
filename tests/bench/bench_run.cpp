#include "bench_run.h"

#include "load_generator.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

namespace {
constexpr double kStepSeconds = 5.0;
constexpr double kGrowth = 1.5;
constexpr double kKeepUp = 0.99;   // records sent / records due below this: falling behind
constexpr int kNarrowSteps = 3;    // between the last rate kept up with and the first not
constexpr int kMaxSteps = 24;
constexpr uint64_t kLongRunMark = 100000;
} // namespace

void BenchRun::sample()
{
    const ProcessSample s = ProcessStats::read(m_velkor.pid());
    if (!s.ok)
        return;
    m_peakRssKb = std::max({m_peakRssKb, s.rssKb, s.peakRssKb});
    m_peakThreads = std::max(m_peakThreads, s.threads);
    const uint64_t answered = m_load ? m_load->counters().answered : 0;
    if (m_load && m_rssAt100k == 0 && answered >= kLongRunMark)
        m_rssAt100k = s.rssKb;
    // A long run reports its progress every 10 s, so a slowdown shows as it comes.
    if (m_load && m_options.records && ++m_ticks % 100 == 0) {
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
    const LoadCounters c0 = load.counters();
    const double cpu0 = ProcessStats::read(m_velkor.pid()).cpuSeconds;
    const auto t0 = std::chrono::steady_clock::now();
    load.run(rate, seconds, records, [this]() { sample(); });
    w.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    w.cpuSeconds = ProcessStats::read(m_velkor.pid()).cpuSeconds - cpu0;
    const LoadCounters c1 = load.counters();
    w.sent = c1.sent - c0.sent;
    w.answered = c1.answered - c0.answered;
    w.lagged = c1.lagged - c0.lagged;
    w.offered = rate * c1.ready;
    w.p50 = load.latency.percentileMs(50);
    w.p99 = load.latency.percentileMs(99);
    w.max = load.latency.maxMs();
    load.drain(5.0, 120.0);
    return w;
}

// One step of the search: 1 when the answers kept up with the rate, 0 when
// they fell behind, -1 when records were lost or connections dropped (no
// point in going on). A terminal sends its next record only once the last
// one is answered, and catches up at once when the answer came late; so the
// answers keep up while the terminals manage to send (nearly) every record
// that fell due in the step. Answers counted within the step would not do:
// the records in flight at its end make them fall short by the latency over
// the step's length even when the server keeps up.
int BenchRun::saturationStep(LoadGenerator& load, int step, double rate, double& best)
{
    const uint64_t dropped0 = load.counters().dropped;
    const Window w = measure(load, rate, kStepSeconds, 0);
    const double due = w.offered * kStepSeconds;
    const bool lost = load.outstanding() > 0 || load.counters().dropped > dropped0;
    const bool keptUp = !lost && w.sent >= kKeepUp * due;
    std::printf("  step %2d: offered %9.0f/s  answered %9.0f/s  p99 %8.2f ms  CPU %5.2f s%s\n", step,
                w.offered, w.answered / w.seconds, w.p99, w.cpuSeconds,
                lost ? "  records lost" : keptUp ? "" : "  behind");
    if (w.lagged > w.sent / 100)
        std::printf("           the load generator sent %llu records more than 5 ms late\n",
                    static_cast<unsigned long long>(w.lagged));
    std::fflush(stdout);
    if (keptUp)
        best = std::max(best, w.sent / w.seconds);  // all of them answered
    return lost ? -1 : keptUp ? 1 : 0;
}

// Raises the rate by 1.5 from --rate until a step falls behind (or lowers it
// until one keeps up), then narrows the gap between the highest rate kept up
// with and the lowest one not: three more steps, each at the geometric middle,
// leave them within 5% of each other. The saturation is the records per
// second sent and answered in the highest step that kept up.
double BenchRun::findSaturation(LoadGenerator& load)
{
    double rate = m_options.rate > 0 ? m_options.rate : 1.0;
    double good = 0, bad = 0;  // per terminal
    double best = 0;
    int step = 0;
    while (step < kMaxSteps && (good == 0 || bad == 0)) {
        const int kept = saturationStep(load, ++step, rate, best);
        if (kept < 0)
            return best;
        if (kept) {
            good = rate;
            rate *= kGrowth;
        } else {
            bad = rate;
            rate /= kGrowth;
        }
    }
    for (int i = 0; i < kNarrowSteps && step < kMaxSteps && good > 0 && bad > 0; ++i) {
        const double middle = std::sqrt(good * bad);
        const int kept = saturationStep(load, ++step, middle, best);
        if (kept < 0)
            break;
        (kept ? good : bad) = middle;
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
    const int ready = m_load ? m_load->counters().ready : 0;
    std::printf("  offered rate                %.0f records/s (%.2f per terminal)\n", w.offered,
                ready ? w.offered / ready : 0.0);
    std::printf("  records answered per second %.0f (%llu in %.1f s)\n", w.answered / w.seconds,
                static_cast<unsigned long long>(w.answered), w.seconds);
    std::printf("  answer latency p50/p99/max  %.2f / %.2f / %.2f ms\n", w.p50, w.p99, w.max);
    std::printf("  velkor CPU per 1000 records %.3f s\n",
                w.answered ? w.cpuSeconds * 1000.0 / w.answered : 0.0);
    if (w.lagged > w.sent / 100)
        std::printf("  the load generator sent %llu records more than 5 ms late: its own limit, not velkor's\n",
                    static_cast<unsigned long long>(w.lagged));
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

    LoadGenerator load(port, m_options.kvzbShare, std::max(1, std::min(m_options.threads, m_options.terminals)));
    m_load = &load;
    const bool all = load.connect(m_options.terminals, m_options.concurrency, 120);
    load.idle(1.0);
    const ProcessSample idle = ProcessStats::read(m_velkor.pid());
    sample();
    const int connected = load.counters().ready;
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
        std::printf("saturation (rate x%.1f every %.0f s until answers fall behind, then %d steps to narrow it down)\n",
                    kGrowth, kStepSeconds, kNarrowSteps);
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
    const LoadCounters totals = load.counters();
    std::printf("  velkor peak RSS / threads   %.1f MB / %d\n", m_peakRssKb / 1024.0, m_peakThreads);
    std::printf("  sent but not answered       %llu (wrong answers %llu, connections dropped %llu)\n",
                static_cast<unsigned long long>(unanswered),
                static_cast<unsigned long long>(totals.bad),
                static_cast<unsigned long long>(totals.dropped));
    if (!alive)
        std::printf("  velkor ENDED during the run (see its output in %s)\n", m_velkor.folder().c_str());
    std::fflush(stdout);
    m_load = nullptr;
    load.disconnectAll();
    const bool clean = churned && all && unanswered == 0 && totals.bad == 0 && totals.dropped == 0 && alive;
    return clean ? 0 : 1;
}
