// The listener: reports each accepted socket descriptor instead of making a
// socket itself, so the connection's thread can take it over.
#ifndef KVZ_TCPSERVER_H
#define KVZ_TCPSERVER_H

#include <QTcpServer>

class KVZ_TcpServer : public QTcpServer
{
    Q_OBJECT
public:
    explicit KVZ_TcpServer(QObject* parent = nullptr) : QTcpServer(parent) {}

signals:
    void deviceConnected(qintptr descriptor);

protected:
    void incomingConnection(qintptr descriptor) override { emit deviceConnected(descriptor); }
};

#endif // KVZ_TCPSERVER_H
