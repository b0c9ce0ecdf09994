// A test-only plug-in, compiled into variants by definitions (see
// tests/support/CMakeLists.txt). It records every export call and every
// message it receives as one line of the shared trace file "kvz_trace.log"
// in the working directory, prefixed with its variant id.
//
//   KVZ_TP_ID            variant id, also the default name (required)
//   KVZ_TP_KIND          KvzPluginInfo::kind (default 1)
//   KVZ_TP_FORMAT        answer to 5022 (default 176)
//   KVZ_TP_RECORD_SIZE   answer to 5025 (default 111)
//   KVZ_TP_NUMBER_OFFSET answer to 5024 (default 1)
//   KVZ_TP_FIELD_SEED    5026 writes fieldTable[i] = seed + i (default 1000)
//   KVZ_TP_ACCEPT        answer of IsKVZLibrary (default 1)
//   KVZ_TP_MISSING       1..4: leave out IsKVZLibrary, GetLibraryInfo,
//                        Initialize or ReceiveMessage (default 0)
//   KVZ_TP_REGISTER_IN_INIT  register a module entry from inside Initialize
#include "kvz_abi.h"

#include <QFile>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <vector>

#ifndef KVZ_TP_ID
#error "KVZ_TP_ID must name the variant"
#endif
#ifndef KVZ_TP_NAME
#define KVZ_TP_NAME KVZ_TP_ID
#endif
#ifndef KVZ_TP_KIND
#define KVZ_TP_KIND 1
#endif
#ifndef KVZ_TP_FORMAT
#define KVZ_TP_FORMAT 176
#endif
#ifndef KVZ_TP_RECORD_SIZE
#define KVZ_TP_RECORD_SIZE 111
#endif
#ifndef KVZ_TP_NUMBER_OFFSET
#define KVZ_TP_NUMBER_OFFSET 1
#endif
#ifndef KVZ_TP_FIELD_SEED
#define KVZ_TP_FIELD_SEED 1000
#endif
#ifndef KVZ_TP_ACCEPT
#define KVZ_TP_ACCEPT 1
#endif
#ifndef KVZ_TP_MISSING
#define KVZ_TP_MISSING 0
#endif
#ifndef KVZ_TP_REGISTER_IN_INIT
#define KVZ_TP_REGISTER_IN_INIT 0
#endif

namespace {

QString pointerText(const void* p)
{
    return QString::number(reinterpret_cast<quintptr>(p));
}

class TestPlugin
{
public:
    TestPlugin()
    {
        std::memset(&info, 0, sizeof(info));
        info.handle = this;
        KvzText::toField(info.name, sizeof(info.name), QStringLiteral(KVZ_TP_NAME));
        KvzText::toField(info.description, sizeof(info.description),
                         QString::fromUtf8("Формат ") + QStringLiteral(KVZ_TP_NAME));
        info.reserved[0] = 1;
        info.kind = KVZ_TP_KIND;
    }

    void trace(const QString& line)
    {
        QFile file(QStringLiteral("kvz_trace.log"));
        if (file.open(QIODevice::WriteOnly | QIODevice::Append))
            file.write((QStringLiteral(KVZ_TP_ID " ") + line + QLatin1Char('\n')).toUtf8());
    }

    int callHost(int code, void* data, void* out)
    {
        if (!callback)
            return 0;
        const int result = callback(core, code, data, out);
        trace(QStringLiteral("Callback %1 -> %2").arg(code).arg(result));
        return result;
    }

    QString packetText(const void* data)
    {
        if (!data)
            return QStringLiteral("null");
        const TransportPacket* p = static_cast<const TransportPacket*>(data);
        const int length = p->validLength();
        return QStringLiteral("type=%1 format=%2 name=%3 id=%4 length=%5 host=%6 conn=%7 module=%8 state=%9 data=%10")
            .arg(p->type).arg(p->formatNumber).arg(p->deviceNameText()).arg(p->deviceIdText())
            .arg(p->length).arg(pointerText(p->hostObject)).arg(pointerText(p->connection))
            .arg(pointerText(p->module)).arg(p->protocolState)
            .arg(QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(p->data), length).toHex()));
    }

    void registerEntry()
    {
        KvzModuleEntry entry;
        std::memset(&entry, 0, sizeof(entry));
        KvzText::toField(entry.moduleClass, sizeof(entry.moduleClass), QStringLiteral("TRANSPORT"));
        KvzText::toField(entry.maker, sizeof(entry.maker), QStringLiteral("ZOLVENTARI"));
        KvzText::toField(entry.protocol, sizeof(entry.protocol), QStringLiteral(KVZ_TP_ID));
        entry.owner = record;
        entry.handle = info.handle;
        callHost(MSG_REGISTER_MODULE, &entry, nullptr);
    }

    void writeInt(void* data, int32_t value)
    {
        if (data && KVZ_TP_KIND == KVZ_KIND_FORMAT)
            *static_cast<int32_t*>(data) = value;
    }

    void windowReady()
    {
        if (KVZ_TP_KIND == KVZ_KIND_FORMAT) {
            QLabel* page = new QLabel(QStringLiteral("page " KVZ_TP_ID));
            page->setObjectName(QStringLiteral("page_" KVZ_TP_ID));
            callHost(MSG_ADD_FORMAT_PAGE, page, kvzIntArg(KVZ_TP_FORMAT));
        } else if (KVZ_TP_KIND == KVZ_KIND_TRANSPORT) {
            std::vector<FormatDescriptor*> list;
            callHost(MSG_GET_FORMATS, &list, nullptr);
            QStringList described;
            for (const FormatDescriptor* d : list) {
                QStringList table;
                for (int i = 0; i < KVZ_FIELD_TABLE_SIZE; ++i)
                    table << QString::number(d->fieldTable[i]);
                described << QStringLiteral("%1/%2/%3/%4/%5").arg(d->name).arg(d->formatNumber)
                                 .arg(d->recordSize).arg(d->numberOffset).arg(table.join(QLatin1Char(',')));
            }
            trace(QStringLiteral("Formats %1 %2").arg(list.size()).arg(described.join(QLatin1Char(' '))));
            for (FormatDescriptor* d : list)
                delete d;   // the receiver of the list owns the descriptors
            QString text = QString::fromUtf8("Модуль " KVZ_TP_ID);
            callHost(MSG_LOG_TEXT, &text, kvzIntArg(text.size()));
            QLabel* settings = new QLabel(QStringLiteral("settings " KVZ_TP_ID));
            settings->setObjectName(QStringLiteral("settings_" KVZ_TP_ID));
            callHost(MSG_ADD_PROPERTIES, settings, nullptr);
        }
    }

    int receive(intptr_t handle, int code, void* data, void* out)
    {
        QString line = QStringLiteral("Receive %1").arg(code);
        if (handle != reinterpret_cast<intptr_t>(info.handle))
            line += QStringLiteral(" handle=%1").arg(handle);
        switch (code) {
        case MSG_FORMAT_NUMBER:
            writeInt(data, KVZ_TP_FORMAT);
            break;
        case MSG_RECORD_SIZE:
            writeInt(data, KVZ_TP_RECORD_SIZE);
            break;
        case MSG_NUMBER_OFFSET:
            writeInt(data, KVZ_TP_NUMBER_OFFSET);
            break;
        case MSG_FIELD_TABLE:
            if (data && KVZ_TP_KIND == KVZ_KIND_FORMAT) {
                int32_t* table = static_cast<int32_t*>(data);
                bool zeroed = true;
                for (int i = 0; i < KVZ_FIELD_TABLE_SIZE; ++i) {
                    zeroed = zeroed && table[i] == 0;
                    table[i] = KVZ_TP_FIELD_SEED + i;
                }
                line += zeroed ? QStringLiteral(" zeroed") : QStringLiteral(" dirty");
            }
            break;
        case MSG_SESSION_OPEN:
        case MSG_SESSION_PACKET:
        case MSG_SEND_TO_DEVICE:
            if (code == MSG_SESSION_OPEN)
                line += QStringLiteral(" out=%1").arg(reinterpret_cast<intptr_t>(out));
            if (code == MSG_SESSION_PACKET && out)
                line += QStringLiteral(" selected=%1").arg(static_cast<KvzPacketOut*>(out)->selected);
            line += QLatin1Char(' ') + packetText(data);
            if (code == MSG_SESSION_PACKET && out && KVZ_TP_KIND == KVZ_KIND_FORMAT)
                answerPacket(data, static_cast<KvzPacketOut*>(out));
            break;
        case MSG_SESSION_CLOSE:
        case MSG_SESSION_SHOW:
            line += QStringLiteral(" out=%1 name=%2").arg(reinterpret_cast<intptr_t>(out))
                        .arg(data ? *static_cast<const QString*>(data) : QStringLiteral("null"));
            break;
        case MSG_CLOSE_CONNECTION:
            line += QStringLiteral(" conn=%1").arg(pointerText(data));
            break;
        default:
            break;
        }
        trace(line);
        if (code == MSG_PLUGINS_LOADED && KVZ_TP_KIND == KVZ_KIND_TRANSPORT)
            registerEntry();
        if (code == MSG_WINDOW_READY)
            windowReady();
        return 0;
    }

    // The packet's text for the log: "<id>: пакет <n>, <length> байт", windows-1251.
    // Data beginning "null text" gets a null text of 5 bytes, data beginning
    // "bad length" the text with a length of -3; data beginning "disconnect"
    // sends 5028 for the packet's terminal from inside the call.
    void answerPacket(const void* data, KvzPacketOut* out)
    {
        const TransportPacket* p = static_cast<const TransportPacket*>(data);
        ++packets;
        text = KvzText::toCp1251(QString::fromUtf8(KVZ_TP_ID ": пакет %1, %2 байт")
                                     .arg(packets).arg(p ? p->length : 0));
        out->textLength = text.size();
        out->text = text.data();
        const QByteArray bytes = p ? QByteArray(reinterpret_cast<const char*>(p->data), p->validLength()) : QByteArray();
        if (bytes.startsWith("null text")) {
            out->text = nullptr;
            out->textLength = 5;
        } else if (bytes.startsWith("bad length")) {
            out->textLength = -3;
        } else if (bytes.startsWith("disconnect")) {
            // as if the terminal's disconnect arrived while the page refreshes
            TransportPacket closed;
            closed.copyFrom(*p);
            closed.type = PT_CLOSED_OR_SENT;
            closed.length = 0;
            callHost(MSG_DEVICE_DISCONNECTED, &closed, nullptr);
        }
    }

    KvzPluginInfo info;
    KvzHostCallback callback = nullptr;
    void* core = nullptr;
    void* record = nullptr;
    int packets = 0;
    QByteArray text;
};

TestPlugin& plugin()
{
    static TestPlugin instance;
    return instance;
}

} // namespace

#if KVZ_TP_MISSING != 1
KVZ_EXPORT bool IsKVZLibrary()
{
    plugin().trace(QStringLiteral("IsKVZLibrary"));
    return KVZ_TP_ACCEPT != 0;
}
#endif

#if KVZ_TP_MISSING != 2
KVZ_EXPORT void GetLibraryInfo(KvzPluginInfo* info)
{
    plugin().trace(QStringLiteral("GetLibraryInfo"));
    if (info)
        std::memcpy(info, &plugin().info, sizeof(KvzPluginInfo));
}
#endif

#if KVZ_TP_MISSING != 3
KVZ_EXPORT void Initialize(KvzHostCallback callback, void* core, void* record)
{
    TestPlugin& p = plugin();
    p.trace(QStringLiteral("Initialize core=%1 record=%2").arg(core ? 1 : 0).arg(record ? 1 : 0));
    p.callback = callback;
    p.core = core;
    p.record = record;
    if (KVZ_TP_REGISTER_IN_INIT)
        p.registerEntry();
}
#endif

#if KVZ_TP_MISSING != 4
KVZ_EXPORT int ReceiveMessage(intptr_t handle, int code, void* data, void* out)
{
    return plugin().receive(handle, code, data, out);
}
#endif
