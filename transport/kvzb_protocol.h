// What one connection does with the units that its framing finds: the
// handshake and text commands, records and archives, the ZIRN negotiation and
// frames, the answers written back, and the one command waiting to be sent.
#ifndef KVZB_PROTOCOL_H
#define KVZB_PROTOCOL_H

#include "kvz_abi.h"
#include "kvzb_framing.h"
#include "zirn_record_size.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

class KvzbProtocol : private KvzbFraming::Sink
{
public:
    // Command codes of the classification.
    enum Code {
        CodeNone = 0, CodeHandshake = 1, CodeRecord = 2, CodeArchive = 3, CodeCommandAnswer = 4,
        CodeVersion = 5, CodeState = 6, CodeTmKey = 9, CodeZirnNegotiation = 10,
        CodeZirnEvent = 11, CodeZirnArchive = 12, CodeZirnCurrent = 13
    };
    enum Event { EventHandshake, EventReceived, EventSent };
    enum { PendingSize = 512, ZirnFormatNumber = 176 };

    // Where the connection's packets, writes and log lines go.
    class Output
    {
    public:
        virtual ~Output() = default;
        virtual bool outputRunning() const = 0;
        virtual void outputPacket(Event event, const TransportPacket& packet) = 0;
        virtual void outputWrite(const uint8_t* bytes, int count) = 0;
        virtual void outputLog(const QString& text) = 0;
    };

    KvzbProtocol(Output& output, void* module, void* connection, const std::vector<FormatDescriptor*>& formats);

    void receive(const uint8_t* bytes, int count) { framing.receive(bytes, count, *this); }
    void clearBuffer() { framing.clear(); }
    // A command from the host: sent at once once ZIRN is negotiated, else kept
    // until the device's next empty packet.
    void sendCommand(const uint8_t* bytes, int count);
    void setHostObject(void* value) { hostObject = value; }
    TransportPacket disconnectPacket() const;

    static int classify(const uint8_t* text, int count);

    int protocolState() const { return state; }
    uint32_t deviceId() const { return framing.deviceId(); }
    QString deviceIdText() const { return deviceIdDecimal; }
    int formatNumber() const { return format; }
    int zirnRecordSize() const { return zirnSize; }
    bool commandPending() const { return pendingLength >= 0; }

private:
    bool framingActive() const override { return output.outputRunning(); }
    void framingUnit(int kind, const uint8_t* bytes, int size) override;
    void framingLog(const QString& text) override { output.outputLog(text); }

    void handlePacket(const uint8_t* packet, int size);
    void handleFrame(const uint8_t* frame, int size);
    void handleHandshake(const uint8_t* packet, int size);
    void handleRecord(const uint8_t* packet, int size);
    void handleArchive(const uint8_t* packet, int size);
    void handleNegotiation(const uint8_t* packet, int size);
    bool knowsFormat();
    void setFormat(int number);
    void setProtocolState(int value);
    void logShort(const char* command, int size);

    void sendText(const QByteArray& text);
    void sendTextAndBytes(const QByteArray& text, const uint8_t* bytes, int count);
    void sendRaw(const uint8_t* bytes, int count);
    void report(int sentState, const uint8_t* bytes, int count);

    void emitPacket(Event event, int type, int packetState, const uint8_t* bytes, int count);
    TransportPacket makePacket(int type, int packetState, int formatValue, const uint8_t* bytes, int count) const;

    Output& output;
    KvzbFraming framing;
    void* module;
    void* connection;
    void* hostObject = nullptr;
    std::vector<FormatDescriptor*> formats;

    int state = PS_NONE;
    QByteArray deviceName;
    QString deviceIdDecimal;
    int format = 0;
    int numberOffset = 0;
    int recordSize = 0;
    int zirnSize = 0;
    uint8_t fieldMask[ZIRN_MASK_SIZE] = {};
    uint8_t fieldCount = 0;

    uint8_t pending[PendingSize] = {};
    int pendingLength = -1; // -1: no command waiting
};

#endif // KVZB_PROTOCOL_H
