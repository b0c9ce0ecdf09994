// The common frame of the format plug-ins: log file bytes, file names from
// the network, header text, session list, send operation, message switch.
#include "format_field_table.h"
#include "format_log_file.h"
#include "format_plugin.h"
#include "format_session.h"
#include "format_session_list.h"
#include "kvz_abi.h"
#include "zirn_test_packets.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <sys/stat.h>
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

// The process's time zone for the life of the object.
class TimeZone
{
public:
    explicit TimeZone(const char* rule) : m_old(qgetenv("TZ")), m_had(qEnvironmentVariableIsSet("TZ"))
    {
        qputenv("TZ", rule);
        tzset();
    }
    ~TimeZone()
    {
        if (m_had)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    QByteArray m_old;
    bool m_had;
};

const char kCentralEurope[] = "CET-1CEST,M3.5.0,M10.5.0/3";

QByteArray qtStamp(qint64 msecs)
{
    return QLocale::c()
        .toString(QDateTime::fromMSecsSinceEpoch(msecs, Qt::LocalTime), QStringLiteral("dd.MM.yyyy hh:mm:ss.zzz"))
        .toLatin1();
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
    void surrogatesAreTheCodecs();
    void noTempFolderWritesNothing();
    void newFileTakesTheUmask();
    void logFileFollowsTheWorkingFolder();
    void timeStamp_data();
    void timeStamp();
    void timeStampIsQDateTimes_data();
    void timeStampIsQDateTimes();
    void titleLineStampIsNow();
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
    QTest::newRow("33 bytes") << thirtyTwo + "\xff" << (line1 + "\r\n" + line2 + "\r\n 0xff\r\n");
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

// Title and body as the codec takes them as a whole: the title together
// with its line end, the body on its own.
void TstFormatFrame::surrogatesAreTheCodecs()
{
    QTextCodec* codec = QTextCodec::codecForName("windows-1251");
    const QString title = QStringLiteral("Пинг \U0001F600 ") + QChar(0xD800);
    const QString body = QStringLiteral("Данные ") + QChar(0xDC00) + QStringLiteral(" \u4e2d ") + QChar(0xD800);
    FormatLogFile::writeLog(QStringLiteral("T1"), title, body, nullptr, 0);
    QCOMPARE(withoutStamps(readFile(QStringLiteral("Temp/T1.log"))),
             "<T>      " + codec->fromUnicode(title + QStringLiteral("\r\n")) + "\r\n" + codec->fromUnicode(body)
                 + "\r\n------------------------\r\n");
}

void TstFormatFrame::noTempFolderWritesNothing()
{
    QVERIFY(QDir().rmdir(QStringLiteral("Temp")));
    FormatLogFile::writeLog(QStringLiteral("T1"), QStringLiteral("Ping"), QStringLiteral("Ping"), nullptr, 0);
    FormatLogFile::writeLogLine(QStringLiteral("T1"), QStringLiteral("Handshake"));
    QCOMPARE(entries(QStringLiteral(".")), QStringList());
}

void TstFormatFrame::newFileTakesTheUmask()
{
    const mode_t old = umask(027);
    FormatLogFile::writeLogLine(QStringLiteral("T1"), QStringLiteral("Handshake"));
    umask(old);
    struct stat info;
    QCOMPARE(stat("Temp/T1.log", &info), 0);
    QCOMPARE(int(info.st_mode & 0777), 0640);
}

// A terminal's log file keeps its name, not its folder: after a change of
// the working folder its entries go to the "Temp" found there.
void TstFormatFrame::logFileFollowsTheWorkingFolder()
{
    const FormatLogFile log(QStringLiteral("../T1"));
    log.writeLine(QStringLiteral("First"));
    QDir().mkdir(QStringLiteral("inner"));
    QDir::setCurrent(QStringLiteral("inner"));
    log.writeLine(QStringLiteral("Second"));   // no Temp here: nothing
    QDir().mkdir(QStringLiteral("Temp"));
    log.write(QStringLiteral("Third"), QStringLiteral("Body"), nullptr, 0);
    log.writeDisconnect();
    QCOMPARE(entries(QStringLiteral("Temp")), QStringList({"_._T1.log"}));
    QCOMPARE(withoutStamps(readFile(QStringLiteral("Temp/_._T1.log"))),
             QByteArray("<T>      Third\r\n\r\nBody\r\n------------------------\r\n"
                        "<T>      Disconnect\r\n\r\n\r\n-------------------\r\n\r\n------------------------\r\n"));
    QCOMPARE(withoutStamps(readFile(QStringLiteral("../Temp/_._T1.log"))), QByteArray("<T>      First\r\n"));
}

void TstFormatFrame::timeStamp_data()
{
    QTest::addColumn<qint64>("msecs");
    QTest::addColumn<QByteArray>("stamp");
    QTest::newRow("epoch") << Q_INT64_C(0) << QByteArray("01.01.1970 01:00:00.000");
    QTest::newRow("winter") << Q_INT64_C(1700000000123) << QByteArray("14.11.2023 23:13:20.123");
    QTest::newRow("summer") << Q_INT64_C(1690000000999) << QByteArray("22.07.2023 06:26:40.999");
    QTest::newRow("before the clocks go forward") << Q_INT64_C(1679792399999) << QByteArray("26.03.2023 01:59:59.999");
    QTest::newRow("clocks forward") << Q_INT64_C(1679792400000) << QByteArray("26.03.2023 03:00:00.000");
    QTest::newRow("before the clocks go back") << Q_INT64_C(1698541199999) << QByteArray("29.10.2023 02:59:59.999");
    QTest::newRow("clocks back") << Q_INT64_C(1698541200000) << QByteArray("29.10.2023 02:00:00.000");
    QTest::newRow("leap day") << Q_INT64_C(951782400007) << QByteArray("29.02.2000 01:00:00.007");
    QTest::newRow("end of 2037 UTC") << Q_INT64_C(2145916799999) << QByteArray("01.01.2038 00:59:59.999");
    QTest::newRow("2038") << Q_INT64_C(2145916800000) << QByteArray("01.01.2038 01:00:00.000");
    QTest::newRow("2039 summer") << Q_INT64_C(2200000000000) << QByteArray("19.09.2039 01:06:40.000");
    QTest::newRow("2100") << Q_INT64_C(4102444800000) << QByteArray("01.01.2100 01:00:00.000");
    QTest::newRow("before the epoch") << Q_INT64_C(-1) << QByteArray("01.01.1970 00:59:59.999");
}

void TstFormatFrame::timeStamp()
{
    QFETCH(qint64, msecs);
    QFETCH(QByteArray, stamp);
    const TimeZone zone(kCentralEurope);
    QCOMPARE(FormatLogFile::timeStamp(msecs), stamp);
}

void TstFormatFrame::timeStampIsQDateTimes_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::newRow("central europe") << QByteArray(kCentralEurope);
    QTest::newRow("new york") << QByteArray("EST5EDT,M3.2.0,M11.1.0");
    QTest::newRow("half an hour of summer time") << QByteArray("<+1030>-10:30<+11>-11,M10.1.0,M4.1.0");
    QTest::newRow("utc") << QByteArray("UTC0");
}

// Times from 1969 to 2040, one every 3 h 17 min 31.123 s, and every minute
// around the clock changes of 2021, as QDateTime writes them.
void TstFormatFrame::timeStampIsQDateTimes()
{
    QFETCH(QByteArray, zone);
    const TimeZone timeZone(zone.constData());
    std::vector<qint64> times;
    for (qint64 t = Q_INT64_C(-86400000); t < Q_INT64_C(2208988800000); t += Q_INT64_C(11851123))
        times.push_back(t);
    for (qint64 day : {Q_INT64_C(1616284800000), Q_INT64_C(1617494400000), Q_INT64_C(1633219200000),
                       Q_INT64_C(1635638400000), Q_INT64_C(1636243200000)}) {
        for (qint64 t = day; t < day + 2 * 86400000; t += 60000)
            times.push_back(t + 999);
    }
    for (qint64 t : times) {
        if (FormatLogFile::timeStamp(t) != qtStamp(t))
            QFAIL(qPrintable(QStringLiteral("%1 ms: %2, QDateTime %3")
                                 .arg(t)
                                 .arg(QString::fromLatin1(FormatLogFile::timeStamp(t)),
                                      QString::fromLatin1(qtStamp(t)))));
    }
}

// The stamp of an entry is the local time when it is written.
void TstFormatFrame::titleLineStampIsNow()
{
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    FormatLogFile::writeLogLine(QStringLiteral("T1"), QStringLiteral("Now"));
    const qint64 after = QDateTime::currentMSecsSinceEpoch();
    const QByteArray line = readFile(QStringLiteral("Temp/T1.log"));
    QCOMPARE(line.mid(23), QByteArray("      Now\r\n"));
    bool found = false;
    for (qint64 t = before; t <= after && !found; ++t)
        found = line.left(23) == qtStamp(t);
    QVERIFY2(found, line.constData());
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
