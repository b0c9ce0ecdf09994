// One connected F-52 terminal: the fixed-record session over the 86-byte
// F-52 record.
#ifndef F52_SESSION_H
#define F52_SESSION_H

#include "fixed_record_session.h"

class F52Record;

class F52Session : public FixedRecordSession
{
public:
    explicit F52Session(const TransportPacket& packet);
    ~F52Session() override;

    void showInForm() override;
    const F52Record* record() const { return m_record; }

protected:
    bool hasRecord() const override { return m_record != nullptr; }
    int recordSize() const override;
    void parseRecord(const uint8_t* bytes, uint32_t length) override;
    QString recordText() const override;

private:
    F52Record* m_record = nullptr;
};

#endif // F52_SESSION_H
