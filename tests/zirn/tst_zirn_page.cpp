// The ZIRN device page's command senders: the exact bytes and lengths a
// button sends, the buttons waiting for the answer, the free-text limit, and
// every field of a shown record in its own group and row.
#include "cmo_commandsink.h"
#include "format_zirn.h"
#include "kvz_formparam_zirn.h"
#include "zirn_test_encoder.h"
#include "zirn_test_packets.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <ctime>
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

// A record of all 69 fields whose values tell the groups' rows apart.
QVector<Value> everyGroupValues()
{
    QVector<Value> values = {
        {1, le(123456, 4)}, {2, le(77, 2)}, {3, le(18367, 4)}, {4, le(0x02, 1)}, {5, le(0x80, 1)},
        {6, le(0, 1)}, {7, le(23, 1)}, {8, le(0x02, 1)}, {9, le(3459723, 4)}, {10, le(33012345, 4)},
        {11, le(22254321, 4)}, {12, le(1234, 4)}, {13, f32(12.5f)}, {14, le(270, 2)}, {15, f32(100.25f)},
        {16, f32(3.5f)}, {17, le(600, 2)}, {18, le(45, 2)}, {19, le(12300, 2)}, {20, le(4100, 2)},
        {29, le(0xB1, 1)}, {30, le(0, 1)}, {31, le(0x09, 1)}, {32, le(0, 1)}, {33, le(111, 4)},
        {34, le(222, 4)}, {35, le(333, 2)}, {36, le(444, 2)}, {37, le(0, 4)}, {44, le(607, 2)},
        {45, le(quint8(-20), 1)}, {46, le(0x80, 1)}, {52, le(35, 1)},
        {53, le(55, 2)}, {54, f32(12.5f)}, {55, le(1500, 2)}, {56, le(quint8(-40), 1)},
        {57, f32(1234567.0f)}, {63, le(10, 1)}, {64, le(20, 1)}, {65, le(30, 1)}, {66, le(5, 2)},
        {67, le(3600, 4)}, {68, le(100, 2)}, {69, le(90, 1)}};
    for (int i = 0; i < 8; ++i)
        values << Value{21 + i, le(quint64(1000 * (i + 1)), 2)};   // StateU_Ain1..8: 1000..8000 mV
    for (int i = 0; i < 6; ++i)
        values << Value{38 + i, le(quint64(501 + i), 2)};          // LevelRS485_1..6: 501..506
    for (int i = 0; i < 5; ++i)
        values << Value{58 + i, le(quint64(1001 + i), 2)};         // CAN_AxleLoad_1..5: 1001..1005
    for (int field : {47, 48, 49, 50, 51})
        values << Value{field, le(0, 1)};
    return values;
}
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
    void recordReachesEveryGroup_data();
    void recordReachesEveryGroup();
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
    // one hour east of UTC, no daylight saving
    qputenv("TZ", "XXX-1");
    tzset();
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

void TstZirnPage::recordReachesEveryGroup_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    auto row = [](const char* group, const char* label, const char* text) {
        QTest::addRow("%s %s", group, label) << QString::fromLatin1(group) << QString::fromLatin1(label)
                                              << QString::fromUtf8(text);
    };
    row("Object", "label_Name_Text", "T9");
    row("Object", "label_FullName_Text", "2000000");
    row("Event", "label_Number_Text", "123456");
    row("Event", "label_Event_Text", "77");
    row("Event", "label_DateTime_Text", "06:06:07 1.01.70");
    row("Work", "label_Alarm_Text", "тревога");
    row("Work", "label_Engine_Text", "работает");
    row("GSM", "label_GSM_Level_Text", "23%");
    row("In", "label_IN1_Text", "сработал");
    row("In", "label_IN2_Text", "в норме");
    row("In", "label_IN4_Text", "в норме");
    row("In", "label_IN5_Text", "сработал");
    row("Analog", "label_A1_Text", "1.0 В");
    row("Analog", "label_A2_Text", "2.0 В");
    row("Analog", "label_A5_Text", "5.0 В");
    row("Analog", "label_A8_Text", "8.0 В");
    row("Impuls", "label_I2_Text", "111");
    row("Impuls", "label_I3_Text", "222");
    row("Frequency", "label_F1_Text", "333");
    row("Frequency", "label_F2_Text", "444");
    row("SH", "label_SH1_Text", "сработал");
    row("SH", "label_SH2_Text", "в норме");
    row("SH", "label_SH3_Text", "сработал");
    row("Digital", "label_D1_Level_Value", "501");
    row("Digital", "label_D6_Level_Value", "506");
    row("Digital", "label_RS232_Level_Value", "607");
    row("Out", "label_Out1_Text", "активирован");
    row("Out", "label_Out2_Text", "выключен");
    row("Out", "label_Out4_Text", "активирован");
    row("Power", "label_Power_Text", "12.3 В");
    row("Power", "label_Reserve_Text", "4.1 В");
    row("Temp", "label_Temp1_Value", "-20 °С");
    row("Temp", "label_Temp2_Value", "не используется");
    row("Temp", "label_Temp8_Value", "35 °С");
    row("CAN", "label_CAN_FuelLevel_Value", "55 %");
    row("CAN", "label_CAN_FuelConsumption_Value", "12.5 л");
    row("CAN", "label_CAN_FullRun_Value", "1.23457e+06 км");
    row("CAN", "label_CAN_AxleLoad_Value_1", "1001 кг");
    row("CAN", "label_CAN_AxleLoad_Value_5", "1005 кг");
    row("CAN", "label_CAN_Speed_Value", "90км/ч");
    row("CAN", "label_CAN_Temp_Value", "-40 °C");
    row("CAN", "label_CAN_EngineTurns_Value", "1500");
    row("CAN", "label_CAN_PedalAccel_Value", "10 %");
    row("CAN", "label_CAN_PedalStop_Value", "20 %");
    row("CAN", "label_CAN_EngineLoad_Value", "30 %");
    row("CAN", "label_CAN_LevelFiltr_Value", "n/a");
    row("CAN", "label_CAN_EngineTime_Value", "3600 сек");
    row("CAN", "label_CAN_TimeTO_Value", "500 км");
    row("Navigation", "label_Navigation_Text", "валидны");
    row("Navigation", "label_DateTime_Text", "02:02:03 10.02.70");
    row("Navigation", "label_Width_Text", "55 1.2345'");
    row("Navigation", "label_Longitude_Text", "37 5.4321'");
    row("Navigation", "label_Altitude_Text", "123 м");
    row("Navigation", "label_Speed_Text", "12.5 км/ч");
    row("Navigation", "label_Course_Text", "270 °");
    row("Navigation", "label_Run_Text", "100.250 км");
    row("Navigation", "label_Way_Text", "3.500 км");
    row("Navigation", "label_AllSeconds_Text", "600 c");
    row("Navigation", "label_SecondsLast_Text", "45 c");
}

// Every field the page shows reaches its own group and row.
void TstZirnPage::recordReachesEveryGroup()
{
    QFETCH(QString, group);
    QFETCH(QString, label);
    QFETCH(QString, text);
    TransportPacket open = packetOf("T9", PT_HANDSHAKE, kvzb("*>S:T9"));
    Format_Zirn::instance().receiveMessage(MSG_SESSION_OPEN, &open, kvzIntArg(1));
    TransportPacket negotiated = packetOf("T9", PT_ZIRN_HANDSHAKE, negotiation(QByteArray::fromHex("FFFFFFFFFFFFFFFFF8")));
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    Format_Zirn::instance().receiveMessage(MSG_SESSION_PACKET, &negotiated, &out);
    const QVector<Value> values = everyGroupValues();
    QCOMPARE(values.size(), 69);
    TransportPacket current = packetOf("T9", PT_ZIRN_CURRENT, zirnFrame("~C" + recordOf(values)));
    out.selected = 1;
    Format_Zirn::instance().receiveMessage(MSG_SESSION_PACKET, &current, &out);

    QWidget* groupWidget = nullptr;
    for (QWidget* w : m_page->findChildren<QWidget*>()) {
        if (QLatin1String(w->metaObject()->className()) == QStringLiteral("CMO_FormProperty_") + group)
            groupWidget = w;
    }
    QVERIFY(groupWidget);
    QLabel* value = groupWidget->findChild<QLabel*>(label);
    QVERIFY(value);
    QCOMPARE(value->text(), text);

    const QString name = QStringLiteral("T9");
    Format_Zirn::instance().receiveMessage(MSG_SESSION_CLOSE, const_cast<QString*>(&name), kvzIntArg(1));
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
