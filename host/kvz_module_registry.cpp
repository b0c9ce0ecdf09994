#include "kvz_module_registry.h"

namespace {
// A text field read up to its first NUL, never past its width.
QByteArray fieldBytes(const char* field, size_t width)
{
    const void* nul = std::memchr(field, 0, width);
    const size_t length = nul ? static_cast<size_t>(static_cast<const char*>(nul) - field) : width;
    return QByteArray(field, static_cast<int>(length));
}
}

KvzModuleRegistry::~KvzModuleRegistry()
{
    for (KvzModuleEntry* entry : entries)
        delete entry;
}

void KvzModuleRegistry::add(const KvzModuleEntry& entry)
{
    KvzModuleEntry* copy = new KvzModuleEntry;
    std::memcpy(copy, &entry, sizeof(KvzModuleEntry));
    entries.push_back(copy);
}

bool KvzModuleRegistry::matches(const KvzModuleEntry& entry, const KvzModuleQuery& query, bool anyMaker)
{
    if (moduleClass(entry) != fieldBytes(query.moduleClass, sizeof(query.moduleClass)))
        return false;
    const QByteArray wanted = fieldBytes(query.maker, sizeof(query.maker));
    return (anyMaker && wanted.isEmpty()) || maker(entry) == wanted;
}

int KvzModuleRegistry::count(const KvzModuleQuery& query) const
{
    int n = 0;
    for (const KvzModuleEntry* entry : entries) {
        if (matches(*entry, query, true))
            ++n;
    }
    return n;
}

int KvzModuleRegistry::findAll(KvzModuleQuery& query) const
{
    if (!query.results || query.capacity <= 0)
        return 0;
    int written = 0;
    for (KvzModuleEntry* entry : entries) {
        if (query.capacity - written < 1)
            break;
        if (matches(*entry, query, true))
            query.results[written++] = entry;
    }
    return written;
}

KvzModuleEntry* KvzModuleRegistry::findOne(const KvzModuleQuery& query) const
{
    for (KvzModuleEntry* entry : entries) {
        if (matches(*entry, query, false))
            return entry;
    }
    return nullptr;
}

KvzPluginRecord* KvzModuleRegistry::findByHandle(const void* handle) const
{
    for (const KvzModuleEntry* entry : entries) {
        if (entry->handle == handle)
            return static_cast<KvzPluginRecord*>(entry->owner);
    }
    return nullptr;
}

KvzModuleEntry* KvzModuleRegistry::findByOwner(const void* record) const
{
    for (KvzModuleEntry* entry : entries) {
        if (entry->owner == record)
            return entry;
    }
    return nullptr;
}

bool KvzModuleRegistry::contains(const void* entry) const
{
    for (const KvzModuleEntry* own : entries) {
        if (own == entry)
            return true;
    }
    return false;
}

QByteArray KvzModuleRegistry::moduleClass(const KvzModuleEntry& entry)
{
    return fieldBytes(entry.moduleClass, sizeof(entry.moduleClass));
}

QByteArray KvzModuleRegistry::maker(const KvzModuleEntry& entry)
{
    return fieldBytes(entry.maker, sizeof(entry.maker));
}

QByteArray KvzModuleRegistry::protocol(const KvzModuleEntry& entry)
{
    return fieldBytes(entry.protocol, sizeof(entry.protocol));
}
