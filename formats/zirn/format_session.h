// What every format session shares: the terminal it stands for (its own copy
// of the packet that opened it), the command-pending flag, the text buffer
// handed to the host, the KVZB header text and the send operation.
#ifndef FORMAT_SESSION_H
#define FORMAT_SESSION_H

#include "kvz_abi.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

class FormatSession
{
public:
    // Keeps a copy of packet, never a pointer into the host's row.
    explicit FormatSession(const TransportPacket& packet);
    virtual ~FormatSession();
    FormatSession(const FormatSession&) = delete;
    FormatSession& operator=(const FormatSession&) = delete;

    // Terminal name: the opening packet's deviceName; the session list's key.
    const QString& name() const { return m_name; }
    const TransportPacket& packet() const { return m_packet; }
    uint8_t commandPending() const { return m_commandPending; }

    // Decodes one packet of this terminal and returns its text through out.
    virtual void handlePacket(const TransportPacket& packet, KvzPacketOut* out) = 0;
    // Shows the session's latest state on the plug-in's page.
    virtual void showInForm() = 0;

    // Sends command bytes to the terminal: the flag becomes 1; while the
    // plug-in is initialised the bytes go to the host with
    // MSG_SEND_TO_DEVICE. More than a packet holds is refused.
    void sendToDevice(const uint8_t* bytes, int length);

    // "Заголовок:\r\nPre = ...; IDobj = ...; ..." of the first 16 bytes.
    static QString headerText(const uint8_t* bytes);
    // "Type: T Ver: V from D Lang: L": sections 1 to 4, split at ':', of the
    // version text from byte 16 (the "*#V" prefix is part of it) up to the
    // first zero byte or length.
    static QString versionText(const uint8_t* bytes, int length);
    // "Hour = h; Min = ...; Year = y; code = K; " of a touch-memory key
    // payload: six time bytes, then the 48-bit key from byte 7 in hex.
    static QString touchMemoryText(const uint8_t* payload);

protected:
    void setCommandPending(uint8_t pending) { m_commandPending = pending; }
    // Hands text to the host: encoded once into this session's own buffer,
    // textLength its byte count. Nothing is left behind per packet.
    void returnText(const QString& text, KvzPacketOut* out);
    // returnText in two steps, for a session that needs the bytes on their
    // way (for its log file): encodeText fills the buffer and gives its
    // bytes, returnEncoded hands the buffer to the host.
    const QByteArray& encodeText(const QString& text);
    void returnEncoded(KvzPacketOut* out);

private:
    QString m_name;
    TransportPacket m_packet;
    uint8_t m_commandPending = 0;
    QByteArray m_outText;
};

#endif // FORMAT_SESSION_H
