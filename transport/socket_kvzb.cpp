#include "socket_kvzb.h"

#include "kvz_tcpsocket.h"

#include <QCoreApplication>

Socket_KVZB::Socket_KVZB(qintptr aDescriptor, quintptr identity, const std::vector<FormatDescriptor*>& formats,
                         void* module, QObject* server)
    : QThread(server), descriptor(aDescriptor), connectionIdentity(reinterpret_cast<void*>(identity)),
      protocol(*this, module, connectionIdentity, formats)
{
}

void Socket_KVZB::setSplitReplies(bool flag)
{
    splitReplies = flag;
    emit signalSplitReplies(flag);
}

void Socket_KVZB::sendCommand(const uint8_t* bytes, int count)
{
    if (running)
        protocol.sendCommand(bytes, count);
}

void Socket_KVZB::run()
{
    KVZ_TcpSocket socket;
    if (!socket.setSocketDescriptor(descriptor)) {
        emit error(socket.error());
        return;
    }
    // Bytes that arrive with the peer's close are read before the close is passed on.
    connect(&socket, &QIODevice::readyRead, &socket, &KVZ_TcpSocket::slot_readyRead);
    connect(&socket, &QAbstractSocket::disconnected, &socket, &KVZ_TcpSocket::slot_readyRead);
    connect(&socket, &KVZ_TcpSocket::signalBytesRead, this, &Socket_KVZB::slot_readyRead);
    connect(&socket, &QAbstractSocket::disconnected, this, &Socket_KVZB::slot_Device_Disconnect);
    connect(&socket, &QAbstractSocket::errorOccurred, this, &Socket_KVZB::slot_Error);
    connect(this, &Socket_KVZB::SocketWrite, &socket, &KVZ_TcpSocket::slot_Write);
    connect(this, &Socket_KVZB::signalSplitReplies, &socket, &KVZ_TcpSocket::setSplit);
    socket.setSplit(splitReplies); // after the connection, so no change is lost
    everConnected = true;
    running = true;

    exec();

    // Answers queued before the end still go out.
    QCoreApplication::sendPostedEvents(&socket, QEvent::MetaCall);
    disconnect(&socket, nullptr, this, nullptr);
    disconnect(this, nullptr, &socket, nullptr);
    running = false;
    if (!closedByDevice && socket.state() != QAbstractSocket::UnconnectedState) {
        socket.disconnectFromHost();
        if (socket.state() != QAbstractSocket::UnconnectedState)
            socket.waitForDisconnected(CloseWaitMs);
        socket.abort();
    }
}

void Socket_KVZB::slot_readyRead(const QByteArray& bytes)
{
    if (!running)
        return;
    QByteArray raw(bytes);
    emit signalReadPacket(reinterpret_cast<unsigned char*>(raw.data()), raw.size());
    protocol.receive(reinterpret_cast<const uint8_t*>(bytes.constData()), bytes.size());
}

void Socket_KVZB::slot_Device_Disconnect()
{
    if (disconnectReported || closedByServer)
        return;
    closedByDevice = true;
    reportDisconnect();
    if (running)
        emit signalDisconnect(this, deviceIdValue());
}

void Socket_KVZB::finishClosed()
{
    if (everConnected && !disconnectReported && !closedByServer)
        reportDisconnect();
    disconnectReported = true;
    emit signalThreadClose(this, deviceIdValue());
}

void Socket_KVZB::reportDisconnect()
{
    disconnectReported = true;
    protocol.clearBuffer();
    emit signalObjectDisconnect(new TransportPacket(protocol.disconnectPacket()));
}

void Socket_KVZB::outputPacket(KvzbProtocol::Event event, const TransportPacket& packet)
{
    TransportPacket* copy = new TransportPacket(packet);
    switch (event) {
    case KvzbProtocol::EventHandshake:
        emit signalObjectHandshake(copy);
        break;
    case KvzbProtocol::EventReceived:
        emit signalReadPacket(copy);
        break;
    case KvzbProtocol::EventSent:
        emit signalWritePacket(copy);
        break;
    }
}

void Socket_KVZB::outputWrite(const uint8_t* bytes, int count)
{
    emit SocketWrite(new CEvent_Packet(bytes, count));
}
