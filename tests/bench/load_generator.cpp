#include "load_generator.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {
constexpr auto kTick = std::chrono::milliseconds(100);

int64_t nsFrom(double seconds)
{
    return static_cast<int64_t>(seconds * 1e9);
}
} // namespace

LoadGenerator::LoadGenerator(uint16_t port, double kvzbShare, int threads)
    : m_kvzbShare(kvzbShare)
{
    for (int i = 0; i < std::max(1, threads); ++i)
        m_workers.push_back(std::make_unique<LoadWorker>(port));
}

LoadGenerator::~LoadGenerator() = default;

LoadCounters LoadGenerator::counters() const
{
    LoadCounters sum;
    for (const auto& worker : m_workers) {
        const LoadCounters c = worker->counters();
        sum.sent += c.sent;
        sum.answered += c.answered;
        sum.bad += c.bad;
        sum.dropped += c.dropped;
        sum.late += c.late;
        sum.lagged += c.lagged;
        sum.ready += c.ready;
    }
    return sum;
}

uint64_t LoadGenerator::outstanding() const
{
    const LoadCounters c = counters();
    return c.sent - c.answered;
}

bool LoadGenerator::onWorkers(LoadStep& step, const std::function<bool(LoadWorker&)>& part,
                              const std::function<void()>& tick)
{
    step.stopAll = [this, &step]() {
        step.stop.store(true, std::memory_order_relaxed);
        for (const auto& worker : m_workers)
            worker->wake();
    };
    std::mutex mutex;
    std::condition_variable finished;
    size_t running = m_workers.size();
    bool all = true;
    std::vector<std::thread> threads;
    threads.reserve(m_workers.size());
    for (const auto& worker : m_workers) {
        worker->setStep(&step);
        threads.emplace_back([&, w = worker.get()]() {
            const bool done = part(*w);
            std::lock_guard<std::mutex> lock(mutex);
            all = all && done;
            if (--running == 0)
                finished.notify_one();
        });
    }
    {
        std::unique_lock<std::mutex> lock(mutex);
        const auto none = [&]() { return running == 0; };
        if (!tick) {
            finished.wait(lock, none);
        } else {
            while (!finished.wait_for(lock, kTick, none)) {
                lock.unlock();
                tick();
                lock.lock();
            }
        }
    }
    for (std::thread& t : threads)
        t.join();
    for (const auto& worker : m_workers) {
        worker->setStep(nullptr);
        latency.take(worker->latency());
    }
    return all;
}

bool LoadGenerator::connect(int count, int concurrency, double seconds)
{
    const int n = static_cast<int>(m_workers.size());
    for (int i = m_terminals; i < m_terminals + count; ++i) {
        const bool kvzb = std::floor((i + 1) * m_kvzbShare) > std::floor(i * m_kvzbShare);
        m_workers[static_cast<size_t>(i % n)]->add(std::make_unique<LoadTerminal>(
            i, kvzb ? LoadTerminal::Kind::Kvzb : LoadTerminal::Kind::Zirn));
    }
    m_terminals += count;
    const int each = std::max(1, (concurrency + n - 1) / n);
    const int64_t until = LoadWorker::nowNs() + nsFrom(seconds);
    LoadStep step;
    return onWorkers(step, [&](LoadWorker& w) { return w.connect(each, until); }, nullptr);
}

void LoadGenerator::run(double ratePerTerminal, double seconds, uint64_t recordLimit,
                        const std::function<void()>& tick)
{
    const int64_t period = ratePerTerminal > 0 ? static_cast<int64_t>(1e9 / ratePerTerminal) : 0;
    LoadStep step;
    if (recordLimit) {
        step.limited = true;
        step.recordsLeft = static_cast<int64_t>(recordLimit);
        step.answersLeft = static_cast<int64_t>(recordLimit);
    }
    const int64_t start = LoadWorker::nowNs();
    const int64_t until = start + nsFrom(seconds);
    onWorkers(step, [&](LoadWorker& w) {
        w.run(period, start, m_terminals, until);
        return true;
    }, tick);
}

bool LoadGenerator::sendEach(uint32_t count, double seconds)
{
    const int64_t until = LoadWorker::nowNs() + nsFrom(seconds);
    LoadStep step;
    return onWorkers(step, [&](LoadWorker& w) { return w.sendEach(count, until); }, nullptr);
}

void LoadGenerator::drain(double quietSeconds, double seconds)
{
    const int64_t until = LoadWorker::nowNs() + nsFrom(seconds);
    LoadStep step;
    onWorkers(step, [&](LoadWorker& w) {
        w.drain(nsFrom(quietSeconds), until);
        return true;
    }, nullptr);
}

void LoadGenerator::idle(double seconds)
{
    const int64_t until = LoadWorker::nowNs() + nsFrom(seconds);
    LoadStep step;
    onWorkers(step, [&](LoadWorker& w) {
        w.idle(until);
        return true;
    }, nullptr);
}

void LoadGenerator::disconnectAll()
{
    for (const auto& worker : m_workers)
        worker->disconnectAll();
}

std::string LoadGenerator::describe() const
{
    static const char* names[] = {"connecting", "handshake", "negotiation", "idle", "waiting", "closed"};
    int count[6] = {};
    int notOpened = 0;
    for (const auto& worker : m_workers)
        worker->countStates(notOpened, count);
    const LoadCounters c = counters();
    std::string text = "not opened " + std::to_string(notOpened);
    for (int i = 0; i < 6; ++i)
        text += std::string(", ") + names[i] + " " + std::to_string(count[i]);
    return text + ", sent " + std::to_string(c.sent) + ", answered " + std::to_string(c.answered)
        + ", wrong " + std::to_string(c.bad) + ", dropped " + std::to_string(c.dropped);
}
