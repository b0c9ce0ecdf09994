#include "load_generator.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

namespace {
constexpr int64_t kMs = 1000000;
constexpr int64_t kTickNs = 100 * kMs;
constexpr int64_t kRetryNs = 50 * kMs;
} // namespace

LoadGenerator::LoadGenerator(uint16_t port, double kvzbShare)
    : m_epoll(epoll_create1(EPOLL_CLOEXEC)), m_port(port), m_kvzbShare(kvzbShare)
{
}

LoadGenerator::~LoadGenerator()
{
    for (Link& link : m_links)
        if (link.fd >= 0)
            close(link.fd);
    if (m_epoll >= 0)
        close(m_epoll);
}

int64_t LoadGenerator::nowNs()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

uint64_t LoadGenerator::outstanding() const
{
    return counters.sent - counters.answered;
}

void LoadGenerator::watch(Link& link, bool writable)
{
    epoll_event ev{};
    ev.events = EPOLLIN | EPOLLRDHUP | (writable ? EPOLLOUT : 0u);
    ev.data.u32 = static_cast<uint32_t>(link.terminal->index());
    epoll_ctl(m_epoll, EPOLL_CTL_MOD, link.fd, &ev);
}

bool LoadGenerator::openSocket(Link& link)
{
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
    ev.data.u32 = static_cast<uint32_t>(link.terminal->index());
    epoll_ctl(m_epoll, EPOLL_CTL_ADD, link.fd, &ev);
    const int r = ::connect(link.fd, reinterpret_cast<sockaddr*>(&a), sizeof(a));
    return r == 0 || errno == EINPROGRESS;
}

bool LoadGenerator::connect(int count, int concurrency, double seconds)
{
    const int first = static_cast<int>(m_links.size());
    m_links.reserve(m_links.size() + static_cast<size_t>(count));
    for (int i = first; i < first + count; ++i) {
        const bool kvzb = std::floor((i + 1) * m_kvzbShare) > std::floor(i * m_kvzbShare);
        Link link;
        link.terminal = std::make_unique<LoadTerminal>(
            i, kvzb ? LoadTerminal::Kind::Kvzb : LoadTerminal::Kind::Zirn);
        m_links.push_back(std::move(link));
    }
    const int target = counters.ready + count;
    const int64_t until = nowNs() + static_cast<int64_t>(seconds * 1e9);
    auto openMore = [this, concurrency]() {
        const int64_t now = nowNs();
        for (auto it = m_retry.begin(); it != m_retry.end() && m_opening < concurrency;) {
            if (it->first > now) {
                ++it;
                continue;
            }
            Link& link = m_links[static_cast<size_t>(it->second)];
            it = m_retry.erase(it);
            if (openSocket(link))
                ++m_opening;
        }
        while (m_opening < concurrency && m_nextToOpen < m_links.size()) {
            Link& link = m_links[m_nextToOpen++];
            if (openSocket(link))
                ++m_opening;
        }
    };
    loop(until, [&]() {
        openMore();
        return counters.ready >= target;
    }, nullptr);
    return counters.ready >= target;
}

void LoadGenerator::loop(int64_t untilNs, const std::function<bool()>& done,
                         const std::function<void()>& tick)
{
    epoll_event events[256];
    int64_t nextTick = nowNs() + kTickNs;
    for (;;) {
        int64_t now = nowNs();
        if (done && done())
            return;
        if (now >= untilNs)
            return;
        if (tick && now >= nextTick) {
            tick();
            nextTick = now + kTickNs;
        }
        sendDue(now);
        int64_t wake = std::min(untilNs, nextTick);
        if (!m_due.empty())
            wake = std::min(wake, m_due.top().first);
        if (!m_retry.empty())
            wake = std::min(wake, now + kRetryNs);
        const int64_t waitNs = wake - now;
        const int timeoutMs = waitNs <= 0 ? 0 : static_cast<int>((waitNs + kMs - 1) / kMs);
        const int n = epoll_wait(m_epoll, events, 256, timeoutMs);
        for (int i = 0; i < n; ++i)
            onEvent(static_cast<int>(events[i].data.u32), events[i].events);
    }
}

void LoadGenerator::onEvent(int index, uint32_t events)
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
        watch(link, false);
        send(link, link.terminal->connected());
        return;
    }
    if (events & EPOLLOUT)
        onWritable(link);
    if (events & (EPOLLIN | EPOLLRDHUP | EPOLLHUP | EPOLLERR))
        onReadable(link);
}

void LoadGenerator::onReadable(Link& link)
{
    uint8_t block[16384];
    for (;;) {
        const ssize_t r = read(link.fd, block, sizeof(block));
        if (r > 0) {
            link.rx.append(reinterpret_cast<const char*>(block), static_cast<int>(r));
            continue;
        }
        if (r < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        if (r < 0 && errno == EINTR)
            continue;
        closeLink(link, true);
        return;
    }
    QByteArray reply;
    for (;;) {
        const int before = link.rxOffset;
        const LoadTerminal::Outcome outcome = link.terminal->takeAnswer(link.rx, link.rxOffset, reply);
        if (outcome == LoadTerminal::Outcome::None)
            break;
        switch (outcome) {
        case LoadTerminal::Outcome::Progress:
            send(link, reply);
            break;
        case LoadTerminal::Outcome::Ready:
            --m_opening;
            ++counters.ready;
            break;
        case LoadTerminal::Outcome::Answered: {
            const int64_t now = nowNs();
            latency.add(static_cast<uint32_t>((now - link.terminal->sentAtNs) / 1000));
            ++counters.answered;
            if (m_sending)
                schedule(link, now);
            break;
        }
        default:
            ++counters.bad;
            if (link.rxOffset == before)
                ++link.rxOffset;  // not an answer unit: look on from the next byte
            break;
        }
    }
    if (link.rxOffset >= link.rx.size()) {
        link.rx.resize(0);  // keeps its capacity
        link.rxOffset = 0;
    } else if (link.rxOffset > 65536) {
        link.rx.remove(0, link.rxOffset);
        link.rxOffset = 0;
    }
}

void LoadGenerator::send(Link& link, const QByteArray& bytes)
{
    if (link.fd < 0)
        return;
    if (link.txOffset < link.tx.size()) {
        link.tx += bytes;
        return;
    }
    const ssize_t w = write(link.fd, bytes.constData(), static_cast<size_t>(bytes.size()));
    const int done = w > 0 ? static_cast<int>(w) : 0;
    if (w < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
        closeLink(link, true);
        return;
    }
    if (done < bytes.size()) {
        link.tx = bytes.mid(done);
        link.txOffset = 0;
        watch(link, true);
    }
}

void LoadGenerator::onWritable(Link& link)
{
    while (link.txOffset < link.tx.size()) {
        const ssize_t w = write(link.fd, link.tx.constData() + link.txOffset,
                                static_cast<size_t>(link.tx.size() - link.txOffset));
        if (w < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        if (w <= 0) {
            closeLink(link, true);
            return;
        }
        link.txOffset += static_cast<int>(w);
    }
    link.tx.clear();
    link.txOffset = 0;
    watch(link, false);
}

void LoadGenerator::sendRecord(Link& link, int64_t now)
{
    if (m_recordLimit && counters.sent >= m_recordLimit)
        return;
    if (link.recordLimit && link.terminal->recordsSent() >= link.recordLimit)
        return;
    link.terminal->sentAtNs = now;
    ++counters.sent;
    send(link, link.terminal->nextRecord());
}

void LoadGenerator::schedule(Link& link, int64_t now)
{
    if (m_periodNs == 0) {
        sendRecord(link, now);
        return;
    }
    link.terminal->dueNs += m_periodNs;
    if (link.terminal->dueNs <= now) {
        ++counters.late;
        sendRecord(link, now);
    } else {
        m_due.emplace(link.terminal->dueNs, link.terminal->index());
    }
}

void LoadGenerator::sendDue(int64_t now)
{
    while (!m_due.empty() && m_due.top().first <= now) {
        const int index = m_due.top().second;
        m_due.pop();
        Link& link = m_links[static_cast<size_t>(index)];
        if (m_sending && link.fd >= 0 && link.terminal->state() == LoadTerminal::State::Idle)
            sendRecord(link, now);
    }
}

void LoadGenerator::run(double ratePerTerminal, double seconds, uint64_t recordLimit,
                        const std::function<void()>& tick)
{
    m_periodNs = ratePerTerminal > 0 ? static_cast<int64_t>(1e9 / ratePerTerminal) : 0;
    m_recordLimit = recordLimit ? counters.sent + recordLimit : 0;
    const uint64_t answerLimit = recordLimit ? counters.answered + recordLimit : 0;
    m_sending = true;
    const int64_t start = nowNs();
    const int64_t n = static_cast<int64_t>(m_links.size());
    for (Link& link : m_links) {
        if (link.fd < 0 || link.terminal->state() != LoadTerminal::State::Idle)
            continue;
        if (m_periodNs == 0) {
            sendRecord(link, start);
        } else {
            // Spread the first records over one period.
            link.terminal->dueNs = start + m_periodNs * link.terminal->index() / n;
            m_due.emplace(link.terminal->dueNs, link.terminal->index());
        }
    }
    loop(start + static_cast<int64_t>(seconds * 1e9),
         [&]() { return answerLimit && counters.answered >= answerLimit; }, tick);
    m_sending = false;
    while (!m_due.empty())
        m_due.pop();
}

bool LoadGenerator::sendEach(uint32_t count, double seconds)
{
    m_periodNs = 0;
    m_recordLimit = 0;
    m_sending = true;
    uint64_t target = counters.answered;
    const int64_t now = nowNs();
    for (Link& link : m_links) {
        if (link.fd < 0 || link.terminal->state() != LoadTerminal::State::Idle)
            continue;
        link.recordLimit = link.terminal->recordsSent() + count;
        target += count;
        sendRecord(link, now);
    }
    loop(now + static_cast<int64_t>(seconds * 1e9), [&]() { return counters.answered >= target; }, nullptr);
    m_sending = false;
    for (Link& link : m_links)
        link.recordLimit = 0;
    return counters.answered >= target;
}

void LoadGenerator::drain(double quietSeconds, double seconds)
{
    const int64_t quiet = static_cast<int64_t>(quietSeconds * 1e9);
    int64_t lastProgress = nowNs();
    uint64_t answered = counters.answered;
    loop(lastProgress + static_cast<int64_t>(seconds * 1e9), [&]() {
        const int64_t now = nowNs();
        if (counters.answered != answered) {
            answered = counters.answered;
            lastProgress = now;
        }
        return outstanding() == 0 || now - lastProgress > quiet;
    }, nullptr);
}

void LoadGenerator::idle(double seconds)
{
    loop(nowNs() + static_cast<int64_t>(seconds * 1e9), nullptr, nullptr);
}

void LoadGenerator::closeLink(Link& link, bool dropped)
{
    if (link.fd < 0)
        return;
    if (link.terminal->state() == LoadTerminal::State::Handshake
        || link.terminal->state() == LoadTerminal::State::Negotiation)
        --m_opening;
    epoll_ctl(m_epoll, EPOLL_CTL_DEL, link.fd, nullptr);
    close(link.fd);
    link.fd = -1;
    link.terminal->setClosed();
    if (dropped)
        ++counters.dropped;
}

void LoadGenerator::disconnectAll()
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

std::string LoadGenerator::describe() const
{
    static const char* names[] = {"connecting", "handshake", "negotiation", "idle", "waiting", "closed"};
    int count[6] = {};
    int notOpened = 0;
    for (const Link& link : m_links) {
        if (link.fd < 0 && link.terminal->state() == LoadTerminal::State::Connecting)
            ++notOpened;
        else
            ++count[static_cast<int>(link.terminal->state())];
    }
    std::string text = "not opened " + std::to_string(notOpened);
    for (int i = 0; i < 6; ++i)
        text += std::string(", ") + names[i] + " " + std::to_string(count[i]);
    return text + ", sent " + std::to_string(counters.sent) + ", answered " + std::to_string(counters.answered)
        + ", wrong " + std::to_string(counters.bad) + ", dropped " + std::to_string(counters.dropped);
}
