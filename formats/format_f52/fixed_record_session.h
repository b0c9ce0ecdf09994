// The session of a fixed-record format plug-in: decodes each KVZB packet of
// its terminal by type into text and into the current record, logs it to
// "Temp/<terminal>.log", refreshes the page when the terminal is selected and
// hands the text to the host. A format gives its record through the four
// record operations.
#ifndef FIXED_RECORD_SESSION_H
#define FIXED_RECORD_SESSION_H

#include "format_session.h"

#include <QString>

class FixedRecordSession : public FormatSession
{
public:
    explicit FixedRecordSession(const TransportPacket& packet);
    ~FixedRecordSession() override;

    void handlePacket(const TransportPacket& packet, KvzPacketOut* out) override;
    const QString& text() const { return m_text; }

protected:
    // Runs the handler once on the opening packet, before the record exists;
    // called by the format's constructor, which then creates its record.
    void start(const TransportPacket& packet);

    virtual bool hasRecord() const = 0;
    virtual int recordSize() const = 0;
    virtual void parseRecord(const uint8_t* bytes, uint32_t length) = 0;
    virtual QString recordText() const = 0;

private:
    void decode(int type, const uint8_t* bytes, int length);
    QString recordAt(const uint8_t* bytes, int offset, int length);
    QString archiveText(const uint8_t* bytes, int length);

    QString m_text;
};

#endif // FIXED_RECORD_SESSION_H
