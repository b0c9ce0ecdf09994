// One accepted terminal connection. The object lives on the GUI thread, where
// its slots frame and answer the stream; its own thread runs only the event
// loop of the connection's socket, which reads and writes the bytes.
#ifndef SOCKET_KVZB_H
#define SOCKET_KVZB_H

#include "kvz_abi.h"
#include "kvzb_protocol.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <QThread>

#include <atomic>
#include <vector>

Q_DECLARE_METATYPE(CEvent_Packet*)
Q_DECLARE_METATYPE(TransportPacket*)

class Socket_KVZB : public QThread, private KvzbProtocol::Output
{
    Q_OBJECT
public:
    // How long the socket's thread lets queued answers go out when the server
    // ends the connection, before it aborts it.
    enum { CloseWaitMs = 1000 };

    // identity names this connection in every packet it sends (their
    // connection field); the server never gives the same one twice, so a
    // packet kept after the connection is gone names no later connection.
    Socket_KVZB(qintptr descriptor, quintptr identity, const std::vector<FormatDescriptor*>& formats,
                void* module, QObject* server);

    void setSplitReplies(bool flag);
    void setHostObject(void* value) { protocol.setHostObject(value); }
    void sendCommand(const uint8_t* bytes, int count);
    void setClosedByServer() { closedByServer = true; }
    // Called by the server once the thread has finished: reports a
    // disconnect that nobody reported yet and lets the server free the object.
    void finishClosed();

    int deviceIdValue() const { return static_cast<int>(protocol.deviceId()); }
    void* identity() const { return connectionIdentity; }

signals:
    void error(QAbstractSocket::SocketError socketError);
    void signalDisconnect(Socket_KVZB* connection, int deviceId);
    void signalThreadClose(Socket_KVZB* connection, int deviceId);
    void signalReadPacket(unsigned char* bytes, int count);
    void signalWritePacket(unsigned char* bytes, int count);
    void signalWritePacketLog(const QString& text);
    void SocketWriteBuf(const unsigned char* bytes, int count);
    void SocketWrite(CEvent_Packet* packet);
    void signalObjectHandshake(TransportPacket* packet);
    void signalObjectDisconnect(TransportPacket* packet);
    void signalReadPacket(TransportPacket* packet);
    void signalWritePacket(TransportPacket* packet);
    void signalSplitReplies(bool flag);

public slots:
    void slot_readyRead(const QByteArray& bytes);
    void slot_Device_Disconnect();
    void slot_Error(QAbstractSocket::SocketError) {}

protected:
    void run() override;

private:
    bool outputRunning() const override { return running; }
    void outputPacket(KvzbProtocol::Event event, const TransportPacket& packet) override;
    void outputWrite(const uint8_t* bytes, int count) override;
    void outputLog(const QString& text) override { emit signalWritePacketLog(text); }
    void reportDisconnect();

    std::atomic<bool> running{false};
    std::atomic<bool> closedByDevice{false};
    std::atomic<bool> closedByServer{false};
    std::atomic<bool> everConnected{false};
    bool disconnectReported = false;
    qintptr descriptor;
    void* connectionIdentity;
    std::atomic<bool> splitReplies{false};
    KvzbProtocol protocol;
};

#endif // SOCKET_KVZB_H
