#include "format_f4.h"

#include "f4_session.h"
#include "kvz_formparam_f4.h"

namespace {
FormatF_4 g_formatF4(QStringLiteral("F-4"), 1, 0, 0);

// Type, NumPage, Code and the six time bytes, as (offset, size) pairs; then
// (offset, size, mask) of the navigation flag as the F-52 table has it, and
// of inputs 1 to 5 in the low byte of StateIn. No navigation values.
const int32_t kFieldTable[KVZ_FIELD_TABLE_SIZE] = {
    0, 1, 1, 4, 5, 2, 7, 1, 8, 1, 9, 1, 10, 1, 11, 1, 12, 1,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    34, 1, 2,
    17, 1, 1, 17, 1, 2, 17, 1, 4, 17, 1, 8, 17, 1, 16,
    0, 0, 0, 0, 0, 0, 0, 0, 0};
}

FormatF_4::FormatF_4(const QString& name, int32_t first, int32_t second, int32_t third)
    : FormatPlugin(name, first, second, third)
{
}

FormatF_4::~FormatF_4() = default;

FormatF_4& FormatF_4::instance()
{
    return g_formatF4;
}

FormatF_4* FormatF_4::published()
{
    return FormatPlugin::published() == &g_formatF4 ? &g_formatF4 : nullptr;
}

KVZ_FormParam_F4* FormatF_4::page() const
{
    return m_page.data();
}

void FormatF_4::showRecord(F4Session* session, uint8_t commandPending, const QString& name,
                           const QString& idText, const F4Record* record)
{
    if (m_page)
        m_page->showRecord(session, commandPending, name, idText, record);
}

void FormatF_4::writeFieldTable(int32_t* table)
{
    for (int i = 0; i < KVZ_FIELD_TABLE_SIZE; ++i)
        table[i] = kFieldTable[i];
}

void FormatF_4::fieldLocations(int32_t* table) const
{
    writeFieldTable(table);
}

void FormatF_4::createForm()
{
    m_page = new KVZ_FormParam_F4(nullptr);
    callHost(core(), MSG_ADD_FORMAT_PAGE, m_page.data(), kvzIntArg(FormatNumber));
}

FormatSession* FormatF_4::createSession(const TransportPacket& packet)
{
    return new F4Session(packet);
}

void FormatF_4::sessionClosing(FormatSession* session)
{
    if (m_page)
        m_page->forgetSession(session);
}
