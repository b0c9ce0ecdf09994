#include "scripted_terminal.h"

#include <QHostAddress>
#include <QTest>

#include <sys/socket.h>

ScriptedTerminal::ScriptedTerminal(const QByteArray& aPreamble, quint32 serverId, quint32 deviceId, QObject* parent)
    : QObject(parent), pre(aPreamble), server(serverId), device(deviceId)
{
    connect(&socket, &QIODevice::readyRead, this, &ScriptedTerminal::slot_readyRead);
}

bool ScriptedTerminal::connectTo(quint16 port, int timeoutMs)
{
    socket.connectToHost(QHostAddress::LocalHost, port);
    return QTest::qWaitFor([this] { return socket.state() == QAbstractSocket::ConnectedState
                                          || socket.state() == QAbstractSocket::UnconnectedState; },
                           timeoutMs)
        && isConnected();
}

QByteArray ScriptedTerminal::packet(const QByteArray& data) const
{
    return TerminalWire::kvzbPacket(pre, server, device, data);
}

void ScriptedTerminal::send(const QByteArray& bytes)
{
    socket.write(bytes);
    socket.flush();
}

void ScriptedTerminal::sendInPieces(const QByteArray& bytes, int pieceSize)
{
    for (int at = 0; at < bytes.size(); at += pieceSize) {
        socket.write(bytes.mid(at, pieceSize));
        socket.flush();
        (void)QTest::qWaitFor([this] { return socket.bytesToWrite() == 0; }, 1000);
    }
}

void ScriptedTerminal::slot_readyRead()
{
    buffer += socket.readAll();
}

bool ScriptedTerminal::waitForBytes(int count, int timeoutMs)
{
    return QTest::qWaitFor([this, count] { slot_readyRead(); return buffer.size() >= count; }, timeoutMs);
}

QByteArray ScriptedTerminal::take(int count, int timeoutMs)
{
    if (!waitForBytes(count, timeoutMs))
        return QByteArray();
    const QByteArray front = buffer.left(count);
    buffer.remove(0, count);
    return front;
}

bool ScriptedTerminal::takeKvzb(TerminalWire::KvzbPacket& answer, int timeoutMs)
{
    bool taken = false;
    (void)QTest::qWaitFor([this, &answer, &taken] {
        slot_readyRead();
        taken = TerminalWire::takeKvzbPacket(buffer, answer);
        return taken;
    }, timeoutMs);
    return taken;
}

void ScriptedTerminal::closeGracefully()
{
    socket.disconnectFromHost();
}

void ScriptedTerminal::resetAbruptly()
{
    // A zero linger time makes the close send RST instead of FIN.
    const qintptr handle = socket.socketDescriptor();
    if (handle >= 0) {
        struct linger noLinger { 1, 0 };
        ::setsockopt(static_cast<int>(handle), SOL_SOCKET, SO_LINGER, &noLinger, sizeof(noLinger));
    }
    socket.abort();
}

bool ScriptedTerminal::waitForDisconnected(int timeoutMs)
{
    return QTest::qWaitFor([this] { slot_readyRead(); return socket.state() == QAbstractSocket::UnconnectedState; },
                           timeoutMs);
}
