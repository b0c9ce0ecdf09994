// The four exports of a format plug-in, forwarding to its one plug-in object
// (a FormatPlugin). Used once, in the plug-in's exports source:
//     FORMAT_PLUGIN_EXPORTS(Format_Zirn::instance())
#ifndef FORMAT_EXPORTS_H
#define FORMAT_EXPORTS_H

#include "format_plugin.h"
#include "kvz_abi.h"

#define FORMAT_PLUGIN_EXPORTS(plugin)                                                   \
    KVZ_EXPORT bool IsKVZLibrary() { return true; }                                     \
    KVZ_EXPORT void GetLibraryInfo(KvzPluginInfo* info) { (plugin).getLibraryInfo(info); } \
    KVZ_EXPORT void Initialize(KvzHostCallback callback, void* core, void* record)      \
    {                                                                                   \
        (plugin).initialize(callback, core, record);                                    \
    }                                                                                   \
    KVZ_EXPORT int ReceiveMessage(intptr_t, int code, void* data, void* out)            \
    {                                                                                   \
        return (plugin).receiveMessage(code, data, out);                                \
    }

#endif // FORMAT_EXPORTS_H
