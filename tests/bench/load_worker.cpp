#include "load_worker.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

namespace {
constexpr int64_t kMs = 1000000;
constexpr int64_t kRetryNs = 50 * kMs;
constexpr int64_t kLagNs = 5 * kMs;
// A worker wakes up to this long after the earliest record due, and sends
// all that are due by then: one wake-up for several records.
constexpr int64_t kSlackNs = 1 * kMs;
constexpr int64_t kDrainCheckNs = 10 * kMs;  // how soon drain() sees the quiet time is up
constexpr uint32_t kWakeTag = 0xFFFFFFFFu;

// epoll_pwait2 waits to the nanosecond; a kernel without it gets epoll_wait
// and whole milliseconds, rounded up.
std::atomic<bool> preciseWait{true};
} // namespace

LoadWorker::LoadWorker(uint16_t port)
    : m_epoll(epoll_create1(EPOLL_CLOEXEC)),
      m_wakeFd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)),
      m_port(port),
      m_block(new char[kBlock])
{
    epoll_event ev{};
    ev.events = EPOLLIN;
    ev.data.u32 = kWakeTag;
    epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_wakeFd, &ev);
}

LoadWorker::~LoadWorker()
{
    for (Link& link : m_links)
        if (link.fd >= 0)
            close(link.fd);
    if (m_wakeFd >= 0)
        close(m_wakeFd);
    if (m_epoll >= 0)
        close(m_epoll);
}

int64_t LoadWorker::nowNs()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

void LoadWorker::wake()
{
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t w = write(m_wakeFd, &one, sizeof(one));
}

LoadCounters LoadWorker::counters() const
{
    LoadCounters c;
    c.sent = m_sent.get();
    c.answered = m_answered.get();
    c.bad = m_bad.get();
    c.dropped = m_dropped.get();
    c.late = m_late.get();
    c.lagged = m_lagged.get();
    c.ready = m_ready.load(std::memory_order_relaxed);
    return c;
}

void LoadWorker::add(std::unique_ptr<LoadTerminal> terminal)
{
    Link link;
    link.terminal = std::move(terminal);
    m_links.push_back(std::move(link));
    ++m_added;
}

void LoadWorker::watch(int index, bool writable)
{
    epoll_event ev{};
    ev.events = EPOLLIN | EPOLLRDHUP | (writable ? EPOLLOUT : 0u);
    ev.data.u32 = static_cast<uint32_t>(index);
    epoll_ctl(m_epoll, EPOLL_CTL_MOD, m_links[static_cast<size_t>(index)].fd, &ev);
}

bool LoadWorker::openSocket(int index)
{
    Link& link = m_links[static_cast<size_t>(index)];
    link.fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (link.fd < 0)
        return false;
    const int one = 1;
    setsockopt(link.fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof(one));
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(m_port);
    epoll_event ev{};
    ev.events = EPOLLIN | EPOLLOUT | EPOLLRDHUP;
    ev.data.u32 = static_cast<uint32_t>(index);
    epoll_ctl(m_epoll, EPOLL_CTL_ADD, link.fd, &ev);
    const int r = ::connect(link.fd, reinterpret_cast<sockaddr*>(&a), sizeof(a));
    return r == 0 || errno == EINPROGRESS;
}

bool LoadWorker::connect(int concurrency, int64_t untilNs)
{
    const int target = m_ready.load(std::memory_order_relaxed) + m_added;
    m_added = 0;
    auto openMore = [this, concurrency]() {
        const int64_t now = nowNs();
        for (auto it = m_retry.begin(); it != m_retry.end() && m_opening < concurrency;) {
            if (it->first > now) {
                ++it;
                continue;
            }
            const int index = it->second;
            it = m_retry.erase(it);
            if (openSocket(index))
                ++m_opening;
        }
        while (m_opening < concurrency && m_nextToOpen < m_links.size()) {
            if (openSocket(static_cast<int>(m_nextToOpen++)))
                ++m_opening;
        }
    };
    loop(untilNs, [&]() {
        openMore();
        return m_ready.load(std::memory_order_relaxed) >= target;
    });
    return m_ready.load(std::memory_order_relaxed) >= target;
}

int LoadWorker::wait(int64_t timeoutNs)
{
    if (timeoutNs < 0)
        timeoutNs = 0;
    if (preciseWait.load(std::memory_order_relaxed)) {
        const timespec t{static_cast<time_t>(timeoutNs / 1000000000), static_cast<long>(timeoutNs % 1000000000)};
        const int n = epoll_pwait2(m_epoll, m_events, kEvents, &t, nullptr);
        if (n >= 0 || errno != ENOSYS)
            return n;
        preciseWait.store(false, std::memory_order_relaxed);
    }
    const int64_t ms = std::min<int64_t>((timeoutNs + kMs - 1) / kMs, 1000000);
    return epoll_wait(m_epoll, m_events, kEvents, static_cast<int>(ms));
}

void LoadWorker::loop(int64_t untilNs, const std::function<bool()>& done, int64_t checkNs)
{
    for (;;) {
        int64_t now = nowNs();
        if (m_step->stop.load(std::memory_order_relaxed) || (done && done()) || now >= untilNs)
            return;
        if (!m_due.empty() && m_due.top().first <= now) {
            sendDue(now);
            now = nowNs();
        }
        int64_t wakeAt = untilNs;
        if (!m_due.empty())
            wakeAt = std::min(wakeAt, m_due.top().first + kSlackNs);
        if (!m_retry.empty())
            wakeAt = std::min(wakeAt, now + kRetryNs);
        if (checkNs)
            wakeAt = std::min(wakeAt, now + checkNs);
        const int n = wait(wakeAt - now);
        for (int i = 0; i < n; ++i) {
            if (m_events[i].data.u32 == kWakeTag) {
                uint64_t count = 0;
                [[maybe_unused]] const ssize_t r = read(m_wakeFd, &count, sizeof(count));
                continue;
            }
            onEvent(static_cast<int>(m_events[i].data.u32), m_events[i].events);
        }
    }
}

void LoadWorker::onEvent(int index, uint32_t events)
{
    Link& link = m_links[static_cast<size_t>(index)];
    if (link.fd < 0)
        return;
    if (link.terminal->state() == LoadTerminal::State::Connecting) {
        int err = 0;
        socklen_t len = sizeof(err);
        getsockopt(link.fd, SOL_SOCKET, SO_ERROR, &err, &len);
        if (err != 0 || (events & (EPOLLERR | EPOLLHUP))) {
            // Refused (not listening yet, or the backlog was full): try again.
            epoll_ctl(m_epoll, EPOLL_CTL_DEL, link.fd, nullptr);
            close(link.fd);
            link.fd = -1;
            --m_opening;
            m_retry.emplace_back(nowNs() + kRetryNs, index);
            return;
        }
        if (!(events & EPOLLOUT))
            return;
        watch(index, false);
        const QByteArray handshake = link.terminal->connected();
        send(link, handshake.constData(), handshake.size());
        return;
    }
    if (events & EPOLLOUT)
        onWritable(link);
    if (events & (EPOLLIN | EPOLLRDHUP | EPOLLHUP | EPOLLERR))
        onReadable(link);
}

void LoadWorker::onReadable(Link& link)
{
    if (link.fd < 0)
        return;
    // One read per event: the poll is level-triggered, so what is left is
    // reported again.
    ssize_t r;
    do
        r = read(link.fd, m_block.get(), kBlock);
    while (r < 0 && errno == EINTR);
    if (r < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
        return;
    if (r <= 0) {
        closeLink(link, true);
        return;
    }
    if (link.rx.empty()) {
        // The usual case: whole answers, taken straight from the block read.
        const int count = static_cast<int>(r);
        const int used = takeAnswers(link, m_block.get(), count);
        if (used < count)
            link.rx.assign(m_block.get() + used, static_cast<size_t>(count - used));
        return;
    }
    link.rx.append(m_block.get(), static_cast<size_t>(r));
    const int used = takeAnswers(link, link.rx.data(), static_cast<int>(link.rx.size()));
    link.rx.erase(0, static_cast<size_t>(used));
}

int LoadWorker::takeAnswers(Link& link, const char* bytes, int count)
{
    int used = 0;
    QByteArray reply;
    while (used < count && link.fd >= 0) {
        int taken = 0;
        const LoadTerminal::Outcome outcome = link.terminal->takeAnswer(bytes + used, count - used, taken, reply);
        if (outcome == LoadTerminal::Outcome::None)
            break;
        used += taken;
        switch (outcome) {
        case LoadTerminal::Outcome::Progress:
            send(link, reply.constData(), reply.size());
            break;
        case LoadTerminal::Outcome::Ready:
            --m_opening;
            m_ready.store(m_ready.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
            break;
        case LoadTerminal::Outcome::Answered: {
            const int64_t now = nowNs();
            m_latency.add(static_cast<uint32_t>((now - link.terminal->sentAtNs) / 1000));
            m_answered.add();
            if (m_step->limited && m_step->answersLeft.fetch_sub(1, std::memory_order_relaxed) == 1)
                m_step->stopAll();
            if (m_sending)
                schedule(static_cast<int>(&link - m_links.data()), now);
            break;
        }
        default:
            m_bad.add();
            if (taken == 0)
                ++used;  // not an answer unit: look on from the next byte
            break;
        }
    }
    return used;
}

void LoadWorker::send(Link& link, const char* bytes, int size)
{
    if (link.fd < 0)
        return;
    if (link.txOffset < link.tx.size()) {
        link.tx.append(bytes, static_cast<size_t>(size));
        return;
    }
    const ssize_t w = write(link.fd, bytes, static_cast<size_t>(size));
    if (w < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
        closeLink(link, true);
        return;
    }
    const int done = w > 0 ? static_cast<int>(w) : 0;
    if (done < size) {
        link.tx.assign(bytes + done, static_cast<size_t>(size - done));
        link.txOffset = 0;
        watch(static_cast<int>(&link - m_links.data()), true);
    }
}

void LoadWorker::onWritable(Link& link)
{
    while (link.txOffset < link.tx.size()) {
        const ssize_t w = write(link.fd, link.tx.data() + link.txOffset, link.tx.size() - link.txOffset);
        if (w < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        if (w <= 0) {
            closeLink(link, true);
            return;
        }
        link.txOffset += static_cast<size_t>(w);
    }
    link.tx.clear();
    link.txOffset = 0;
    watch(static_cast<int>(&link - m_links.data()), false);
}

void LoadWorker::sendRecord(Link& link, int64_t now)
{
    if (link.recordLimit && link.terminal->recordsSent() >= link.recordLimit)
        return;
    if (m_step->limited && m_step->recordsLeft.fetch_sub(1, std::memory_order_relaxed) <= 0)
        return;
    link.terminal->sentAtNs = now;
    m_sent.add();
    const LoadTerminal::Bytes record = link.terminal->nextRecord();
    send(link, record.data, record.size);
}

void LoadWorker::schedule(int index, int64_t now)
{
    Link& link = m_links[static_cast<size_t>(index)];
    if (m_periodNs == 0) {
        sendRecord(link, now);
        return;
    }
    link.terminal->dueNs += m_periodNs;
    if (link.terminal->dueNs <= now) {
        m_late.add();
        sendRecord(link, now);
    } else {
        m_due.emplace(link.terminal->dueNs, index);
    }
}

void LoadWorker::sendDue(int64_t now)
{
    while (!m_due.empty() && m_due.top().first <= now) {
        const Due due = m_due.top();
        m_due.pop();
        Link& link = m_links[static_cast<size_t>(due.second)];
        if (m_sending && link.fd >= 0 && link.terminal->state() == LoadTerminal::State::Idle) {
            // The terminal was ready in time: any delay here is the generator's own.
            if (now - due.first > kLagNs)
                m_lagged.add();
            sendRecord(link, nowNs());
        }
    }
}

void LoadWorker::run(int64_t periodNs, int64_t startNs, int terminalsInAll, int64_t untilNs)
{
    m_periodNs = periodNs;
    m_sending = true;
    const int64_t n = std::max(1, terminalsInAll);
    for (size_t i = 0; i < m_links.size(); ++i) {
        Link& link = m_links[i];
        if (link.fd < 0 || link.terminal->state() != LoadTerminal::State::Idle)
            continue;
        if (periodNs == 0) {
            sendRecord(link, nowNs());
        } else {
            // Spread the first records over one period.
            link.terminal->dueNs = startNs + periodNs * link.terminal->index() / n;
            m_due.emplace(link.terminal->dueNs, static_cast<int>(i));
        }
    }
    loop(untilNs, nullptr);
    m_sending = false;
    while (!m_due.empty())
        m_due.pop();
}

bool LoadWorker::sendEach(uint32_t count, int64_t untilNs)
{
    m_periodNs = 0;
    m_sending = true;
    uint64_t target = m_answered.get();
    for (Link& link : m_links) {
        if (link.fd < 0 || link.terminal->state() != LoadTerminal::State::Idle)
            continue;
        link.recordLimit = link.terminal->recordsSent() + count;
        target += count;
        sendRecord(link, nowNs());
    }
    loop(untilNs, [&]() { return m_answered.get() >= target; });
    m_sending = false;
    for (Link& link : m_links)
        link.recordLimit = 0;
    return m_answered.get() >= target;
}

void LoadWorker::drain(int64_t quietNs, int64_t untilNs)
{
    int64_t lastProgress = nowNs();
    uint64_t answered = m_answered.get();
    loop(untilNs, [&]() {
        const int64_t now = nowNs();
        if (m_answered.get() != answered) {
            answered = m_answered.get();
            lastProgress = now;
        }
        return m_sent.get() == m_answered.get() || now - lastProgress > quietNs;
    }, kDrainCheckNs);
}

void LoadWorker::idle(int64_t untilNs)
{
    loop(untilNs, nullptr);
}

void LoadWorker::closeLink(Link& link, bool dropped)
{
    if (link.fd < 0)
        return;
    if (link.terminal->state() == LoadTerminal::State::Handshake
        || link.terminal->state() == LoadTerminal::State::Negotiation)
        --m_opening;
    epoll_ctl(m_epoll, EPOLL_CTL_DEL, link.fd, nullptr);
    close(link.fd);
    link.fd = -1;
    link.rx.clear();
    link.tx.clear();
    link.txOffset = 0;
    link.terminal->setClosed();
    if (dropped)
        m_dropped.add();
}

void LoadWorker::disconnectAll()
{
    for (Link& link : m_links) {
        if (link.fd < 0)
            continue;
        if (link.terminal->index() % 2) {
            const linger hard{1, 0};  // close with RST
            setsockopt(link.fd, SOL_SOCKET, SO_LINGER, &hard, sizeof(hard));
        }
        closeLink(link, false);
    }
}

void LoadWorker::countStates(int& notOpened, int (&states)[6]) const
{
    for (const Link& link : m_links) {
        if (link.fd < 0 && link.terminal->state() == LoadTerminal::State::Connecting)
            ++notOpened;
        else
            ++states[static_cast<int>(link.terminal->state())];
    }
}
