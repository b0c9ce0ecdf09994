#include "zirn_session.h"

#include "format_log_file.h"
#include "format_zirn.h"
#include "kvz_text.h"
#include "tmipage_zirn.h"

#include <QStringBuilder>
#include <QtEndian>

#include <cstring>

namespace {
const int kBitfieldOffset = 26;   // after "*>ZIRN" and its four bytes
}

ZirnSession::ZirnSession(const TransportPacket& packet)
    : FormatSession(packet), m_log(name())
{
    KvzPacketOut discarded;
    std::memset(&discarded, 0, sizeof(discarded));
    handlePacket(packet, &discarded);
    m_record = new TmiPage_Zirn;
}

ZirnSession::~ZirnSession()
{
    m_log.writeDisconnect();
    delete m_record;
}

void ZirnSession::handlePacket(const TransportPacket& packet, KvzPacketOut* out)
{
    uint8_t bytes[KVZ_PACKET_DATA_SIZE];
    std::memset(bytes, 0, sizeof(bytes));
    const int length = packet.validLength();
    std::memcpy(bytes, packet.data, static_cast<size_t>(length));

    const QString title = decode(packet.type, bytes, length);
    // encoded once: the same bytes go to the log file and to the host
    const QByteArray& encoded = encodeText(m_text);
    if (!title.isEmpty())
        m_log.writeEncoded(title, encoded, bytes, length);
    if (out && out->selected)
        showInForm();
    returnEncoded(out);
}

void ZirnSession::showInForm()
{
    Format_Zirn* plugin = Format_Zirn::published();
    if (!plugin || !m_record)
        return;
    plugin->showRecord(this, commandPending(), packet().deviceNameText(), packet().deviceIdText(),
                       m_record);
}

QString ZirnSession::decode(int type, const uint8_t* bytes, int length)
{
    const int p = TransportPacket::payloadOffsetOf(type);
    const int frameEnd = length - 1;   // a ZIRN frame ends in its CRC-8
    switch (type) {
    case PT_COMMAND_ANSWER:
        setCommandPending(0);
        m_text = headerText(bytes) + QStringLiteral("*@C\r\n") + recordAt(bytes, p, length);
        return QStringLiteral("Command");
    case PT_VERSION:
        setCommandPending(0);
        m_text = headerText(bytes) + QStringLiteral("*#V\r\n") + versionText(bytes, length);
        return QStringLiteral("Type device");
    case PT_STATE:
        setCommandPending(0);
        m_text = headerText(bytes) + QStringLiteral("*#A\r\n") + recordAt(bytes, p, length);
        return QStringLiteral("Current state");
    case PT_TMKEY:
        m_text = headerText(bytes) + QStringLiteral("*>TMKEY\r\n") + touchMemoryText(bytes + p);
        return QStringLiteral("Touch Memory");
    case PT_ZIRN_HANDSHAKE:
        m_log.writeLine(QStringLiteral("Handshake"));
        m_text = headerText(bytes) + negotiationText(bytes, length);
        return QStringLiteral("Handshake");
    case PT_ZIRN_CURRENT:
        m_text = QStringLiteral("~C\r\n") + recordAt(bytes, p, frameEnd);
        return QStringLiteral("TMI");
    case PT_ZIRN_EVENT:
        m_text = QStringLiteral("~T ") % QString::number(qFromLittleEndian<quint32>(bytes + p))
            % QStringLiteral("\r\n") % recordAt(bytes, p + 4, frameEnd);
        return QStringLiteral("TMI");
    case PT_ZIRN_ARCHIVE:
        m_text = archiveText(bytes, frameEnd);
        return QStringLiteral("Arr TMI");
    case PT_ZIRN_PING:
        m_text = QStringLiteral("Ping");
        return QStringLiteral("Ping");
    default:
        m_text = QStringLiteral("Неизвестная комманда");
        return QString();
    }
}

// The record text of the record at offset, when all of its bytes lie
// before end; otherwise the fields keep their values and there is no text.
QString ZirnSession::recordAt(const uint8_t* bytes, int offset, int end)
{
    return parseAt(bytes, offset, end) ? m_record->recordText() : QString();
}

bool ZirnSession::parseAt(const uint8_t* bytes, int offset, int end)
{
    return m_record && offset <= end && m_record->parseRecord(bytes + offset, end - offset);
}

// The bitfield is the mask from offset 26, at most nine bytes of it; a
// shorter mask counts its missing bytes as 0.
QString ZirnSession::negotiationText(const uint8_t* bytes, int length)
{
    const int p = TransportPacket::payloadOffsetOf(PT_ZIRN_HANDSHAKE);
    const int maskLength = qBound(0, length - kBitfieldOffset, int(TmiPage_Zirn::BitfieldSize));
    QString bitfield;
    if (m_record) {
        m_record->setBitfield(bytes + kBitfieldOffset, maskLength);
        bitfield = m_record->bitfieldText();
    }
    return QStringLiteral("Protocol = ") + QString::number(bytes[p])
        + QStringLiteral("; ProtocolVer = ") + QString::number(bytes[p + 1])
        + QStringLiteral("; StructVer = ") + QString::number(bytes[p + 2])
        + QStringLiteral("; DataSize = ") + QString::number(bytes[p + 3])
        + QStringLiteral("; Bitfield = ") + bitfield + QStringLiteral(" \r\n");
}

// "~A N\r\n", then each record that fits before end followed by "\r\n";
// the first record that does not fit ends the list.
QString ZirnSession::archiveText(const uint8_t* bytes, int end)
{
    const int p = TransportPacket::payloadOffsetOf(PT_ZIRN_ARCHIVE);
    const int count = bytes[p];
    QString text = QStringLiteral("~A ") + QString::number(count) + QStringLiteral("\r\n");
    const int step = m_record ? m_record->dataSize() : 0;
    for (int i = 0; i < count; ++i) {
        if (!parseAt(bytes, p + 1 + i * step, end))
            break;
        text += m_record->recordText() + QStringLiteral("\r\n");
    }
    return text;
}
