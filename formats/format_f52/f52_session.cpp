#include "f52_session.h"

#include "f52_record.h"
#include "format_f52.h"

F52Session::F52Session(const TransportPacket& packet)
    : FixedRecordSession(packet)
{
    start(packet);
    m_record = new F52Record;
}

F52Session::~F52Session()
{
    delete m_record;
}

void F52Session::showInForm()
{
    FormatF_52* plugin = FormatF_52::published();
    if (!plugin || !m_record)
        return;
    plugin->showRecord(this, commandPending(), packet().deviceNameText(), packet().deviceIdText(),
                       m_record);
}

int F52Session::recordSize() const
{
    return m_record->size();
}

void F52Session::parseRecord(const uint8_t* bytes, uint32_t length)
{
    m_record->parse(bytes, length);
}

QString F52Session::recordText() const
{
    return m_record->toText();
}
