// A terminal under a test's control: a TCP client that sends KVZB packets and
// ZIRN frames built by TerminalWire and collects what the server answers.
// Every wait runs the event loop, so the server may live in the same process.
#ifndef SCRIPTED_TERMINAL_H
#define SCRIPTED_TERMINAL_H

#include "terminal_wire.h"

#include <QByteArray>
#include <QObject>
#include <QTcpSocket>

class ScriptedTerminal : public QObject
{
    Q_OBJECT
public:
    // The identity that packets carry: IDr is the server, IDs the terminal.
    ScriptedTerminal(const QByteArray& preamble = QByteArray("KVZB"), quint32 serverId = 1, quint32 deviceId = 0x12345678,
                     QObject* parent = nullptr);

    bool connectTo(quint16 port, int timeoutMs = 5000);
    bool isConnected() const { return socket.state() == QAbstractSocket::ConnectedState; }

    // A KVZB packet with this terminal's preamble and identifiers.
    QByteArray packet(const QByteArray& data) const;
    void send(const QByteArray& bytes);
    void sendPacket(const QByteArray& data) { send(packet(data)); }
    // Writes the bytes in pieces of pieceSize, each flushed on its own.
    void sendInPieces(const QByteArray& bytes, int pieceSize);

    bool waitForBytes(int count, int timeoutMs = 5000);
    // Exactly count bytes off the front of what has arrived; empty on timeout.
    QByteArray take(int count, int timeoutMs = 5000);
    // One whole KVZB answer; false on timeout.
    bool takeKvzb(TerminalWire::KvzbPacket& answer, int timeoutMs = 5000);
    QByteArray pending() const { return buffer; }

    void closeGracefully();   // FIN
    void resetAbruptly();     // RST
    bool waitForDisconnected(int timeoutMs = 5000);

    QByteArray preamble() const { return pre; }
    quint32 serverId() const { return server; }
    quint32 deviceId() const { return device; }

private slots:
    void slot_readyRead();

private:
    QTcpSocket socket;
    QByteArray buffer;
    QByteArray pre;
    quint32 server;
    quint32 device;
};

#endif // SCRIPTED_TERMINAL_H
