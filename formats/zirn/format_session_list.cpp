#include "format_session_list.h"

#include "format_session.h"

FormatSessionList::~FormatSessionList()
{
    for (FormatSession* session : m_sessions)
        delete session;
}

void FormatSessionList::addSession(FormatSession* session)
{
    if (!session)
        return;
    m_sessions.push_back(session);
    if (!m_firstByName.contains(session->name()))
        m_firstByName.insert(session->name(), session);
}

FormatSession* FormatSessionList::findSession(const QString& name) const
{
    return m_firstByName.value(name, nullptr);
}

// After the first session of a name has gone, the next oldest of that name
// (if any) is the one found.
void FormatSessionList::indexFirstNamed(const QString& name)
{
    for (FormatSession* session : m_sessions) {
        if (session->name() == name) {
            m_firstByName.insert(name, session);
            return;
        }
    }
    m_firstByName.remove(name);
}

FormatSession* FormatSessionList::findByPointer(const FormatSession* session) const
{
    for (FormatSession* held : m_sessions) {
        if (held == session)
            return held;
    }
    return nullptr;
}

void FormatSessionList::removeSession(const QString& name)
{
    for (auto it = m_sessions.begin(); it != m_sessions.end(); ++it) {
        if ((*it)->name() == name) {
            FormatSession* session = *it;
            m_sessions.erase(it);
            indexFirstNamed(name);
            delete session;
            return;
        }
    }
}

void FormatSessionList::closeSession(const QString& name)
{
    if (findSession(name))
        removeSession(name);
}

void FormatSessionList::handlePacket(const TransportPacket& packet, KvzPacketOut* out)
{
    if (FormatSession* session = findSession(packet.deviceNameText()))
        session->handlePacket(packet, out);
}

void FormatSessionList::showSession(const QString& name)
{
    if (FormatSession* session = findSession(name))
        session->showInForm();
}

void FormatSessionList::sendToDevice(const FormatSession* session, const uint8_t* bytes, int length)
{
    if (FormatSession* held = findByPointer(session))
        held->sendToDevice(bytes, length);
}
