#include "kvz_core.h"

#include "kvz_mainwindow.h"
#include "kvz_module_registry.h"
#include "kvz_plugin_manager.h"
#include "kvz_plugin_record.h"

#include <QDir>

KvzCore* KvzCore::current = nullptr;

KvzCore::KvzCore()
{
    init();
}

// At the end of the run: no message goes to the plug-ins and no library is
// unloaded. The window (with the plug-ins' widgets in it) and the
// descriptors handed to plug-ins stay; the host's own records go, and the
// callback answers -1 from now on instead of reaching a core that is gone.
KvzCore::~KvzCore()
{
    for (FormatDescriptor* descriptor : formats)
        delete descriptor;
    formats.clear();
    delete manager;
    manager = nullptr;
    delete registry;
    registry = nullptr;
    if (current == this)
        current = nullptr;
}

KvzCore* KvzCore::instance()
{
    return current;
}

void KvzCore::init()
{
    current = this;
    if (!manager)
        manager = new KvzPluginManager(&KvzCore::pluginCallback);
    if (!registry)
        registry = new KvzModuleRegistry;
    scanPlugins();
    manager->broadcast(MSG_PLUGINS_LOADED, nullptr, nullptr);
    window = new KVZ_MainWindow;
    manager->broadcast(MSG_WINDOW_READY, nullptr, nullptr);
}

void KvzCore::scanPlugins()
{
    if (!manager)
        return;
    const QStringList files = QDir::current().entryList(QStringList() << QStringLiteral("*.so"),
                                                        QDir::Files, QDir::Unsorted);
    for (const QString& file : files)
        manager->addPlugin(file);
}

void KvzCore::finishStartup()
{
    queryFormats(formats);
    if (window)
        window->showFirstPage();
}

int KvzCore::pluginCallback(void* target, int code, void* data, void* out)
{
    if (!current)
        return KVZ_NO_CORE;
    return current->routeMessage(target, code, data, out);
}

int KvzCore::routeMessage(void* target, int code, void* data, void* out)
{
    if (target == this)
        return dispatchMessage(target, code, data, out);
    if (!target)
        return KVZ_NO_CORE;
    // Only the registry's own entries are read, and only an owner that is a
    // loaded plug-in receives the message.
    if (!registry || !manager || !registry->contains(target))
        return KVZ_NO_OWNER;
    const KvzModuleEntry* entry = static_cast<const KvzModuleEntry*>(target);
    if (!entry->owner || !manager->contains(entry->owner))
        return KVZ_NO_OWNER;
    return static_cast<KvzPluginRecord*>(entry->owner)->sendWithHandle(entry->handle, code, data, out);
}

int KvzCore::sendToPlugin(void* record, int code, void* data, void* out)
{
    if (record == this)
        return dispatchMessage(record, code, data, out);
    if (!record)
        return 0;
    return static_cast<KvzPluginRecord*>(record)->send(code, data, out);
}

int KvzCore::dispatchMessage(void*, int code, void* data, void* out)
{
    switch (code) {
    case MSG_REGISTER_MODULE:
        if (registry && data)
            registry->add(*static_cast<const KvzModuleEntry*>(data));
        break;
    case MSG_COUNT_MODULES:
        if (registry && data && out)
            *static_cast<int32_t*>(out) = registry->count(*static_cast<const KvzModuleQuery*>(data));
        break;
    case MSG_FIND_MODULES:
        if (registry && data)
            return registry->findAll(*static_cast<KvzModuleQuery*>(data));
        break;
    case MSG_FIND_MODULE:
        if (registry && data && out)
            *static_cast<KvzModuleEntry**>(out) = registry->findOne(*static_cast<const KvzModuleQuery*>(data));
        break;
    case MSG_ADD_PROPERTIES:
        if (window && data)
            window->addSettingsWidget(static_cast<QWidget*>(data));
        break;
    case MSG_RAW_RECEIVED:
    case MSG_RAW_SENT:
        if (window && data)
            window->dumpRaw(code == MSG_RAW_SENT ? KVZ_MainWindow::DumpSent : KVZ_MainWindow::DumpCountOnly,
                            static_cast<const unsigned char*>(data), kvzArgInt(out));
        break;
    case MSG_LOG_TEXT:
        if (window && data)
            window->appendLog(QString(*static_cast<const QString*>(data)));
        break;
    case MSG_GET_FORMATS:
        if (data)
            queryFormats(*static_cast<std::vector<FormatDescriptor*>*>(data));
        break;
    case MSG_DEVICE_CONNECTED:
        if (window && data)
            window->logDeviceConnected(static_cast<TransportPacket*>(data));
        break;
    case MSG_DEVICE_DISCONNECTED:
        if (window && data)
            window->logDeviceDisconnected(*static_cast<const TransportPacket*>(data));
        break;
    case MSG_PACKET_RECEIVED:
    case MSG_PACKET_SENT:
        if (window && data)
            window->logPacket(code == MSG_PACKET_SENT ? KVZ_MainWindow::DumpSent : KVZ_MainWindow::DumpReceived,
                              *static_cast<const TransportPacket*>(data));
        break;
    case MSG_ADD_FORMAT_PAGE:
        if (window && data)
            window->addPropertyPage(static_cast<QWidget*>(data), kvzArgInt(out));
        break;
    case MSG_SEND_TO_DEVICE:
        if (data)
            forwardToDevice(static_cast<TransportPacket*>(data));
        break;
    default:
        break;
    }
    return 0;
}

void KvzCore::setRunning(bool start)
{
    if (manager)
        manager->broadcast(start ? MSG_START : MSG_STOP, nullptr, nullptr);
}

KvzPluginRecord* KvzCore::findFormat(int formatNumber) const
{
    return manager ? manager->findFormat(formatNumber) : nullptr;
}

QString KvzCore::formatName(int formatNumber) const
{
    return manager ? manager->formatName(formatNumber) : QString();
}

void KvzCore::sendToModuleOwner(void* module, int code, void* data)
{
    if (manager && registry)
        manager->sendTo(registry->findByHandle(module), code, data, nullptr);
}

void KvzCore::closeConnection(void* module, void* connection)
{
    sendToModuleOwner(module, MSG_CLOSE_CONNECTION, connection);
}

void KvzCore::forwardToDevice(TransportPacket* packet)
{
    if (packet)
        sendToModuleOwner(packet->module, MSG_SEND_TO_DEVICE, packet);
}

void KvzCore::queryFormats(std::vector<FormatDescriptor*>& list)
{
    if (manager)
        manager->queryFormats(list);
}
