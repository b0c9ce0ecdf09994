// mirrant.so as the host sees it: its four exports, its answers to the
// format queries, its page and the routing of terminal messages.
#include "f6_test_record.h"
#include "kvz_abi.h"
#include "kvz_text.h"

#include <QDir>
#include <QLabel>
#include <QLibrary>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <cstring>
#include <memory>
#include <vector>

using namespace F6Test;

namespace {
int g_core;
struct Call {
    int code;
    void* data;
    void* out;
    QByteArray sent;   // the command bytes of MSG_SEND_TO_DEVICE
};
std::vector<Call> g_calls;

int hostCallback(void* target, int code, void* data, void* out)
{
    if (target != &g_core)
        return -1;
    Call call{code, data, out, QByteArray()};
    if (code == MSG_SEND_TO_DEVICE) {
        const auto* packet = static_cast<const TransportPacket*>(data);
        call.sent = QByteArray(reinterpret_cast<const char*>(packet->data), packet->length);
    }
    g_calls.push_back(call);
    return 0;
}

const int32_t kFieldTable[60] = {0, 1, 1, 4, 5, 2, 7, 1, 8, 1, 9, 1, 10, 1, 11, 1, 12, 1, 1,
                                 81, 4, 85, 4, 89, 4, 93, 4, 97, 2, 99, 4, 17, 1, 74, 1, 2,
                                 17, 1, 1, 17, 1, 2, 17, 1, 4, 17, 1, 8, 17, 1, 16,
                                 17, 32, 1, 17, 64, 1, 17, 128, 1};
} // namespace

class TstF6Plugin : public QObject
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
    void commandAfterCloseIsDropped();
    void pageRefreshOnlyWhenSelected();
    void otherCodesAnswerZero();

private:
    int send(int code, void* data = nullptr, void* out = nullptr) { return m_receive(0, code, data, out); }
    QString packetText(const TransportPacket& packet, bool selected = false);

    std::unique_ptr<QTemporaryDir> m_dir;
    QLibrary m_library;
    KvzIsKVZLibraryFn m_isLibrary = nullptr;
    KvzGetLibraryInfoFn m_info = nullptr;
    KvzInitializeFn m_initialize = nullptr;
    KvzReceiveMessageFn m_receive = nullptr;
    QWidget* m_page = nullptr;
};

void TstF6Plugin::initTestCase()
{
    m_dir.reset(new QTemporaryDir);
    QDir::setCurrent(m_dir->path());
    QDir().mkdir(QStringLiteral("Temp"));
    m_library.setFileName(QStringLiteral(KVZ_BIN_DIR "/mirrant.so"));
    QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
    m_isLibrary = reinterpret_cast<KvzIsKVZLibraryFn>(m_library.resolve("IsKVZLibrary"));
    m_info = reinterpret_cast<KvzGetLibraryInfoFn>(m_library.resolve("GetLibraryInfo"));
    m_initialize = reinterpret_cast<KvzInitializeFn>(m_library.resolve("Initialize"));
    m_receive = reinterpret_cast<KvzReceiveMessageFn>(m_library.resolve("ReceiveMessage"));
    QVERIFY(m_isLibrary && m_info && m_initialize && m_receive);
    QVERIFY(m_isLibrary());
}

void TstF6Plugin::cleanupTestCase()
{
    QDir::setCurrent(QDir::tempPath());
}

void TstF6Plugin::libraryInfo()
{
    KvzPluginInfo info;
    std::memset(&info, 0x55, sizeof(info));
    m_info(&info);
    QVERIFY(info.handle);
    QCOMPARE(QByteArray(info.name), QByteArray("F-6"));
    QCOMPARE(QByteArray(info.description), QByteArray("F-6"));
    QCOMPARE(info.reserved[0], 1);
    QCOMPARE(info.reserved[1], 0);
    QCOMPARE(info.reserved[2], 0);
    QCOMPARE(info.unused, 0);
    QCOMPARE(info.kind, 1);
}

void TstF6Plugin::messagesBeforeInitialize()
{
    TransportPacket open = packetOf("T1", PT_HANDSHAKE, kvzb("*>S:T1"));
    QCOMPARE(send(MSG_SESSION_OPEN, &open, kvzIntArg(1)), 0);
    TransportPacket ping = packetOf("T1", PT_PING, kvzb(""));
    QCOMPARE(packetText(ping), QString());   // no session list yet

    m_initialize(hostCallback, &g_core, reinterpret_cast<void*>(0x1234));
    QVERIFY(g_calls.empty());
    QCOMPARE(packetText(ping), QString());   // the early open opened nothing
}

void TstF6Plugin::formatQueries()
{
    int32_t value = -1;
    int32_t out = -7;
    QCOMPARE(send(MSG_FORMAT_NUMBER, &value, &out), 0);
    QCOMPARE(value, 6);
    QCOMPARE(send(MSG_NUMBER_OFFSET, &value, &out), 0);
    QCOMPARE(value, 1);
    QCOMPARE(send(MSG_RECORD_SIZE, &value, &out), 0);
    QCOMPARE(value, 111);
    QCOMPARE(out, -7);
}

void TstF6Plugin::fieldTable()
{
    int32_t table[60];
    std::memset(table, 0, sizeof(table));
    QCOMPARE(send(MSG_FIELD_TABLE, table), 0);
    for (int i = 0; i < 60; ++i)
        QCOMPARE(table[i], kFieldTable[i]);
}

void TstF6Plugin::recordNumber_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("number");
    QTest::newRow("7 bytes, number 1") << QByteArray::fromHex("00010000000000") << 1;
    QTest::newRow("7 bytes") << QByteArray::fromHex("00010203040506") << 0x04030201;
    QTest::newRow("6 bytes") << QByteArray::fromHex("000102030405") << 0;
    QTest::newRow("none") << QByteArray() << 0;
}

void TstF6Plugin::recordNumber()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, number);
    CEvent_Packet packet(bytes.constData(), bytes.size());
    int32_t out = -1;
    QCOMPARE(send(MSG_RECORD_NUMBER, &packet, &out), 0);
    QCOMPARE(out, number);
}

void TstF6Plugin::pageHandedToHost()
{
    g_calls.clear();
    QCOMPARE(send(MSG_WINDOW_READY), 0);
    QCOMPARE(g_calls.size(), size_t(1));
    QCOMPARE(g_calls[0].code, int(MSG_ADD_FORMAT_PAGE));
    QCOMPARE(kvzArgInt(g_calls[0].out), 6);
    m_page = static_cast<QWidget*>(g_calls[0].data);
    QVERIFY(m_page);
    QVERIFY(!m_page->parentWidget());
    QCOMPARE(m_page->objectName(), QStringLiteral("KVZ_FormParam_F6Class"));
    QCOMPARE(m_page->windowTitle(), QStringLiteral("KVZ_FormParam_F6"));
    QCOMPARE(m_page->size(), QSize(316, 400));
}

QString TstF6Plugin::packetText(const TransportPacket& packet, bool selected)
{
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    out.selected = selected ? 1 : 0;
    send(MSG_SESSION_PACKET, const_cast<TransportPacket*>(&packet), &out);
    return KvzText::fromCp1251(out.text, out.textLength);
}

// Two opens of one name make two sessions; packets reach the older, and one
// close removes only the older.
void TstF6Plugin::secondOpenAddsSessionCloseRemovesOlder()
{
    TransportPacket open = packetOf("T2", PT_HANDSHAKE, kvzb("*>S:T2"));
    send(MSG_SESSION_OPEN, &open, kvzIntArg(1));
    send(MSG_SESSION_OPEN, &open, kvzIntArg(1));
    const TransportPacket t = packetOf("T2", PT_RECORD, kvzb("*>T" + Record().u32(1, 9).bytes()));
    const TransportPacket shortT = packetOf("T2", PT_RECORD, kvzb("*>T"));
    QVERIFY(packetText(t).contains(QStringLiteral("*>T 9\r\nType = 0; NumPage = 9; ")));
    // the older session holds record 9; a show puts it on the page
    const QString name = QStringLiteral("T2");
    QCOMPARE(send(MSG_SESSION_SHOW, const_cast<QString*>(&name)), 0);
    QCOMPARE(m_page->findChild<QLabel*>(QStringLiteral("label_Number_Text"))->text(), QStringLiteral("9"));

    QCOMPARE(send(MSG_SESSION_CLOSE, const_cast<QString*>(&name), kvzIntArg(1)), 0);
    packetText(shortT);
    QCOMPARE(send(MSG_SESSION_SHOW, const_cast<QString*>(&name)), 0);
    QCOMPARE(m_page->findChild<QLabel*>(QStringLiteral("label_Number_Text"))->text(), QStringLiteral("0"));
    send(MSG_SESSION_CLOSE, const_cast<QString*>(&name), kvzIntArg(1));
    QCOMPARE(packetText(t), QString());
    QFile log(QStringLiteral("Temp/T2.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll().count("      Disconnect\r\n"), 2);
}

void TstF6Plugin::commandAfterCloseIsDropped()
{
    TransportPacket open = packetOf("T3", PT_HANDSHAKE, kvzb("*>S:T3"));
    send(MSG_SESSION_OPEN, &open, kvzIntArg(1));
    packetText(packetOf("T3", PT_RECORD, kvzb("*>T" + Record().bytes())), true);
    // a selected row's packet fills the page; the id 4294967295 is shown signed
    QCOMPARE(m_page->findChild<QLabel*>(QStringLiteral("label_Name_Text"))->text(), QStringLiteral("T3"));
    QCOMPARE(m_page->findChild<QLabel*>(QStringLiteral("label_FullName_Text"))->text(), QStringLiteral("-1"));
    auto* on1 = m_page->findChild<QPushButton*>(QStringLiteral("pushButton_1Y"));
    QVERIFY(on1 && on1->isEnabled());
    g_calls.clear();
    QTest::mousePress(on1, Qt::LeftButton);
    QCOMPARE(g_calls.size(), size_t(1));
    QCOMPARE(g_calls[0].code, int(MSG_SEND_TO_DEVICE));
    QCOMPARE(g_calls[0].sent, QByteArray("*!1Y"));
    QVERIFY(!on1->isEnabled());

    // the answer brings the buttons back; then the terminal goes away
    packetText(packetOf("T3", PT_COMMAND_ANSWER, kvzb("*@C" + Record().bytes())), true);
    QVERIFY(on1->isEnabled());
    const QString name = QStringLiteral("T3");
    send(MSG_SESSION_CLOSE, const_cast<QString*>(&name), kvzIntArg(1));
    g_calls.clear();
    QTest::mousePress(on1, Qt::LeftButton);
    QVERIFY(g_calls.empty());
    QVERIFY(!on1->isEnabled());
}

// A packet refreshes the page only while its row is selected, a packet of
// an unknown type included; the page then shows the session's record.
void TstF6Plugin::pageRefreshOnlyWhenSelected()
{
    TransportPacket open = packetOf("T4", PT_HANDSHAKE, kvzb("*>S:T4"));
    send(MSG_SESSION_OPEN, &open, kvzIntArg(1));
    auto* number = m_page->findChild<QLabel*>(QStringLiteral("label_Number_Text"));
    packetText(packetOf("T4", PT_RECORD, kvzb("*>T" + Record().u32(1, 41).bytes())), true);
    QCOMPARE(number->text(), QStringLiteral("41"));
    packetText(packetOf("T4", PT_RECORD, kvzb("*>T" + Record().u32(1, 42).bytes())), false);
    QCOMPARE(number->text(), QStringLiteral("41"));
    QCOMPARE(packetText(packetOf("T4", PT_RCS, kvzb("")), true), QStringLiteral("Неизвестная комманда"));
    QCOMPARE(number->text(), QStringLiteral("42"));
    const QString name = QStringLiteral("T4");
    send(MSG_SESSION_CLOSE, const_cast<QString*>(&name), kvzIntArg(1));
}

void TstF6Plugin::otherCodesAnswerZero()
{
    g_calls.clear();
    for (int code : {int(MSG_PLUGINS_LOADED), int(MSG_START), int(MSG_STOP), int(MSG_LOAD_SETTINGS),
                     int(MSG_SAVE_SETTINGS), 5006, 5037, 0, -1})
        QCOMPARE(send(code), 0);
    for (int code : {int(MSG_FORMAT_NUMBER), int(MSG_FIELD_TABLE), int(MSG_SESSION_OPEN), int(MSG_SESSION_CLOSE),
                     int(MSG_SESSION_PACKET), int(MSG_SESSION_SHOW), int(MSG_RECORD_NUMBER)})
        QCOMPARE(send(code, nullptr, nullptr), 0);
    QVERIFY(g_calls.empty());
}

QTEST_MAIN(TstF6Plugin)
#include "tst_f6_plugin.moc"
