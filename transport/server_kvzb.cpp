#include "server_kvzb.h"

#include "kvz_tcpserver.h"
#include "kvzb_host.h"
#include "socket_kvzb.h"

#include <QHostAddress>

Server_KVZB::Server_KVZB(KvzbHost& aHost, const std::vector<FormatDescriptor*>& aFormats, QObject* parent)
    : QObject(parent), host(aHost), formats(aFormats)
{
    qRegisterMetaType<CEvent_Packet*>("CEvent_Packet*");
    qRegisterMetaType<TransportPacket*>("TransportPacket*");
    qRegisterMetaType<Socket_KVZB*>("Socket_KVZB*");
    qRegisterMetaType<QAbstractSocket::SocketError>("QAbstractSocket::SocketError");
    makeListener();
}

// No connection thread outlives the server; the host hears nothing more.
Server_KVZB::~Server_KVZB()
{
    stopAll(true);
}

void Server_KVZB::makeListener()
{
    if (listener) {
        if (listener->isListening())
            listener->close();
        listener->deleteLater();
    }
    listener = new KVZ_TcpServer(this);
    connect(listener, &KVZ_TcpServer::deviceConnected, this, &Server_KVZB::slot_newDeviceConnection);
}

bool Server_KVZB::listenOn(int port)
{
    if (!listener || listener->isListening())
        return false;
    for (Socket_KVZB* connection : connections)
        connection->deleteLater();
    connections.clear();
    if (port < 0 || port > 65535) {
        log(QStringLiteral("Сервер KVZB не слушает порт %1: нет такого порта").arg(port));
        return false;
    }
    if (listener->listen(QHostAddress::AnyIPv4, static_cast<quint16>(port)))
        return true;
    log(QStringLiteral("Сервер KVZB не слушает порт %1: %2").arg(port).arg(listener->errorString()));
    return false;
}

bool Server_KVZB::isListening() const
{
    return listener && listener->isListening();
}

quint16 Server_KVZB::listeningPort() const
{
    return listener ? listener->serverPort() : 0;
}

// Every thread is told to end before the first wait, so the bounded waits of
// the connections run side by side.
void Server_KVZB::stopAll(bool quietly)
{
    if (listener && listener->isListening())
        listener->close();
    for (Socket_KVZB* connection : connections) {
        if (quietly)
            connection->setClosedByServer();
        connection->quit();
    }
    while (!connections.isEmpty())
        removeSocket(connections.first(), quietly);
}

void Server_KVZB::removeSocket(Socket_KVZB* connection, bool mark)
{
    if (!connections.contains(connection))
        return;
    if (mark)
        connection->setClosedByServer();
    connection->quit();
    const bool ended = connection->wait(ThreadWaitMs);
    connections.removeOne(connection);
    if (ended) {
        connection->finishClosed();
        return;
    }
    log(QStringLiteral("Соединение не завершилось за %1 мс").arg(int(ThreadWaitMs)));
    connection->setParent(nullptr);
    connect(connection, &QThread::finished, connection, &QObject::deleteLater);
}

void Server_KVZB::setPacketBreak(bool flag)
{
    splitReplies = flag;
    for (Socket_KVZB* connection : connections)
        connection->setSplitReplies(flag);
}

Socket_KVZB* Server_KVZB::listed(void* identity) const
{
    for (Socket_KVZB* candidate : connections) {
        if (candidate->identity() == identity)
            return candidate;
    }
    return nullptr;
}

void Server_KVZB::closeDevice(void* connection)
{
    if (Socket_KVZB* found = listed(connection))
        removeSocket(found, true);
}

void Server_KVZB::sendCommand(void* connection, const uint8_t* bytes, int count)
{
    if (Socket_KVZB* found = listed(connection))
        found->sendCommand(bytes, count);
}

void Server_KVZB::slot_newDeviceConnection(qintptr descriptor)
{
    Socket_KVZB* connection = new Socket_KVZB(descriptor, ++lastIdentity, formats, host.registeredModule(), this);
    connections.append(connection);
    connection->setSplitReplies(splitReplies);
    connect(connection, &Socket_KVZB::signalDisconnect, this, &Server_KVZB::slot_Received_Disconnect);
    connect(connection, &Socket_KVZB::signalThreadClose, this, &Server_KVZB::slot_ThreadClose);
    connect(connection, qOverload<unsigned char*, int>(&Socket_KVZB::signalReadPacket),
            this, qOverload<unsigned char*, int>(&Server_KVZB::slot_ReadPacket));
    connect(connection, qOverload<unsigned char*, int>(&Socket_KVZB::signalWritePacket),
            this, qOverload<unsigned char*, int>(&Server_KVZB::slot_WritePacket));
    connect(connection, &Socket_KVZB::signalWritePacketLog, this, &Server_KVZB::slot_WritePacketLog);
    connect(connection, &Socket_KVZB::signalObjectHandshake, this, &Server_KVZB::slot_ReadHandshake);
    connect(connection, &Socket_KVZB::signalObjectDisconnect, this, &Server_KVZB::slot_ReadDisconnect);
    connect(connection, qOverload<TransportPacket*>(&Socket_KVZB::signalReadPacket),
            this, qOverload<TransportPacket*>(&Server_KVZB::slot_ReadPacket));
    connect(connection, qOverload<TransportPacket*>(&Socket_KVZB::signalWritePacket),
            this, qOverload<TransportPacket*>(&Server_KVZB::slot_WritePacket));
    connection->start(QThread::NormalPriority);
}

void Server_KVZB::slot_Received_Disconnect(Socket_KVZB* connection, int)
{
    removeSocket(connection, false);
}

void Server_KVZB::slot_ThreadClose(Socket_KVZB* connection, int)
{
    connection->deleteLater();
}

void Server_KVZB::slot_ReadPacket(unsigned char* bytes, int count)
{
    host.sendToHost(MSG_RAW_RECEIVED, bytes, kvzIntArg(count));
}

void Server_KVZB::slot_WritePacket(unsigned char* bytes, int count)
{
    host.sendToHost(MSG_RAW_SENT, bytes, kvzIntArg(count));
}

void Server_KVZB::slot_WritePacketLog(const QString& text)
{
    log(text);
}

void Server_KVZB::log(const QString& text)
{
    QString copy(text);
    host.sendToHost(MSG_LOG_TEXT, &copy, kvzIntArg(copy.size()));
}

void Server_KVZB::slot_ReadHandshake(TransportPacket* packet)
{
    host.sendToHost(MSG_DEVICE_CONNECTED, packet, nullptr);
    if (Socket_KVZB* connection = listed(packet->connection))
        connection->setHostObject(packet->hostObject);
    delete packet;
}

void Server_KVZB::slot_ReadDisconnect(TransportPacket* packet)
{
    sendPacket(MSG_DEVICE_DISCONNECTED, packet);
}

void Server_KVZB::slot_ReadPacket(TransportPacket* packet)
{
    sendPacket(MSG_PACKET_RECEIVED, packet);
}

void Server_KVZB::slot_WritePacket(TransportPacket* packet)
{
    sendPacket(MSG_PACKET_SENT, packet);
}

// The host keeps no pointer to a packet once its message has returned.
void Server_KVZB::sendPacket(int code, TransportPacket* packet)
{
    host.sendToHost(code, packet, nullptr);
    delete packet;
}
