#include "answer_server.h"

#include "terminal_wire.h"

#include <arpa/inet.h>
#include <cerrno>
#include <memory>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>
#include <unordered_map>

namespace {
constexpr quint32 kServerId = 1;
constexpr int kZirnRecordSize = 146;  // all 69 fields
const QByteArray kPreamble("@KVZ");

quint32 u32At(const QByteArray& b, int at)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<quint8>(b[at + i]);
    return v;
}
} // namespace

AnswerServer::AnswerServer(int threads) : m_threadCount(threads < 1 ? 1 : threads) {}

AnswerServer::~AnswerServer()
{
    stop();
}

void AnswerServer::setFault(Fault fault, uint32_t every)
{
    m_fault = fault;
    m_faultEvery = every;
}

std::set<QByteArray> AnswerServer::names() const
{
    std::lock_guard<std::mutex> lock(m_namesMutex);
    return m_names;
}

bool AnswerServer::start(uint16_t port)
{
    m_listen = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    const int one = 1;
    setsockopt(m_listen, SOL_SOCKET, SO_REUSEADDR, &one, sizeof(one));
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(port);
    socklen_t len = sizeof(a);
    if (m_listen < 0 || bind(m_listen, reinterpret_cast<sockaddr*>(&a), sizeof(a)) != 0
        || listen(m_listen, 4096) != 0 || getsockname(m_listen, reinterpret_cast<sockaddr*>(&a), &len) != 0) {
        stop();
        return false;
    }
    m_port = ntohs(a.sin_port);
    m_stopFd = eventfd(0, EFD_CLOEXEC);
    for (int i = 0; i < m_threadCount; ++i)
        m_threads.emplace_back([this]() { loop(); });
    return true;
}

void AnswerServer::stop()
{
    if (m_stopFd >= 0) {
        const uint64_t one = 1;
        [[maybe_unused]] const ssize_t w = write(m_stopFd, &one, sizeof(one));  // never read: wakes every loop
    }
    for (std::thread& t : m_threads)
        t.join();
    m_threads.clear();
    if (m_listen >= 0)
        close(m_listen);
    if (m_stopFd >= 0)
        close(m_stopFd);
    m_listen = m_stopFd = -1;
}

void AnswerServer::loop()
{
    const int ep = epoll_create1(EPOLL_CLOEXEC);
    epoll_event ev{};
    ev.events = EPOLLIN;
    ev.data.fd = m_stopFd;
    epoll_ctl(ep, EPOLL_CTL_ADD, m_stopFd, &ev);
    ev.events = EPOLLIN | EPOLLEXCLUSIVE;
    ev.data.fd = m_listen;
    epoll_ctl(ep, EPOLL_CTL_ADD, m_listen, &ev);
    std::unordered_map<int, std::unique_ptr<Connection>> connections;
    epoll_event events[128];
    for (bool running = true; running;) {
        const int n = epoll_wait(ep, events, 128, -1);
        for (int i = 0; i < n; ++i) {
            const int fd = events[i].data.fd;
            if (fd == m_stopFd) {
                running = false;
            } else if (fd == m_listen) {
                // Blocking sockets: one read per readiness, and the answers
                // are small enough for the socket to take them at once.
                for (int c; (c = accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
                    const int one = 1;
                    setsockopt(c, IPPROTO_TCP, TCP_NODELAY, &one, sizeof(one));
                    auto connection = std::make_unique<Connection>();
                    connection->fd = c;
                    epoll_event cev{};
                    cev.events = EPOLLIN | EPOLLRDHUP;
                    cev.data.fd = c;
                    epoll_ctl(ep, EPOLL_CTL_ADD, c, &cev);
                    connections[c] = std::move(connection);
                    ++m_connections;
                }
            } else {
                auto it = connections.find(fd);
                if (it != connections.end() && !onReadable(*it->second)) {
                    epoll_ctl(ep, EPOLL_CTL_DEL, fd, nullptr);
                    close(fd);
                    connections.erase(it);
                }
            }
        }
    }
    for (auto& entry : connections)
        close(entry.first);
    close(ep);
}

bool AnswerServer::onReadable(Connection& c)
{
    char block[65536];
    const ssize_t r = read(c.fd, block, sizeof(block));
    if (r < 0 && (errno == EAGAIN || errno == EINTR))
        return true;
    if (r <= 0) {
        ++m_closed;
        return false;
    }
    c.in.append(block, static_cast<int>(r));
    QByteArray out;
    const bool ok = answerUnits(c, out);
    for (int done = 0; done < out.size();) {
        const ssize_t w = write(c.fd, out.constData() + done, static_cast<size_t>(out.size() - done));
        if (w <= 0)
            return false;
        done += static_cast<int>(w);
    }
    return ok;
}

QByteArray AnswerServer::recordAnswer(const QByteArray& answer)
{
    const uint64_t number = ++m_records;
    if (m_fault == Fault::None || m_faultEvery == 0 || number % m_faultEvery != 0)
        return answer;
    if (m_fault == Fault::NoAnswer)
        return QByteArray();
    QByteArray wrong = answer;
    wrong[wrong.size() - 1] = static_cast<char>(wrong[wrong.size() - 1] ^ 0x01);
    return wrong;
}

bool AnswerServer::answerUnits(Connection& c, QByteArray& out)
{
    for (;;) {
        if (c.in.isEmpty())
            return true;
        if (c.in[0] == '~') {
            if (c.in.size() < 2)
                return true;
            if (c.in[1] != 'T' || c.zirnRecordSize == 0) {
                ++m_rejected;
                return false;
            }
            const int size = 2 + 4 + c.zirnRecordSize + 1;
            if (c.in.size() < size)
                return true;
            const QByteArray frame = c.in.left(size);
            c.in.remove(0, size);
            if (TerminalWire::crc8(frame.left(size - 1)) != static_cast<quint8>(frame[size - 1])) {
                ++m_rejected;
                return false;
            }
            out += recordAnswer(TerminalWire::zirnFrame('T', frame.mid(2, 4)));
            continue;
        }
        if (!kPreamble.startsWith(c.in.left(4))) {
            ++m_rejected;
            return false;
        }
        TerminalWire::KvzbPacket packet;
        if (!TerminalWire::takeKvzbPacket(c.in, packet))
            return true;
        if (!packet.csdOk || !packet.cspOk || packet.preamble != kPreamble || packet.idr != kServerId) {
            ++m_rejected;
            return false;
        }
        const QByteArray& data = packet.data;
        if (data.startsWith("*>S:")) {
            {
                std::lock_guard<std::mutex> lock(m_namesMutex);
                m_names.insert(data.mid(4));
            }
            out += TerminalWire::kvzbPacket(kPreamble, packet.ids, kServerId, "*<S");
        } else if (data.startsWith("*>ZIRN") && data.size() == 19) {
            if (static_cast<quint8>(data[9]) != 69 || data.mid(10) != TerminalWire::fullZirnMask()) {
                ++m_rejected;
                return false;
            }
            c.zirnRecordSize = kZirnRecordSize;
            out += TerminalWire::kvzbPacket(kPreamble, packet.ids, kServerId,
                                            "*<ZIRN" + data.mid(6, 1) + QByteArray("\x0A\x0A", 2));
        } else if (data.startsWith("*>T") && data.size() >= 3 + 5) {
            const QByteArray number = TerminalWire::u32(u32At(data, 4));
            out += recordAnswer(TerminalWire::kvzbPacket(kPreamble, packet.ids, kServerId, "*<T" + number));
        } else {
            ++m_rejected;
            return false;
        }
    }
}
