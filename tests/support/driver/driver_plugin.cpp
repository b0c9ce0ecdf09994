// The driver plug-in (kind 2): lets a test steer the real velkor process.
// On MSG_WINDOW_READY it opens a local server named by the environment
// variable KVZ_DRIVER_SERVER (see kvz_driver_server.h for the protocol).
#include "kvz_abi.h"
#include "kvz_driver_server.h"

#include <QCoreApplication>

namespace {

class KvzDriverPlugin
{
public:
    KvzDriverPlugin()
    {
        std::memset(&info, 0, sizeof(info));
        info.handle = this;
        KvzText::toField(info.name, sizeof(info.name), QStringLiteral("KVZ test driver"));
        KvzText::toField(info.description, sizeof(info.description), QStringLiteral("KVZ test driver"));
        info.kind = 2;
    }

    void windowReady()
    {
        if (server)
            return;
        server = new KvzDriverServer(QCoreApplication::instance());
        server->host().setHost(callback, core, record);
        const QString name = qEnvironmentVariable("KVZ_DRIVER_SERVER");
        if (name.isEmpty() || !server->listen(name))
            qWarning("kvz driver: cannot listen on '%s'", qPrintable(name));
    }

    KvzPluginInfo info;
    KvzHostCallback callback = nullptr;
    void* core = nullptr;
    void* record = nullptr;
    KvzDriverServer* server = nullptr;
};

KvzDriverPlugin& plugin()
{
    static KvzDriverPlugin instance;
    return instance;
}

} // namespace

KVZ_EXPORT bool IsKVZLibrary()
{
    return true;
}

KVZ_EXPORT void GetLibraryInfo(KvzPluginInfo* info)
{
    if (info)
        std::memcpy(info, &plugin().info, sizeof(KvzPluginInfo));
}

KVZ_EXPORT void Initialize(KvzHostCallback callback, void* core, void* record)
{
    plugin().callback = callback;
    plugin().core = core;
    plugin().record = record;
}

KVZ_EXPORT int ReceiveMessage(intptr_t handle, int code, void*, void*)
{
    KvzDriverPlugin& p = plugin();
    if (p.server) {
        const bool own = handle == reinterpret_cast<intptr_t>(p.info.handle);
        p.server->host().noteReceived(own ? QStringLiteral("self") : QString::number(handle), code);
    }
    if (code == MSG_WINDOW_READY)
        plugin().windowReady();
    return 0;
}
