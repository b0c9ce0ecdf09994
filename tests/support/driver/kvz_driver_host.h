// Host commands of the driver: calls of the host callback exactly as a
// plug-in would make them, with the records built from the command's words.
#ifndef KVZ_DRIVER_HOST_H
#define KVZ_DRIVER_HOST_H

#include "kvz_abi.h"
#include "kvz_driver_answer.h"

#include <QStringList>

class KvzDriverHost
{
public:
    void setHost(KvzHostCallback callback, void* core, void* record);
    // A message that reached the driver's own ReceiveMessage; the handle
    // as "self" when it is the driver's own. Sends the packet that
    // "onreceive" armed for that code, from inside the call.
    void noteReceived(const QString& handle, int code);
    // true when the command is a host command; the answer is then set
    bool handle(const QString& command, const QStringList& args, KvzDriverAnswer& answer);

private:
    int call(void* target, int code, void* data, void* out);
    void* ownerFor(const QString& word);
    static void fillQuery(KvzModuleQuery& query, const QStringList& args);

    KvzDriverAnswer registerEntry(const QStringList& args);
    KvzDriverAnswer count(const QStringList& args);
    KvzDriverAnswer findAll(const QStringList& args);
    KvzDriverAnswer findOne(const QStringList& args);
    KvzDriverAnswer route(const QStringList& args);
    KvzDriverAnswer packet(const QStringList& args);
    KvzDriverAnswer armReply(const QStringList& args);
    KvzDriverAnswer raw(const QStringList& args);
    KvzDriverAnswer log(const QStringList& args);
    KvzDriverAnswer formats(const QStringList& args);

    KvzHostCallback callback = nullptr;
    void* core = nullptr;
    void* record = nullptr;
    KvzModuleEntry* lastFound = nullptr;   // the latest entry that "findone" gave
    KvzModuleEntry stray;                  // an entry the registry never saw
    char bogusOwner[64] = {};              // a pointer that is no plug-in record
    QStringList received;                  // "<code> <handle>" of every message received
    int replyCode = 0;                     // "onreceive": the code that triggers the packet
    QStringList replyPacket;               // "onreceive": the words of a "packet" command
};

#endif // KVZ_DRIVER_HOST_H
