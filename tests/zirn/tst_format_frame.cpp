// The common frame of the format plug-ins: log file bytes, file names from
// the network, header text, session list, send operation, message switch.
#include "format_field_table.h"
#include "format_log_file.h"
#include "format_plugin.h"
#include "format_session.h"
#include "format_session_list.h"
#include "kvz_abi.h"
#include "zirn_test_packets.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cstring>
#include <vector>

using ZirnTest::packetOf;
using ZirnTest::withoutStamps;

namespace {

// What a format's session does in this test: counts its calls.
class RecordingSession : public FormatSession
{
public:
    explicit RecordingSession(const TransportPacket& packet, int* destroyed = nullptr)
        : FormatSession(packet), m_destroyed(destroyed) {}
    ~RecordingSession() override { if (m_destroyed) ++*m_destroyed; }
    void handlePacket(const TransportPacket& packet, KvzPacketOut* out) override
    {
        ++handled;
        lastType = packet.type;
        returnText(QStringLiteral("Пакет %1").arg(handled), out);
    }
    void showInForm() override { ++shown; }
    int handled = 0;
    int shown = 0;
    int lastType = -1;

private:
    int* m_destroyed;
};

class TestPlugin : public FormatPlugin
{
public:
    TestPlugin() : FormatPlugin(QStringLiteral("ТЕСТ"), 1, 0, 0) {}
    int formsCreated = 0;
    std::vector<QString> closing;

protected:
    int32_t formatNumber() const override { return 42; }
    int32_t recordSize() const override { return 86; }
    int32_t numberOffset() const override { return 3; }
    void fieldLocations(int32_t* table) const override { table[0] = 7; table[59] = 9; }
    void createForm() override { ++formsCreated; }
    FormatSession* createSession(const TransportPacket& packet) override
    {
        return new RecordingSession(packet);
    }
    void sessionClosing(FormatSession* session) override { closing.push_back(session->name()); }
};

TestPlugin g_plugin;

struct HostCall {
    void* target;
    int code;
    TransportPacket packet;
};
std::vector<HostCall> g_hostCalls;
int g_core;

int hostCallback(void* target, int code, void* data, void* out)
{
    Q_UNUSED(out);
    HostCall call{target, code, {}};
    call.packet.clear();
    if (code == MSG_SEND_TO_DEVICE && data)
        call.packet.copyFrom(*static_cast<const TransportPacket*>(data));
    g_hostCalls.push_back(call);
    return 0;
}

// A folder's entries, sorted byte-wise.
QStringList entries(const QString& path)
{
    QStringList names = QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end());
    return names;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

} // namespace

class TstFormatFrame : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void messagesBeforeInitializeDoNothing();
    void hexDump_data();
    void hexDump();
    void negativeCountDumpsNothing();
    void entryBytes();
    void cyrillicIsWindows1251();
    void noTempFolderWritesNothing();
    void safeFileName_data();
    void safeFileName();
    void networkNameStaysInTemp();
    void headerText();
    void recordNumber_data();
    void recordNumber();
    void fixedRecordFieldTable();
    void libraryInfo();
    void queries();
    void sessionsByNameFirstMatchWins();
    void packetForUnknownTerminalLeavesOut();
    void returnedTextIsEncodedBytes();
    void sendBuildsCommandPacket();
    void sendToClosedSessionSendsNothing();
    void oversizeCommandIsRefused();

private:
    QTemporaryDir* m_dir = nullptr;
    QString m_oldDir;
};

void TstFormatFrame::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    m_oldDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    QDir().mkdir(QStringLiteral("Temp"));
    g_hostCalls.clear();
}

void TstFormatFrame::cleanup()
{
    QDir::setCurrent(m_oldDir);
    delete m_dir;
    m_dir = nullptr;
}

// Runs first: the plug-in is not initialised yet.
void TstFormatFrame::messagesBeforeInitializeDoNothing()
{
    QVERIFY(!FormatPlugin::published());
    TransportPacket packet = packetOf("T1", PT_HANDSHAKE, QByteArray(20, 'x'));
    QCOMPARE(g_plugin.receiveMessage(MSG_SESSION_OPEN, &packet, kvzIntArg(1)), 0);
    QVERIFY(!g_plugin.sessions());
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    QCOMPARE(g_plugin.receiveMessage(MSG_SESSION_PACKET, &packet, &out), 0);
    QCOMPARE(out.textLength, 0);
    QVERIFY(!out.text);

    // a session made by hand: its command sets the flag and sends nothing
    RecordingSession session(packet);
    const uint8_t command[] = {'*', '?', 'V'};
    session.sendToDevice(command, 3);
    QCOMPARE(session.commandPending(), uint8_t(1));
    QVERIFY(g_hostCalls.empty());

    g_plugin.initialize(hostCallback, &g_core, nullptr);
    QCOMPARE(FormatPlugin::published(), static_cast<FormatPlugin*>(&g_plugin));
}

void TstFormatFrame::hexDump_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("dump");
    QByteArray sixteen, seventeen, thirtyTwo;
    for (int i = 0; i < 32; ++i) {
        if (i < 16) sixteen += char(i);
        if (i < 17) seventeen += char(i);
        thirtyTwo += char(i);
    }
    const QByteArray line1 = " 0x00 0x01 0x02 0x03 0x04 0x05 0x06 0x07 0x08 0x09 0x0a 0x0b 0x0c 0x0d 0x0e 0x0f";
    const QByteArray line2 = " 0x10 0x11 0x12 0x13 0x14 0x15 0x16 0x17 0x18 0x19 0x1a 0x1b 0x1c 0x1d 0x1e 0x1f";
    QTest::newRow("0 bytes") << QByteArray() << QByteArray("\r\n");
    QTest::newRow("1 byte") << QByteArray("\x7f") << QByteArray(" 0x7f\r\n");
    QTest::newRow("ab and 05") << QByteArray("\xab\x05") << QByteArray(" 0xab 0x05\r\n");
    QTest::newRow("16 bytes") << sixteen << (line1 + "\r\n");
    QTest::newRow("17 bytes") << seventeen << (line1 + "\r\n 0x10\r\n");
    QTest::newRow("32 bytes") << thirtyTwo << (line1 + "\r\n" + line2 + "\r\n");
}

void TstFormatFrame::hexDump()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, dump);
    QCOMPARE(FormatLogFile::hexDump(reinterpret_cast<const uint8_t*>(bytes.constData()), bytes.size()),
             dump);
}

// A byte count below zero from a caller dumps no bytes instead of asking
// for a buffer of four gigabytes.
void TstFormatFrame::negativeCountDumpsNothing()
{
    const uint8_t bytes[] = {0x7f};
    QCOMPARE(FormatLogFile::hexDump(bytes, -1), QByteArray("\r\n"));
    QCOMPARE(FormatLogFile::hexDump(bytes, -100), QByteArray("\r\n"));
    FormatLogFile::writeLog(QStringLiteral("T1"), QStringLiteral("Ping"), QStringLiteral("Ping"), bytes, -7);
    QCOMPARE(withoutStamps(readFile(QStringLiteral("Temp/T1.log"))),
             QByteArray("<T>      Ping\r\n\r\nPing\r\n------------------------\r\n"));
}

void TstFormatFrame::entryBytes()
{
    const uint8_t ping[] = {0x7f};
    FormatLogFile::writeLog(QStringLiteral("T1"), QStringLiteral("Ping"), QStringLiteral("Ping"), ping, 1);
    FormatLogFile::writeLogLine(QStringLiteral("T1"), QStringLiteral("Handshake"));
    FormatLogFile::writeDisconnect(QStringLiteral("T1"));
    const QByteArray log = readFile(QStringLiteral("Temp/T1.log"));
    QCOMPARE(withoutStamps(log),
             QByteArray("<T>      Ping\r\n 0x7f\r\nPing\r\n------------------------\r\n"
                        "<T>      Handshake\r\n"
                        "<T>      Disconnect\r\n\r\n\r\n-------------------\r\n"
                        "\r\n------------------------\r\n"));
}

void TstFormatFrame::cyrillicIsWindows1251()
{
    FormatLogFile::writeLog(QStringLiteral("Т1"), QStringLiteral("Пинг"), QStringLiteral("Данные"), nullptr, 0);
    // the file name is the name as the file system takes it; the contents are windows-1251
    const QByteArray log = readFile(QStringLiteral("Temp/Т1.log"));
    QCOMPARE(withoutStamps(log),
             QByteArray("<T>      \xCF\xE8\xED\xE3\r\n\r\n\xC4\xE0\xED\xED\xFB\xE5\r\n------------------------\r\n"));
}

void TstFormatFrame::noTempFolderWritesNothing()
{
    QVERIFY(QDir().rmdir(QStringLiteral("Temp")));
    FormatLogFile::writeLog(QStringLiteral("T1"), QStringLiteral("Ping"), QStringLiteral("Ping"), nullptr, 0);
    FormatLogFile::writeLogLine(QStringLiteral("T1"), QStringLiteral("Handshake"));
    QCOMPARE(entries(QStringLiteral(".")), QStringList());
}

void TstFormatFrame::safeFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("plain") << QStringLiteral("T1") << QStringLiteral("T1");
    QTest::newRow("cyrillic") << QStringLiteral("Борт 7") << QStringLiteral("Борт 7");
    QTest::newRow("up and out") << QStringLiteral("../x") << QStringLiteral("_._x");
    QTest::newRow("backslash") << QStringLiteral("a\\b") << QStringLiteral("a_b");
    QTest::newRow("control") << QStringLiteral("a\nb\x01") << QStringLiteral("a_b_");
    QTest::newRow("delete") << QStringLiteral("a\x7f") << QStringLiteral("a_");
    QTest::newRow("leading dot") << QStringLiteral(".hidden") << QStringLiteral("_hidden");
    QTest::newRow("inner dot") << QStringLiteral("a.b") << QStringLiteral("a.b");
    QTest::newRow("absolute") << QStringLiteral("/etc/x") << QStringLiteral("_etc_x");
}

void TstFormatFrame::safeFileName()
{
    QFETCH(QString, name);
    QFETCH(QString, fileName);
    QCOMPARE(FormatLogFile::safeFileName(name), fileName);
    QCOMPARE(FormatLogFile::filePath(name), QStringLiteral("Temp/") + fileName + QStringLiteral(".log"));
}

void TstFormatFrame::networkNameStaysInTemp()
{
    QDir().mkdir(QStringLiteral("inner"));
    QDir::setCurrent(QStringLiteral("inner"));
    QDir().mkdir(QStringLiteral("Temp"));
    FormatLogFile::writeLog(QStringLiteral("../x"), QStringLiteral("Ping"), QStringLiteral("Ping"), nullptr, 0);
    FormatLogFile::writeLog(QStringLiteral("../../y"), QStringLiteral("Ping"), QStringLiteral("Ping"), nullptr, 0);
    QCOMPARE(entries(QStringLiteral("Temp")), QStringList({"_._.._y.log", "_._x.log"}));
    QCOMPARE(entries(QStringLiteral(".")), QStringList({"Temp"}));
    QCOMPARE(entries(m_dir->path()), QStringList({"Temp", "inner"}));
    QCOMPARE(entries(QStringLiteral("../Temp")), QStringList());
}

void TstFormatFrame::headerText()
{
    const uint8_t header[16] = {0xCA, 0xC2, 0xC7, 0xC1, 0x01, 0x00, 0x00, 0x00,
                                0xFF, 0xFF, 0xFF, 0xFF, 0x34, 0x12, 0xAB, 0x05};
    QCOMPARE(FormatSession::headerText(header),
             QStringLiteral("Заголовок:\r\nPre = КВЗБ; IDobj = 4294967295; IDdc = 1; Size = 4660; "
                            "Csd = 171; Csp = 5 \r\n"));
}

void TstFormatFrame::recordNumber_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("number");
    QTest::newRow("7 bytes") << QByteArray("\x00\x01\x02\x03\x04\x05\x06", 7) << 0x04030201;
    QTest::newRow("6 bytes") << QByteArray("\x00\x01\x02\x03\x04\x05", 6) << 0;
    QTest::newRow("top bit") << QByteArray("\x00\xff\xff\xff\xff\x05\x06", 7) << -1;
}

void TstFormatFrame::recordNumber()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, number);
    CEvent_Packet packet(bytes.constData(), bytes.size());
    int32_t out = 12345;
    QCOMPARE(g_plugin.receiveMessage(MSG_RECORD_NUMBER, &packet, &out), 0);
    QCOMPARE(out, number);
}

void TstFormatFrame::fixedRecordFieldTable()
{
    int32_t table[60];
    std::memset(table, 0, sizeof(table));
    FormatFieldTable::writeFixedRecord(table);
    for (int i = 0; i < 60; ++i)
        QCOMPARE(table[i], ZirnTest::kFixedRecordFieldTable[i]);
}

void TstFormatFrame::libraryInfo()
{
    KvzPluginInfo info;
    std::memset(&info, 0xAA, sizeof(info));
    g_plugin.getLibraryInfo(&info);
    QCOMPARE(info.handle, static_cast<void*>(&g_plugin));
    QCOMPARE(QByteArray(info.name), QByteArray("\xD2\xC5\xD1\xD2"));
    QCOMPARE(QByteArray(info.description), QByteArray("\xD2\xC5\xD1\xD2"));
    QCOMPARE(info.reserved[0], 1);
    QCOMPARE(info.reserved[1], 0);
    QCOMPARE(info.reserved[2], 0);
    QCOMPARE(info.unused, 0);
    QCOMPARE(info.kind, 1);
}

void TstFormatFrame::queries()
{
    int32_t value = 0;
    g_plugin.receiveMessage(MSG_FORMAT_NUMBER, &value, nullptr);
    QCOMPARE(value, 42);
    g_plugin.receiveMessage(MSG_RECORD_SIZE, &value, nullptr);
    QCOMPARE(value, 86);
    g_plugin.receiveMessage(MSG_NUMBER_OFFSET, &value, nullptr);
    QCOMPARE(value, 3);
    int32_t table[60] = {};
    g_plugin.receiveMessage(MSG_FIELD_TABLE, table, nullptr);
    QCOMPARE(table[0], 7);
    QCOMPARE(table[59], 9);
    // null data, unknown codes and start/stop: answered 0, nothing happens
    for (int code : {int(MSG_FORMAT_NUMBER), int(MSG_RECORD_SIZE), int(MSG_FIELD_TABLE), int(MSG_RECORD_NUMBER),
                     int(MSG_SESSION_OPEN), int(MSG_SESSION_CLOSE), int(MSG_SESSION_PACKET), int(MSG_SESSION_SHOW),
                     int(MSG_START), int(MSG_STOP), 5006, 9999})
        QCOMPARE(g_plugin.receiveMessage(code, nullptr, nullptr), 0);
    QCOMPARE(g_plugin.formsCreated, 0);
    QCOMPARE(g_plugin.receiveMessage(MSG_WINDOW_READY, nullptr, nullptr), 0);
    QCOMPARE(g_plugin.formsCreated, 1);
}

void TstFormatFrame::sessionsByNameFirstMatchWins()
{
    FormatSessionList* list = g_plugin.sessions();
    QVERIFY(list);
    TransportPacket open = packetOf("T1", PT_HANDSHAKE, QByteArray(20, 'x'));
    g_plugin.receiveMessage(MSG_SESSION_OPEN, &open, kvzIntArg(1));
    g_plugin.receiveMessage(MSG_SESSION_OPEN, &open, kvzIntArg(1));
    QCOMPARE(list->count(), 2);
    auto* older = static_cast<RecordingSession*>(list->findSession(QStringLiteral("T1")));

    TransportPacket data = packetOf("T1", PT_ZIRN_PING, QByteArray("\x7f"));
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    g_plugin.receiveMessage(MSG_SESSION_PACKET, &data, &out);
    QCOMPARE(older->handled, 1);

    const QString name = QStringLiteral("T1");
    g_plugin.receiveMessage(MSG_SESSION_CLOSE, const_cast<QString*>(&name), kvzIntArg(1));
    QCOMPARE(list->count(), 1);
    QCOMPARE(g_plugin.closing, std::vector<QString>({name}));
    QVERIFY(!list->findByPointer(older));
    auto* newer = static_cast<RecordingSession*>(list->findSession(name));
    QVERIFY(newer && newer != older);
    g_plugin.receiveMessage(MSG_SESSION_PACKET, &data, &out);
    QCOMPARE(newer->handled, 1);
    g_plugin.receiveMessage(MSG_SESSION_SHOW, const_cast<QString*>(&name), nullptr);
    QCOMPARE(newer->shown, 1);

    g_plugin.receiveMessage(MSG_SESSION_CLOSE, const_cast<QString*>(&name), kvzIntArg(1));
    QCOMPARE(list->count(), 0);
    g_plugin.receiveMessage(MSG_SESSION_CLOSE, const_cast<QString*>(&name), kvzIntArg(1));
    QCOMPARE(g_plugin.closing.size(), size_t(2));
}

void TstFormatFrame::packetForUnknownTerminalLeavesOut()
{
    TransportPacket data = packetOf("T9", PT_ZIRN_PING, QByteArray("\x7f"));
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    out.selected = 1;
    g_plugin.receiveMessage(MSG_SESSION_PACKET, &data, &out);
    QCOMPARE(out.selected, uint8_t(1));
    QCOMPARE(out.textLength, 0);
    QVERIFY(!out.text);
}

void TstFormatFrame::returnedTextIsEncodedBytes()
{
    TransportPacket open = packetOf("T2", PT_HANDSHAKE, QByteArray());
    RecordingSession session(open);
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    session.handlePacket(open, &out);
    QCOMPARE(QByteArray(out.text, out.textLength), QByteArray("\xCF\xE0\xEA\xE5\xF2 1"));
    session.handlePacket(open, &out);
    QCOMPARE(out.textLength, 7);
    QCOMPARE(QByteArray(out.text, out.textLength), QByteArray("\xCF\xE0\xEA\xE5\xF2 2"));
}

void TstFormatFrame::sendBuildsCommandPacket()
{
    TransportPacket open = packetOf("Борт", PT_HANDSHAKE, QByteArray(30, 'h'));
    std::memcpy(open.deviceName, "\xC1\xEE\xF0\xF2", 5);   // "Борт" in windows-1251
    open.module = reinterpret_cast<void*>(0x1111);
    open.connection = reinterpret_cast<void*>(0x2222);
    open.hostObject = reinterpret_cast<void*>(0x3333);
    open.protocolState = PS_ZIRN;
    open.formatNumber = 176;
    open.deviceId = 0x80000001u;
    g_plugin.receiveMessage(MSG_SESSION_OPEN, &open, kvzIntArg(1));
    open.clear();   // the host's copy may go away: the session keeps its own
    FormatSession* session = g_plugin.sessions()->findSession(QStringLiteral("Борт"));
    QVERIFY(session);
    QCOMPARE(session->commandPending(), uint8_t(0));

    const uint8_t command[] = {'*', '!', '3', 'Y'};
    g_hostCalls.clear();
    g_plugin.sendToDevice(session, command, 4);
    QCOMPARE(session->commandPending(), uint8_t(1));
    QCOMPARE(g_hostCalls.size(), size_t(1));
    const HostCall& call = g_hostCalls.front();
    QCOMPARE(call.target, static_cast<void*>(&g_core));
    QCOMPARE(call.code, int(MSG_SEND_TO_DEVICE));
    const TransportPacket& sent = call.packet;
    QCOMPARE(sent.module, reinterpret_cast<void*>(0x1111));
    QCOMPARE(sent.connection, reinterpret_cast<void*>(0x2222));
    QCOMPARE(sent.hostObject, reinterpret_cast<void*>(0x3333));
    QCOMPARE(sent.protocolState, int32_t(PS_ZIRN));
    QCOMPARE(sent.type, 0);
    QCOMPARE(sent.formatNumber, 0);
    QCOMPARE(sent.deviceId, 0x80000001u);
    QCOMPARE(QByteArray(sent.deviceName, 16), QByteArray("\xC1\xEE\xF0\xF2\0\0\0\0\0\0\0\0\0\0\0\0", 16));
    QCOMPARE(sent.length, 4);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(sent.data), 6), QByteArray("*!3Y\0\0", 6));

    const QString name = QStringLiteral("Борт");
    g_plugin.receiveMessage(MSG_SESSION_CLOSE, const_cast<QString*>(&name), kvzIntArg(1));
}

void TstFormatFrame::sendToClosedSessionSendsNothing()
{
    TransportPacket open = packetOf("T3", PT_HANDSHAKE, QByteArray());
    g_plugin.receiveMessage(MSG_SESSION_OPEN, &open, kvzIntArg(1));
    FormatSession* session = g_plugin.sessions()->findSession(QStringLiteral("T3"));
    const QString name = QStringLiteral("T3");
    g_plugin.receiveMessage(MSG_SESSION_CLOSE, const_cast<QString*>(&name), kvzIntArg(1));
    g_hostCalls.clear();
    const uint8_t command[] = {'*', '?', 'A'};
    g_plugin.sendToDevice(session, command, 3);
    QVERIFY(g_hostCalls.empty());
}

void TstFormatFrame::oversizeCommandIsRefused()
{
    TransportPacket open = packetOf("T4", PT_HANDSHAKE, QByteArray());
    RecordingSession session(open);
    QByteArray big(1025, 'x');
    session.sendToDevice(reinterpret_cast<const uint8_t*>(big.constData()), big.size());
    QVERIFY(g_hostCalls.empty());
    session.sendToDevice(reinterpret_cast<const uint8_t*>(big.constData()), 1024);
    QCOMPARE(g_hostCalls.size(), size_t(1));
    QCOMPARE(g_hostCalls.front().packet.length, 1024);
}

QTEST_GUILESS_MAIN(TstFormatFrame)
#include "tst_format_frame.moc"
