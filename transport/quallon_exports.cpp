// The four exports of the transport plug-in.
#include "kvz_abi.h"
#include "transportmodule_kvzb.h"

namespace {
TransportModule_KVZB transportModule;
}

KVZ_EXPORT bool IsKVZLibrary()
{
    return true;
}

KVZ_EXPORT void GetLibraryInfo(KvzPluginInfo* info)
{
    transportModule.libraryInfo(info);
}

KVZ_EXPORT void Initialize(KvzHostCallback callback, void* core, void* record)
{
    transportModule.initialize(callback, core, record);
}

KVZ_EXPORT int ReceiveMessage(intptr_t, int code, void* data, void*)
{
    transportModule.receiveMessage(code, data);
    return 0;
}
