// The sessions of one format plug-in, in the order they were opened, keyed by
// terminal name (first, that is oldest, match wins; names are not kept
// unique) and also found by their own address. The list owns its sessions.
#ifndef FORMAT_SESSION_LIST_H
#define FORMAT_SESSION_LIST_H

#include "kvz_abi.h"

#include <QHash>
#include <QString>
#include <vector>

class FormatSession;

class FormatSessionList
{
public:
    FormatSessionList() = default;
    ~FormatSessionList();
    FormatSessionList(const FormatSessionList&) = delete;
    FormatSessionList& operator=(const FormatSessionList&) = delete;

    void addSession(FormatSession* session);
    FormatSession* findSession(const QString& name) const;
    // The session if the list holds that very pointer; never dereferenced.
    FormatSession* findByPointer(const FormatSession* session) const;
    // Deletes the first session of that name (its destructor writes its
    // disconnect entry); nothing when there is none.
    void removeSession(const QString& name);
    void closeSession(const QString& name);
    // Hands the packet to the session of its deviceName; without one, out
    // is left as the host gave it.
    void handlePacket(const TransportPacket& packet, KvzPacketOut* out);
    void showSession(const QString& name);
    // Only a session still in the list sends.
    void sendToDevice(const FormatSession* session, const uint8_t* bytes, int length);

    int count() const { return static_cast<int>(m_sessions.size()); }

private:
    void indexFirstNamed(const QString& name);

    std::vector<FormatSession*> m_sessions;
    // The first session of each name: every packet finds its session
    // without a walk through all of them.
    QHash<QString, FormatSession*> m_firstByName;
};

#endif // FORMAT_SESSION_LIST_H
