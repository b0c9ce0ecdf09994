#include "kvz_plugin_record.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

KvzPluginRecord::KvzPluginRecord(const QString& aPath)
    : path(aPath)
{
    std::memset(&info, 0, sizeof(info));
}

KvzPluginRecord::~KvzPluginRecord()
{
    delete library;   // deleting a QLibrary does not unload it
}

bool KvzPluginRecord::load(KvzHostCallback callback, void* core)
{
    const QString file = QDir::current().absoluteFilePath(path);
    if (!QFileInfo(file).isFile())
        return false;
    library = new QLibrary(file);
    if (!library->load()) {
        delete library;
        library = nullptr;
        return false;
    }
    // All four exports are resolved before any is called: a library that
    // lacks one is unloaded without having run any of its code.
    auto isLibrary = reinterpret_cast<KvzIsKVZLibraryFn>(library->resolve("IsKVZLibrary"));
    auto getInfo = reinterpret_cast<KvzGetLibraryInfoFn>(library->resolve("GetLibraryInfo"));
    auto initialize = reinterpret_cast<KvzInitializeFn>(library->resolve("Initialize"));
    auto receive = reinterpret_cast<KvzReceiveMessageFn>(library->resolve("ReceiveMessage"));
    if (!isLibrary || !getInfo || !initialize || !receive) {
        library->unload();
        delete library;
        library = nullptr;
        return false;
    }
    const bool accepted = isLibrary();
    getInfo(&info);
    initializeEntry = initialize;
    initializeEntry(callback, core, this);
    receiveEntry = receive;
    return accepted;
}

int KvzPluginRecord::send(int code, void* data, void* out) const
{
    return sendWithHandle(info.handle, code, data, out);
}

int KvzPluginRecord::sendWithHandle(void* handle, int code, void* data, void* out) const
{
    if (!receiveEntry)
        return 0;
    return receiveEntry(reinterpret_cast<intptr_t>(handle), code, data, out);
}

QByteArray KvzPluginRecord::nameBytes() const
{
    const void* nul = std::memchr(info.name, 0, sizeof(info.name));
    const int length = nul ? static_cast<int>(static_cast<const char*>(nul) - info.name)
                           : static_cast<int>(sizeof(info.name));
    return QByteArray(info.name, length);
}

QString KvzPluginRecord::name() const
{
    return KvzText::fromField(info.name, sizeof(info.name));
}

QString KvzPluginRecord::description() const
{
    return KvzText::fromField(info.description, sizeof(info.description));
}
