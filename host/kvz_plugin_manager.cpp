#include "kvz_plugin_manager.h"

#include "kvz_core.h"
#include "kvz_plugin_record.h"

#include "cserializenode.h"

KvzPluginManager::KvzPluginManager(KvzHostCallback aCallback)
    : callback(aCallback)
{
}

KvzPluginManager::~KvzPluginManager()
{
    for (KvzPluginRecord* record : plugins)
        delete record;
    for (KvzPluginRecord* record : rejected)
        delete record;
}

void KvzPluginManager::addPlugin(const QString& path)
{
    KvzPluginRecord* record = new KvzPluginRecord(path);
    if (!record->load(callback, KvzCore::instance())) {
        if (record->initializeEntry)
            rejected.push_back(record);
        else
            delete record;   // no code of the library saw it
        return;
    }
    plugins.push_back(record);
    switch (record->info.kind) {
    case KVZ_KIND_TRANSPORT:
        transportPlugins.push_back(record);
        break;
    case KVZ_KIND_FORMAT: {
        int32_t number = 0;
        record->send(MSG_FORMAT_NUMBER, &number, nullptr);
        record->formatNumber = number;
        formatPlugins.push_back(record);
        break;
    }
    default:
        break;
    }
}

void KvzPluginManager::broadcastTo(const std::vector<KvzPluginRecord*>& list, int code, void* data, void* out)
{
    for (size_t i = 0; i < list.size(); ++i)
        list[i]->send(code, data, out);
}

void KvzPluginManager::broadcast(int code, void* data, void* out)
{
    broadcastTo(plugins, code, data, out);
}

void KvzPluginManager::broadcastToFormats(int code, void* data, void* out)
{
    broadcastTo(formatPlugins, code, data, out);
}

void KvzPluginManager::broadcastToOthers(int code, void* data, void* out)
{
    broadcastTo(otherPlugins, code, data, out);
}

void KvzPluginManager::sendTo(KvzPluginRecord* record, int code, void* data, void* out)
{
    if (contains(record))
        record->send(code, data, out);
}

bool KvzPluginManager::contains(const void* record) const
{
    for (const KvzPluginRecord* own : plugins) {
        if (own == record)
            return true;
    }
    return false;
}

KvzPluginRecord* KvzPluginManager::findFormat(int formatNumber) const
{
    for (KvzPluginRecord* record : formatPlugins) {
        if (record->formatNumber == formatNumber)
            return record;
    }
    return nullptr;
}

QString KvzPluginManager::formatName(int formatNumber) const
{
    const KvzPluginRecord* record = findFormat(formatNumber);
    return record ? record->description() : QString();
}

KvzPluginRecord* KvzPluginManager::findByName(const QString& name) const
{
    if (plugins.empty() || name.isEmpty())
        return nullptr;
    const QByteArray wanted = KvzText::toCp1251(name);
    for (KvzPluginRecord* record : plugins) {
        if (record->nameBytes() == wanted)
            return record;
    }
    return nullptr;
}

KvzPluginRecord* KvzPluginManager::findByDescriptionIn(const std::vector<KvzPluginRecord*>& list,
                                                       const QString& description)
{
    for (KvzPluginRecord* record : list) {
        if (record->description() == description)
            return record;
    }
    return nullptr;
}

KvzPluginRecord* KvzPluginManager::findByDescription(const QString& description) const
{
    return findByDescriptionIn(plugins, description);
}

KvzPluginRecord* KvzPluginManager::findOtherByDescription(const QString& description) const
{
    return findByDescriptionIn(otherPlugins, description);
}

QStringList KvzPluginManager::otherDescriptions() const
{
    QStringList list;
    for (const KvzPluginRecord* record : otherPlugins)
        list << record->description();
    return list;
}

void KvzPluginManager::queryFormats(std::vector<FormatDescriptor*>& list)
{
    for (size_t i = 0; i < formatPlugins.size(); ++i) {
        KvzPluginRecord* record = formatPlugins[i];
        const QString name = record->name();
        int32_t formatNumber = 0;
        int32_t recordSize = 0;
        int32_t numberOffset = 0;
        int32_t table[KVZ_FIELD_TABLE_SIZE];
        std::memset(table, 0, sizeof(table));
        record->send(MSG_FORMAT_NUMBER, &formatNumber, nullptr);
        record->send(MSG_RECORD_SIZE, &recordSize, nullptr);
        record->send(MSG_NUMBER_OFFSET, &numberOffset, nullptr);
        record->send(MSG_FIELD_TABLE, table, nullptr);
        list.push_back(new FormatDescriptor(name, formatNumber, recordSize, numberOffset, table));
    }
}

void KvzPluginManager::saveModules(CSerializeNode* node)
{
    if (plugins.empty() || !node)
        return;
    for (KvzPluginRecord* record : plugins) {
        CSerializeNode* child = node->addChild("MODULE", 1);
        if (!child)
            continue;
        child->clearAttributes();
        child->setAttribute("name", record->nameBytes().constData());
        record->send(MSG_SAVE_SETTINGS, child, nullptr);
        child->commitAttributes();
        delete child;   // the element stays in the document
    }
}

void KvzPluginManager::loadModules(CSerializeNode* node)
{
    if (plugins.empty() || !node)
        return;
    for (CSerializeNode* child = node->firstChild("MODULE"); child; child = node->nextSibling()) {
        if (KvzPluginRecord* record = findByName(child->attribute("name", QString())))
            record->send(MSG_LOAD_SETTINGS, child, nullptr);
        delete child;
    }
}
