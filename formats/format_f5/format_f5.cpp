#include "format_f5.h"

#include "f52_field_table.h"
#include "f5_session.h"
#include "kvz_formparam_f5.h"

namespace {
FormatF_5 g_formatF5(QStringLiteral("F-5"), 1, 0, 0);
}

FormatF_5::FormatF_5(const QString& name, int32_t first, int32_t second, int32_t third)
    : FormatPlugin(name, first, second, third)
{
}

FormatF_5::~FormatF_5() = default;

FormatF_5& FormatF_5::instance()
{
    return g_formatF5;
}

FormatF_5* FormatF_5::published()
{
    return FormatPlugin::published() == &g_formatF5 ? &g_formatF5 : nullptr;
}

KVZ_FormParam_F5* FormatF_5::page() const
{
    return m_page.data();
}

void FormatF_5::showRecord(F5Session* session, uint8_t commandPending, const QString& name,
                            const QString& idText, const F5Record* record)
{
    if (m_page)
        m_page->showRecord(session, commandPending, name, idText, record);
}

void FormatF_5::fieldLocations(int32_t* table) const
{
    F52FieldTable::write(table);
}

void FormatF_5::createForm()
{
    m_page = new KVZ_FormParam_F5(nullptr);
    callHost(core(), MSG_ADD_FORMAT_PAGE, m_page.data(), kvzIntArg(FormatNumber));
}

FormatSession* FormatF_5::createSession(const TransportPacket& packet)
{
    return new F5Session(packet);
}

void FormatF_5::sessionClosing(FormatSession* session)
{
    if (m_page)
        m_page->forgetSession(session);
}
