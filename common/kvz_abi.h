// The contract between the host program and its plug-in libraries: the four
// exports, the host callback, the shared fixed-size records and the message
// codes. Host and plug-ins include this header and share nothing else.
#ifndef KVZ_ABI_H
#define KVZ_ABI_H

#include "kvz_text.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstring>

// ---------------------------------------------------------------- message codes
enum KvzMessage : int {
    MSG_PLUGINS_LOADED      = 5001,
    MSG_REGISTER_MODULE     = 5002,
    MSG_COUNT_MODULES       = 5003,
    MSG_FIND_MODULES        = 5004,
    MSG_FIND_MODULE         = 5005,
    MSG_WINDOW_READY        = 5007,
    MSG_START               = 5011,
    MSG_STOP                = 5012,
    MSG_LOAD_SETTINGS       = 5014,
    MSG_SAVE_SETTINGS       = 5015,
    MSG_ADD_PROPERTIES      = 5016,
    MSG_RAW_RECEIVED        = 5017,
    MSG_RAW_SENT            = 5018,
    MSG_LOG_TEXT            = 5019,
    MSG_GET_FORMATS         = 5021,
    MSG_FORMAT_NUMBER       = 5022,
    MSG_RECORD_NUMBER       = 5023,
    MSG_NUMBER_OFFSET       = 5024,
    MSG_RECORD_SIZE         = 5025,
    MSG_FIELD_TABLE         = 5026,
    MSG_DEVICE_CONNECTED    = 5027,
    MSG_DEVICE_DISCONNECTED = 5028,
    MSG_PACKET_RECEIVED     = 5029,
    MSG_PACKET_SENT         = 5030,
    MSG_SESSION_OPEN        = 5031,
    MSG_SESSION_CLOSE       = 5032,
    MSG_SESSION_PACKET      = 5033,
    MSG_CLOSE_CONNECTION    = 5034,
    MSG_ADD_FORMAT_PAGE     = 5035,
    MSG_SESSION_SHOW        = 5036,
    MSG_SEND_TO_DEVICE      = 5038
};

// Plug-in kinds (KvzPluginInfo::kind).
enum KvzPluginKind : int32_t {
    KVZ_KIND_TRANSPORT = 0,
    KVZ_KIND_FORMAT    = 1
};

// Routing answers of the host callback.
enum KvzCallbackResult : int {
    KVZ_NO_CORE       = -1,
    KVZ_NO_OWNER      = -2
};

// ---------------------------------------------------------------- records
// Text fields are zero-terminated windows-1251 bytes; a reader never reads
// past a field's width (see KvzText::fromField).

struct KvzPluginInfo {
    void*   handle;             // the plug-in's one module object
    char    name[255];
    char    description[257];
    int32_t reserved[3];        // set by each plug-in, read by nobody
    int32_t unused;             // never written
    int32_t kind;               // KvzPluginKind
};

struct KvzModuleEntry {
    char  moduleClass[255];
    char  maker[255];
    char  protocol[255];
    char  padding[3];
    void* owner;                // the KvzPluginRecord handed to Initialize
    void* handle;               // the registering plug-in's module object
};

struct KvzModuleQuery {
    char             moduleClass[255];
    char             maker[255];
    char             reserved[258];
    int32_t          capacity;  // MSG_FIND_MODULES only
    KvzModuleEntry** results;   // MSG_FIND_MODULES only
};

struct KvzPacketOut {
    uint8_t selected;           // in: the terminal's row is the selected row
    uint8_t padding[3];
    int32_t textLength;         // out: bytes in text
    char*   text;               // out: windows-1251 bytes, plug-in owned, not zero-terminated
};

enum { KVZ_FIELD_TABLE_SIZE = 60 };

// One record format as the host and the transport know it. Holds a QString:
// built and read as an object, never copied byte for byte.
struct FormatDescriptor {
    QString name;
    int32_t recordSize;
    int32_t numberOffset;
    int32_t formatNumber;
    int32_t fieldTable[KVZ_FIELD_TABLE_SIZE];

    FormatDescriptor(const QString& aName, int32_t aFormatNumber, int32_t aRecordSize,
                     int32_t aNumberOffset, const int32_t* aFieldTable)
        : name(aName), recordSize(aRecordSize), numberOffset(aNumberOffset),
          formatNumber(aFormatNumber)
    {
        if (aFieldTable)
            std::memcpy(fieldTable, aFieldTable, sizeof(fieldTable));
        else
            std::memset(fieldTable, 0, sizeof(fieldTable));
    }
};

enum { KVZ_PACKET_DATA_SIZE = 1024, KVZ_DEVICE_NAME_SIZE = 16 };

// Packet types (TransportPacket::type).
enum KvzPacketType : int32_t {
    PT_CLOSED_OR_SENT  = 0,
    PT_HANDSHAKE       = 1,
    PT_RECORD          = 2,
    PT_ARCHIVE         = 3,
    PT_PING            = 4,
    PT_COMMAND_ANSWER  = 5,
    PT_VERSION         = 6,
    PT_STATE           = 7,
    PT_RFU             = 8,
    PT_RCS             = 9,
    PT_TMKEY           = 10,
    PT_ZIRN_HANDSHAKE  = 11,
    PT_ZIRN_CURRENT    = 12,
    PT_ZIRN_EVENT      = 13,
    PT_ZIRN_ARCHIVE    = 14,
    PT_ZIRN_PING       = 15
};

// Protocol states (TransportPacket::protocolState).
enum KvzProtocolState : int32_t {
    PS_NONE = 0,
    PS_KVZB = 1,
    PS_ZIRN = 2
};

// One unit received from or sent to a terminal. Plain record: every builder
// zeroes it first; copies are whole-record copies of sizeof(TransportPacket).
struct TransportPacket {
    void*    module;
    void*    connection;   // the transport's name for the connection, never reused
    void*    hostObject;
    int32_t  protocolState;
    int32_t  type;
    int32_t  formatNumber;
    char     deviceName[KVZ_DEVICE_NAME_SIZE];
    uint32_t deviceId;
    int32_t  length;
    uint8_t  data[KVZ_PACKET_DATA_SIZE];

    void clear() { std::memset(this, 0, sizeof(TransportPacket)); }
    void copyFrom(const TransportPacket& other) { std::memcpy(this, &other, sizeof(TransportPacket)); }

    // length taken within 0..1024, whatever the record holds
    int validLength() const
    {
        if (length < 0) return 0;
        if (length > KVZ_PACKET_DATA_SIZE) return KVZ_PACKET_DATA_SIZE;
        return length;
    }
    // deviceName read within its width, windows-1251
    QString deviceNameText() const { return KvzText::fromField(deviceName, KVZ_DEVICE_NAME_SIZE); }
    // deviceId as a signed 32-bit decimal text, as host and formats key terminals
    QString deviceIdText() const { return QString::number(static_cast<int32_t>(deviceId)); }
    // where the command's own bytes begin in data
    int payloadOffset() const { return payloadOffsetOf(type); }
    static int payloadOffsetOf(int32_t type)
    {
        switch (type) {
        case PT_HANDSHAKE:      return 20;
        case PT_RECORD:         return 19;
        case PT_ARCHIVE:        return 20;
        case PT_COMMAND_ANSWER:
        case PT_VERSION:
        case PT_STATE:          return 19;
        case PT_TMKEY:          return 23;
        case PT_ZIRN_HANDSHAKE: return 22;
        case PT_ZIRN_CURRENT:
        case PT_ZIRN_EVENT:
        case PT_ZIRN_ARCHIVE:   return 2;
        case PT_ZIRN_PING:      return 1;
        default:                return 16;
        }
    }
};

// Bytes to be written to a terminal's socket.
struct CEvent_Packet {
    uint8_t data[KVZ_PACKET_DATA_SIZE];
    int32_t size;

    CEvent_Packet() { std::memset(this, 0, sizeof(CEvent_Packet)); }
    CEvent_Packet(const void* bytes, int count)
    {
        std::memset(this, 0, sizeof(CEvent_Packet));
        if (count < 0) count = 0;
        if (count > KVZ_PACKET_DATA_SIZE) count = KVZ_PACKET_DATA_SIZE;
        if (bytes && count > 0)
            std::memcpy(data, bytes, static_cast<size_t>(count));
        size = count;
    }
};

// ---------------------------------------------------------------- entry points
extern "C" {
typedef int  (*KvzHostCallback)(void* target, int code, void* data, void* out);
typedef bool (*KvzIsKVZLibraryFn)();
typedef void (*KvzGetLibraryInfoFn)(KvzPluginInfo* info);
typedef void (*KvzInitializeFn)(KvzHostCallback callback, void* core, void* record);
typedef int  (*KvzReceiveMessageFn)(intptr_t handle, int code, void* data, void* out);
}

#if defined(_WIN32)
#  define KVZ_EXPORT extern "C" __declspec(dllexport)
#else
#  define KVZ_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// Integers passed in a pointer argument
inline void* kvzIntArg(intptr_t value) { return reinterpret_cast<void*>(value); }
inline int   kvzArgInt(const void* arg) { return static_cast<int>(reinterpret_cast<intptr_t>(arg)); }

// ---------------------------------------------------------------- layout checks
#if INTPTR_MAX == INT64_MAX
static_assert(sizeof(KvzPluginInfo) == 544, "KvzPluginInfo size");
static_assert(offsetof(KvzPluginInfo, name) == 8, "KvzPluginInfo.name");
static_assert(offsetof(KvzPluginInfo, description) == 263, "KvzPluginInfo.description");
static_assert(offsetof(KvzPluginInfo, reserved) == 520, "KvzPluginInfo.reserved");
static_assert(offsetof(KvzPluginInfo, kind) == 536, "KvzPluginInfo.kind");
static_assert(sizeof(KvzModuleEntry) == 784, "KvzModuleEntry size");
static_assert(offsetof(KvzModuleEntry, maker) == 255, "KvzModuleEntry.maker");
static_assert(offsetof(KvzModuleEntry, protocol) == 510, "KvzModuleEntry.protocol");
static_assert(offsetof(KvzModuleEntry, owner) == 768, "KvzModuleEntry.owner");
static_assert(offsetof(KvzModuleEntry, handle) == 776, "KvzModuleEntry.handle");
static_assert(sizeof(KvzModuleQuery) == 784, "KvzModuleQuery size");
static_assert(offsetof(KvzModuleQuery, capacity) == 768, "KvzModuleQuery.capacity");
static_assert(offsetof(KvzModuleQuery, results) == 776, "KvzModuleQuery.results");
static_assert(sizeof(KvzPacketOut) == 16, "KvzPacketOut size");
static_assert(offsetof(KvzPacketOut, textLength) == 4, "KvzPacketOut.textLength");
static_assert(offsetof(KvzPacketOut, text) == 8, "KvzPacketOut.text");
static_assert(sizeof(FormatDescriptor) == 264, "FormatDescriptor size");
static_assert(offsetof(FormatDescriptor, recordSize) == 8, "FormatDescriptor.recordSize");
static_assert(offsetof(FormatDescriptor, fieldTable) == 20, "FormatDescriptor.fieldTable");
static_assert(sizeof(TransportPacket) == 1088, "TransportPacket size");
static_assert(offsetof(TransportPacket, connection) == 8, "TransportPacket.connection");
static_assert(offsetof(TransportPacket, hostObject) == 16, "TransportPacket.hostObject");
static_assert(offsetof(TransportPacket, protocolState) == 24, "TransportPacket.protocolState");
static_assert(offsetof(TransportPacket, type) == 28, "TransportPacket.type");
static_assert(offsetof(TransportPacket, formatNumber) == 32, "TransportPacket.formatNumber");
static_assert(offsetof(TransportPacket, deviceName) == 36, "TransportPacket.deviceName");
static_assert(offsetof(TransportPacket, deviceId) == 52, "TransportPacket.deviceId");
static_assert(offsetof(TransportPacket, length) == 56, "TransportPacket.length");
static_assert(offsetof(TransportPacket, data) == 60, "TransportPacket.data");
#else
static_assert(sizeof(KvzPluginInfo) == 536, "KvzPluginInfo size");
static_assert(offsetof(KvzPluginInfo, name) == 4, "KvzPluginInfo.name");
static_assert(offsetof(KvzPluginInfo, description) == 259, "KvzPluginInfo.description");
static_assert(offsetof(KvzPluginInfo, reserved) == 516, "KvzPluginInfo.reserved");
static_assert(offsetof(KvzPluginInfo, kind) == 532, "KvzPluginInfo.kind");
static_assert(sizeof(KvzModuleEntry) == 776, "KvzModuleEntry size");
static_assert(offsetof(KvzModuleEntry, maker) == 255, "KvzModuleEntry.maker");
static_assert(offsetof(KvzModuleEntry, protocol) == 510, "KvzModuleEntry.protocol");
static_assert(offsetof(KvzModuleEntry, owner) == 768, "KvzModuleEntry.owner");
static_assert(offsetof(KvzModuleEntry, handle) == 772, "KvzModuleEntry.handle");
static_assert(sizeof(KvzModuleQuery) == 776, "KvzModuleQuery size");
static_assert(offsetof(KvzModuleQuery, capacity) == 768, "KvzModuleQuery.capacity");
static_assert(offsetof(KvzModuleQuery, results) == 772, "KvzModuleQuery.results");
static_assert(sizeof(KvzPacketOut) == 12, "KvzPacketOut size");
static_assert(offsetof(KvzPacketOut, textLength) == 4, "KvzPacketOut.textLength");
static_assert(offsetof(KvzPacketOut, text) == 8, "KvzPacketOut.text");
static_assert(sizeof(FormatDescriptor) == 256, "FormatDescriptor size");
static_assert(offsetof(FormatDescriptor, recordSize) == 4, "FormatDescriptor.recordSize");
static_assert(offsetof(FormatDescriptor, fieldTable) == 16, "FormatDescriptor.fieldTable");
static_assert(sizeof(TransportPacket) == 1072, "TransportPacket size");
static_assert(offsetof(TransportPacket, connection) == 4, "TransportPacket.connection");
static_assert(offsetof(TransportPacket, hostObject) == 8, "TransportPacket.hostObject");
static_assert(offsetof(TransportPacket, protocolState) == 12, "TransportPacket.protocolState");
static_assert(offsetof(TransportPacket, type) == 16, "TransportPacket.type");
static_assert(offsetof(TransportPacket, formatNumber) == 20, "TransportPacket.formatNumber");
static_assert(offsetof(TransportPacket, deviceName) == 24, "TransportPacket.deviceName");
static_assert(offsetof(TransportPacket, deviceId) == 40, "TransportPacket.deviceId");
static_assert(offsetof(TransportPacket, length) == 44, "TransportPacket.length");
static_assert(offsetof(TransportPacket, data) == 48, "TransportPacket.data");
#endif
static_assert(offsetof(TransportPacket, module) == 0, "TransportPacket.module");
static_assert(sizeof(CEvent_Packet) == 1028, "CEvent_Packet size");
static_assert(offsetof(CEvent_Packet, size) == 1024, "CEvent_Packet.size");

#endif // KVZ_ABI_H
