// The host's centre: runs the start-up, answers every message that a
// plug-in addresses to the host and routes messages to single plug-ins.
#ifndef KVZ_CORE_H
#define KVZ_CORE_H

#include "kvz_abi.h"

#include <QString>
#include <vector>

class KVZ_MainWindow;
class KvzModuleRegistry;
class KvzPluginManager;
class KvzPluginRecord;

class KvzCore
{
public:
    KvzCore();
    ~KvzCore();
    KvzCore(const KvzCore&) = delete;
    KvzCore& operator=(const KvzCore&) = delete;

    static KvzCore* instance();
    // The callback that every plug-in receives in Initialize.
    static int pluginCallback(void* target, int code, void* data, void* out);

    void finishStartup();
    int routeMessage(void* target, int code, void* data, void* out);
    int sendToPlugin(void* record, int code, void* data, void* out);
    int dispatchMessage(void* target, int code, void* data, void* out);
    void setRunning(bool start);
    KvzPluginRecord* findFormat(int formatNumber) const;
    QString formatName(int formatNumber) const;
    void closeConnection(void* module, void* connection);
    void forwardToDevice(TransportPacket* packet);
    void queryFormats(std::vector<FormatDescriptor*>& list);

    KVZ_MainWindow* mainWindow() const { return window; }

private:
    void init();
    void scanPlugins();
    void sendToModuleOwner(void* module, int code, void* data);

    KVZ_MainWindow* window = nullptr;
    std::vector<FormatDescriptor*> formats;
    KvzPluginManager* manager = nullptr;
    KvzModuleRegistry* registry = nullptr;

    static KvzCore* current;
};

#endif // KVZ_CORE_H
