// One connected F-4 terminal: the fixed-record session over the 27-byte F-4
// record. It decodes every KVZB packet into a text for the host's log and,
// where the packet carries one, into the terminal's current record, logs it
// and refreshes the F-4 page while the terminal is the selected one.
#ifndef F4_SESSION_H
#define F4_SESSION_H

#include "fixed_record_session.h"

class F4Record;

class F4Session : public FixedRecordSession
{
public:
    // Handles the opening packet once (its text is not returned), then
    // creates the record.
    explicit F4Session(const TransportPacket& packet);
    ~F4Session() override;

    void showInForm() override;
    const F4Record* record() const { return m_record; }

protected:
    bool hasRecord() const override { return m_record != nullptr; }
    int recordSize() const override;
    void parseRecord(const uint8_t* bytes, uint32_t length) override;
    QString recordText() const override;

private:
    F4Record* m_record = nullptr;
};

#endif // F4_SESSION_H
