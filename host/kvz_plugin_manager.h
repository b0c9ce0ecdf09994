// The loaded plug-ins, in load order and by kind; broadcasts and sends to one.
#ifndef KVZ_PLUGIN_MANAGER_H
#define KVZ_PLUGIN_MANAGER_H

#include "kvz_abi.h"

#include <QStringList>
#include <vector>

class CSerializeNode;
class KvzPluginRecord;

class KvzPluginManager
{
public:
    explicit KvzPluginManager(KvzHostCallback callback);
    ~KvzPluginManager();   // frees the records; the libraries stay loaded
    KvzPluginManager(const KvzPluginManager&) = delete;
    KvzPluginManager& operator=(const KvzPluginManager&) = delete;

    void addPlugin(const QString& path);
    void broadcast(int code, void* data, void* out);
    void sendTo(KvzPluginRecord* record, int code, void* data, void* out);
    bool contains(const void* record) const;
    KvzPluginRecord* findFormat(int formatNumber) const;
    QString formatName(int formatNumber) const;
    KvzPluginRecord* findByName(const QString& name) const;
    void queryFormats(std::vector<FormatDescriptor*>& list);

    // One "MODULE" element per plug-in below node, named by the plug-in's
    // name: each plug-in adds its own settings to it (5015) or reads them (5014).
    void saveModules(CSerializeNode* node);
    void loadModules(CSerializeNode* node);

    // Not used by any step of the program.
    void broadcastToFormats(int code, void* data, void* out);
    KvzPluginRecord* findByDescription(const QString& description) const;
    QStringList otherDescriptions() const;
    KvzPluginRecord* findOtherByDescription(const QString& description) const;
    void broadcastToOthers(int code, void* data, void* out);

    int pluginCount() const { return static_cast<int>(plugins.size()); }

private:
    static KvzPluginRecord* findByDescriptionIn(const std::vector<KvzPluginRecord*>& list,
                                                const QString& description);
    static void broadcastTo(const std::vector<KvzPluginRecord*>& list, int code, void* data, void* out);

    std::vector<KvzPluginRecord*> plugins;           // every loaded plug-in, load order
    std::vector<KvzPluginRecord*> formatPlugins;     // kind 1
    std::vector<KvzPluginRecord*> otherPlugins;      // filled by no step
    std::vector<KvzPluginRecord*> transportPlugins;  // kind 0
    KvzHostCallback callback;
    // Records handed to Initialize of libraries that were not added (their
    // IsKVZLibrary said false): the library keeps the pointer, so they live on.
    std::vector<KvzPluginRecord*> rejected;
};

#endif // KVZ_PLUGIN_MANAGER_H
