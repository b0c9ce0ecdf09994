#include "f4_session.h"

#include "f4_record.h"
#include "format_f4.h"

F4Session::F4Session(const TransportPacket& packet)
    : FixedRecordSession(packet)
{
    start(packet);
    m_record = new F4Record;
}

F4Session::~F4Session()
{
    delete m_record;
}

void F4Session::showInForm()
{
    FormatF_4* plugin = FormatF_4::published();
    if (!plugin || !m_record)
        return;
    plugin->showRecord(this, commandPending(), packet().deviceNameText(), packet().deviceIdText(),
                       m_record);
}

int F4Session::recordSize() const
{
    return F4Record::recordSize();
}

void F4Session::parseRecord(const uint8_t* bytes, uint32_t length)
{
    m_record->setRecord(bytes, length);
}

QString F4Session::recordText() const
{
    return m_record->toText();
}
