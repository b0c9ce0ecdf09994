// The host's record of one plug-in library: its file, its description, its
// two entry points and, for a format plug-in, its format number.
#ifndef KVZ_PLUGIN_RECORD_H
#define KVZ_PLUGIN_RECORD_H

#include "kvz_abi.h"

#include <QString>

class QLibrary;

class KvzPluginRecord
{
public:
    explicit KvzPluginRecord(const QString& path);
    ~KvzPluginRecord();   // the library stays loaded
    KvzPluginRecord(const KvzPluginRecord&) = delete;
    KvzPluginRecord& operator=(const KvzPluginRecord&) = delete;

    // Loads the library named by path (relative to the working directory) and
    // runs its start-up calls; the answer of IsKVZLibrary, false on failure.
    bool load(KvzHostCallback callback, void* core);
    // ReceiveMessage with this plug-in's own handle.
    int send(int code, void* data, void* out) const;
    // ReceiveMessage with another handle (a module entry's).
    int sendWithHandle(void* handle, int code, void* data, void* out) const;

    QByteArray nameBytes() const;
    QString name() const;
    QString description() const;

    QString path;
    KvzPluginInfo info;
    KvzInitializeFn initializeEntry = nullptr;
    KvzReceiveMessageFn receiveEntry = nullptr;
    int32_t formatNumber = 0;

private:
    QLibrary* library = nullptr;   // loaded libraries stay loaded
};

#endif // KVZ_PLUGIN_RECORD_H
