// One connected ZIRN terminal: decodes every packet the host hands over into
// a text for the host's log, feeds the ZIRN handshake and records into its
// TmiPage_Zirn, appends an entry to the terminal's log file and refreshes the
// device page while the terminal is the selected one. It never answers a
// terminal; it only sends the page's commands.
#ifndef ZIRN_SESSION_H
#define ZIRN_SESSION_H

#include "format_log_file.h"
#include "format_session.h"

#include <QString>

class TmiPage_Zirn;

class ZirnSession : public FormatSession
{
public:
    // Handles the opening packet once (its text is not returned), then
    // creates the record model.
    explicit ZirnSession(const TransportPacket& packet);
    // Writes the disconnect entry.
    ~ZirnSession() override;

    void handlePacket(const TransportPacket& packet, KvzPacketOut* out) override;
    void showInForm() override;

    const QString& text() const { return m_text; }
    const TmiPage_Zirn* record() const { return m_record; }

private:
    // Decodes by packet type into the text; bytes is the packet's data in a
    // zeroed 1024-byte buffer, length its valid byte count. Answers the
    // title of the packet's log entry, empty for a packet that has none.
    QString decode(int type, const uint8_t* bytes, int length);
    QString recordAt(const uint8_t* bytes, int offset, int end);
    bool parseAt(const uint8_t* bytes, int offset, int end);
    QString negotiationText(const uint8_t* bytes, int length);
    QString archiveText(const uint8_t* bytes, int end);

    FormatLogFile m_log;
    QString m_text;
    TmiPage_Zirn* m_record = nullptr;
};

#endif // ZIRN_SESSION_H
