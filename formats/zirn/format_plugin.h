// The plug-in object of a format plug-in: its description, the host callback
// and core, the session list, and the one message switch through which the
// host reaches it. A plug-in derives from it, gives its constants, its page
// and its sessions, and holds exactly one instance with static lifetime.
#ifndef FORMAT_PLUGIN_H
#define FORMAT_PLUGIN_H

#include "kvz_abi.h"

#include <QObject>
#include <QString>

class FormatSession;
class FormatSessionList;

class FormatPlugin : public QObject
{
public:
    // name goes into both name and description; the three integers into the
    // unnamed reserved fields.
    FormatPlugin(const QString& name, int32_t first, int32_t second, int32_t third);
    ~FormatPlugin() override;

    const KvzPluginInfo& info() const { return m_info; }
    void getLibraryInfo(KvzPluginInfo* buffer) const;
    // Keeps the three values, creates an empty session list and publishes
    // this object. Calling it again replaces the list.
    FormatSessionList* initialize(KvzHostCallback callback, void* core, void* record);
    // Every branch answers 0.
    int receiveMessage(int code, void* data, void* out);

    // Every message to the host goes through here, with the core as target.
    int callHost(void* target, int code, void* data, void* out);
    void* core() const { return m_core; }
    FormatSessionList* sessions() const { return m_sessions; }

    // Relays to the session list; nothing while there is none.
    void openSession(const TransportPacket& packet);
    void closeSession(const QString& name);
    void handlePacket(const TransportPacket& packet, KvzPacketOut* out);
    void showSession(const QString& name);
    void sendToDevice(const FormatSession* session, const uint8_t* bytes, int length);

    // The uint32 little-endian at bytes 1 to 4 when size is above 6, else 0.
    static uint32_t recordNumber(const CEvent_Packet& packet);

    // The initialised plug-in object of this library, or null before
    // Initialize. Code that may run earlier does nothing while it is null.
    static FormatPlugin* published();

protected:
    virtual int32_t formatNumber() const = 0;
    virtual int32_t recordSize() const = 0;
    virtual int32_t numberOffset() const = 0;
    virtual void fieldLocations(int32_t* table) const = 0;
    // Creates the device page and hands it to the host (MSG_WINDOW_READY).
    virtual void createForm() = 0;
    // A new session for the terminal of packet; it handles the packet once.
    virtual FormatSession* createSession(const TransportPacket& packet) = 0;
    // Called just before a session is deleted, so nothing keeps its address.
    virtual void sessionClosing(FormatSession* session);

private:
    KvzPluginInfo m_info;
    KvzHostCallback m_callback = nullptr;
    void* m_core = nullptr;
    void* m_record = nullptr;
    FormatSessionList* m_sessions = nullptr;
};

#endif // FORMAT_PLUGIN_H
