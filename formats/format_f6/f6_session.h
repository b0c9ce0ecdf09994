// One connected F-6 terminal: decodes every packet of the terminal by its
// type into a text for the host and, where the packet carries one, into the
// current 111-byte record; appends the packet to the terminal's log file and
// refreshes the page while the terminal's row is selected. It answers no
// packet itself; it only sends the page's commands.
#ifndef F6_SESSION_H
#define F6_SESSION_H

#include "format_session.h"

#include <QString>

class TmiPage_F6;

class F6Session : public FormatSession
{
public:
    // Handles the opening packet once (its text is not returned), then
    // creates the record.
    explicit F6Session(const TransportPacket& packet);
    // Writes the disconnect entry.
    ~F6Session() override;

    void handlePacket(const TransportPacket& packet, KvzPacketOut* out) override;
    // Shows the current record on the page (MSG_SESSION_SHOW).
    void showInForm() override;

    const QString& text() const { return m_text; }
    const TmiPage_F6* record() const { return m_record; }

private:
    // bytes is the packet's data in a zeroed 1024-byte buffer, length its
    // valid byte count. Returns the log entry's kind, empty for none.
    QString decode(const TransportPacket& packet, const uint8_t* bytes, int length);
    // The record at offset, when all its bytes lie within length: taken,
    // and its text returned; otherwise the record stays and there is no text.
    QString recordAt(const uint8_t* bytes, int offset, int length);
    QString archiveText(const uint8_t* bytes, int length);

    QString m_text;
    TmiPage_F6* m_record = nullptr;
};

#endif // F6_SESSION_H
