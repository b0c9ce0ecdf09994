// The ZIRN device page's command senders: the exact bytes and lengths a
// button sends, the buttons waiting for the answer, and the free-text limit.
#include "cmo_commandsink.h"
#include "format_zirn.h"
#include "kvz_formparam_zirn.h"
#include "zirn_test_encoder.h"
#include "zirn_test_packets.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <vector>

using namespace ZirnTest;

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

QByteArray sentBytes(const TransportPacket& packet)
{
    return QByteArray(reinterpret_cast<const char*>(packet.data), packet.length);
}

// StateOut1 (field 31): outputs 2 and 4 active.
const QByteArray kMask = maskOf(QVector<int>{31});
} // namespace

class TstZirnPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void buttons_data();
    void buttons();
    void senders_data();
    void senders();
    void freeTextLimit_data();
    void freeTextLimit();
    void buttonsWaitForAnswer_data();
    void buttonsWaitForAnswer();
    void pendingTerminalShowsDisabledButtons();
    void noSessionSendsNothing();
    void objectGroupShowsNameAndSignedId();
    void commandsGroupIsFolded();
    void pageIsTheCurrentSink();

private:
    QString packet(int type, const QByteArray& bytes, bool selected = true);
    bool commandsEnabled() const;
    QPushButton* button(const char* name) const;

    KVZ_FormParam_Zirn* m_page = nullptr;
    TransportPacket m_open;
};

void TstZirnPage::initTestCase()
{
    Format_Zirn& plugin = Format_Zirn::instance();
    plugin.initialize(hostCallback, &g_core, nullptr);
    plugin.receiveMessage(MSG_WINDOW_READY, nullptr, nullptr);
    m_page = plugin.page();
    QVERIFY(m_page);
    m_open = packetOf("T1", PT_HANDSHAKE, kvzb("*>S:T1"));
    m_open.module = reinterpret_cast<void*>(0xABC);
    m_open.connection = reinterpret_cast<void*>(0xDEF);
    plugin.receiveMessage(MSG_SESSION_OPEN, &m_open, kvzIntArg(1));
    packet(PT_ZIRN_HANDSHAKE, negotiation(kMask));
}

// Each row starts from a shown record with no command pending.
void TstZirnPage::init()
{
    packet(PT_STATE, kvzb("*#A\x0A"));
    QVERIFY(commandsEnabled());
    g_sent.clear();
}

QString TstZirnPage::packet(int type, const QByteArray& bytes, bool selected)
{
    TransportPacket p = packetOf("T1", type, bytes);
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    out.selected = selected ? 1 : 0;
    Format_Zirn::instance().receiveMessage(MSG_SESSION_PACKET, &p, &out);
    return KvzText::fromCp1251(out.text, out.textLength);
}

QPushButton* TstZirnPage::button(const char* name) const
{
    return m_page->findChild<QPushButton*>(QLatin1String(name));
}

bool TstZirnPage::commandsEnabled() const
{
    for (const char* name : {"pushButton_1Y", "pushButton_2N", "pushButton_4N", "pushButton_ON_1", "pushButton_OFF_5",
                             "pushButton_SendCommand"}) {
        if (!button(name) || !button(name)->isEnabled())
            return false;
    }
    return true;
}

void TstZirnPage::buttons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("output 1 on") << "pushButton_1Y" << QByteArray("*!1Y");
    QTest::newRow("output 3 on") << "pushButton_3Y" << QByteArray("*!3Y");
    QTest::newRow("output 2 off") << "pushButton_2N" << QByteArray("*!2N");
    QTest::newRow("output 4 off") << "pushButton_4N" << QByteArray("*!4N");
    QTest::newRow("line 1 unlock") << "pushButton_ON_1" << QByteArray("*!ON:1");
    QTest::newRow("line 5 lock") << "pushButton_OFF_5" << QByteArray("*!OFF:5");
}

void TstZirnPage::buttons()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QPushButton* b = button(name.toLatin1().constData());
    QVERIFY(b);
    QVERIFY(b->isVisibleTo(m_page));
    QTest::mousePress(b, Qt::LeftButton);
    QCOMPARE(g_sent.size(), size_t(1));
    QCOMPARE(sentBytes(g_sent[0]), bytes);
    QCOMPARE(g_sent[0].length, bytes.size());
    QCOMPARE(g_sent[0].module, reinterpret_cast<void*>(0xABC));
    QCOMPARE(g_sent[0].connection, reinterpret_cast<void*>(0xDEF));
    QCOMPARE(QByteArray(g_sent[0].deviceName), QByteArray("T1"));
    QCOMPARE(g_sent[0].type, 0);
    QVERIFY(!commandsEnabled());
    QTest::mouseRelease(b, Qt::LeftButton);
}

void TstZirnPage::senders_data()
{
    QTest::addColumn<int>("sender");
    QTest::addColumn<int>("n");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("output 3 on") << 0 << 3 << QByteArray("*!3Y");
    QTest::newRow("output 4 off") << 1 << 4 << QByteArray("*!4N");
    QTest::newRow("line 6 unlock") << 2 << 6 << QByteArray("*!ON:6");
    QTest::newRow("line 5 lock") << 3 << 5 << QByteArray("*!OFF:5");
    QTest::newRow("line 123 lock fills nine") << 3 << 123 << QByteArray("*!OFF:123");
}

void TstZirnPage::senders()
{
    QFETCH(int, sender);
    QFETCH(int, n);
    QFETCH(QByteArray, bytes);
    CMO_CommandSink* sink = m_page;
    switch (sender) {
    case 0: sink->sendOutputOn(n); break;
    case 1: sink->sendOutputOff(n); break;
    case 2: sink->sendInputOn(n); break;
    default: sink->sendInputOff(n); break;
    }
    QCOMPARE(g_sent.size(), size_t(1));
    QCOMPARE(sentBytes(g_sent[0]), bytes);
    QVERIFY(!commandsEnabled());
}

void TstZirnPage::freeTextLimit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");   // empty: nothing is sent
    QTest::newRow("model") << "*?V" << QByteArray("*?V");
    QTest::newRow("120 bytes") << QString(120, QLatin1Char('x')) << QByteArray(120, 'x');
    QTest::newRow("121 bytes") << QString(121, QLatin1Char('x')) << QByteArray();
    QTest::newRow("cyrillic counts bytes") << QStringLiteral("*!CNCT_RFU:Ж") << QByteArray("*!CNCT_RFU:\xC6");
    QTest::newRow("120 cyrillic") << QString(120, QChar(0x0416)) << QByteArray(120, '\xC6');
    QTest::newRow("empty") << QString() << QByteArray();
}

void TstZirnPage::freeTextLimit()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    m_page->sendCommand(text);
    if (bytes.isEmpty()) {
        QVERIFY(g_sent.empty());
    } else {
        QCOMPARE(g_sent.size(), size_t(1));
        QCOMPARE(sentBytes(g_sent[0]), bytes);
        QCOMPARE(g_sent[0].length, bytes.size());
    }
    QVERIFY(!commandsEnabled());
}

void TstZirnPage::buttonsWaitForAnswer_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("*@C") << int(PT_COMMAND_ANSWER) << kvzb("*@C\x0A");
    QTest::newRow("*#V") << int(PT_VERSION) << kvzb("*#V:A:B:C:D");
    QTest::newRow("*#A") << int(PT_STATE) << kvzb("*#A\x0A");
}

void TstZirnPage::buttonsWaitForAnswer()
{
    QFETCH(int, type);
    QFETCH(QByteArray, answer);
    QComboBox* commands = m_page->findChild<QComboBox*>(QStringLiteral("comboBox"));
    QVERIFY(commands);
    commands->setCurrentIndex(1);
    QTest::mousePress(button("pushButton_SendCommand"), Qt::LeftButton);
    QCOMPARE(g_sent.size(), size_t(1));
    QCOMPARE(sentBytes(g_sent[0]), QByteArray("*?A"));
    QVERIFY(!commandsEnabled());
    // the analog and pulse lines' buttons are not touched
    for (const char* name : {"pushButton_ON_I2", "pushButton_OFF_A1"})
        QVERIFY2(button(name) && button(name)->isEnabled(), name);

    packet(PT_ZIRN_EVENT, zirnFrame("~T" + QByteArray(4, '\0') + "\x0A"));
    packet(PT_ZIRN_ARCHIVE, zirnFrame("~A\x02\x0A\x0A"));
    packet(PT_ZIRN_CURRENT, zirnFrame("~C\x0A"));
    packet(PT_ZIRN_PING, QByteArray("\x7F"));
    QVERIFY(!commandsEnabled());
    packet(type, answer, false);       // not selected: the page is not refreshed
    QVERIFY(!commandsEnabled());
    packet(PT_ZIRN_PING, QByteArray("\x7F"));
    QVERIFY(commandsEnabled());
    QTest::mouseRelease(button("pushButton_SendCommand"), Qt::LeftButton);
}

void TstZirnPage::pendingTerminalShowsDisabledButtons()
{
    m_page->sendOutputOn(1);
    const QString name = QStringLiteral("T1");
    Format_Zirn::instance().receiveMessage(MSG_SESSION_SHOW, const_cast<QString*>(&name), nullptr);
    QVERIFY(!commandsEnabled());
}

void TstZirnPage::noSessionSendsNothing()
{
    TransportPacket other = packetOf("T2", PT_HANDSHAKE, kvzb("*>S:T2"));
    Format_Zirn::instance().receiveMessage(MSG_SESSION_OPEN, &other, kvzIntArg(1));
    const QString name = QStringLiteral("T2");
    Format_Zirn::instance().receiveMessage(MSG_SESSION_SHOW, const_cast<QString*>(&name), nullptr);
    QVERIFY(commandsEnabled());
    Format_Zirn::instance().receiveMessage(MSG_SESSION_CLOSE, const_cast<QString*>(&name), kvzIntArg(1));
    QTest::mousePress(button("pushButton_1Y"), Qt::LeftButton);
    QVERIFY(g_sent.empty());
    QVERIFY(!commandsEnabled());
    QTest::mouseRelease(button("pushButton_1Y"), Qt::LeftButton);
}

void TstZirnPage::objectGroupShowsNameAndSignedId()
{
    TransportPacket other = packetOf("\xC1\xEE\xF0\xF2", PT_HANDSHAKE, kvzb("*>S:x"));
    other.deviceId = 0xFFFFFFFEu;
    Format_Zirn::instance().receiveMessage(MSG_SESSION_OPEN, &other, kvzIntArg(1));
    const QString name = QStringLiteral("Борт");
    Format_Zirn::instance().receiveMessage(MSG_SESSION_SHOW, const_cast<QString*>(&name), nullptr);
    QCOMPARE(m_page->findChild<QLabel*>(QStringLiteral("label_Name_Text"))->text(), name);
    QCOMPARE(m_page->findChild<QLabel*>(QStringLiteral("label_FullName_Text"))->text(), QStringLiteral("-2"));
    Format_Zirn::instance().receiveMessage(MSG_SESSION_CLOSE, const_cast<QString*>(&name), kvzIntArg(1));
}

void TstZirnPage::commandsGroupIsFolded()
{
    QWidget* commandsGroup = m_page->findChild<QWidget*>(QStringLiteral("comboBox"));
    QVERIFY(commandsGroup);
    QVERIFY(!commandsGroup->isVisibleTo(m_page));
    QVERIFY(button("pushButton_1Y")->isVisibleTo(m_page));
}

void TstZirnPage::pageIsTheCurrentSink()
{
    QCOMPARE(CMO_CommandSink::current(), static_cast<CMO_CommandSink*>(m_page));
    delete m_page;
    QVERIFY(!CMO_CommandSink::current());
    QVERIFY(!Format_Zirn::instance().page());
}

QTEST_MAIN(TstZirnPage)
#include "tst_zirn_page.moc"
