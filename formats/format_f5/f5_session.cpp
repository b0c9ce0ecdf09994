#include "f5_session.h"

#include "f5_record.h"
#include "format_f5.h"

F5Session::F5Session(const TransportPacket& packet)
    : FixedRecordSession(packet)
{
    start(packet);
    m_record = new F5Record;
}

F5Session::~F5Session()
{
    delete m_record;
}

void F5Session::showInForm()
{
    FormatF_5* plugin = FormatF_5::published();
    if (!plugin || !m_record)
        return;
    plugin->showRecord(this, commandPending(), packet().deviceNameText(), packet().deviceIdText(),
                       m_record);
}

int F5Session::recordSize() const
{
    return m_record->size();
}

void F5Session::parseRecord(const uint8_t* bytes, uint32_t length)
{
    m_record->parse(bytes, length);
}

QString F5Session::recordText() const
{
    return m_record->toText();
}
