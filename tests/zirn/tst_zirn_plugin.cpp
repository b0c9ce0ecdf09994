// drassel.so as the host sees it: its four exports, its answers to the
// format queries, its page and the routing of terminal messages.
#include "kvz_abi.h"
#include "zirn_test_packets.h"

#include <QLibrary>
#include <QWidget>
#include <QtTest>

#include <cstring>
#include <vector>

using namespace ZirnTest;

namespace {
int g_core;
struct Call {
    int code;
    void* data;
    void* out;
};
std::vector<Call> g_calls;

int hostCallback(void* target, int code, void* data, void* out)
{
    if (target != &g_core)
        return -1;
    g_calls.push_back(Call{code, data, out});
    return 0;
}
} // namespace

class TstZirnPlugin : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void libraryInfo();
    void messagesBeforeInitialize();
    void formatQueries();
    void fieldTable();
    void recordNumber_data();
    void recordNumber();
    void pageHandedToHost();
    void secondOpenAddsSessionCloseRemovesOlder();
    void otherCodesAnswerZero();

private:
    int send(int code, void* data = nullptr, void* out = nullptr) { return m_receive(0, code, data, out); }
    QString packetText(const TransportPacket& packet);

    QLibrary m_library;
    KvzIsKVZLibraryFn m_isLibrary = nullptr;
    KvzGetLibraryInfoFn m_info = nullptr;
    KvzInitializeFn m_initialize = nullptr;
    KvzReceiveMessageFn m_receive = nullptr;
};

void TstZirnPlugin::initTestCase()
{
    m_library.setFileName(QStringLiteral(KVZ_BIN_DIR "/drassel.so"));
    QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
    m_isLibrary = reinterpret_cast<KvzIsKVZLibraryFn>(m_library.resolve("IsKVZLibrary"));
    m_info = reinterpret_cast<KvzGetLibraryInfoFn>(m_library.resolve("GetLibraryInfo"));
    m_initialize = reinterpret_cast<KvzInitializeFn>(m_library.resolve("Initialize"));
    m_receive = reinterpret_cast<KvzReceiveMessageFn>(m_library.resolve("ReceiveMessage"));
    QVERIFY(m_isLibrary && m_info && m_initialize && m_receive);
    QVERIFY(m_isLibrary());
}

void TstZirnPlugin::libraryInfo()
{
    KvzPluginInfo info;
    std::memset(&info, 0x55, sizeof(info));
    m_info(&info);
    QVERIFY(info.handle);
    QCOMPARE(QByteArray(info.name), QByteArray("ZIRN"));
    QCOMPARE(QByteArray(info.description), QByteArray("ZIRN"));
    QCOMPARE(info.reserved[0], 1);
    QCOMPARE(info.reserved[1], 0);
    QCOMPARE(info.reserved[2], 0);
    QCOMPARE(info.unused, 0);
    QCOMPARE(info.kind, 1);
}

void TstZirnPlugin::messagesBeforeInitialize()
{
    TransportPacket open = packetOf("T1", PT_HANDSHAKE, kvzb("*>S:T1"));
    QCOMPARE(send(MSG_SESSION_OPEN, &open, kvzIntArg(1)), 0);
    TransportPacket ping = packetOf("T1", PT_ZIRN_PING, QByteArray("\x7F"));
    QCOMPARE(packetText(ping), QString());   // no session list yet

    m_initialize(hostCallback, &g_core, reinterpret_cast<void*>(0x1234));
    QVERIFY(g_calls.empty());
    QCOMPARE(packetText(ping), QString());   // the early open opened nothing
}

void TstZirnPlugin::formatQueries()
{
    int32_t value = -1;
    QCOMPARE(send(MSG_FORMAT_NUMBER, &value), 0);
    QCOMPARE(value, 176);
    QCOMPARE(send(MSG_NUMBER_OFFSET, &value), 0);
    QCOMPARE(value, 1);
    QCOMPARE(send(MSG_RECORD_SIZE, &value), 0);
    QCOMPARE(value, 111);
}

void TstZirnPlugin::fieldTable()
{
    int32_t table[60];
    std::memset(table, 0, sizeof(table));
    QCOMPARE(send(MSG_FIELD_TABLE, table), 0);
    for (int i = 0; i < 60; ++i)
        QCOMPARE(table[i], ZirnTest::kFixedRecordFieldTable[i]);
    QCOMPARE(table[52], 32);
    QCOMPARE(table[53], 1);
}

void TstZirnPlugin::recordNumber_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("number");
    QTest::newRow("7 bytes") << QByteArray::fromHex("00010203040506") << 0x04030201;
    QTest::newRow("6 bytes") << QByteArray::fromHex("000102030405") << 0;
}

void TstZirnPlugin::recordNumber()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, number);
    CEvent_Packet packet(bytes.constData(), bytes.size());
    int32_t out = -1;
    QCOMPARE(send(MSG_RECORD_NUMBER, &packet, &out), 0);
    QCOMPARE(out, number);
}

void TstZirnPlugin::pageHandedToHost()
{
    g_calls.clear();
    QCOMPARE(send(MSG_WINDOW_READY), 0);
    QCOMPARE(g_calls.size(), size_t(1));
    QCOMPARE(g_calls[0].code, int(MSG_ADD_FORMAT_PAGE));
    QCOMPARE(kvzArgInt(g_calls[0].out), 176);
    auto* page = static_cast<QWidget*>(g_calls[0].data);
    QVERIFY(page);
    QVERIFY(!page->parentWidget());
    QCOMPARE(page->windowTitle(), QStringLiteral("KVZ_FormParam_Zirn"));
    QCOMPARE(page->size(), QSize(315, 398));
    // the property groups: Commands folded, all sixteen with their captions
    const QStringList placeholders = {"widget_Command", "widget_Object", "widget_Event", "widget_Work",
                                      "widget_GSM", "widget_In", "widget_Analog", "widget_Impuls",
                                      "widget_Frequency", "widget_SH", "widget_Digital", "widget_Out",
                                      "widget_Power", "widget_Temp", "widget_CAN", "widget_Navigation"};
    for (const QString& name : placeholders)
        QVERIFY2(page->findChild<QWidget*>(name), qPrintable(name));
    QVERIFY(page->findChild<QWidget*>(QStringLiteral("pushButton_SendCommand")));
}

QString TstZirnPlugin::packetText(const TransportPacket& packet)
{
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    send(MSG_SESSION_PACKET, const_cast<TransportPacket*>(&packet), &out);
    return KvzText::fromCp1251(out.text, out.textLength);
}

void TstZirnPlugin::secondOpenAddsSessionCloseRemovesOlder()
{
    TransportPacket open = packetOf("T2", PT_HANDSHAKE, kvzb("*>S:T2"));
    send(MSG_SESSION_OPEN, &open, kvzIntArg(1));
    // the older session learns a bitfield; the newer will not
    TransportPacket zirn = packetOf("T2", PT_ZIRN_HANDSHAKE, negotiation(QByteArray::fromHex("80")));
    packetText(zirn);
    send(MSG_SESSION_OPEN, &open, kvzIntArg(1));
    TransportPacket current = packetOf("T2", PT_ZIRN_CURRENT, zirnFrame("~C" + QByteArray::fromHex("09000000")));
    QCOMPARE(packetText(current), QStringLiteral("~C\r\nNumPage = 9; "));

    const QString name = QStringLiteral("T2");
    QCOMPARE(send(MSG_SESSION_CLOSE, const_cast<QString*>(&name), kvzIntArg(1)), 0);
    QCOMPARE(packetText(current), QStringLiteral("~C\r\n"));   // the newer: no bitfield
    QCOMPARE(send(MSG_SESSION_SHOW, const_cast<QString*>(&name)), 0);
    send(MSG_SESSION_CLOSE, const_cast<QString*>(&name), kvzIntArg(1));
    QCOMPARE(packetText(current), QString());
}

void TstZirnPlugin::otherCodesAnswerZero()
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

QTEST_MAIN(TstZirnPlugin)
#include "tst_zirn_plugin.moc"
