#include "format_plugin.h"

#include "format_session.h"
#include "format_session_list.h"
#include "kvz_text.h"

#include <QtEndian>

#include <cstring>

namespace {
FormatPlugin* g_published = nullptr;

void writeInt(void* target, int32_t value)
{
    if (target)
        *static_cast<int32_t*>(target) = value;
}

const QString* nameArg(void* data)
{
    return static_cast<const QString*>(data);
}
}

FormatPlugin::FormatPlugin(const QString& name, int32_t first, int32_t second, int32_t third)
{
    std::memset(&m_info, 0, sizeof(m_info));
    m_info.handle = this;
    KvzText::toField(m_info.name, sizeof(m_info.name), name);
    KvzText::toField(m_info.description, sizeof(m_info.description), name);
    m_info.reserved[0] = first;
    m_info.reserved[1] = second;
    m_info.reserved[2] = third;
    m_info.kind = KVZ_KIND_FORMAT;
}

// Sessions and page are not torn down at process end: no host call may run
// after the host is gone.
FormatPlugin::~FormatPlugin()
{
    if (g_published == this)
        g_published = nullptr;
}

void FormatPlugin::getLibraryInfo(KvzPluginInfo* buffer) const
{
    if (buffer)
        std::memcpy(buffer, &m_info, sizeof(m_info));
}

FormatSessionList* FormatPlugin::initialize(KvzHostCallback callback, void* core, void* record)
{
    m_callback = callback;
    m_core = core;
    m_record = record;
    m_sessions = new FormatSessionList;
    g_published = this;
    return m_sessions;
}

int FormatPlugin::receiveMessage(int code, void* data, void* out)
{
    switch (code) {
    case MSG_WINDOW_READY:
        createForm();
        break;
    case MSG_FORMAT_NUMBER:
        writeInt(data, formatNumber());
        break;
    case MSG_RECORD_NUMBER:
        if (data)
            writeInt(out, static_cast<int32_t>(recordNumber(*static_cast<const CEvent_Packet*>(data))));
        break;
    case MSG_NUMBER_OFFSET:
        writeInt(data, numberOffset());
        break;
    case MSG_RECORD_SIZE:
        writeInt(data, recordSize());
        break;
    case MSG_FIELD_TABLE:
        if (data)
            fieldLocations(static_cast<int32_t*>(data));
        break;
    case MSG_SESSION_OPEN:
        if (data)
            openSession(*static_cast<const TransportPacket*>(data));
        break;
    case MSG_SESSION_CLOSE:
        if (data)
            closeSession(QString(*nameArg(data)));
        break;
    case MSG_SESSION_PACKET:
        if (data)
            handlePacket(*static_cast<const TransportPacket*>(data), static_cast<KvzPacketOut*>(out));
        break;
    case MSG_SESSION_SHOW:
        if (data)
            showSession(QString(*nameArg(data)));
        break;
    default:
        break;
    }
    return 0;
}

int FormatPlugin::callHost(void* target, int code, void* data, void* out)
{
    if (!m_callback)
        return KVZ_NO_CORE;
    return m_callback(target, code, data, out);
}

void FormatPlugin::openSession(const TransportPacket& packet)
{
    if (m_sessions)
        m_sessions->addSession(createSession(packet));
}

void FormatPlugin::closeSession(const QString& name)
{
    if (!m_sessions)
        return;
    if (FormatSession* session = m_sessions->findSession(name)) {
        sessionClosing(session);
        m_sessions->removeSession(name);
    }
}

void FormatPlugin::handlePacket(const TransportPacket& packet, KvzPacketOut* out)
{
    if (m_sessions)
        m_sessions->handlePacket(packet, out);
}

void FormatPlugin::showSession(const QString& name)
{
    if (m_sessions)
        m_sessions->showSession(name);
}

void FormatPlugin::sendToDevice(const FormatSession* session, const uint8_t* bytes, int length)
{
    if (m_sessions)
        m_sessions->sendToDevice(session, bytes, length);
}

uint32_t FormatPlugin::recordNumber(const CEvent_Packet& packet)
{
    if (packet.size <= 6)
        return 0;
    return qFromLittleEndian<quint32>(packet.data + 1);
}

FormatPlugin* FormatPlugin::published()
{
    return g_published;
}

void FormatPlugin::sessionClosing(FormatSession*)
{
}
