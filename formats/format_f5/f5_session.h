// One connected F-5 terminal: the fixed-record session over the 67-byte
// F-5 record.
#ifndef F5_SESSION_H
#define F5_SESSION_H

#include "fixed_record_session.h"

class F5Record;

class F5Session : public FixedRecordSession
{
public:
    explicit F5Session(const TransportPacket& packet);
    ~F5Session() override;

    void showInForm() override;
    const F5Record* record() const { return m_record; }

protected:
    bool hasRecord() const override { return m_record != nullptr; }
    int recordSize() const override;
    void parseRecord(const uint8_t* bytes, uint32_t length) override;
    QString recordText() const override;

private:
    F5Record* m_record = nullptr;
};

#endif // F5_SESSION_H
