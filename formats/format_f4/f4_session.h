// One connected F-4 terminal: decodes every KVZB packet the host hands over
// into a text for the host's log and, where the packet carries one, into the
// terminal's current 27-byte record; appends an entry to the terminal's log
// file and refreshes the F-4 page while the terminal is the selected one.
// It never answers a terminal; it only sends the page's commands.
#ifndef F4_SESSION_H
#define F4_SESSION_H

#include "format_session.h"

#include <QString>

class F4Record;

class F4Session : public FormatSession
{
public:
    // Handles the opening packet once (its text is not returned), then
    // creates the record.
    explicit F4Session(const TransportPacket& packet);
    // Writes the "Disconnect" entry.
    ~F4Session() override;

    void handlePacket(const TransportPacket& packet, KvzPacketOut* out) override;
    void showInForm() override;

    const QString& text() const { return m_text; }
    const F4Record* record() const { return m_record; }

private:
    // bytes: the packet's data in a zeroed 1024-byte buffer; length: its
    // valid byte count. Sets the text; returns the log entry's title, or a
    // null text for a packet that is not logged.
    QString decode(int type, const uint8_t* bytes, int length);
    // The record at offset, when all its bytes lie before end; then the
    // record's text either way.
    QString recordText(const uint8_t* bytes, int offset, int end);
    QString archiveText(const uint8_t* bytes, int length);
    static QString versionText(const uint8_t* bytes, int length);
    static QString touchMemoryText(const uint8_t* payload);

    QString m_text;
    F4Record* m_record = nullptr;
};

#endif // F4_SESSION_H
