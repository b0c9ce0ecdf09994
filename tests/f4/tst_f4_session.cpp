// The F-4 session: the text, log entry and command-pending flag of every
// packet type, the archive and short-record bounds, the log file's bytes,
// and the text handed to the host.
#include "f4_record.h"
#include "f4_session.h"
#include "f4_test_encoder.h"
#include "format_f4.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <memory>

using namespace F4Test;
using ZirnTest::headerText;
using ZirnTest::kvzb;
using ZirnTest::withoutStamps;

namespace {
const char kSeparator[] = "\r\n------------------------\r\n";
const char kZeroRecordText[] =
    "Type = 0; NumPage = 0; Code = 0; Hour = 0; Min = 0; Sec = 0; Day = 0; Month = 0; Year = 0; "
    "Protection = 0; Module = 0; GSM = 0; StateOut = 0; StateIn = 0; Power = 0; Reserv = 0; "
    "Temp1 = 0; Temp2 = 0; Temp3 = 0; Temp4 = 0 ";

QByteArray readLog(const QString& name)
{
    QFile file(QStringLiteral("Temp/") + name + QStringLiteral(".log"));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return withoutStamps(file.readAll());
}

QByteArray entry(const char* title, const QByteArray& bytes, const QString& body)
{
    return QByteArray("<T>      ") + title + "\r\n" + logDump(bytes) + KvzText::toCp1251(body) + kSeparator;
}

std::unique_ptr<F4Session> openSession(const char* name)
{
    return std::unique_ptr<F4Session>(
        new F4Session(f4Packet(name, PT_HANDSHAKE, kvzb(QByteArray("*>S:") + name))));
}

// Hands packet to session; the returned text as the host reads it.
QByteArray handle(F4Session& session, const TransportPacket& packet)
{
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    session.handlePacket(packet, &out);
    return QByteArray(out.text, out.textLength);
}
} // namespace

class TstF4Session : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void handshake();
    void dispatcher_data();
    void dispatcher();
    void shortRecordKeepsThePrevious();
    void archiveTakesEachRecordInTurn();
    void archiveCountBeyondThePacket_data();
    void archiveCountBeyondThePacket();
    void lengthOutsideTheField_data();
    void lengthOutsideTheField();
    void logFileBytes();
    void dumpRows_data();
    void dumpRows();
    void returnedTextIsWindows1251();
    void noTempFolder();
    void networkNameStaysInTemp();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_oldDir;
};

void TstF4Session::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_oldDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    QDir().mkdir(QStringLiteral("Temp"));
}

void TstF4Session::cleanup()
{
    QDir::setCurrent(m_oldDir);
    m_dir.reset();
}

void TstF4Session::handshake()
{
    std::unique_ptr<F4Session> session = openSession("F41");
    QCOMPARE(session->text(), headerText(7) + QStringLiteral("*>S:F41"));
    QCOMPARE(int(session->commandPending()), 0);
    QVERIFY(session->record());
    QCOMPARE(session->record()->toText(), QString::fromLatin1(kZeroRecordText));
    QCOMPARE(readLog(QStringLiteral("F41")), entry("Handshake", kvzb("*>S:F41"), headerText(7) + "*>S:F41"));
}

void TstF4Session::dispatcher_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("text");     // after the header text
    QTest::addColumn<QString>("title");    // empty: no log entry
    QTest::addColumn<int>("pending");      // the flag was 1 before

    const QByteArray r5 = numbered(5);
    QTest::newRow("*>T") << int(PT_RECORD) << QByteArray("*>T") + r5
                         << QStringLiteral("*>T 5\r\n") + recordText(5) << "TMI" << 1;
    QTest::newRow("ping") << int(PT_PING) << QByteArray() << "Ping" << "Ping" << 1;
    QTest::newRow("*@C") << int(PT_COMMAND_ANSWER) << QByteArray("*@C") + r5
                         << QStringLiteral("*@C\r\n") + recordText(5) << "Command" << 0;
    QTest::newRow("*#A") << int(PT_STATE) << QByteArray("*#A") + r5
                         << QStringLiteral("*#A\r\n") + recordText(5) << "Current state" << 0;
    QTest::newRow("*#V five sections") << int(PT_VERSION) << QByteArray("*#V:F4:1.2:2024:RU:x")
                                       << "*#V\r\nType: F4 Ver: 1.2 from 2024 Lang: RU" << "Type device" << 0;
    QTest::newRow("*#V two sections") << int(PT_VERSION) << QByteArray("*#V:F4")
                                      << "*#V\r\nType: F4 Ver:  from  Lang: " << "Type device" << 0;
    QTest::newRow("*#V zero ends it") << int(PT_VERSION) << QByteArray("*#V:A:B\0:C:D", 12)
                                      << "*#V\r\nType: A Ver: B from  Lang: " << "Type device" << 0;
    QTest::newRow("*#V windows-1251, %2 kept") << int(PT_VERSION) << QByteArray("*#V:\xC0\xC1:%2:%1:\r\n")
                                               << QStringLiteral("*#V\r\nType: АБ Ver: %2 from %1 Lang: \r\n")
                                               << "Type device" << 0;
    QTest::newRow("*>TMKEY") << int(PT_TMKEY) << QByteArray("*>TMKEY\x01\x02\x03\x04\x05\x06\x63", 14)
            + QByteArray::fromHex("0102030405060000")
                             << "*>TMKEY\r\nHour = 1; Min = 2; Sec = 3; Day = 4; Month = 5; Year = 6; "
                                "code = 060504030201; "
                             << "Touch Memory" << 1;
    QTest::newRow("*>TMKEY one") << int(PT_TMKEY) << QByteArray("*>TMKEY", 7) + QByteArray(7, '\0')
            + QByteArray::fromHex("0100000000000000")
                                 << "*>TMKEY\r\nHour = 0; Min = 0; Sec = 0; Day = 0; Month = 0; Year = 0; "
                                    "code = 000000000001; "
                                 << "Touch Memory" << 1;
    QTest::newRow("*>TMKEY all ones") << int(PT_TMKEY) << QByteArray("*>TMKEY", 7) + QByteArray(7, '\0')
            + QByteArray(8, '\xFF')
                                      << "*>TMKEY\r\nHour = 0; Min = 0; Sec = 0; Day = 0; Month = 0; Year = 0; "
                                         "code = FFFFFFFFFFFFFFFF; "
                                      << "Touch Memory" << 1;
}

void TstF4Session::dispatcher()
{
    QFETCH(int, type);
    QFETCH(QByteArray, data);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(int, pending);

    std::unique_ptr<F4Session> session = openSession("D1");
    const QByteArray unit = kvzb(data);
    const QByteArray before = readLog(QStringLiteral("D1"));
    session->sendToDevice(reinterpret_cast<const uint8_t*>("*?A"), 3);   // not initialised: flag only
    QCOMPARE(int(session->commandPending()), 1);

    const QString expected = headerText(data.size()) + text;
    QCOMPARE(handle(*session, f4Packet("D1", type, unit)), KvzText::toCp1251(expected));
    QCOMPARE(int(session->commandPending()), pending);
    QCOMPARE(readLog(QStringLiteral("D1")), before + entry(qPrintable(title), unit, expected));
}

void TstF4Session::shortRecordKeepsThePrevious()
{
    std::unique_ptr<F4Session> session = openSession("S1");
    handle(*session, f4Packet("S1", PT_RECORD, kvzb("*>T" + numbered(5))));
    // 26 bytes: the record number is still printed; the record stays as it
    // was and, as it was not received, adds no record text
    const QByteArray shortUnit = kvzb("*>T" + numbered(6).left(26));
    QCOMPARE(handle(*session, f4Packet("S1", PT_RECORD, shortUnit)),
             KvzText::toCp1251(headerText(29) + "*>T 6\r\n"));
    QCOMPARE(session->record()->numPage(), 5u);
    // a packet cut before the record number
    QCOMPARE(handle(*session, f4Packet("S1", PT_COMMAND_ANSWER, kvzb("*@C"))),
             KvzText::toCp1251(headerText(3) + "*@C\r\n"));
    QCOMPARE(session->record()->toText(), recordText(5));
    QCOMPARE(handle(*session, f4Packet("S1", PT_STATE, kvzb("*#A" + numbered(7)))),
             KvzText::toCp1251(headerText(30) + "*#A\r\n" + recordText(7)));
}

void TstF4Session::archiveTakesEachRecordInTurn()
{
    std::unique_ptr<F4Session> session = openSession("A1");
    const QByteArray data = QByteArray("*>A\x03", 4) + numbered(11) + numbered(12) + numbered(13);
    QCOMPARE(data.indexOf(numbered(12)), 31);   // bytes 47 and 74 of the unit
    QCOMPARE(handle(*session, f4Packet("A1", PT_ARCHIVE, kvzb(data))),
             KvzText::toCp1251(headerText(85) + "*>A 3\r\n" + recordText(11) + "\r\n" + recordText(12) + "\r\n"
                               + recordText(13) + "\r\n"));
    QCOMPARE(session->record()->numPage(), 13u);

    QCOMPARE(handle(*session, f4Packet("A1", PT_ARCHIVE, kvzb(QByteArray("*>A\0", 4)))),
             KvzText::toCp1251(headerText(4) + "*>A 0\r\n"));
    QCOMPARE(session->record()->numPage(), 13u);
}

void TstF4Session::archiveCountBeyondThePacket_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("records");   // whole records in the packet
    QTest::addColumn<int>("extra");     // bytes of a cut record after them
    QTest::newRow("3 claimed, 2 sent, 26 bytes of a third") << 3 << 2 << 26;
    QTest::newRow("255 claimed, 37 fill the packet") << 255 << 37 << 0;
    QTest::newRow("38 claimed, 37 and 5 bytes") << 38 << 37 << 5;
}

void TstF4Session::archiveCountBeyondThePacket()
{
    QFETCH(int, count);
    QFETCH(int, records);
    QFETCH(int, extra);
    std::unique_ptr<F4Session> session = openSession("A2");
    QByteArray data("*>A");
    data += char(count);
    QString expected = QStringLiteral("*>A ") + QString::number(count) + QStringLiteral("\r\n");
    for (int i = 0; i < records; ++i) {
        data += numbered(100 + i);
        expected += recordText(100 + i) + QStringLiteral("\r\n");
    }
    data += numbered(999).left(extra);
    const QByteArray unit = kvzb(data);
    QVERIFY(unit.size() <= 1024);
    QCOMPARE(handle(*session, f4Packet("A2", PT_ARCHIVE, unit)),
             KvzText::toCp1251(headerText(data.size()) + expected));
    QCOMPARE(session->record()->numPage(), uint32_t(100 + records - 1));
}

void TstF4Session::lengthOutsideTheField_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("logged");   // bytes in the log entry's dump
    QTest::newRow("5000") << 5000 << 1024;
    QTest::newRow("-1") << -1 << 0;
}

void TstF4Session::lengthOutsideTheField()
{
    QFETCH(int, length);
    QFETCH(int, logged);
    std::unique_ptr<F4Session> session = openSession("L1");
    QByteArray data = QByteArray("*>A\xFF", 4);
    for (int i = 0; i < 37; ++i)
        data += numbered(200 + i);
    data += QByteArray(1024 - 16 - data.size(), '\x55');
    TransportPacket packet = f4Packet("L1", PT_ARCHIVE, kvzb(data));
    packet.length = length;
    const QByteArray before = readLog(QStringLiteral("L1"));
    const QByteArray text = handle(*session, packet);
    QVERIFY(text.startsWith("\xC7\xE0\xE3\xEE\xEB\xEE\xE2\xEE\xEA:\r\n"));   // "Заголовок:"
    QCOMPARE(session->record()->numPage(), logged ? 236u : 0u);
    const QByteArray added = readLog(QStringLiteral("L1")).mid(before.size());
    QCOMPARE(added.count(" 0x"), logged);
}

void TstF4Session::logFileBytes()
{
    const QByteArray ping = kvzb(QByteArray());
    const QByteArray record = kvzb("*>T" + numbered(3));
    {
        std::unique_ptr<F4Session> session = openSession("G1");
        handle(*session, f4Packet("G1", PT_PING, ping));
        handle(*session, f4Packet("G1", PT_RECORD, record));
        handle(*session, f4Packet("G1", PT_RFU, kvzb("*!RFU")));   // no entry
    }
    const QByteArray expected = entry("Handshake", kvzb("*>S:G1"), headerText(6) + "*>S:G1")
        + entry("Ping", ping, headerText(0) + "Ping")
        + entry("TMI", record, headerText(30) + "*>T 3\r\n" + recordText(3))
        + "<T>      Disconnect\r\n\r\n\r\n-------------------\r\n" + kSeparator;
    QCOMPARE(readLog(QStringLiteral("G1")), expected);
}

void TstF4Session::dumpRows_data()
{
    QTest::addColumn<QByteArray>("unit");
    QTest::addColumn<QByteArray>("rows");
    const QByteArray header = kvzb(QByteArray());
    QTest::newRow("16") << header
        << QByteArray(" 0xca 0xc2 0xc7 0xc1 0x01 0x00 0x00 0x00 0x80 0x84 0x1e 0x00 0x00 0x00 0x11 0x22\r\n");
    QTest::newRow("17") << header + char(0xAB)
        << QByteArray(" 0xca 0xc2 0xc7 0xc1 0x01 0x00 0x00 0x00 0x80 0x84 0x1e 0x00 0x00 0x00 0x11 0x22\r\n"
                      " 0xab\r\n");
    QTest::newRow("32") << header + header
        << QByteArray(" 0xca 0xc2 0xc7 0xc1 0x01 0x00 0x00 0x00 0x80 0x84 0x1e 0x00 0x00 0x00 0x11 0x22\r\n"
                      " 0xca 0xc2 0xc7 0xc1 0x01 0x00 0x00 0x00 0x80 0x84 0x1e 0x00 0x00 0x00 0x11 0x22\r\n");
}

void TstF4Session::dumpRows()
{
    QFETCH(QByteArray, unit);
    QFETCH(QByteArray, rows);
    std::unique_ptr<F4Session> session = openSession("R1");
    const QByteArray before = readLog(QStringLiteral("R1"));
    handle(*session, f4Packet("R1", PT_PING, unit));
    QCOMPARE(readLog(QStringLiteral("R1")).mid(before.size()),
             "<T>      Ping\r\n" + rows + KvzText::toCp1251(headerText(0) + "Ping") + kSeparator);
}

void TstF4Session::returnedTextIsWindows1251()
{
    std::unique_ptr<F4Session> session = openSession("W1");
    for (int type : {0, 8, 9, 11, 12, 15, 99}) {
        KvzPacketOut out;
        std::memset(&out, 0, sizeof(out));
        session->handlePacket(f4Packet("W1", type, kvzb("*>T" + numbered(1))), &out);
        QCOMPARE(QByteArray(out.text, out.textLength),
                 QByteArray("\xCD\xE5\xE8\xE7\xE2\xE5\xF1\xF2\xED\xE0\xFF \xEA\xEE\xEC\xEC\xE0\xED\xE4\xE0"));
    }
    QCOMPARE(session->record()->numPage(), 0u);
    // only the opening handshake was logged
    QCOMPARE(readLog(QStringLiteral("W1")).count("<T>"), 1);
}

void TstF4Session::noTempFolder()
{
    QVERIFY(QDir().rmdir(QStringLiteral("Temp")));
    {
        std::unique_ptr<F4Session> session = openSession("N1");
        QCOMPARE(handle(*session, f4Packet("N1", PT_PING, kvzb(QByteArray()))),
                 KvzText::toCp1251(headerText(0) + "Ping"));
    }
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TstF4Session::networkNameStaysInTemp()
{
    QDir().mkdir(QStringLiteral("work"));
    QDir::setCurrent(QStringLiteral("work"));
    QDir().mkdir(QStringLiteral("Temp"));
    {
        std::unique_ptr<F4Session> session = openSession("../x");
        handle(*session, f4Packet("../x", PT_PING, kvzb(QByteArray())));
    }
    QCOMPARE(QDir(QStringLiteral("Temp")).entryList(QDir::Files), QStringList({"_._x.log"}));
    QVERIFY(!QFile::exists(QStringLiteral("../x.log")));
    QVERIFY(!QFile::exists(QStringLiteral("../Temp/x.log")));
}

QTEST_GUILESS_MAIN(TstF4Session)
#include "tst_f4_session.moc"
