#include "transportmodule_kvzb.h"

#include "kvzb_formserversettings.h"
#include "server_kvzb.h"

#include <QCoreApplication>

TransportModule_KVZB::TransportModule_KVZB()
{
    std::memset(&info, 0, sizeof(info));
    info.handle = this;
    KvzText::toField(info.name, sizeof(info.name), QStringLiteral("Transport KVZB"));
    KvzText::toField(info.description, sizeof(info.description), QStringLiteral("Transport module KVZB"));
    info.reserved[0] = 1;
    info.reserved[1] = 0;
    info.reserved[2] = 1;
    info.unused = 0;
    info.kind = KVZ_KIND_TRANSPORT;
}

// The descriptors that the host appended to our list are ours to free; the
// server, whose connections read them, goes first.
TransportModule_KVZB::~TransportModule_KVZB()
{
    delete kvzbServer;
    for (FormatDescriptor* descriptor : formats)
        delete descriptor;
}

void TransportModule_KVZB::libraryInfo(KvzPluginInfo* out)
{
    if (!out)
        return;
    std::memcpy(out, &info, sizeof(info));
    infoHandedOut = true;
}

void TransportModule_KVZB::initialize(KvzHostCallback aCallback, void* aCore, void* aRecord)
{
    callback = aCallback;
    core = aCore;
    record = aRecord;
}

void TransportModule_KVZB::sendToHost(int code, void* data, void* out)
{
    if (callback && core && infoHandedOut)
        callback(core, code, data, out);
}

void TransportModule_KVZB::log(const QString& text)
{
    QString copy(text);
    sendToHost(MSG_LOG_TEXT, &copy, kvzIntArg(copy.size()));
}

void TransportModule_KVZB::receiveMessage(int code, void* data)
{
    switch (code) {
    case MSG_PLUGINS_LOADED:
        registerModule();
        break;
    case MSG_WINDOW_READY:
        createSettings();
        break;
    case MSG_START:
        startServer();
        break;
    case MSG_STOP:
        stopServer();
        break;
    case MSG_CLOSE_CONNECTION:
        if (kvzbServer)
            kvzbServer->closeDevice(data);
        break;
    case MSG_SEND_TO_DEVICE:
        if (kvzbServer && data) {
            TransportPacket* packet = static_cast<TransportPacket*>(data);
            kvzbServer->sendCommand(packet->connection, packet->data, packet->validLength());
        }
        break;
    default:
        break;
    }
}

void TransportModule_KVZB::registerModule()
{
    KvzModuleEntry entry;
    std::memset(&entry, 0, sizeof(entry));
    KvzText::toField(entry.moduleClass, sizeof(entry.moduleClass), QStringLiteral("TRANSPORT"));
    KvzText::toField(entry.maker, sizeof(entry.maker), QStringLiteral("ZOLVENTARI"));
    KvzText::toField(entry.protocol, sizeof(entry.protocol), QStringLiteral("KVZB"));
    entry.owner = record;
    entry.handle = this;
    sendToHost(MSG_REGISTER_MODULE, &entry, nullptr);
    registered = true;
}

void TransportModule_KVZB::createSettings()
{
    sendToHost(MSG_GET_FORMATS, &formats, nullptr);
    log(QStringLiteral("quallon.so"));
    page = new KVZB_FormServerSettings();
    connect(page, &KVZB_FormServerSettings::signalPacketBreak, this, &TransportModule_KVZB::slot_PacketBreak);
    sendToHost(MSG_ADD_PROPERTIES, page.data(), nullptr);
}

void TransportModule_KVZB::startServer()
{
    if (!page || !page->serverEnabled()) {
        running = false;
        return;
    }
    running = true;
    log(QStringLiteral(" -------Сервер KVZB запущен------- "));
    if (!kvzbServer) {
        kvzbServer = new Server_KVZB(*this, formats, this);
        // Connections end before the application does, so no thread outlives it.
        if (QCoreApplication::instance())
            connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &TransportModule_KVZB::slot_aboutToQuit);
    }
    page->lockSettings();
    kvzbServer->setPacketBreak(page->packetBreak());
    kvzbServer->listenOn(page->port());
}

void TransportModule_KVZB::stopServer()
{
    if (!running)
        return;
    log(QStringLiteral(" -------Сервер KVZB остановлен------- "));
    if (page)
        page->unlockSettings();
    if (kvzbServer)
        kvzbServer->stopAll();
}

void TransportModule_KVZB::slot_PacketBreak(bool checked)
{
    if (kvzbServer)
        kvzbServer->setPacketBreak(checked);
}

void TransportModule_KVZB::slot_aboutToQuit()
{
    delete kvzbServer;
    kvzbServer = nullptr;
    running = false;
}
