#include "format_zirn.h"

#include "format_field_table.h"
#include "kvz_formparam_zirn.h"
#include "zirn_session.h"

namespace {
Format_Zirn g_formatZirn(QStringLiteral("ZIRN"), 1, 0, 0);
}

Format_Zirn::Format_Zirn(const QString& name, int32_t first, int32_t second, int32_t third)
    : FormatPlugin(name, first, second, third)
{
}

Format_Zirn::~Format_Zirn() = default;

Format_Zirn& Format_Zirn::instance()
{
    return g_formatZirn;
}

Format_Zirn* Format_Zirn::published()
{
    return FormatPlugin::published() == &g_formatZirn ? &g_formatZirn : nullptr;
}

KVZ_FormParam_Zirn* Format_Zirn::page() const
{
    return m_page.data();
}

void Format_Zirn::showRecord(ZirnSession* session, uint8_t commandPending, const QString& name,
                             const QString& idText, const TmiPage_Zirn* record)
{
    if (m_page)
        m_page->showRecord(session, commandPending, name, idText, record);
}

void Format_Zirn::fieldLocations(int32_t* table) const
{
    FormatFieldTable::writeFixedRecord(table);
}

void Format_Zirn::createForm()
{
    m_page = new KVZ_FormParam_Zirn(nullptr);
    callHost(core(), MSG_ADD_FORMAT_PAGE, m_page.data(), kvzIntArg(FormatNumber));
}

FormatSession* Format_Zirn::createSession(const TransportPacket& packet)
{
    return new ZirnSession(packet);
}

void Format_Zirn::sessionClosing(FormatSession* session)
{
    if (m_page)
        m_page->forgetSession(session);
}
