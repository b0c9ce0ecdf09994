// The ZIRN session and its dispatcher: the text returned for every packet
// type, the log entry it writes, the command-pending flag, the log file's
// bytes, bounds of hostile packets and the page refresh.
#include "format_zirn.h"
#include "kvz_formparam_zirn.h"
#include "tmipage_zirn.h"
#include "zirn_session.h"
#include "zirn_test_encoder.h"
#include "zirn_test_packets.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

using namespace ZirnTest;

namespace {
int g_core;
std::vector<TransportPacket> g_sent;
int g_pagesAdded = 0;

int hostCallback(void* target, int code, void* data, void*)
{
    if (target != &g_core)
        return -1;
    if (code == MSG_SEND_TO_DEVICE) {
        TransportPacket copy;
        copy.copyFrom(*static_cast<const TransportPacket*>(data));
        g_sent.push_back(copy);
    } else if (code == MSG_ADD_FORMAT_PAGE) {
        ++g_pagesAdded;
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

// NumPage and Temp1: five bytes a record.
const QByteArray kMask = QByteArray::fromHex("800000000008000000");
const QByteArray kRecord1 = QByteArray::fromHex("0700000019");
const QByteArray kRecord2 = QByteArray::fromHex("08000000FB");
const char kRecord1Text[] = "NumPage = 7; Temp1 = 25; ";
const char kRecord2Text[] = "NumPage = 8; Temp1 = -5; ";
const char kSeparator[] = "\r\n------------------------\r\n";

QString handle(ZirnSession& session, const TransportPacket& packet, bool selected = false)
{
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    out.selected = selected ? 1 : 0;
    session.handlePacket(packet, &out);
    return KvzText::fromCp1251(out.text, out.textLength);
}

std::unique_ptr<ZirnSession> negotiatedSession(const char* name)
{
    std::unique_ptr<ZirnSession> session(new ZirnSession(packetOf(name, PT_HANDSHAKE, kvzb("*>S:T1"))));
    handle(*session, packetOf(name, PT_ZIRN_HANDSHAKE, negotiation(kMask)));
    return session;
}
} // namespace

class TstZirnSession : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void worksBeforeInitialize();
    void dispatcher_data();
    void dispatcher();
    void logFileBytes();
    void negotiationText_data();
    void negotiationText();
    void refusedBitfieldTakesArchiveFromOnePlace();
    void returnedTextIsWindows1251Bytes();
    void hostileLengths_data();
    void hostileLengths();
    void noTempFolder();
    void networkNameStaysInTemp();
    void pageRefreshOnlyWhenSelected();
    void closedSessionIsForgottenByThePage();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_oldDir;
};

void TstZirnSession::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_oldDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    QDir().mkdir(QStringLiteral("Temp"));
    g_sent.clear();
}

void TstZirnSession::cleanup()
{
    QDir::setCurrent(m_oldDir);
    m_dir.reset();
}

// Runs first: decoding and logging go on while the plug-in is not yet
// initialised; a command sets the flag and sends nothing.
void TstZirnSession::worksBeforeInitialize()
{
    QVERIFY(!Format_Zirn::published());
    {
        std::unique_ptr<ZirnSession> session = negotiatedSession("T0");
        QCOMPARE(handle(*session, packetOf("T0", PT_ZIRN_CURRENT, zirnFrame("~C" + kRecord1)), true),
                 QStringLiteral("~C\r\n") + QLatin1String(kRecord1Text));
        const uint8_t command[] = {'*', '?', 'V'};
        session->sendToDevice(command, 3);
        QCOMPARE(session->commandPending(), uint8_t(1));
        QVERIFY(g_sent.empty());
    }
    QVERIFY(readLog(QStringLiteral("T0")).contains("<T>      TMI\r\n"));

    Format_Zirn::instance().initialize(hostCallback, &g_core, nullptr);
    QCOMPARE(Format_Zirn::published(), &Format_Zirn::instance());
    Format_Zirn::instance().receiveMessage(MSG_WINDOW_READY, nullptr, nullptr);
    QCOMPARE(g_pagesAdded, 1);
    QVERIFY(Format_Zirn::instance().page());
}

void TstZirnSession::dispatcher_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");     // empty: no log entry
    QTest::addColumn<int>("pending");       // the flag after, a command being pending before

    const QString rec1 = QLatin1String(kRecord1Text);
    const QString rec2 = QLatin1String(kRecord2Text);
    const QByteArray key = QByteArray::fromHex("0C1E2D09010B00") + QByteArray::fromHex("0102030405060000");
    const QString unknown = QStringLiteral("Неизвестная комманда");

    QTest::newRow("*@C") << 5 << kvzb("*@C" + kRecord1) << headerText(8) + "*@C\r\n" + rec1 << "Command" << 0;
    QTest::newRow("*@C short record") << 5 << kvzb("*@C" + kRecord1.left(4))
                                      << headerText(7) + "*@C\r\n" << "Command" << 0;
    QTest::newRow("*#V") << 6 << kvzb("*#V:A:B:C:D")
                         << headerText(11) + "*#V\r\nType: A Ver: B from C Lang: D" << "Type device" << 0;
    QTest::newRow("*#V five sections") << 6 << kvzb("*#V:A:B:C:D:E")
                                       << headerText(13) + "*#V\r\nType: A Ver: B from C Lang: D" << "Type device" << 0;
    QTest::newRow("*#V two sections") << 6 << kvzb("*#V:A")
                                      << headerText(5) + "*#V\r\nType: A Ver:  from  Lang: " << "Type device" << 0;
    QTest::newRow("*#V %2 and cyrillic") << 6 << kvzb("*#V:\xD2%2:%1")
                                         << headerText(10) + QStringLiteral("*#V\r\nType: Т%2 Ver: %1 from  Lang: ")
                                         << "Type device" << 0;
    QTest::newRow("*#V ends at zero") << 6 << kvzb(QByteArray("*#V:A\0:B", 8))
                                      << headerText(8) + "*#V\r\nType: A Ver:  from  Lang: " << "Type device" << 0;
    QTest::newRow("*#A") << 7 << kvzb("*#A" + kRecord2) << headerText(8) + "*#A\r\n" + rec2 << "Current state" << 0;
    QTest::newRow("*>TMKEY") << 10 << kvzb("*>TMKEY" + key)
                             << headerText(22) + "*>TMKEY\r\nHour = 12; Min = 30; Sec = 45; Day = 9; Month = 1; "
                                                 "Year = 11; code = 060504030201; "
                             << "Touch Memory" << 1;
    QTest::newRow("*>TMKEY all ones") << 10 << kvzb("*>TMKEY" + QByteArray(7, '\0') + QByteArray(8, '\xFF'))
                                      << headerText(22) + "*>TMKEY\r\nHour = 0; Min = 0; Sec = 0; Day = 0; Month = 0; "
                                                          "Year = 0; code = FFFFFFFFFFFFFFFF; "
                                      << "Touch Memory" << 1;
    QTest::newRow("~C") << 12 << zirnFrame("~C" + kRecord1) << "~C\r\n" + rec1 << "TMI" << 1;
    QTest::newRow("~C record into the CRC") << 12 << QByteArray("~C" + kRecord1) << QString("~C\r\n") << "TMI" << 1;
    QTest::newRow("~T") << 13 << zirnFrame("~T" + QByteArray::fromHex("01000000") + kRecord1)
                        << "~T 1\r\n" + rec1 << "TMI" << 1;
    QTest::newRow("~T top number") << 13 << zirnFrame("~T" + QByteArray::fromHex("FFFFFFFF") + kRecord2)
                                   << "~T 4294967295\r\n" + rec2 << "TMI" << 1;
    QTest::newRow("~A 2") << 14 << zirnFrame("~A\x02" + kRecord1 + kRecord2)
                          << "~A 2\r\n" + rec1 + "\r\n" + rec2 + "\r\n" << "Arr TMI" << 1;
    QTest::newRow("~A 0") << 14 << zirnFrame(QByteArray("~A\0", 3)) << QString("~A 0\r\n") << "Arr TMI" << 1;
    QTest::newRow("~A claims 3 holds 2") << 14 << zirnFrame("~A\x03" + kRecord1 + kRecord2)
                                         << "~A 3\r\n" + rec1 + "\r\n" + rec2 + "\r\n" << "Arr TMI" << 1;
    QTest::newRow("ping") << 15 << QByteArray("\x7F") << "Ping" << "Ping" << 1;
    for (int type : {0, 1, 2, 3, 4, 8, 9, 16, -1})
        QTest::addRow("type %d", type) << type << kvzb("*>T" + kRecord1) << unknown << QString() << 1;
}

void TstZirnSession::dispatcher()
{
    QFETCH(int, type);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(int, pending);

    std::unique_ptr<ZirnSession> session = negotiatedSession("T1");
    const uint8_t command[] = {'*', '?', 'A'};
    session->sendToDevice(command, 3);
    const QByteArray before = readLog(QStringLiteral("T1"));

    QCOMPARE(handle(*session, packetOf("T1", type, bytes)), text);
    QCOMPARE(session->text(), text);
    QCOMPARE(int(session->commandPending()), pending);

    const QByteArray entry = readLog(QStringLiteral("T1")).mid(before.size());
    if (title.isEmpty()) {
        QCOMPARE(entry, QByteArray());
        return;
    }
    QVERIFY2(entry.startsWith("<T>      " + KvzText::toCp1251(title) + "\r\n"), entry.constData());
    QVERIFY2(entry.endsWith(KvzText::toCp1251(text) + kSeparator), entry.constData());
}

void TstZirnSession::logFileBytes()
{
    {
        ZirnSession session(packetOf("T2", PT_HANDSHAKE, kvzb("*>S:T2")));
        QCOMPARE(readLog(QStringLiteral("T2")), QByteArray());   // the opening packet writes nothing
        QCOMPARE(handle(session, packetOf("T2", PT_ZIRN_HANDSHAKE, negotiation(kMask))),
                 headerText(19) + QStringLiteral("Protocol = 176; ProtocolVer = 1; StructVer = 2; DataSize = 69; "
                                                 "Bitfield = 100000000000000000000000000000000000000000001000"
                                                 "000000000000000000000000 \r\n"));
        handle(session, packetOf("T2", PT_ZIRN_PING, QByteArray("\x7F")));
        handle(session, packetOf("T2", PT_PING, kvzb(QByteArray())));
    }
    QCOMPARE(readLog(QStringLiteral("T2")),
             QByteArray("<T>      Handshake\r\n"
                        "<T>      Handshake\r\n"
                        " 0xca 0xc2 0xc7 0xc1 0x01 0x00 0x00 0x00 0x80 0x84 0x1e 0x00 0x13 0x00 0x11 0x22\r\n"
                        " 0x2a 0x3e 0x5a 0x49 0x52 0x4e 0xb0 0x01 0x02 0x45 0x80 0x00 0x00 0x00 0x00 0x08\r\n"
                        " 0x00 0x00 0x00\r\n"
                        "\xC7\xE0\xE3\xEE\xEB\xEE\xE2\xEE\xEA:\r\nPre = \xCA\xC2\xC7\xC1; IDobj = 2000000; "
                        "IDdc = 1; Size = 19; Csd = 17; Csp = 34 \r\n"
                        "Protocol = 176; ProtocolVer = 1; StructVer = 2; DataSize = 69; "
                        "Bitfield = 100000000000000000000000000000000000000000001000000000000000000000000000 \r\n"
                        "\r\n------------------------\r\n"
                        "<T>      Ping\r\n 0x7f\r\nPing\r\n------------------------\r\n"
                        "<T>      Disconnect\r\n\r\n\r\n-------------------\r\n\r\n------------------------\r\n"));
}

void TstZirnSession::negotiationText_data()
{
    QTest::addColumn<QByteArray>("mask");
    QTest::addColumn<int>("declared");
    QTest::addColumn<int>("dataSize");
    QTest::addColumn<QString>("bitfield");
    const QString zeros64(64, QLatin1Char('0'));
    QTest::newRow("all fields") << QByteArray::fromHex("FFFFFFFFFFFFFFFFF8") << 69 << 146
                                << QString(64, QLatin1Char('1')) + "11111000";
    QTest::newRow("declared byte shown as sent") << QByteArray::fromHex("800000000000000000") << 3 << 4
                                                 << "10000000" + zeros64;
    QTest::newRow("ten bytes: nine taken") << QByteArray::fromHex("80000000000000000001FF") << 69 << 4
                                           << "10000000" + QString(56, QLatin1Char('0')) + "00000000";
    QTest::newRow("short mask") << QByteArray::fromHex("C0") << 69 << 6 << "11000000" + zeros64;
    QTest::newRow("no mask") << QByteArray() << 69 << 0 << QString(72, QLatin1Char('0'));
}

void TstZirnSession::negotiationText()
{
    QFETCH(QByteArray, mask);
    QFETCH(int, declared);
    QFETCH(int, dataSize);
    QFETCH(QString, bitfield);
    ZirnSession session(packetOf("T3", PT_HANDSHAKE, kvzb("*>S:T3")));
    const QString text = handle(session, packetOf("T3", PT_ZIRN_HANDSHAKE, negotiation(mask, quint8(declared))));
    QCOMPARE(text, headerText(10 + mask.size()) + "Protocol = 176; ProtocolVer = 1; StructVer = 2; DataSize = "
                       + QString::number(declared) + "; Bitfield = " + bitfield + " \r\n");
    QCOMPARE(session.record()->dataSize(), dataSize);
}

void TstZirnSession::refusedBitfieldTakesArchiveFromOnePlace()
{
    // a record model that refused a bitfield: DataSize 0, old fields in place
    std::unique_ptr<ZirnSession> session = negotiatedSession("T4");
    const QByteArray tooLong(10, '\xFF');
    const_cast<TmiPage_Zirn*>(session->record())->setBitfield(reinterpret_cast<const uint8_t*>(tooLong.constData()), 10);
    QCOMPARE(session->record()->dataSize(), 0);
    QCOMPARE(handle(*session, packetOf("T4", PT_ZIRN_ARCHIVE, zirnFrame("~A\x02" + kRecord1 + kRecord2))),
             QStringLiteral("~A 2\r\n") + kRecord1Text + "\r\n" + kRecord1Text + "\r\n");
}

void TstZirnSession::returnedTextIsWindows1251Bytes()
{
    std::unique_ptr<ZirnSession> session = negotiatedSession("T5");
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    session->handlePacket(packetOf("T5", PT_PING, kvzb(QByteArray())), &out);
    QCOMPARE(QByteArray(out.text, out.textLength), QByteArray("\xCD\xE5\xE8\xE7\xE2\xE5\xF1\xF2\xED\xE0\xFF "
                                                              "\xEA\xEE\xEC\xEC\xE0\xED\xE4\xE0"));
    session->handlePacket(packetOf("T5", PT_ZIRN_PING, QByteArray("\x7F")), &out);
    QCOMPARE(QByteArray(out.text, out.textLength), QByteArray("Ping"));
}

void TstZirnSession::hostileLengths_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QByteArray full = "~A\xFF";
    while (full.size() + 5 <= 1024)
        full += kRecord1;
    QTest::newRow("length above 1024") << 14 << 5000 << full << QStringLiteral("~A 255\r\n") + QString(kRecord1Text + QStringLiteral("\r\n")).repeated(204);
    QTest::newRow("negative length") << 14 << -7 << full << QStringLiteral("~A 0\r\n");
    QTest::newRow("*@C of 1024") << 5 << 5000 << kvzb("*@C" + QByteArray(1000, '\x01'))
                                 << headerText(1003) + "*@C\r\nNumPage = 16843009; Temp1 = 1; ";
    QTest::newRow("*#V ends at length") << 6 << 22 << kvzb("*#V:AB" + QByteArray(1000, 'C'))
                                        << headerText(1006) + "*#V\r\nType: AB Ver:  from  Lang: ";
}

void TstZirnSession::hostileLengths()
{
    QFETCH(int, type);
    QFETCH(int, length);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    std::unique_ptr<ZirnSession> session = negotiatedSession("T6");
    TransportPacket packet = packetOf("T6", type, bytes);
    packet.length = length;
    QCOMPARE(handle(*session, packet), text);
}

void TstZirnSession::noTempFolder()
{
    QVERIFY(QDir().rmdir(QStringLiteral("Temp")));
    {
        std::unique_ptr<ZirnSession> session = negotiatedSession("T7");
        QCOMPARE(handle(*session, packetOf("T7", PT_ZIRN_PING, QByteArray("\x7F"))), QStringLiteral("Ping"));
    }
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TstZirnSession::networkNameStaysInTemp()
{
    QDir().mkdir(QStringLiteral("work"));
    QDir::setCurrent(QStringLiteral("work"));
    QDir().mkdir(QStringLiteral("Temp"));
    {
        std::unique_ptr<ZirnSession> session = negotiatedSession("../x");
        handle(*session, packetOf("../x", PT_ZIRN_PING, QByteArray("\x7F")));
    }
    QCOMPARE(QDir(QStringLiteral("Temp")).entryList(QDir::Files), QStringList({"_._x.log"}));
    QVERIFY(!QFile::exists(QStringLiteral("../x.log")));
    QVERIFY(!QFile::exists(QStringLiteral("../Temp/x.log")));
    QVERIFY(!QFile::exists(QStringLiteral("x.log")));
}

void TstZirnSession::pageRefreshOnlyWhenSelected()
{
    KVZ_FormParam_Zirn* page = Format_Zirn::instance().page();
    QVERIFY(page);
    std::unique_ptr<ZirnSession> a = negotiatedSession("A1");
    std::unique_ptr<ZirnSession> b = negotiatedSession("B1");
    handle(*a, packetOf("A1", PT_ZIRN_CURRENT, zirnFrame("~C" + kRecord1)), true);
    QCOMPARE(page->currentSession(), a.get());
    handle(*b, packetOf("B1", PT_ZIRN_CURRENT, zirnFrame("~C" + kRecord1)), false);
    QCOMPARE(page->currentSession(), a.get());
    b->showInForm();
    QCOMPARE(page->currentSession(), b.get());
    page->forgetSession(b.get());
}

void TstZirnSession::closedSessionIsForgottenByThePage()
{
    Format_Zirn& plugin = Format_Zirn::instance();
    TransportPacket open = packetOf("C1", PT_HANDSHAKE, kvzb("*>S:C1"));
    plugin.receiveMessage(MSG_SESSION_OPEN, &open, kvzIntArg(1));
    const QString name = QStringLiteral("C1");
    plugin.receiveMessage(MSG_SESSION_SHOW, const_cast<QString*>(&name), nullptr);
    QVERIFY(plugin.page()->currentSession());
    plugin.receiveMessage(MSG_SESSION_CLOSE, const_cast<QString*>(&name), kvzIntArg(1));
    QVERIFY(!plugin.page()->currentSession());
    // a new session that happens to reuse the address is never reached by a button
    plugin.receiveMessage(MSG_SESSION_OPEN, &open, kvzIntArg(1));
    plugin.page()->sendOutputOn(1);
    QVERIFY(g_sent.empty());
    plugin.receiveMessage(MSG_SESSION_CLOSE, const_cast<QString*>(&name), kvzIntArg(1));
}

QTEST_MAIN(TstZirnSession)
#include "tst_zirn_session.moc"
