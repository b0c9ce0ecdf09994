// The F-6 session and its dispatcher: the text returned for every packet
// type, the log entry it writes, the command-pending flag, the log file's
// bytes and the bounds of hostile packets.
#include "f6_session.h"
#include "f6_test_record.h"
#include "format_f6.h"
#include "kvz_text.h"
#include "tmipage_f6.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

using namespace F6Test;

namespace {
int g_core;
std::vector<TransportPacket> g_sent;

int hostCallback(void* target, int code, void* data, void*)
{
    if (target == &g_core && code == MSG_SEND_TO_DEVICE) {
        TransportPacket copy;
        copy.copyFrom(*static_cast<const TransportPacket*>(data));
        g_sent.push_back(copy);
    }
    return 0;
}

QByteArray readLog(const QString& name)
{
    QFile file(QStringLiteral("Temp/") + name + QStringLiteral(".log"));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return withoutStamps(file.readAll());
}

QString handle(F6Session& session, const TransportPacket& packet, int* byteCount = nullptr)
{
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    session.handlePacket(packet, &out);
    if (byteCount)
        *byteCount = out.textLength;
    return KvzText::fromCp1251(out.text, out.textLength);
}

std::unique_ptr<F6Session> openSession(const char* name)
{
    return std::unique_ptr<F6Session>(new F6Session(packetOf(name, PT_HANDSHAKE, kvzb("*>S:T1"))));
}

const char kSeparator[] = "\r\n------------------------\r\n";
const char kDisconnect[] = "<T>      Disconnect\r\n\r\n\r\n-------------------\r\n\r\n------------------------\r\n";

QByteArray entry(const char* kind, const QByteArray& unit, const QString& text)
{
    return QByteArray("<T>      ") + kind + "\r\n" + dump(unit) + KvzText::toCp1251(text) + kSeparator;
}

QByteArray recordA() { return Record().u32(1, 1).u8(64, 0x19).bytes(); }
QByteArray recordB() { return Record().u32(1, 2).u8(64, 0xFB).bytes(); }
QString textA() { return QString(zeroRecordText()).replace("NumPage = 0;", "NumPage = 1;").replace("Temp1 = 0;", "Temp1 = 25;"); }
QString textB() { return QString(zeroRecordText()).replace("NumPage = 0;", "NumPage = 2;").replace("Temp1 = 0;", "Temp1 = -5;"); }
} // namespace

class TstF6Session : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void worksBeforeInitialize();
    void initTestCaseLate();
    void dispatcher_data();
    void dispatcher();
    void handshakeAndDisconnectEntries();
    void dumpRows_data();
    void dumpRows();
    void archive_data();
    void archive();
    void shortRecordKeepsTheOldOne();
    void touchMemoryKey_data();
    void touchMemoryKey();
    void versionSections_data();
    void versionSections();
    void hostileLengths_data();
    void hostileLengths();
    void returnedTextIsWindows1251();
    void noTempFolder();
    void networkNameStaysInTemp();
    void commandPacket();
    void randomPacketsAreSafe();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_oldDir;
};

void TstF6Session::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_oldDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    QDir().mkdir(QStringLiteral("Temp"));
    g_sent.clear();
}

void TstF6Session::cleanup()
{
    QDir::setCurrent(m_oldDir);
    m_dir.reset();
}

// Runs first: decoding and logging go on while the plug-in is not yet
// initialised; a command sets the flag and sends nothing.
void TstF6Session::worksBeforeInitialize()
{
    QVERIFY(!FormatF_6::published());
    auto session = openSession("A1");
    QCOMPARE(handle(*session, packetOf("A1", PT_PING, kvzb(""))), headerText(0) + "Ping");
    session->sendToDevice(reinterpret_cast<const uint8_t*>("*!1Y"), 4);
    QCOMPARE(int(session->commandPending()), 1);
    QVERIFY(g_sent.empty());
    QVERIFY(readLog("A1").endsWith(entry("Ping", kvzb(""), headerText(0) + "Ping")));
}

void TstF6Session::initTestCaseLate()
{
    FormatF_6::instance().initialize(hostCallback, &g_core, nullptr);
    QVERIFY(FormatF_6::published());
}

void TstF6Session::dispatcher_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("unit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kind");   // empty: no log entry
    QTest::addColumn<int>("pending");    // after the packet, with a command waiting

    const QByteArray t = kvzb("*>T" + recordA());
    QTest::newRow("1 handshake") << 1 << kvzb("*>S:OTHER") << headerText(9) + "*>S:T1" << "Handshake" << 1;
    QTest::newRow("2 record") << 2 << t << headerText(114) + "*>T 1\r\n" + textA() << "TMI" << 1;
    QTest::newRow("4 ping") << 4 << kvzb("") << headerText(0) + "Ping" << "Ping" << 1;
    QTest::newRow("5 command answer") << 5 << kvzb("*@C" + recordB())
                                      << headerText(114) + "*@C\r\n" + textB() << "Command" << 0;
    QTest::newRow("6 version") << 6 << kvzb("*#V:F6:1.2:2026:RU")
                               << headerText(18) + "*#V\r\nType: F6 Ver: 1.2 from 2026 Lang: RU" << "Type device" << 0;
    QTest::newRow("7 state") << 7 << kvzb("*#A" + recordA())
                             << headerText(114) + "*#A\r\n" + textA() << "Current state" << 0;
    QTest::newRow("10 key") << 10 << kvzb(QByteArray("*>TMKEY\x01\x02\x03\x04\x05\x06\x07", 14)
                                          + QByteArray::fromHex("0102030405060000"))
                            << headerText(22) + "*>TMKEY\r\nHour = 1; Min = 2; Sec = 3; Day = 4; Month = 5; "
                                                "Year = 6; code = 060504030201; "
                            << "Touch Memory" << 1;
    for (int type : {0, 8, 9, 11, 12, 13, 14, 15, 99})
        QTest::newRow(qPrintable(QStringLiteral("%1 unknown").arg(type)))
            << type << t << QStringLiteral("Неизвестная комманда") << QString() << 1;
}

void TstF6Session::dispatcher()
{
    QFETCH(int, type);
    QFETCH(QByteArray, unit);
    QFETCH(QString, text);
    QFETCH(QString, kind);
    auto session = openSession("T1");
    session->sendToDevice(reinterpret_cast<const uint8_t*>("*!1Y"), 4);
    const QByteArray before = readLog("T1");

    QCOMPARE(handle(*session, packetOf("T1", type, unit)), text);
    QTEST(int(session->commandPending()), "pending");
    const QByteArray added = readLog("T1").mid(before.size());
    QCOMPARE(added, kind.isEmpty() ? QByteArray() : entry(qPrintable(kind), unit, text));
}

// The constructor's run logs the handshake; deleting the session ends the
// log with the disconnect entry.
void TstF6Session::handshakeAndDisconnectEntries()
{
    const QByteArray handshake = kvzb("*>S:T1");
    auto session = openSession("T1");
    QCOMPARE(session->text(), headerText(6) + "*>S:T1");
    session.reset();
    QCOMPARE(readLog("T1"), entry("Handshake", handshake, headerText(6) + "*>S:T1") + kDisconnect);
}

void TstF6Session::dumpRows_data()
{
    QTest::addColumn<QByteArray>("unit");
    QTest::addColumn<QByteArray>("rows");
    const QByteArray sixteen = QByteArray::fromHex("CAC2C7C101000000 80841E0000001122");
    QTest::newRow("16 bytes") << sixteen
                              << QByteArray(" 0xca 0xc2 0xc7 0xc1 0x01 0x00 0x00 0x00 0x80 0x84 0x1e 0x00 0x00 0x00 0x11 0x22\r\n");
    QTest::newRow("17 bytes") << sixteen + "\xAB"
                              << QByteArray(" 0xca 0xc2 0xc7 0xc1 0x01 0x00 0x00 0x00 0x80 0x84 0x1e 0x00 0x00 0x00 0x11 0x22\r\n 0xab\r\n");
    QTest::newRow("32 bytes") << sixteen + sixteen
                              << QByteArray(" 0xca 0xc2 0xc7 0xc1 0x01 0x00 0x00 0x00 0x80 0x84 0x1e 0x00 0x00 0x00 0x11 0x22\r\n"
                                            " 0xca 0xc2 0xc7 0xc1 0x01 0x00 0x00 0x00 0x80 0x84 0x1e 0x00 0x00 0x00 0x11 0x22\r\n");
    QTest::newRow("5 is 0x05") << sixteen + "\x05" << QByteArray(" 0xca 0xc2 0xc7 0xc1 0x01 0x00 0x00 0x00 0x80 0x84 0x1e 0x00 0x00 0x00 0x11 0x22\r\n 0x05\r\n");
}

void TstF6Session::dumpRows()
{
    QFETCH(QByteArray, unit);
    QFETCH(QByteArray, rows);
    auto session = openSession("T1");
    const QByteArray before = readLog("T1");
    handle(*session, packetOf("T1", PT_PING, unit));
    const QByteArray added = readLog("T1").mid(before.size());
    QCOMPARE(added.left(15 + rows.size()), "<T>      Ping\r\n" + rows);
    QVERIFY(added.mid(15 + rows.size()).startsWith(KvzText::toCp1251(QStringLiteral("Заголовок:\r\n"))));
}

void TstF6Session::archive_data()
{
    QTest::addColumn<QByteArray>("unit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("numPage");   // the record held afterwards
    QTest::newRow("two") << kvzb("*>A\x02" + recordA() + recordB())
                         << headerText(226) + "*>A 2\r\n" + textA() + "\r\n" + textB() + "\r\n" << 2;
    QTest::newRow("none") << kvzb(QByteArray("*>A\x00", 4) + recordA()) << headerText(115) + "*>A 0\r\n" << 0;
    // the count claims three; one whole record is there
    QTest::newRow("claims more than sent") << kvzb("*>A\x03" + recordA() + recordB().left(110))
                                           << headerText(225) + "*>A 3\r\n" + textA() + "\r\n" << 1;
    // nine fill the packet; a claimed tenth and more would lie beyond it
    QByteArray nine;
    QString nineText;
    for (int i = 0; i < 9; ++i) {
        nine += recordB();
        nineText += textB() + "\r\n";
    }
    QTest::newRow("255 claimed, 9 fit") << kvzb("*>A\xFF" + nine) << headerText(1003) + "*>A 255\r\n" + nineText << 2;
}

void TstF6Session::archive()
{
    QFETCH(QByteArray, unit);
    QFETCH(int, numPage);
    auto session = openSession("T1");
    QTEST(handle(*session, packetOf("T1", PT_ARCHIVE, unit)), "text");
    QCOMPARE(int(session->record()->numPage()), numPage);
}

// A payload one byte short of a record leaves the record as it was and
// adds no record text: the old values are not this packet's.
void TstF6Session::shortRecordKeepsTheOldOne()
{
    auto session = openSession("T1");
    handle(*session, packetOf("T1", PT_RECORD, kvzb("*>T" + recordA())));
    const QByteArray shortUnit = kvzb("*>T" + recordB().left(110));
    QCOMPARE(handle(*session, packetOf("T1", PT_RECORD, shortUnit)), headerText(113) + "*>T 2\r\n");
    QCOMPARE(session->record()->toText(), textA());
    QCOMPARE(handle(*session, packetOf("T1", PT_COMMAND_ANSWER, kvzb("*@C"))), headerText(3) + "*@C\r\n");
    QCOMPARE(handle(*session, packetOf("T1", PT_RECORD, kvzb("*>T"))), headerText(3) + "*>T 0\r\n");
    QCOMPARE(session->record()->toText(), textA());
}

void TstF6Session::touchMemoryKey_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QString>("code");
    QTest::newRow("six bytes") << QByteArray::fromHex("0102030405060000") << "060504030201";
    QTest::newRow("one") << QByteArray::fromHex("0100000000000000") << "000000000001";
    QTest::newRow("all ones") << QByteArray::fromHex("FFFFFFFFFFFFFFFF") << "FFFFFFFFFFFFFFFF";
    QTest::newRow("thirteen digits") << QByteArray::fromHex("0000000000000100") << "1000000000000";
}

void TstF6Session::touchMemoryKey()
{
    QFETCH(QByteArray, key);
    QFETCH(QString, code);
    auto session = openSession("T1");
    const QString text = handle(*session, packetOf("T1", PT_TMKEY, kvzb(QByteArray("*>TMKEY\x0C\x22\x3B\x1F\x0B\xFF\x09", 14) + key)));
    QCOMPARE(text, headerText(22) + "*>TMKEY\r\nHour = 12; Min = 34; Sec = 59; Day = 31; Month = 11; Year = 255; code = "
                 + code + "; ");
}

void TstF6Session::versionSections_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QString>("shown");
    QTest::newRow("five sections") << QByteArray("*#V:A:B:C:D") << "Type: A Ver: B from C Lang: D";
    QTest::newRow("two sections") << QByteArray("*#V:A") << "Type: A Ver:  from  Lang: ";
    QTest::newRow("more than five") << QByteArray("*#V:A:B:C:D:E:F") << "Type: A Ver: B from C Lang: D";
    QTest::newRow("empty sections count") << QByteArray("*#V::B::D\r\n") << "Type:  Ver: B from  Lang: D\r\n";
    QTest::newRow("ends at zero") << QByteArray("*#V:A:B\0:C:D", 12) << "Type: A Ver: B from  Lang: ";
    QTest::newRow("windows-1251") << QByteArray("*#V:\xD2\xE5\xF1\xF2:1") << "Type: Тест Ver: 1 from  Lang: ";
    QTest::newRow("a %2 stays") << QByteArray("*#V:%2:%1:x:y") << "Type: %2 Ver: %1 from x Lang: y";
}

void TstF6Session::versionSections()
{
    QFETCH(QByteArray, version);
    QFETCH(QString, shown);
    auto session = openSession("T1");
    QCOMPARE(handle(*session, packetOf("T1", PT_VERSION, kvzb(version))), headerText(version.size()) + "*#V\r\n" + shown);
}

void TstF6Session::hostileLengths_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("decoded");   // the text after the header text
    // the data field holds a whole "*>T" unit; a shorter length leaves
    // part of it out, and the bytes past length read as 0
    QTest::newRow("negative") << -5 << QStringLiteral("*>T 0\r\n");
    QTest::newRow("zero") << 0 << QStringLiteral("*>T 0\r\n");
    QTest::newRow("beyond the field") << 5000 << QStringLiteral("*>T 1\r\n") + textA();
    QTest::newRow("part of a record") << 129 << QStringLiteral("*>T 1\r\n");
}

void TstF6Session::hostileLengths()
{
    QFETCH(int, length);
    auto session = openSession("T1");
    TransportPacket packet = packetOf("T1", PT_RECORD, kvzb("*>T" + recordA()));
    packet.length = length;
    const QString text = handle(*session, packet);
    QTEST(text.mid(text.indexOf(QStringLiteral("*>T"))), "decoded");
    const QByteArray log = readLog("T1");
    const int entryStart = log.lastIndexOf("<T>      TMI\r\n");
    QVERIFY(entryStart > 0);
    // the whole data field at most, zeros past the unit
    const QByteArray field = kvzb("*>T" + recordA()) + QByteArray(1024 - 130, '\0');
    const QByteArray dumped = dump(field.left(qBound(0, length, 1024)));
    QCOMPARE(log.mid(entryStart + 14, dumped.size()), dumped);
}

void TstF6Session::returnedTextIsWindows1251()
{
    auto session = openSession("T1");
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    session->handlePacket(packetOf("T1", 42, kvzb("")), &out);
    QCOMPARE(QByteArray(out.text, out.textLength), QByteArray("\xCD\xE5\xE8\xE7\xE2\xE5\xF1\xF2\xED\xE0\xFF \xEA\xEE\xEC\xEC\xE0\xED\xE4\xE0"));
    // the next packet's text replaces it
    std::memset(&out, 0, sizeof(out));
    session->handlePacket(packetOf("T1", PT_PING, kvzb("")), &out);
    QCOMPARE(QByteArray(out.text, out.textLength), KvzText::toCp1251(headerText(0) + "Ping"));
}

void TstF6Session::noTempFolder()
{
    QDir().rmdir(QStringLiteral("Temp"));
    auto session = openSession("T1");
    QCOMPARE(handle(*session, packetOf("T1", PT_RECORD, kvzb("*>T" + recordA()))), headerText(114) + "*>T 1\r\n" + textA());
    session.reset();
    QVERIFY(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

void TstF6Session::networkNameStaysInTemp()
{
    {
        F6Session session(packetOf("../x", PT_HANDSHAKE, kvzb("*>S:../x")));
        QCOMPARE(session.name(), QStringLiteral("../x"));
    }
    QCOMPARE(QDir(QStringLiteral("Temp")).entryList(QDir::Files), QStringList{QStringLiteral("_._x.log")});
    QVERIFY(!QFile::exists(QStringLiteral("x.log")));
}

// A command goes out as a packet with the identity of the opening packet.
void TstF6Session::commandPacket()
{
    auto session = openSession("T1");
    session->sendToDevice(reinterpret_cast<const uint8_t*>("*!OFF:5"), 7);
    QCOMPARE(int(g_sent.size()), 1);
    const TransportPacket& sent = g_sent[0];
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(sent.data), sent.length), QByteArray("*!OFF:5"));
    QCOMPARE(sent.module, reinterpret_cast<void*>(0x11));
    QCOMPARE(sent.connection, reinterpret_cast<void*>(0x22));
    QCOMPARE(sent.hostObject, reinterpret_cast<void*>(0x33));
    QCOMPARE(sent.deviceId, 4294967295u);
    QCOMPARE(QByteArray(sent.deviceName), QByteArray("T1"));
    QCOMPARE(sent.type, 0);
    QCOMPARE(sent.formatNumber, 0);
    QCOMPARE(int(session->commandPending()), 1);
}

// Hostile input of every type and length, bytes at random (a fixed seed):
// every packet gets a text, and nothing is read outside the packet (the
// sanitizer build checks that).
void TstF6Session::randomPacketsAreSafe()
{
    QDir().rmdir(QStringLiteral("Temp"));   // no files for this one
    QRandomGenerator random(20261210);
    auto session = openSession("R1");
    for (int i = 0; i < 3000; ++i) {
        TransportPacket packet = packetOf("R1", random.bounded(-1, 17), QByteArray());
        for (uint8_t& byte : packet.data)
            byte = uint8_t(random.bounded(256));
        packet.length = random.bounded(-20, 1300);
        if (i % 3 == 0)
            packet.data[19] = 0xFF;   // "*>A" claims 255 records
        QVERIFY(!handle(*session, packet).isEmpty());
    }
}

QTEST_GUILESS_MAIN(TstF6Session)
#include "tst_f6_session.moc"
