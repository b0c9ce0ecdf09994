// Stands in for the host behind the server: records every message, copying
// what it needs during the call, and names each handshake's row by a serial.
#ifndef RECORDING_HOST_H
#define RECORDING_HOST_H

#include "kvz_abi.h"
#include "kvzb_host.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

struct HostMessage {
    int code = 0;
    int type = -1;
    int state = 0;
    void* connection = nullptr;
    void* hostObject = nullptr;
    void* module = nullptr;
    QByteArray name;
    QByteArray data;
    QString text;
};

class RecordingHost : public KvzbHost
{
public:
    QList<HostMessage> messages;
    quintptr serial = 0;
    void* module = reinterpret_cast<void*>(0x4242);
    std::function<void(const HostMessage&)> onMessage;

    void sendToHost(int code, void* data, void* out) override
    {
        HostMessage message;
        message.code = code;
        if (code == MSG_LOG_TEXT) {
            message.text = *static_cast<QString*>(data);
        } else if (code == MSG_RAW_RECEIVED || code == MSG_RAW_SENT) {
            message.data = QByteArray(static_cast<const char*>(data), kvzArgInt(out));
        } else {
            TransportPacket* packet = static_cast<TransportPacket*>(data);
            if (code == MSG_DEVICE_CONNECTED)
                packet->hostObject = reinterpret_cast<void*>(++serial);
            message.type = packet->type;
            message.state = packet->protocolState;
            message.connection = packet->connection;
            message.hostObject = packet->hostObject;
            message.module = packet->module;
            message.name = QByteArray(packet->deviceName);
            message.data = QByteArray(reinterpret_cast<const char*>(packet->data), packet->validLength());
        }
        messages.append(message);
        if (onMessage)
            onMessage(message);
    }
    void* registeredModule() const override { return module; }

    QList<HostMessage> withCode(int code) const
    {
        QList<HostMessage> found;
        for (const HostMessage& message : messages) {
            if (message.code == code)
                found.append(message);
        }
        return found;
    }
    int count(int code) const { return withCode(code).size(); }
    QStringList logs() const
    {
        QStringList lines;
        for (const HostMessage& message : withCode(MSG_LOG_TEXT))
            lines.append(message.text);
        return lines;
    }
};

#endif // RECORDING_HOST_H
