#include "kvz_driver_host.h"

#include <vector>

void KvzDriverHost::setHost(KvzHostCallback aCallback, void* aCore, void* aRecord)
{
    callback = aCallback;
    core = aCore;
    record = aRecord;
}

void KvzDriverHost::noteReceived(const QString& handle, int code)
{
    received << QStringLiteral("%1 %2").arg(code).arg(handle);
    if (replyCode != 0 && code == replyCode) {
        replyCode = 0;
        packet(replyPacket);
    }
}

int KvzDriverHost::call(void* target, int code, void* data, void* out)
{
    return callback ? callback(target, code, data, out) : 0;
}

// "self" the driver's own record, "null", or "bogus" (no plug-in record)
void* KvzDriverHost::ownerFor(const QString& word)
{
    if (word == QLatin1String("self"))
        return record;
    if (word == QLatin1String("bogus"))
        return bogusOwner;
    return nullptr;
}

void KvzDriverHost::fillQuery(KvzModuleQuery& query, const QStringList& args)
{
    std::memset(&query, 0, sizeof(query));
    KvzText::toField(query.moduleClass, sizeof(query.moduleClass), args.value(0));
    KvzText::toField(query.maker, sizeof(query.maker), args.value(1));
}

bool KvzDriverHost::handle(const QString& command, const QStringList& args, KvzDriverAnswer& answer)
{
    if (command == QLatin1String("register"))
        answer = registerEntry(args);
    else if (command == QLatin1String("count"))
        answer = count(args);
    else if (command == QLatin1String("findall"))
        answer = findAll(args);
    else if (command == QLatin1String("findone"))
        answer = findOne(args);
    else if (command == QLatin1String("route"))
        answer = route(args);
    else if (command == QLatin1String("packet"))
        answer = packet(args);
    else if (command == QLatin1String("onreceive"))
        answer = armReply(args);
    else if (command == QLatin1String("raw"))
        answer = raw(args);
    else if (command == QLatin1String("log"))
        answer = log(args);
    else if (command == QLatin1String("formats"))
        answer = formats(args);
    else if (command == QLatin1String("received"))
        answer = KvzDriverAnswer::success(received.join(QLatin1Char('\n')));
    else
        return false;
    return true;
}

// register <class> <maker> <protocol> <owner: self|null|bogus> <handle>
KvzDriverAnswer KvzDriverHost::registerEntry(const QStringList& args)
{
    KvzModuleEntry entry;
    std::memset(&entry, 0, sizeof(entry));
    KvzText::toField(entry.moduleClass, sizeof(entry.moduleClass), args.value(0));
    KvzText::toField(entry.maker, sizeof(entry.maker), args.value(1));
    KvzText::toField(entry.protocol, sizeof(entry.protocol), args.value(2));
    entry.owner = ownerFor(args.value(3));
    entry.handle = kvzIntArg(args.value(4).toLongLong());
    const int result = call(core, MSG_REGISTER_MODULE, &entry, nullptr);
    std::memset(&entry, 0xEE, sizeof(entry));   // the host must have taken a copy
    return KvzDriverAnswer::success(QString::number(result));
}

// count <class> <maker> [null] -> "<result> <count>"
KvzDriverAnswer KvzDriverHost::count(const QStringList& args)
{
    KvzModuleQuery query;
    fillQuery(query, args);
    int32_t counted = -7;
    const bool nullOut = args.value(2) == QLatin1String("null");
    const int result = call(core, MSG_COUNT_MODULES, &query, nullOut ? nullptr : &counted);
    return KvzDriverAnswer::success(QStringLiteral("%1 %2").arg(result).arg(counted));
}

// findall <class> <maker> <capacity> [null] -> "<result> <handle>,<handle>,..."
// The results array has room for 8 pointers whatever the capacity says; the
// slots that the host did not write stay null.
KvzDriverAnswer KvzDriverHost::findAll(const QStringList& args)
{
    KvzModuleQuery query;
    fillQuery(query, args);
    KvzModuleEntry* results[8] = {};
    query.capacity = args.value(2).toInt();
    query.results = args.value(3) == QLatin1String("null") ? nullptr : results;
    const int result = call(core, MSG_FIND_MODULES, &query, nullptr);
    QStringList handles;
    for (KvzModuleEntry* entry : results) {
        if (entry)
            handles << QString::number(reinterpret_cast<intptr_t>(entry->handle));
    }
    return KvzDriverAnswer::success(QStringLiteral("%1 %2").arg(result).arg(handles.join(QLatin1Char(','))));
}

// findone <class> <maker> [null] -> "<result> <handle or 'none'> <protocol>"
KvzDriverAnswer KvzDriverHost::findOne(const QStringList& args)
{
    KvzModuleQuery query;
    fillQuery(query, args);
    KvzModuleEntry* found = reinterpret_cast<KvzModuleEntry*>(&stray);
    const bool nullOut = args.value(2) == QLatin1String("null");
    const int result = call(core, MSG_FIND_MODULE, &query, nullOut ? nullptr : &found);
    if (nullOut || found == &stray)
        return KvzDriverAnswer::success(QStringLiteral("%1 untouched").arg(result));
    lastFound = found;
    if (!found)
        return KvzDriverAnswer::success(QStringLiteral("%1 none").arg(result));
    return KvzDriverAnswer::success(QStringLiteral("%1 %2 %3").arg(result)
                                        .arg(reinterpret_cast<intptr_t>(found->handle))
                                        .arg(KvzText::fromField(found->protocol, sizeof(found->protocol))));
}

// route <target: null|core|found|stray> <code> [<stray owner: self|null|bogus>] -> result
KvzDriverAnswer KvzDriverHost::route(const QStringList& args)
{
    const QString target = args.value(0);
    const int code = args.value(1).toInt();
    void* to = nullptr;
    if (target == QLatin1String("core")) {
        to = core;
    } else if (target == QLatin1String("found")) {
        to = lastFound;
    } else if (target == QLatin1String("stray")) {
        std::memset(&stray, 0, sizeof(stray));
        stray.owner = ownerFor(args.value(2));
        stray.handle = record;
        to = &stray;
    }
    return KvzDriverAnswer::success(QString::number(call(to, code, nullptr, nullptr)));
}

// packet <code> <type> <format> <name> <id> <hostObject> <connection> <module> <length> <hex data>
// -> "<result> <hostObject after the call>"
KvzDriverAnswer KvzDriverHost::packet(const QStringList& args)
{
    if (args.size() < 10)
        return KvzDriverAnswer::failure(QStringLiteral("packet needs 10 words"));
    TransportPacket* p = new TransportPacket;
    p->clear();
    const int code = args.at(0).toInt();
    p->type = args.at(1).toInt();
    p->formatNumber = args.at(2).toInt();
    KvzText::toField(p->deviceName, KVZ_DEVICE_NAME_SIZE, args.at(3));
    p->deviceId = static_cast<uint32_t>(args.at(4).toLongLong());
    p->hostObject = kvzIntArg(args.at(5).toLongLong());
    p->connection = kvzIntArg(args.at(6).toLongLong());
    p->module = kvzIntArg(args.at(7).toLongLong());
    p->length = args.at(8).toInt();
    const QByteArray bytes = QByteArray::fromHex(args.at(9).toLatin1()).left(KVZ_PACKET_DATA_SIZE);
    std::memcpy(p->data, bytes.constData(), static_cast<size_t>(bytes.size()));
    p->protocolState = PS_KVZB;
    const int result = call(core, code, p, nullptr);
    const intptr_t host = reinterpret_cast<intptr_t>(p->hostObject);
    delete p;   // the host keeps no pointer to a packet once the call returns
    return KvzDriverAnswer::success(QStringLiteral("%1 %2").arg(result).arg(host));
}

// onreceive <code> <the 10 words of "packet"> -> "0": the next time the
// driver receives that code, it sends the packet from inside that call; once.
KvzDriverAnswer KvzDriverHost::armReply(const QStringList& args)
{
    if (args.size() < 11)
        return KvzDriverAnswer::failure(QStringLiteral("onreceive needs a code and 10 packet words"));
    replyCode = args.at(0).toInt();
    replyPacket = args.mid(1);
    return KvzDriverAnswer::success(QStringLiteral("0"));
}

// raw <code> <hex bytes> <count> [null] -> result; "null" passes null data
KvzDriverAnswer KvzDriverHost::raw(const QStringList& args)
{
    QByteArray bytes = QByteArray::fromHex(args.value(1).toLatin1());
    const bool nullData = args.value(3) == QLatin1String("null");
    const int result = call(core, args.value(0).toInt(), nullData ? nullptr : bytes.data(),
                            kvzIntArg(args.value(2).toInt()));
    return KvzDriverAnswer::success(QString::number(result));
}

// log <text> [times] -> result; sent times times, "%1" in the text replaced by 0, 1, ...
KvzDriverAnswer KvzDriverHost::log(const QStringList& args)
{
    const int times = qMax(1, args.value(1).toInt());
    const bool numbered = args.value(0).contains(QLatin1String("%1"));
    int result = 0;
    for (int i = 0; i < times; ++i) {
        QString* text = new QString(numbered ? args.value(0).arg(i) : args.value(0));
        result = call(core, MSG_LOG_TEXT, text, kvzIntArg(text->size()));
        delete text;    // the host copies the text
    }
    return KvzDriverAnswer::success(QString::number(result));
}

// formats [times] -> "<result> <count>" then one line per descriptor:
// "<name>/<formatNumber>/<recordSize>/<numberOffset>/<table comma-separated>"
// With times > 1 the same list is handed over that many times.
KvzDriverAnswer KvzDriverHost::formats(const QStringList& args)
{
    std::vector<FormatDescriptor*> list;
    int result = 0;
    const int times = qMax(1, args.value(0).toInt());
    for (int i = 0; i < times; ++i)
        result = call(core, MSG_GET_FORMATS, &list, nullptr);
    QStringList lines;
    lines << QStringLiteral("%1 %2").arg(result).arg(list.size());
    for (const FormatDescriptor* d : list) {
        QStringList table;
        for (int i = 0; i < KVZ_FIELD_TABLE_SIZE; ++i)
            table << QString::number(d->fieldTable[i]);
        lines << QStringLiteral("%1/%2/%3/%4/%5").arg(d->name).arg(d->formatNumber).arg(d->recordSize)
                     .arg(d->numberOffset).arg(table.join(QLatin1Char(',')));
        delete d;
    }
    return KvzDriverAnswer::success(lines.join(QLatin1Char('\n')));
}
