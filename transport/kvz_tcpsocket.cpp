#include "kvz_tcpsocket.h"

#include <algorithm>

KVZ_TcpSocket::KVZ_TcpSocket(QObject* parent) : QTcpSocket(parent)
{
}

void KVZ_TcpSocket::slot_readyRead()
{
    if (!isReadable())
        return;
    const QByteArray bytes = readAll();
    if (!bytes.isEmpty())
        emit signalBytesRead(bytes);
}

void KVZ_TcpSocket::slot_Write(CEvent_Packet* packet)
{
    if (!packet)
        return;
    writeUnit(reinterpret_cast<const char*>(packet->data), std::min(std::max(packet->size, 0), int(KVZ_PACKET_DATA_SIZE)));
    delete packet;
}

void KVZ_TcpSocket::slot_Write_Buf(const unsigned char* bytes, int count)
{
    if (bytes && count > 0)
        writeUnit(reinterpret_cast<const char*>(bytes), count);
}

void KVZ_TcpSocket::slot_WriteStr(const QString& text)
{
    write(KvzText::toCp1251(text));
    flush();
}

void KVZ_TcpSocket::writeUnit(const char* bytes, int count)
{
    if (split) {
        const int half = count / 2;
        write(bytes, half);
        flush();
        write(bytes + half, count - half);
    } else {
        write(bytes, count);
    }
    flush();
}
