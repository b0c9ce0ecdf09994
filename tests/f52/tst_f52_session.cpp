// The F-52 plug-in object and session: answers to the format questions, the
// field table, the dispatcher over the packet types (text, log entry,
// pending flag), archive bounds and the log file's bytes.
#include "f52_record.h"
#include "f52_session.h"
#include "f52_test_record.h"
#include "format_f52.h"
#include "format_session_list.h"
#include "kvz_text.h"
#include "zirn_test_packets.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <cstring>
#include <vector>

using namespace F52Test;
using ZirnTest::headerText;
using ZirnTest::kvzb;
using ZirnTest::withoutStamps;

namespace {
std::vector<TransportPacket> g_sent;

int hostCallback(void*, int code, void* data, void*)
{
    if (code == MSG_SEND_TO_DEVICE && data)
        g_sent.push_back(*static_cast<TransportPacket*>(data));
    return 0;
}

TransportPacket packetOf(int type, const QByteArray& bytes)
{
    TransportPacket packet = ZirnTest::packetOf("F52T", type, bytes);
    packet.formatNumber = 37;
    return packet;
}

QByteArray entry(const char* title, const QByteArray& bytes, const QString& body)
{
    return QByteArray("<T>      ") + title + "\r\n" + F52Test::logDump(bytes) + KvzText::toCp1251(body)
        + "\r\n------------------------\r\n";
}

Values numbered(quint32 n)
{
    Values v = fullValues();
    v.numPage = n;
    return v;
}

QString textOf(quint32 n)
{
    return QString::fromLatin1(fullText()).replace(QStringLiteral("NumPage = 4000000000"),
                                                   QStringLiteral("NumPage = ") + QString::number(n));
}
}

class TstF52Session : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void formatAnswers();
    void fieldTable();
    void dispatcher_data();
    void dispatcher();
    void archiveTakesTheRecordsThatFit();
    void shortRecordKeepsTheRecord();
    void logFileBytes();
    void sendGoesOnlyToListedSessions();
    void noTempFolderNoFile();

private:
    QTemporaryDir m_dir;
};

void TstF52Session::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir::setCurrent(m_dir.path()));
    QVERIFY(QDir().mkdir(QStringLiteral("Temp")));
    FormatF_52::instance().initialize(&hostCallback, reinterpret_cast<void*>(0x1234), nullptr);
}

void TstF52Session::formatAnswers()
{
    FormatF_52& plugin = FormatF_52::instance();
    int value = -1;
    plugin.receiveMessage(MSG_FORMAT_NUMBER, &value, nullptr);
    QCOMPARE(value, 37);
    plugin.receiveMessage(MSG_RECORD_SIZE, &value, nullptr);
    QCOMPARE(value, 86);
    plugin.receiveMessage(MSG_NUMBER_OFFSET, &value, nullptr);
    QCOMPARE(value, 1);
    KvzPluginInfo info;
    std::memset(&info, 0, sizeof(info));
    plugin.getLibraryInfo(&info);
    QCOMPARE(QByteArray(info.name), QByteArray("F-52"));
    QCOMPARE(info.kind, 1);
}

void TstF52Session::fieldTable()
{
    const int32_t expected[60] = {0, 1, 1, 4, 5, 2, 7, 1, 8, 1, 9, 1, 10, 1, 11, 1, 12, 1, 0,
                                  41, 4, 45, 4, 0, 0, 49, 4, 53, 2, 55, 4, 17, 1, 34, 1, 2,
                                  17, 1, 1, 17, 1, 2, 17, 1, 4, 17, 1, 8, 17, 1, 16,
                                  0, 0, 0, 0, 0, 0, 0, 0, 0};
    int32_t table[60];
    std::memset(table, 0x55, sizeof(table));
    FormatF_52::instance().receiveMessage(MSG_FIELD_TABLE, table, nullptr);
    for (int i = 0; i < 60; ++i)
        QCOMPARE(table[i], expected[i]);
}

void TstF52Session::dispatcher_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");   // empty: no log entry
    QTest::addColumn<int>("pendingAfter");

    const QByteArray rec = recordOf(numbered(5));
    QTest::newRow("record") << int(PT_RECORD) << QByteArray("*>T" + rec)
                            << "*>T 5\r\n" + textOf(5) << "TMI" << 1;
    QTest::newRow("empty archive") << int(PT_ARCHIVE) << QByteArray("*>A\x00", 4)
                                   << "*>A 0\r\n" << "Arr TMI" << 1;
    QTest::newRow("archive with a short record") << int(PT_ARCHIVE) << QByteArray("*>A\x01" + rec.left(85))
                                                 << "*>A 1\r\n" << "Arr TMI" << 1;
    QTest::newRow("ping") << int(PT_PING) << QByteArray() << "Ping" << "Ping" << 1;
    QTest::newRow("command answer") << int(PT_COMMAND_ANSWER) << QByteArray("*@C" + rec)
                                    << "*@C\r\n" + textOf(5) << "Command" << 0;
    QTest::newRow("state") << int(PT_STATE) << QByteArray("*#A" + rec)
                           << "*#A\r\n" + textOf(5) << "Current state" << 0;
    QTest::newRow("version") << int(PT_VERSION) << QByteArray("*#V:F52:1.2:2024:RU:x")
                             << "*#V\r\nType: F52 Ver: 1.2 from 2024 Lang: RU" << "Type device" << 0;
    QTest::newRow("version two sections") << int(PT_VERSION) << QByteArray("*#V:\xCF\xF0\x00:1", 10)
                                          << "*#V\r\nType: Пр Ver:  from  Lang: " << "Type device" << 0;
    QTest::newRow("key") << int(PT_TMKEY) << QByteArray::fromHex("2a3e544d4b4559" "0102030405060001020304050600 00")
                         << "*>TMKEY\r\nHour = 1; Min = 2; Sec = 3; Day = 4; Month = 5; Year = 6; code = 060504030201; "
                         << "Touch Memory" << 1;
    QTest::newRow("key all ones") << int(PT_TMKEY) << QByteArray::fromHex("2a3e544d4b4559" "00000000000000" "ffffffffffffffff")
                                  << "*>TMKEY\r\nHour = 0; Min = 0; Sec = 0; Day = 0; Month = 0; Year = 0; code = FFFFFFFFFFFFFFFF; "
                                  << "Touch Memory" << 1;
    QTest::newRow("key short") << int(PT_TMKEY) << QByteArray::fromHex("2a3e544d4b4559" "17" "000000000000" "01")
                               << "*>TMKEY\r\nHour = 23; Min = 0; Sec = 0; Day = 0; Month = 0; Year = 0; code = 000000000001; "
                               << "Touch Memory" << 1;
}

void TstF52Session::dispatcher()
{
    QFETCH(int, type);
    QFETCH(QByteArray, data);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(int, pendingAfter);

    const QString log = QStringLiteral("Temp/F52T.log");
    QFile::remove(log);
    F52Session session(packetOf(PT_HANDSHAKE, kvzb("*>S:F52T")));
    const uint8_t command[] = {'*', '?', 'A'};
    session.sendToDevice(command, 3);
    QCOMPARE(int(session.commandPending()), 1);

    const QByteArray unit = kvzb(data);
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    session.handlePacket(packetOf(type, unit), &out);
    const QString expected = headerText(data.size()) + text;
    QCOMPARE(KvzText::fromCp1251(out.text, out.textLength), expected);
    QCOMPARE(out.textLength, KvzText::toCp1251(expected).size());
    QCOMPARE(int(session.commandPending()), pendingAfter);

    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray handshake = kvzb("*>S:F52T");
    QCOMPARE(withoutStamps(file.readAll()),
             entry("Handshake", handshake, headerText(8) + QStringLiteral("*>S:F52T"))
                 + entry(title.toLatin1().constData(), unit, expected));
}

void TstF52Session::archiveTakesTheRecordsThatFit()
{
    F52Session session(packetOf(PT_HANDSHAKE, kvzb("*>S:F52T")));
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    // count 2: records at bytes 20 and 106
    QByteArray data = "*>A\x02" + recordOf(numbered(1)) + recordOf(numbered(2));
    session.handlePacket(packetOf(PT_ARCHIVE, kvzb(data)), &out);
    QCOMPARE(session.text(), headerText(data.size()) + "*>A 2\r\n" + textOf(1) + "\r\n" + textOf(2) + "\r\n");
    QCOMPARE(session.record()->numPage(), 2u);

    // a count of 12 in a full packet: the eleven whole records are decoded
    data = "*>A\x0C";
    for (quint32 i = 1; i <= 11; ++i)
        data += recordOf(numbered(100 + i));
    data += QByteArray(1024 - 16 - data.size(), '\x7F');
    session.handlePacket(packetOf(PT_ARCHIVE, kvzb(data)), &out);
    QCOMPARE(session.record()->numPage(), 111u);
    QCOMPARE(session.text().count(QStringLiteral("NumPage = ")), 11);
    QVERIFY(session.text().startsWith(headerText(1008) + "*>A 12\r\n"));

    // a length beyond the data field is taken as 1024
    TransportPacket odd = packetOf(PT_ARCHIVE, kvzb(data));
    odd.length = 5000;
    session.handlePacket(odd, &out);
    QCOMPARE(session.text().count(QStringLiteral("NumPage = ")), 11);
}

void TstF52Session::shortRecordKeepsTheRecord()
{
    F52Session session(packetOf(PT_HANDSHAKE, kvzb("*>S:F52T")));
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    session.handlePacket(packetOf(PT_RECORD, kvzb("*>T" + recordOf(numbered(9)))), &out);
    const QByteArray shortData = "*>T" + recordOf(numbered(10)).left(85);
    session.handlePacket(packetOf(PT_RECORD, kvzb(shortData)), &out);
    QCOMPARE(session.record()->numPage(), 9u);
    // the record number still comes from bytes 20 to 23; no stale record text
    QCOMPARE(session.text(), headerText(88) + QStringLiteral("*>T 10\r\n"));

    session.handlePacket(packetOf(8, kvzb("x")), &out);
    QCOMPARE(session.text(), QStringLiteral("Неизвестная комманда"));
}

void TstF52Session::logFileBytes()
{
    const QString log = QStringLiteral("Temp/L17.log");
    {
        TransportPacket hello = ZirnTest::packetOf("L17", PT_HANDSHAKE, kvzb("*>S:L17"));
        F52Session session(hello);
        KvzPacketOut out;
        std::memset(&out, 0, sizeof(out));
        TransportPacket unknown = ZirnTest::packetOf("L17", 9, kvzb("x"));
        session.handlePacket(unknown, &out);   // no entry
        // 17 bytes: a row of 16 values, then one more
        session.handlePacket(ZirnTest::packetOf("L17", PT_PING, kvzb(QByteArray("\xAB", 1))), &out);
    }
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = withoutStamps(file.readAll());
    const QByteArray ping = "<T>      Ping\r\n"
                            " 0xca 0xc2 0xc7 0xc1 0x01 0x00 0x00 0x00 0x80 0x84 0x1e 0x00 0x01 0x00 0x11 0x22\r\n"
                            " 0xab\r\n";
    QVERIFY(bytes.contains(ping + KvzText::toCp1251(headerText(1)) + "Ping\r\n------------------------\r\n"));
    QVERIFY(bytes.endsWith("<T>      Disconnect\r\n\r\n\r\n-------------------\r\n\r\n------------------------\r\n"));
    QCOMPARE(bytes.count("<T>      "), 3);
}

void TstF52Session::sendGoesOnlyToListedSessions()
{
    FormatF_52& plugin = FormatF_52::instance();
    TransportPacket hello = ZirnTest::packetOf("S1", PT_HANDSHAKE, kvzb("*>S:S1"));
    hello.deviceId = 77;
    plugin.receiveMessage(MSG_SESSION_OPEN, &hello, nullptr);
    FormatSession* session = plugin.sessions()->findSession(QStringLiteral("S1"));
    QVERIFY(session);
    g_sent.clear();
    const uint8_t command[] = {'*', '!', '1', 'Y'};
    plugin.sendToDevice(session, command, 4);
    QCOMPARE(int(g_sent.size()), 1);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(g_sent[0].data), g_sent[0].length), QByteArray("*!1Y"));
    QCOMPARE(g_sent[0].deviceId, 77u);
    QString name = QStringLiteral("S1");
    plugin.receiveMessage(MSG_SESSION_CLOSE, &name, nullptr);
    plugin.sendToDevice(session, command, 4);
    QCOMPARE(int(g_sent.size()), 1);
}

void TstF52Session::noTempFolderNoFile()
{
    QTemporaryDir bare;
    QVERIFY(QDir::setCurrent(bare.path()));
    {
        F52Session session(packetOf(PT_HANDSHAKE, kvzb("*>S:F52T")));
        KvzPacketOut out;
        std::memset(&out, 0, sizeof(out));
        session.handlePacket(packetOf(PT_PING, kvzb(QByteArray())), &out);
        QCOMPARE(KvzText::fromCp1251(out.text, out.textLength), headerText(0) + QStringLiteral("Ping"));
    }
    QCOMPARE(QDir(bare.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    QVERIFY(QDir::setCurrent(m_dir.path()));
}

QTEST_GUILESS_MAIN(TstF52Session)
#include "tst_f52_session.moc"
