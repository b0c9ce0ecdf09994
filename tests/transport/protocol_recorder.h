// Records what a connection's protocol hands out, so tests can compare it
// with bytes and packets written out by hand.
#ifndef PROTOCOL_RECORDER_H
#define PROTOCOL_RECORDER_H

#include "kvzb_framing.h"
#include "kvzb_protocol.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

struct RecordedPacket {
    int event = 0;
    int type = 0;
    int state = 0;
    int format = 0;
    void* hostObject = nullptr;
    QByteArray name;
    quint32 deviceId = 0;
    QByteArray data;

    // Comparable text of everything but the host object.
    QByteArray text() const
    {
        return QByteArray::number(event) + " t" + QByteArray::number(type) + " s" + QByteArray::number(state)
            + " f" + QByteArray::number(format) + " " + name + " " + QByteArray::number(deviceId, 16) + " "
            + data.toHex(' ').toUpper();
    }
};

class ProtocolRecorder : public KvzbProtocol::Output
{
public:
    bool running = true;
    QList<RecordedPacket> packets;
    QList<QByteArray> writes;
    QStringList logs;

    bool outputRunning() const override { return running; }
    void outputPacket(KvzbProtocol::Event event, const TransportPacket& packet) override
    {
        RecordedPacket record;
        record.event = event;
        record.type = packet.type;
        record.state = packet.protocolState;
        record.format = packet.formatNumber;
        record.hostObject = packet.hostObject;
        record.name = QByteArray(packet.deviceName);
        record.deviceId = packet.deviceId;
        record.data = QByteArray(reinterpret_cast<const char*>(packet.data), packet.length);
        packets.append(record);
    }
    void outputWrite(const uint8_t* bytes, int count) override
    {
        writes.append(QByteArray(reinterpret_cast<const char*>(bytes), count).toHex(' ').toUpper());
    }
    void outputLog(const QString& text) override { logs.append(text); }

    QList<QByteArray> packetTexts() const
    {
        QList<QByteArray> texts;
        for (const RecordedPacket& packet : packets)
            texts.append(packet.text());
        return texts;
    }
    void clear()
    {
        packets.clear();
        writes.clear();
        logs.clear();
    }
};

// Records what the framing takes out of its buffer.
class FramingRecorder : public KvzbFraming::Sink
{
public:
    QList<QByteArray> units; // "<kind> <hex>"
    QStringList logs;

    bool framingActive() const override { return true; }
    void framingUnit(int kind, const uint8_t* bytes, int size) override
    {
        units.append(QByteArray::number(kind) + " "
                     + QByteArray(reinterpret_cast<const char*>(bytes), size).toHex(' ').toUpper());
    }
    void framingLog(const QString& text) override { logs.append(text); }
};

#endif // PROTOCOL_RECORDER_H
