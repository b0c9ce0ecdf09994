// The transport plug-in's one module object: registers the transport with
// the host, hands over its settings page, and starts and stops the server.
#ifndef TRANSPORTMODULE_KVZB_H
#define TRANSPORTMODULE_KVZB_H

#include "kvz_abi.h"
#include "kvzb_host.h"

#include <QObject>
#include <QPointer>

#include <vector>

#include "kvzb_formserversettings.h"
class Server_KVZB;

class TransportModule_KVZB : public QObject, public KvzbHost
{
    Q_OBJECT
public:
    TransportModule_KVZB();
    ~TransportModule_KVZB() override;

    // The four exports
    void libraryInfo(KvzPluginInfo* out);
    void initialize(KvzHostCallback callback, void* core, void* record);
    void receiveMessage(int code, void* data);

    void sendToHost(int code, void* data, void* out) override;
    void* registeredModule() const override { return registered ? const_cast<TransportModule_KVZB*>(this) : nullptr; }

    Server_KVZB* server() const { return kvzbServer; }
    KVZB_FormServerSettings* settingsPage() const { return page; }

private slots:
    void slot_PacketBreak(bool checked);
    void slot_aboutToQuit();

private:
    void registerModule();
    void createSettings();
    void startServer();
    void stopServer();
    void log(const QString& text);

    KvzPluginInfo info;
    KvzHostCallback callback = nullptr;
    void* core = nullptr;
    void* record = nullptr;
    QPointer<KVZB_FormServerSettings> page;
    bool running = false;
    Server_KVZB* kvzbServer = nullptr;
    std::vector<FormatDescriptor*> formats;
    bool infoHandedOut = false;
    bool registered = false;
};

#endif // TRANSPORTMODULE_KVZB_H
