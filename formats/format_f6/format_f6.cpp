#include "format_f6.h"

#include "f6_session.h"
#include "format_field_table.h"
#include "kvz_formparam_f6.h"

namespace {
FormatF_6 g_formatF6(QStringLiteral("F-6"), 1, 0, 0);
}

FormatF_6::FormatF_6(const QString& name, int32_t first, int32_t second, int32_t third)
    : FormatPlugin(name, first, second, third)
{
}

FormatF_6::~FormatF_6() = default;

FormatF_6& FormatF_6::instance()
{
    return g_formatF6;
}

FormatF_6* FormatF_6::published()
{
    return FormatPlugin::published() == &g_formatF6 ? &g_formatF6 : nullptr;
}

KVZ_FormParam_F6* FormatF_6::page() const
{
    return m_page.data();
}

void FormatF_6::showRecord(F6Session* session, uint8_t commandPending, const QString& name,
                           const QString& idText, const TmiPage_F6* record)
{
    if (m_page)
        m_page->showRecord(session, commandPending, name, idText, record);
}

// The F-6 record has the fixed 111-byte layout.
void FormatF_6::fieldLocations(int32_t* table) const
{
    FormatFieldTable::writeFixedRecord(table);
}

// A second MSG_WINDOW_READY makes a further page, which becomes the current one.
void FormatF_6::createForm()
{
    m_page = new KVZ_FormParam_F6(nullptr);
    callHost(core(), MSG_ADD_FORMAT_PAGE, m_page.data(), kvzIntArg(FormatNumber));
}

FormatSession* FormatF_6::createSession(const TransportPacket& packet)
{
    return new F6Session(packet);
}

void FormatF_6::sessionClosing(FormatSession* session)
{
    if (m_page)
        m_page->forgetSession(session);
}
