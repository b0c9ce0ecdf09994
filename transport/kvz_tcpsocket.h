// The socket of one connection. It lives on its connection's thread: it reads
// everything that arrives and hands the bytes on by a signal, and writes the
// units queued to it, optionally in two halves.
#ifndef KVZ_TCPSOCKET_H
#define KVZ_TCPSOCKET_H

#include "kvz_abi.h"

#include <QByteArray>
#include <QTcpSocket>

class KVZ_TcpSocket : public QTcpSocket
{
    Q_OBJECT
public:
    explicit KVZ_TcpSocket(QObject* parent = nullptr);

signals:
    void signalBytesRead(const QByteArray& bytes);

public slots:
    void setSplit(bool flag) { split = flag; }
    void slot_readyRead();
    void slot_Write(CEvent_Packet* packet);
    void slot_Write_Buf(const unsigned char* bytes, int count);
    void slot_WriteStr(const QString& text);

private:
    void writeUnit(const char* bytes, int count);

    bool split = false;
};

#endif // KVZ_TCPSOCKET_H
