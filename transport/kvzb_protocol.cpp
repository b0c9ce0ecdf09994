#include "kvzb_protocol.h"

#include "kvzb_checksum.h"

#include <algorithm>
#include <cstring>

namespace {

const int header = KvzbFraming::HeaderSize;

} // namespace

KvzbProtocol::KvzbProtocol(Output& anOutput, void* aModule, void* aConnection,
                           const std::vector<FormatDescriptor*>& aFormats)
    : output(anOutput), module(aModule), connection(aConnection), formats(aFormats)
{
}

int KvzbProtocol::classify(const uint8_t* bytes, int count)
{
    // the compared text ends at the first zero byte
    const char* text = reinterpret_cast<const char*>(bytes);
    const int width = std::max(0, count);
    const void* nul = std::memchr(text, 0, static_cast<size_t>(width));
    const QByteArray prefix(text, nul ? static_cast<int>(static_cast<const char*>(nul) - text) : width);
    if (prefix.startsWith("*>TMKEY")) return CodeTmKey;
    if (prefix.startsWith("*>S:"))    return CodeHandshake;
    if (prefix.startsWith("*>A"))     return CodeArchive;
    if (prefix.startsWith("*>T"))     return CodeRecord;
    if (prefix.startsWith("*@C"))     return CodeCommandAnswer;
    if (prefix.startsWith("*#A"))     return CodeState;
    if (prefix.startsWith("*#V"))     return CodeVersion;
    if (prefix.startsWith("*>ZIRN"))  return CodeZirnNegotiation;
    if (prefix.startsWith("~C"))      return CodeZirnCurrent;
    if (prefix.startsWith("~T"))      return CodeZirnEvent;
    if (prefix.startsWith("~A"))      return CodeZirnArchive;
    return CodeNone;
}

void KvzbProtocol::framingUnit(int kind, const uint8_t* bytes, int size)
{
    if (kind == KvzbFraming::KindKvzb)
        handlePacket(bytes, size);
    else
        handleFrame(bytes, size);
}

void KvzbProtocol::handlePacket(const uint8_t* packet, int size)
{
    const int dataLength = size - header;
    if (dataLength == 0) {
        emitPacket(EventReceived, PT_PING, PS_KVZB, packet, size);
        if (commandPending())
            sendTextAndBytes(QByteArray(), nullptr, 0);
        return;
    }
    switch (classify(packet + header, std::min(8, dataLength))) {
    case CodeHandshake:
        handleHandshake(packet, size);
        break;
    case CodeRecord:
        handleRecord(packet, size);
        break;
    case CodeArchive:
        handleArchive(packet, size);
        break;
    case CodeCommandAnswer:
        emitPacket(EventReceived, PT_COMMAND_ANSWER, state, packet, size);
        break;
    case CodeVersion:
        emitPacket(EventReceived, PT_VERSION, state, packet, size);
        break;
    case CodeState:
        emitPacket(EventReceived, PT_STATE, state, packet, size);
        break;
    case CodeTmKey:
        emitPacket(EventReceived, PT_TMKEY, state, packet, size);
        sendText("*<TMKEY");
        break;
    case CodeZirnNegotiation:
        handleNegotiation(packet, size);
        break;
    default:
        break;
    }
}

void KvzbProtocol::handleHandshake(const uint8_t* packet, int size)
{
    deviceIdDecimal = QString::number(framing.deviceId());
    const char* name = reinterpret_cast<const char*>(packet + 20);
    const int available = std::min(size - 20, KVZ_DEVICE_NAME_SIZE - 1);
    const void* nul = std::memchr(name, 0, static_cast<size_t>(available));
    deviceName = QByteArray(name, nul ? static_cast<int>(static_cast<const char*>(nul) - name) : available);
    setProtocolState(PS_KVZB);
    output.outputPacket(EventHandshake, makePacket(PT_HANDSHAKE, PS_KVZB, 0, packet, size));
    sendText("*<S");
}

void KvzbProtocol::handleRecord(const uint8_t* packet, int size)
{
    // header, "*>T", then one record
    const int recordStart = header + 3;
    if (size <= recordStart) {
        logShort("*>T", size);
        return;
    }
    if (format == 0)
        setFormat(packet[recordStart]);
    if (!knowsFormat())
        return;
    if (numberOffset < 0 || numberOffset > size - recordStart - 4) {
        logShort("*>T", size);
        return;
    }
    const int numberAt = recordStart + numberOffset;
    emitPacket(EventReceived, PT_RECORD, PS_KVZB, packet, size);
    sendTextAndBytes("*<T", packet + numberAt, 4);
}

void KvzbProtocol::handleArchive(const uint8_t* packet, int size)
{
    // header, "*>A", the count, then the records
    const int countAt = header + 3;
    const int recordsStart = countAt + 1;
    if (size <= countAt || (format == 0 && size <= recordsStart)) {
        logShort("*>A", size);
        return;
    }
    if (format == 0)
        setFormat(packet[recordsStart]);
    if (!knowsFormat())
        return;
    emitPacket(EventReceived, PT_ARCHIVE, PS_KVZB, packet, size);
    sendTextAndBytes("*<A", packet + countAt, 1);
}

void KvzbProtocol::handleNegotiation(const uint8_t* packet, int size)
{
    // header, "*>ZIRN", protocol byte, two bytes, field count, field mask
    static const uint8_t accepted[3] = { 0xB0, 0x0A, 0x0A };
    const int protocolAt = header + 6;
    const int countAt = protocolAt + 3;
    const int maskAt = countAt + 1;
    if (size < maskAt + ZIRN_MASK_SIZE) {
        logShort("*>ZIRN", size);
    } else {
        setFormat(packet[protocolAt]);
        fieldCount = packet[countAt];
        std::memcpy(fieldMask, packet + maskAt, ZIRN_MASK_SIZE);
        if (fieldCount == ZIRN_FIELD_COUNT) {
            zirnSize = ::zirnRecordSize(fieldMask);
            setProtocolState(PS_ZIRN);
            emitPacket(EventReceived, PT_ZIRN_HANDSHAKE, PS_ZIRN, packet, size);
        } else {
            output.outputLog(QStringLiteral("Неверный размер структуры данных: %1").arg(fieldCount));
        }
    }
    sendTextAndBytes("*<ZIRN", accepted, 3);
}

void KvzbProtocol::handleFrame(const uint8_t* frame, int size)
{
    if (size == 1) {
        output.outputPacket(EventReceived,
                            makePacket(PT_ZIRN_PING, PS_ZIRN, ZirnFormatNumber, frame, size));
        return;
    }
    uint8_t answer[7] = { frame[0], frame[1] };
    switch (classify(frame, 3)) {
    case CodeZirnCurrent:
        emitPacket(EventReceived, PT_ZIRN_CURRENT, PS_ZIRN, frame, size);
        answer[2] = crc8(answer, 2);
        answer[3] = 0x00;
        sendRaw(answer, 4);
        break;
    case CodeZirnEvent:
        emitPacket(EventReceived, PT_ZIRN_EVENT, PS_ZIRN, frame, size);
        std::memcpy(answer + 2, frame + 2, 4);
        answer[6] = crc8(answer, 6);
        sendRaw(answer, 7);
        break;
    case CodeZirnArchive:
        emitPacket(EventReceived, PT_ZIRN_ARCHIVE, PS_ZIRN, frame, size);
        answer[2] = frame[2];
        answer[3] = crc8(answer, 3);
        sendRaw(answer, 4);
        break;
    default:
        break;
    }
}

// The record-number offset and record size of the connection's format, from
// the host's descriptors; false when the host knows no such format.
bool KvzbProtocol::knowsFormat()
{
    if (numberOffset != 0 && recordSize != 0)
        return true;
    for (const FormatDescriptor* descriptor : formats) {
        if (descriptor && descriptor->formatNumber == format) {
            numberOffset = descriptor->numberOffset;
            recordSize = descriptor->recordSize;
            return true;
        }
    }
    return false;
}

void KvzbProtocol::setFormat(int number)
{
    if (number == format)
        return;
    format = number;
    numberOffset = 0;
    recordSize = 0;
}

void KvzbProtocol::setProtocolState(int value)
{
    state = value;
    framing.setZirnFrames(state == PS_ZIRN, zirnSize);
}

void KvzbProtocol::logShort(const char* command, int size)
{
    output.outputLog(QStringLiteral("Неполный пакет %1: %2 байт").arg(QLatin1String(command)).arg(size));
}

void KvzbProtocol::sendCommand(const uint8_t* bytes, int count)
{
    if (count < 0)
        return;
    if (state == PS_ZIRN) {
        sendTextAndBytes(QByteArray(), bytes, count);
        return;
    }
    if (count > PendingSize) {
        output.outputLog(QStringLiteral("Команда длиной %1 байт не помещается в очередь: наибольшая %2 байт")
                             .arg(count).arg(int(PendingSize)));
        return;
    }
    std::memset(pending, 0, sizeof(pending));
    if (count > 0)
        std::memcpy(pending, bytes, static_cast<size_t>(count));
    pendingLength = count;
}

// A waiting command goes out in place of the answer.
void KvzbProtocol::sendTextAndBytes(const QByteArray& text, const uint8_t* bytes, int count)
{
    if (!output.outputRunning())
        return;
    QByteArray packet;
    if (commandPending()) {
        packet = framing.buildPacket(QByteArray(), pending, pendingLength);
        pendingLength = -1;
    } else {
        packet = framing.buildPacket(text, bytes, count);
        if (packet.isEmpty()) {
            output.outputLog(QStringLiteral("Команда длиной %1 байт не помещается в пакет: наибольшая %2 байт")
                                 .arg(text.size() + count).arg(int(KvzbFraming::MaxDataSize)));
            return;
        }
    }
    const uint8_t* out = reinterpret_cast<const uint8_t*>(packet.constData());
    output.outputWrite(out, packet.size());
    report(PS_KVZB, out, packet.size());
}

void KvzbProtocol::sendText(const QByteArray& text)
{
    if (!output.outputRunning())
        return;
    const QByteArray packet = framing.buildPacket(text);
    const uint8_t* out = reinterpret_cast<const uint8_t*>(packet.constData());
    output.outputWrite(out, packet.size());
    report(PS_KVZB, out, packet.size());
}

void KvzbProtocol::sendRaw(const uint8_t* bytes, int count)
{
    if (!output.outputRunning())
        return;
    output.outputWrite(bytes, count);
    report(PS_ZIRN, bytes, count);
}

void KvzbProtocol::report(int sentState, const uint8_t* bytes, int count)
{
    output.outputPacket(EventSent, makePacket(PT_CLOSED_OR_SENT, sentState, format, bytes, count));
}

void KvzbProtocol::emitPacket(Event event, int type, int packetState, const uint8_t* bytes, int count)
{
    output.outputPacket(event, makePacket(type, packetState, format, bytes, count));
}

TransportPacket KvzbProtocol::disconnectPacket() const
{
    return makePacket(PT_CLOSED_OR_SENT, PS_KVZB, 0, nullptr, 0);
}

TransportPacket KvzbProtocol::makePacket(int type, int packetState, int formatValue,
                                         const uint8_t* bytes, int count) const
{
    TransportPacket packet;
    packet.clear();
    packet.module = module;
    packet.connection = connection;
    packet.hostObject = hostObject;
    packet.protocolState = packetState;
    packet.type = type;
    packet.formatNumber = formatValue;
    std::memcpy(packet.deviceName, deviceName.constData(),
                static_cast<size_t>(std::min(deviceName.size(), KVZ_DEVICE_NAME_SIZE - 1)));
    packet.deviceId = framing.deviceId();
    packet.length = std::max(0, std::min(count, int(KVZ_PACKET_DATA_SIZE)));
    if (bytes && packet.length > 0)
        std::memcpy(packet.data, bytes, static_cast<size_t>(packet.length));
    return packet;
}
