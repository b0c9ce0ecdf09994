#include "format_f52.h"

#include "f52_field_table.h"
#include "f52_session.h"
#include "kvz_formparam_f52.h"

namespace {
FormatF_52 g_formatF52(QStringLiteral("F-52"), 1, 0, 0);
}

FormatF_52::FormatF_52(const QString& name, int32_t first, int32_t second, int32_t third)
    : FormatPlugin(name, first, second, third)
{
}

FormatF_52::~FormatF_52() = default;

FormatF_52& FormatF_52::instance()
{
    return g_formatF52;
}

FormatF_52* FormatF_52::published()
{
    return FormatPlugin::published() == &g_formatF52 ? &g_formatF52 : nullptr;
}

KVZ_FormParam_F52* FormatF_52::page() const
{
    return m_page.data();
}

void FormatF_52::showRecord(F52Session* session, uint8_t commandPending, const QString& name,
                            const QString& idText, const F52Record* record)
{
    if (m_page)
        m_page->showRecord(session, commandPending, name, idText, record);
}

void FormatF_52::fieldLocations(int32_t* table) const
{
    F52FieldTable::write(table);
}

void FormatF_52::createForm()
{
    m_page = new KVZ_FormParam_F52(nullptr);
    callHost(core(), MSG_ADD_FORMAT_PAGE, m_page.data(), kvzIntArg(FormatNumber));
}

FormatSession* FormatF_52::createSession(const TransportPacket& packet)
{
    return new F52Session(packet);
}

void FormatF_52::sessionClosing(FormatSession* session)
{
    if (m_page)
        m_page->forgetSession(session);
}
