#include "fixed_record_session.h"

#include "format_log_file.h"
#include "format_plugin.h"
#include "kvz_text.h"

#include <QStringList>
#include <QtEndian>

#include <cstring>

FixedRecordSession::FixedRecordSession(const TransportPacket& packet)
    : FormatSession(packet)
{
}

FixedRecordSession::~FixedRecordSession()
{
    FormatLogFile::writeDisconnect(name());
}

void FixedRecordSession::start(const TransportPacket& packet)
{
    KvzPacketOut discarded;
    std::memset(&discarded, 0, sizeof(discarded));
    handlePacket(packet, &discarded);
}

void FixedRecordSession::handlePacket(const TransportPacket& packet, KvzPacketOut* out)
{
    uint8_t bytes[KVZ_PACKET_DATA_SIZE];
    std::memset(bytes, 0, sizeof(bytes));
    const int length = packet.validLength();
    std::memcpy(bytes, packet.data, static_cast<size_t>(length));

    decode(packet.type, bytes, length);
    if (out && out->selected && FormatPlugin::published())
        showInForm();
    returnText(m_text, out);
}

void FixedRecordSession::decode(int type, const uint8_t* bytes, int length)
{
    const int p = TransportPacket::payloadOffsetOf(type);
    QString title;
    switch (type) {
    case PT_HANDSHAKE:
        m_text = headerText(bytes) + QStringLiteral("*>S:") + packet().deviceNameText();
        title = QStringLiteral("Handshake");
        break;
    case PT_RECORD:
        m_text = headerText(bytes) + QStringLiteral("*>T ")
            + QString::number(qFromLittleEndian<quint32>(bytes + p + 1)) + QStringLiteral("\r\n")
            + recordAt(bytes, p, length);
        title = QStringLiteral("TMI");
        break;
    case PT_ARCHIVE:
        m_text = headerText(bytes) + archiveText(bytes, length);
        title = QStringLiteral("Arr TMI");
        break;
    case PT_PING:
        m_text = headerText(bytes) + QStringLiteral("Ping");
        title = QStringLiteral("Ping");
        break;
    case PT_COMMAND_ANSWER:
        setCommandPending(0);
        m_text = headerText(bytes) + QStringLiteral("*@C\r\n") + recordAt(bytes, p, length);
        title = QStringLiteral("Command");
        break;
    case PT_VERSION:
        setCommandPending(0);
        m_text = headerText(bytes) + QStringLiteral("*#V\r\n") + versionText(bytes, length);
        title = QStringLiteral("Type device");
        break;
    case PT_STATE:
        setCommandPending(0);
        m_text = headerText(bytes) + QStringLiteral("*#A\r\n") + recordAt(bytes, p, length);
        title = QStringLiteral("Current state");
        break;
    case PT_TMKEY:
        m_text = headerText(bytes) + QStringLiteral("*>TMKEY\r\n") + touchMemoryText(bytes + p);
        title = QStringLiteral("Touch Memory");
        break;
    default:
        m_text = QStringLiteral("Неизвестная комманда");
        return;
    }
    FormatLogFile::writeLog(name(), title, m_text, bytes, length);
}

// The record text of the record at offset when all of its bytes lie within
// the received length; otherwise the record keeps its values and the packet
// adds no record text.
QString FixedRecordSession::recordAt(const uint8_t* bytes, int offset, int length)
{
    if (!hasRecord() || length - offset < recordSize())
        return QString();
    parseRecord(bytes + offset, uint32_t(length - offset));
    return recordText();
}

// "*>A N\r\n", then each record that lies within the received length,
// followed by "\r\n"; the first one that does not ends the list.
QString FixedRecordSession::archiveText(const uint8_t* bytes, int length)
{
    const int p = TransportPacket::payloadOffsetOf(PT_ARCHIVE);
    const int count = bytes[p - 1];
    QString text = QStringLiteral("*>A ") + QString::number(count) + QStringLiteral("\r\n");
    if (!hasRecord())
        return text;
    for (int i = 0; i < count; ++i) {
        const int offset = p + i * recordSize();
        if (length - offset < recordSize())
            break;
        parseRecord(bytes + offset, uint32_t(recordSize()));
        text += recordText() + QStringLiteral("\r\n");
    }
    return text;
}
