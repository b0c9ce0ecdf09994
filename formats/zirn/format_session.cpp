#include "format_session.h"

#include "format_plugin.h"
#include "kvz_text.h"

#include <QStringList>
#include <QtEndian>

#include <cstring>

namespace {
const int kVersionTextStart = 16;
}

FormatSession::FormatSession(const TransportPacket& packet)
{
    m_packet.copyFrom(packet);
    m_name = m_packet.deviceNameText();
}

FormatSession::~FormatSession() = default;

void FormatSession::sendToDevice(const uint8_t* bytes, int length)
{
    m_commandPending = 1;
    FormatPlugin* plugin = FormatPlugin::published();
    if (!plugin || !bytes || length < 0 || length > KVZ_PACKET_DATA_SIZE)
        return;
    TransportPacket command;
    command.clear();
    command.module = m_packet.module;
    command.connection = m_packet.connection;
    command.hostObject = m_packet.hostObject;
    command.protocolState = m_packet.protocolState;
    command.deviceId = m_packet.deviceId;
    // the name's bytes as the terminal sent them, up to its first NUL
    for (int i = 0; i < KVZ_DEVICE_NAME_SIZE - 1 && m_packet.deviceName[i]; ++i)
        command.deviceName[i] = m_packet.deviceName[i];
    command.length = length;
    std::memcpy(command.data, bytes, static_cast<size_t>(length));
    // Host and transport copy what they need before the call returns.
    plugin->callHost(plugin->core(), MSG_SEND_TO_DEVICE, &command, nullptr);
}

QString FormatSession::headerText(const uint8_t* bytes)
{
    const quint16 size = qFromLittleEndian<quint16>(bytes + 12);
    return QStringLiteral("Заголовок:\r\nPre = ") + KvzText::fromCp1251(reinterpret_cast<const char*>(bytes), 4)
        + QStringLiteral("; IDobj = ") + QString::number(qFromLittleEndian<quint32>(bytes + 8))
        + QStringLiteral("; IDdc = ") + QString::number(qFromLittleEndian<quint32>(bytes + 4))
        + QStringLiteral("; Size = ") + QString::number(size)
        + QStringLiteral("; Csd = ") + QString::number(bytes[14])
        + QStringLiteral("; Csp = ") + QString::number(bytes[15])
        + QStringLiteral(" \r\n");
}

QString FormatSession::versionText(const uint8_t* bytes, int length)
{
    QByteArray raw;
    if (length > kVersionTextStart)
        raw = QByteArray(reinterpret_cast<const char*>(bytes) + kVersionTextStart,
                         length - kVersionTextStart);
    const int nul = raw.indexOf('\0');
    if (nul >= 0)
        raw.truncate(nul);
    const QStringList fields = KvzText::fromCp1251(raw).split(QLatin1Char(':'));
    const auto field = [&fields](int i) { return i < fields.size() ? fields.at(i) : QString(); };
    return QStringLiteral("Type: ") + field(1) + QStringLiteral(" Ver: ") + field(2)
        + QStringLiteral(" from ") + field(3) + QStringLiteral(" Lang: ") + field(4);
}

QString FormatSession::touchMemoryText(const uint8_t* payload)
{
    static const char* const names[] = {"Hour", "Min", "Sec", "Day", "Month", "Year"};
    QString text;
    for (int i = 0; i < 6; ++i)
        text += QLatin1String(names[i]) + QStringLiteral(" = ") + QString::number(payload[i])
            + QStringLiteral("; ");
    const quint64 key = qFromLittleEndian<quint64>(payload + 7);
    return text + QStringLiteral("code = ")
        + QString::number(key, 16).toUpper().rightJustified(12, QLatin1Char('0'))
        + QStringLiteral("; ");
}

void FormatSession::returnText(const QString& text, KvzPacketOut* out)
{
    encodeText(text);
    returnEncoded(out);
}

const QByteArray& FormatSession::encodeText(const QString& text)
{
    m_outText = KvzText::toCp1251(text);
    return m_outText;
}

void FormatSession::returnEncoded(KvzPacketOut* out)
{
    if (!out)
        return;
    out->textLength = m_outText.size();
    out->text = m_outText.data();
}
