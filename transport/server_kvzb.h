// The transport's listening side: accepts terminals, keeps one connection
// thread per terminal and turns the connections' signals into host messages.
#ifndef SERVER_KVZB_H
#define SERVER_KVZB_H

#include "kvz_abi.h"

#include <QList>
#include <QObject>
#include <QString>

#include <vector>

class KvzbHost;
class KVZ_TcpServer;
class Socket_KVZB;

class Server_KVZB : public QObject
{
    Q_OBJECT
public:
    // The longest the GUI thread waits for one connection thread to end.
    enum { ThreadWaitMs = 10000 };

    Server_KVZB(KvzbHost& host, const std::vector<FormatDescriptor*>& formats, QObject* parent);
    ~Server_KVZB() override;

    bool listenOn(int port);
    bool isListening() const;
    quint16 listeningPort() const;
    // Ends every connection; quietly ends them without telling the host.
    void stopAll(bool quietly = false);
    void removeSocket(Socket_KVZB* connection, bool mark);
    void setPacketBreak(bool flag);
    void closeDevice(void* connection);
    void sendCommand(void* connection, const uint8_t* bytes, int count);
    int connectionCount() const { return connections.size(); }

public slots:
    void slot_newDeviceConnection(qintptr descriptor);
    void slot_Received_Disconnect(Socket_KVZB* connection, int deviceId);
    void slot_ThreadClose(Socket_KVZB* connection, int deviceId);
    void slot_ReadPacket(unsigned char* bytes, int count);
    void slot_WritePacket(unsigned char* bytes, int count);
    void slot_WritePacketLog(const QString& text);
    void slot_ReadHandshake(TransportPacket* packet);
    void slot_ReadDisconnect(TransportPacket* packet);
    void slot_ReadPacket(TransportPacket* packet);
    void slot_WritePacket(TransportPacket* packet);

private:
    void makeListener();
    // The live connection that a packet's connection field names; null
    // once that connection has ended.
    Socket_KVZB* listed(void* identity) const;
    void sendPacket(int code, TransportPacket* packet);
    void log(const QString& text);

    KvzbHost& host;
    KVZ_TcpServer* listener = nullptr;
    QList<Socket_KVZB*> connections;
    std::vector<FormatDescriptor*> formats;
    bool splitReplies = false;
    quintptr lastIdentity = 0;   // identities of connections: 1, 2, 3, ... never reused
};

#endif // SERVER_KVZB_H
