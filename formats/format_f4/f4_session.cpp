#include "f4_session.h"

#include "f4_record.h"
#include "format_f4.h"
#include "format_log_file.h"
#include "kvz_text.h"

#include <QStringList>
#include <QtEndian>

#include <cstring>

namespace {
const int kVersionTextStart = 16;   // the "*#V" prefix is part of the text
const int kArchiveCountOffset = 19;
}

F4Session::F4Session(const TransportPacket& packet)
    : FormatSession(packet)
{
    KvzPacketOut discarded;
    std::memset(&discarded, 0, sizeof(discarded));
    handlePacket(packet, &discarded);
    m_record = new F4Record;
}

F4Session::~F4Session()
{
    FormatLogFile::writeDisconnect(name());
    delete m_record;
}

void F4Session::handlePacket(const TransportPacket& packet, KvzPacketOut* out)
{
    uint8_t bytes[KVZ_PACKET_DATA_SIZE];
    std::memset(bytes, 0, sizeof(bytes));
    const int length = packet.validLength();
    std::memcpy(bytes, packet.data, static_cast<size_t>(length));

    m_text = headerText(bytes);
    const QString title = decode(packet.type, bytes, length);
    if (!title.isNull())
        FormatLogFile::writeLog(name(), title, m_text, bytes, length);
    if (out && out->selected)
        showInForm();
    returnText(m_text, out);
}

void F4Session::showInForm()
{
    FormatF_4* plugin = FormatF_4::published();
    if (!plugin || !m_record)
        return;
    plugin->showRecord(this, commandPending(), packet().deviceNameText(), packet().deviceIdText(),
                       m_record);
}

QString F4Session::decode(int type, const uint8_t* bytes, int length)
{
    const int p = TransportPacket::payloadOffsetOf(type);
    switch (type) {
    case PT_HANDSHAKE:
        m_text += QStringLiteral("*>S:") + name();
        return QStringLiteral("Handshake");
    case PT_RECORD:
        m_text += QStringLiteral("*>T ") + QString::number(qFromLittleEndian<quint32>(bytes + p + 1))
            + QStringLiteral("\r\n") + recordText(bytes, p, length);
        return QStringLiteral("TMI");
    case PT_ARCHIVE:
        m_text += archiveText(bytes, length);
        return QStringLiteral("Arr TMI");
    case PT_PING:
        m_text += QStringLiteral("Ping");
        return QStringLiteral("Ping");
    case PT_COMMAND_ANSWER:
        setCommandPending(0);
        m_text += QStringLiteral("*@C\r\n") + recordText(bytes, p, length);
        return QStringLiteral("Command");
    case PT_VERSION:
        setCommandPending(0);
        m_text += QStringLiteral("*#V\r\n") + versionText(bytes, length);
        return QStringLiteral("Type device");
    case PT_STATE:
        setCommandPending(0);
        m_text += QStringLiteral("*#A\r\n") + recordText(bytes, p, length);
        return QStringLiteral("Current state");
    case PT_TMKEY:
        m_text += QStringLiteral("*>TMKEY\r\n") + touchMemoryText(bytes + p);
        return QStringLiteral("Touch Memory");
    default:
        m_text = QStringLiteral("Неизвестная комманда");
        return QString();
    }
}

QString F4Session::recordText(const uint8_t* bytes, int offset, int end)
{
    if (!m_record)
        return QString();
    if (end - offset >= F4Record::recordSize())
        m_record->setRecord(bytes + offset, uint32_t(F4Record::recordSize()));
    return m_record->toText();
}

// The count byte may claim more records than the packet holds: the records
// that lie wholly within the packet are taken, in order, and the rest are
// left out.
QString F4Session::archiveText(const uint8_t* bytes, int length)
{
    const int count = bytes[kArchiveCountOffset];
    QString text = QStringLiteral("*>A ") + QString::number(count) + QStringLiteral("\r\n");
    if (!m_record)
        return text;
    const int first = TransportPacket::payloadOffsetOf(PT_ARCHIVE);
    for (int i = 0; i < count; ++i) {
        const int offset = first + F4Record::recordSize() * i;
        if (length - offset < F4Record::recordSize())
            break;
        m_record->setRecord(bytes + offset, uint32_t(F4Record::recordSize()));
        text += m_record->toText() + QStringLiteral("\r\n");
    }
    return text;
}

// "Type: .. Ver: .. from .. Lang: .." from the ':' sections 1 to 4 of the
// text that starts with "*#V" and ends at a zero byte or at the packet's end.
QString F4Session::versionText(const uint8_t* bytes, int length)
{
    QByteArray raw;
    if (length > kVersionTextStart)
        raw = QByteArray(reinterpret_cast<const char*>(bytes) + kVersionTextStart,
                         length - kVersionTextStart);
    const int nul = raw.indexOf('\0');
    if (nul >= 0)
        raw.truncate(nul);
    const QStringList sections = KvzText::fromCp1251(raw).split(QLatin1Char(':'));
    const auto section = [&sections](int i) { return i < sections.size() ? sections.at(i) : QString(); };
    return QStringLiteral("Type: ") + section(1) + QStringLiteral(" Ver: ") + section(2)
        + QStringLiteral(" from ") + section(3) + QStringLiteral(" Lang: ") + section(4);
}

// The key's time bytes as stored, then the 64-bit key in upper-case
// hexadecimal, at least 12 digits.
QString F4Session::touchMemoryText(const uint8_t* payload)
{
    static const char* const names[] = {"Hour", "Min", "Sec", "Day", "Month", "Year"};
    QString text;
    for (int i = 0; i < 6; ++i)
        text += QLatin1String(names[i]) + QStringLiteral(" = ") + QString::number(payload[i])
            + QStringLiteral("; ");
    const quint64 key = qFromLittleEndian<quint64>(payload + 7);
    return text + QStringLiteral("code = ")
        + QString::number(key, 16).toUpper().rightJustified(12, QLatin1Char('0')) + QStringLiteral("; ");
}
