// The four entry points of the benchmark helper plug-in.
#include "bench_helper.h"

namespace {
BenchHelper& helper()
{
    static BenchHelper instance;
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
        *info = helper().info();
}

KVZ_EXPORT void Initialize(KvzHostCallback callback, void* core, void* /*record*/)
{
    helper().initialize(callback, core);
}

KVZ_EXPORT int ReceiveMessage(intptr_t /*handle*/, int code, void* data, void* out)
{
    helper().receiveMessage(code, data, out);
    return 0;
}
