// sepwyn.so as the host sees it: its four exports, its answers to the
// format queries, the page it hands over and the routing of terminal
// messages to its sessions.
#include "f4_test_encoder.h"
#include "kvz_abi.h"

#include <QDir>
#include <QLibrary>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <cstring>
#include <vector>

using namespace F4Test;
using ZirnTest::kvzb;

namespace {
int g_core;
struct Call {
    int code;
    void* data;
    void* out;
    QByteArray bytes;   // the command of a MSG_SEND_TO_DEVICE
};
std::vector<Call> g_calls;

int hostCallback(void* target, int code, void* data, void* out)
{
    if (target != &g_core)
        return -1;
    QByteArray bytes;
    if (code == MSG_SEND_TO_DEVICE) {
        const auto* packet = static_cast<const TransportPacket*>(data);
        bytes = QByteArray(reinterpret_cast<const char*>(packet->data), packet->length);
    }
    g_calls.push_back(Call{code, data, out, bytes});
    return 0;
}
} // namespace

class TstF4Plugin : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void libraryInfo();
    void messagesBeforeInitialize();
    void formatQueries();
    void fieldTable();
    void recordNumber_data();
    void recordNumber();
    void pageHandedToHost();
    void secondOpenAddsSessionCloseRemovesOlder();
    void unknownNameLeavesOutUntouched();
    void otherCodesAnswerZero();

private:
    int send(int code, void* data = nullptr, void* out = nullptr) { return m_receive(0, code, data, out); }
    QByteArray packetText(const TransportPacket& packet);

    QLibrary m_library;
    QTemporaryDir m_dir;
    QString m_oldDir;
    KvzIsKVZLibraryFn m_isLibrary = nullptr;
    KvzGetLibraryInfoFn m_info = nullptr;
    KvzInitializeFn m_initialize = nullptr;
    KvzReceiveMessageFn m_receive = nullptr;
};

void TstF4Plugin::initTestCase()
{
    m_oldDir = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    QDir().mkdir(QStringLiteral("Temp"));
    m_library.setFileName(QStringLiteral(KVZ_BIN_DIR "/sepwyn.so"));
    QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
    m_isLibrary = reinterpret_cast<KvzIsKVZLibraryFn>(m_library.resolve("IsKVZLibrary"));
    m_info = reinterpret_cast<KvzGetLibraryInfoFn>(m_library.resolve("GetLibraryInfo"));
    m_initialize = reinterpret_cast<KvzInitializeFn>(m_library.resolve("Initialize"));
    m_receive = reinterpret_cast<KvzReceiveMessageFn>(m_library.resolve("ReceiveMessage"));
    QVERIFY(m_isLibrary && m_info && m_initialize && m_receive);
    QVERIFY(m_isLibrary());
}

void TstF4Plugin::cleanupTestCase()
{
    QDir::setCurrent(m_oldDir);
}

void TstF4Plugin::libraryInfo()
{
    KvzPluginInfo info;
    std::memset(&info, 0x55, sizeof(info));
    m_info(&info);
    QVERIFY(info.handle);
    QCOMPARE(QByteArray(info.name), QByteArray("F-4"));
    QCOMPARE(QByteArray(info.description), QByteArray("F-4"));
    QCOMPARE(info.reserved[0], 1);
    QCOMPARE(info.reserved[1], 0);
    QCOMPARE(info.reserved[2], 0);
    QCOMPARE(info.kind, 1);
}

// Session messages before Initialize do nothing; the format queries answer.
void TstF4Plugin::messagesBeforeInitialize()
{
    TransportPacket open = f4Packet("B1", PT_HANDSHAKE, kvzb("*>S:B1"));
    QCOMPARE(send(MSG_SESSION_OPEN, &open, kvzIntArg(1)), 0);
    QCOMPARE(QDir(QStringLiteral("Temp")).entryList(QDir::Files), QStringList());
    int number = 0;
    QCOMPARE(send(MSG_FORMAT_NUMBER, &number), 0);
    QCOMPARE(number, 4);
    m_initialize(hostCallback, &g_core, nullptr);
}

void TstF4Plugin::formatQueries()
{
    int number = 0, size = 0, offset = 0, out = -5;
    QCOMPARE(send(MSG_FORMAT_NUMBER, &number, &out), 0);
    QCOMPARE(send(MSG_RECORD_SIZE, &size, &out), 0);
    QCOMPARE(send(MSG_NUMBER_OFFSET, &offset, &out), 0);
    QCOMPARE(number, 4);
    QCOMPARE(size, 27);
    QCOMPARE(offset, 1);
    QCOMPARE(out, -5);
}

void TstF4Plugin::fieldTable()
{
    int32_t table[60];
    std::memset(table, 0x77, sizeof(table));
    QCOMPARE(send(MSG_FIELD_TABLE, table), 0);
    const int32_t expected[60] = {0, 1, 1, 4, 5, 2, 7, 1, 8, 1, 9, 1, 10, 1, 11, 1, 12, 1,
                                  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                  34, 1, 2,
                                  17, 1, 1, 17, 1, 2, 17, 1, 4, 17, 1, 8, 17, 1, 16,
                                  0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 60; ++i)
        QVERIFY2(table[i] == expected[i], qPrintable(QStringLiteral("entry %1: %2").arg(i).arg(table[i])));
}

void TstF4Plugin::recordNumber_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("number");
    QTest::newRow("6") << 6 << 0;
    QTest::newRow("7") << 7 << 1;
    QTest::newRow("27") << 27 << 1;
}

void TstF4Plugin::recordNumber()
{
    QFETCH(int, size);
    QFETCH(int, number);
    CEvent_Packet packet("\x04\x01\x00\x00\x00\x05\x06", 7);
    packet.size = size;
    int out = -1;
    QCOMPARE(send(MSG_RECORD_NUMBER, &packet, &out), 0);
    QCOMPARE(out, number);
}

void TstF4Plugin::pageHandedToHost()
{
    g_calls.clear();
    QCOMPARE(send(MSG_WINDOW_READY), 0);
    QCOMPARE(int(g_calls.size()), 1);
    QCOMPARE(g_calls[0].code, int(MSG_ADD_FORMAT_PAGE));
    QCOMPARE(reinterpret_cast<intptr_t>(g_calls[0].out), intptr_t(4));
    auto* page = static_cast<QWidget*>(g_calls[0].data);
    QVERIFY(page);
    QCOMPARE(page->objectName(), QStringLiteral("KVZ_FormParam_F4Class"));
    QVERIFY(!page->parent());
}

QByteArray TstF4Plugin::packetText(const TransportPacket& packet)
{
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    send(MSG_SESSION_PACKET, const_cast<TransportPacket*>(&packet), &out);
    return QByteArray(out.text, out.textLength);
}

// Two sessions of one name: packets reach the older; a close removes only
// it, and the younger goes on.
void TstF4Plugin::secondOpenAddsSessionCloseRemovesOlder()
{
    TransportPacket first = f4Packet("D2", PT_HANDSHAKE, kvzb("*>S:D2"));
    TransportPacket second = f4Packet("D2", PT_HANDSHAKE, kvzb("*>S:D2"));
    send(MSG_SESSION_OPEN, &first, kvzIntArg(1));
    send(MSG_SESSION_OPEN, &second, kvzIntArg(1));
    const QByteArray log = QStringLiteral("Temp/D2.log").toLatin1();
    QFile file(QString::fromLatin1(log));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count("      Handshake\r\n"), 2);
    file.close();

    QVERIFY(packetText(f4Packet("D2", PT_RECORD, kvzb("*>T" + numbered(77)))).endsWith(
        KvzText::toCp1251(recordText(77))));
    QString name = QStringLiteral("D2");
    send(MSG_SESSION_CLOSE, &name, kvzIntArg(1));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count("      Disconnect\r\n"), 1);
    file.close();
    // the younger session still answers
    QVERIFY(packetText(f4Packet("D2", PT_STATE, kvzb("*#A"))).endsWith("*#A\r\n"));
    send(MSG_SESSION_CLOSE, &name, kvzIntArg(1));
    send(MSG_SESSION_CLOSE, &name, kvzIntArg(1));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count("      Disconnect\r\n"), 2);
}

void TstF4Plugin::unknownNameLeavesOutUntouched()
{
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    TransportPacket packet = f4Packet("nobody", PT_PING, kvzb(QByteArray()));
    QCOMPARE(send(MSG_SESSION_PACKET, &packet, &out), 0);
    QCOMPARE(out.textLength, 0);
    QVERIFY(!out.text);
    QString name = QStringLiteral("nobody");
    QCOMPARE(send(MSG_SESSION_SHOW, &name), 0);
    QCOMPARE(send(MSG_SESSION_CLOSE, &name, kvzIntArg(1)), 0);
    QCOMPARE(send(MSG_SESSION_PACKET, nullptr, &out), 0);
}

void TstF4Plugin::otherCodesAnswerZero()
{
    g_calls.clear();
    int value = 17;
    for (int code : {int(MSG_PLUGINS_LOADED), int(MSG_START), int(MSG_STOP), int(MSG_SEND_TO_DEVICE), 5037, 0, -1, 9999})
        QCOMPARE(send(code, &value, &value), 0);
    QCOMPARE(value, 17);
    QVERIFY(g_calls.empty());
}

QTEST_MAIN(TstF4Plugin)
#include "tst_f4_plugin.moc"
