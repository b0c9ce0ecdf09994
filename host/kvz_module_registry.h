// The modules that plug-ins announce with MSG_REGISTER_MODULE, and the
// lookups of MSG_COUNT_MODULES, MSG_FIND_MODULES and MSG_FIND_MODULE.
#ifndef KVZ_MODULE_REGISTRY_H
#define KVZ_MODULE_REGISTRY_H

#include "kvz_abi.h"

#include <QByteArray>
#include <vector>

class KvzPluginRecord;

class KvzModuleRegistry
{
public:
    KvzModuleRegistry() = default;
    ~KvzModuleRegistry();
    KvzModuleRegistry(const KvzModuleRegistry&) = delete;
    KvzModuleRegistry& operator=(const KvzModuleRegistry&) = delete;

    void add(const KvzModuleEntry& entry);
    int count(const KvzModuleQuery& query) const;
    int findAll(KvzModuleQuery& query) const;
    KvzModuleEntry* findOne(const KvzModuleQuery& query) const;
    KvzPluginRecord* findByHandle(const void* handle) const;
    KvzModuleEntry* findByOwner(const void* record) const;
    bool contains(const void* entry) const;

    static QByteArray moduleClass(const KvzModuleEntry& entry);
    static QByteArray maker(const KvzModuleEntry& entry);
    static QByteArray protocol(const KvzModuleEntry& entry);

private:
    static bool matches(const KvzModuleEntry& entry, const KvzModuleQuery& query, bool anyMaker);

    std::vector<KvzModuleEntry*> entries;   // own copies, in registration order
};

#endif // KVZ_MODULE_REGISTRY_H
