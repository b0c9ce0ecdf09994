#include "f6_session.h"

#include "format_f6.h"
#include "format_log_file.h"
#include "kvz_text.h"
#include "tmipage_f6.h"

#include <QStringList>
#include <QtEndian>

#include <cstring>

F6Session::F6Session(const TransportPacket& packet)
    : FormatSession(packet)
{
    KvzPacketOut discarded;
    std::memset(&discarded, 0, sizeof(discarded));
    handlePacket(packet, &discarded);
    m_record = new TmiPage_F6;
}

F6Session::~F6Session()
{
    FormatLogFile::writeDisconnect(name());
    delete m_record;
}

void F6Session::handlePacket(const TransportPacket& packet, KvzPacketOut* out)
{
    uint8_t bytes[KVZ_PACKET_DATA_SIZE];
    std::memset(bytes, 0, sizeof(bytes));
    const int length = packet.validLength();
    std::memcpy(bytes, packet.data, static_cast<size_t>(length));

    const QString kind = decode(packet, bytes, length);
    if (!kind.isEmpty())
        FormatLogFile::writeLog(packet.deviceNameText(), kind, m_text, bytes, length);
    if (out && out->selected)
        showInForm();
    returnText(m_text, out);
}

void F6Session::showInForm()
{
    FormatF_6* plugin = FormatF_6::published();
    if (!plugin || !m_record)
        return;
    plugin->showRecord(this, commandPending(), packet().deviceNameText(), packet().deviceIdText(),
                       m_record);
}

QString F6Session::decode(const TransportPacket& packet, const uint8_t* bytes, int length)
{
    const int p = TransportPacket::payloadOffsetOf(packet.type);
    const QString header = headerText(bytes);
    switch (packet.type) {
    case PT_HANDSHAKE:
        m_text = header + QStringLiteral("*>S:") + packet.deviceNameText();
        return QStringLiteral("Handshake");
    case PT_RECORD:
        m_text = header + QStringLiteral("*>T ") + QString::number(qFromLittleEndian<quint32>(bytes + p + 1))
            + QStringLiteral("\r\n") + recordAt(bytes, p, length);
        return QStringLiteral("TMI");
    case PT_ARCHIVE:
        m_text = header + archiveText(bytes, length);
        return QStringLiteral("Arr TMI");
    case PT_PING:
        m_text = header + QStringLiteral("Ping");
        return QStringLiteral("Ping");
    case PT_COMMAND_ANSWER:
        setCommandPending(0);
        m_text = header + QStringLiteral("*@C\r\n") + recordAt(bytes, p, length);
        return QStringLiteral("Command");
    case PT_VERSION:
        setCommandPending(0);
        m_text = header + QStringLiteral("*#V\r\n") + versionText(bytes, length);
        return QStringLiteral("Type device");
    case PT_STATE:
        setCommandPending(0);
        m_text = header + QStringLiteral("*#A\r\n") + recordAt(bytes, p, length);
        return QStringLiteral("Current state");
    case PT_TMKEY:
        m_text = header + QStringLiteral("*>TMKEY\r\n") + touchMemoryText(bytes + p);
        return QStringLiteral("Touch Memory");
    default:
        m_text = QStringLiteral("Неизвестная комманда");
        return QString();
    }
}

QString F6Session::recordAt(const uint8_t* bytes, int offset, int length)
{
    if (!m_record || length - offset < TmiPage_F6::recordSize())
        return QString();
    m_record->setRecord(bytes + offset, uint32_t(length - offset));
    return m_record->toText();
}

// "*>A N\r\n", then each record that lies within the packet followed by
// "\r\n"; the first record that does not ends the list.
QString F6Session::archiveText(const uint8_t* bytes, int length)
{
    const int p = TransportPacket::payloadOffsetOf(PT_ARCHIVE);
    const int count = bytes[p - 1];
    QString text = QStringLiteral("*>A ") + QString::number(count) + QStringLiteral("\r\n");
    for (int i = 0; i < count; ++i) {
        const QString record = recordAt(bytes, p + i * TmiPage_F6::recordSize(), length);
        if (record.isEmpty())
            break;
        text += record + QStringLiteral("\r\n");
    }
    return text;
}
