// The F-5 plug-in object, session and page: format answers and field table,
// archive stride and bounds, the fill of the page, the input-line show
// operations and the command bytes of the buttons.
#include "cmo_formproperty_in_f5.h"
#include "f5_record.h"
#include "f5_session.h"
#include "f5_test_record.h"
#include "fixed_page_test.h"
#include "format_f5.h"
#include "format_session_list.h"
#include "kvz_formparam_f5.h"
#include "kvz_text.h"
#include "zirn_test_packets.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <vector>

using ZirnTest::headerText;
using ZirnTest::kvzb;
using namespace FixedPageTest;

class TstF5Plugin : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void formatAnswers();
    void archiveStrideAndBounds();
    void pageFill();
    void shockAndInputLamps_data();
    void shockAndInputLamps();
    void lineStates();
    void buttonsSendTheirCommand_data();
    void buttonsSendTheirCommand();
    void pendingFillKeepsButtonsOff();

private:
    void sendPacket(const char* name, int type, const QByteArray& data);
    QTemporaryDir m_dir;
};

void TstF5Plugin::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_dir.path()));
    FormatF_5& plugin = FormatF_5::instance();
    plugin.initialize(&FixedPageTest::hostCallback, reinterpret_cast<void*>(0x55), nullptr);
    plugin.receiveMessage(MSG_WINDOW_READY, nullptr, nullptr);
    QVERIFY(host().page);
    host().page->show();
    for (const char* name : {"T1", "T2"}) {
        TransportPacket hello = ZirnTest::packetOf(name, PT_HANDSHAKE, kvzb(QByteArray("*>S:") + name));
        plugin.receiveMessage(MSG_SESSION_OPEN, &hello, nullptr);
    }
}

void TstF5Plugin::sendPacket(const char* name, int type, const QByteArray& data)
{
    TransportPacket packet = ZirnTest::packetOf(name, type, kvzb(data));
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    out.selected = 1;
    FormatF_5::instance().receiveMessage(MSG_SESSION_PACKET, &packet, &out);
}

void TstF5Plugin::formatAnswers()
{
    FormatF_5& plugin = FormatF_5::instance();
    int value = -1;
    plugin.receiveMessage(MSG_FORMAT_NUMBER, &value, nullptr);
    QCOMPARE(value, 5);
    plugin.receiveMessage(MSG_RECORD_SIZE, &value, nullptr);
    QCOMPARE(value, 67);
    plugin.receiveMessage(MSG_NUMBER_OFFSET, &value, nullptr);
    QCOMPARE(value, 1);
    QCOMPARE(host().pageFormat, 5);
    KvzPluginInfo info;
    plugin.getLibraryInfo(&info);
    QCOMPARE(QByteArray(info.name), QByteArray("F-5"));
    const int32_t expected[60] = {0, 1, 1, 4, 5, 2, 7, 1, 8, 1, 9, 1, 10, 1, 11, 1, 12, 1, 0,
                                  41, 4, 45, 4, 0, 0, 49, 4, 53, 2, 55, 4, 17, 1, 34, 1, 2,
                                  17, 1, 1, 17, 1, 2, 17, 1, 4, 17, 1, 8, 17, 1, 16,
                                  0, 0, 0, 0, 0, 0, 0, 0, 0};
    int32_t table[60];
    std::memset(table, 0x55, sizeof(table));
    plugin.receiveMessage(MSG_FIELD_TABLE, table, nullptr);
    for (int i = 0; i < 60; ++i)
        QCOMPARE(table[i], expected[i]);
}

void TstF5Plugin::archiveStrideAndBounds()
{
    F5Session session(ZirnTest::packetOf("A1", PT_HANDSHAKE, kvzb("*>S:A1")));
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    // count 2: records at bytes 20 and 87
    QByteArray data = "*>A\x02" + F5Test::recordOf(F5Test::fullValues(1)) + F5Test::recordOf(F5Test::fullValues(2));
    session.handlePacket(ZirnTest::packetOf("A1", PT_ARCHIVE, kvzb(data)), &out);
    QCOMPARE(KvzText::fromCp1251(out.text, out.textLength),
             headerText(data.size()) + "*>A 2\r\n" + F5Test::fullText(1) + "\r\n" + F5Test::fullText(2) + "\r\n");
    QCOMPARE(session.record()->numPage(), 2u);

    // a count of 15 in a full packet: fourteen records fit, the fifteenth would end past the field
    data = "*>A\x0F";
    for (quint32 i = 1; i <= 15; ++i)
        data += F5Test::recordOf(F5Test::fullValues(100 + i));
    data = data.left(1024 - 16);
    session.handlePacket(ZirnTest::packetOf("A1", PT_ARCHIVE, kvzb(data)), &out);
    QCOMPARE(session.record()->numPage(), 114u);
    QCOMPARE(session.text().count(QStringLiteral("NumPage = ")), 14);

    // "*>T" with 66 record bytes keeps the record and adds no record text
    session.handlePacket(ZirnTest::packetOf("A1", PT_RECORD, kvzb("*>T" + F5Test::recordOf(F5Test::fullValues(7)).left(66))), &out);
    QCOMPARE(session.record()->numPage(), 114u);
    QCOMPARE(session.text(), headerText(69) + QStringLiteral("*>T 7\r\n"));
}

void TstF5Plugin::pageFill()
{
    sendPacket("T1", PT_RECORD, "*>T" + F5Test::recordOf(F5Test::fullValues(42)));
    QCOMPARE(labelText(host().page, "label_Name_Text"), QStringLiteral("T1"));
    QCOMPARE(labelText(host().page, "label_FullName_Text"), QStringLiteral("2000000"));
    QCOMPARE(labelText(host().page, "label_Type_Text"), QStringLiteral("F-5"));
    QCOMPARE(labelText(host().page, "label_Number_Text"), QStringLiteral("42"));
    QCOMPARE(labelText(host().page, "label_Event_Text"), QStringLiteral("65535"));
    QCOMPARE(labelText(host().page, "label_Work_Text"), QStringLiteral("охрана"));
    QCOMPARE(labelText(host().page, "label_Alarm_Text"), QStringLiteral("тревога"));
    QCOMPARE(labelText(host().page, "label_I2_Text"), QStringLiteral("-1"));
    QCOMPARE(labelText(host().page, "label_I3_Text"), QStringLiteral("7"));
    QCOMPARE(labelText(host().page, "label_A2_Text"), QStringLiteral("4.2 В"));
    QCOMPARE(labelText(host().page, "label_Out2_Text"), QStringLiteral("активирован"));
    QCOMPARE(labelText(host().page, "label_GSM_Text"), QStringLiteral("Роуминг"));
    QCOMPARE(labelText(host().page, "label_Width_Text"), QStringLiteral("54.999998 °"));
    QWidget* navigation = child<QWidget>(host().page, "CMO_FormProperty_NavigationClass");
    QVERIFY(navigation);
    QCOMPARE(labelText(navigation, "label_DateTime_Text"), QStringLiteral("01:02:03  04.06.2026"));
    QWidget* event = child<QWidget>(host().page, "CMO_FormProperty_EventClass");
    QVERIFY(event);
    QCOMPARE(labelText(event, "label_DateTime_Text"), QStringLiteral("23:59:58  31.12.2025"));
    // no fuel-sensor, temperature, frequency or CAN group
    QVERIFY(!child<QWidget>(host().page, "CMO_FormProperty_TempClass"));
    QVERIFY(!child<QWidget>(host().page, "CMO_FormProperty_DigitalClass"));
    QVERIFY(!visible(host().page, "pushButton_SendCommand"));   // commands folded
}

void TstF5Plugin::shockAndInputLamps_data()
{
    QTest::addColumn<int>("stateInOut");
    QTest::addColumn<QString>("lamps");   // lines 1..5, then weak, strong, movement: 1 "сработал"
    QTest::newRow("0x20") << 0x20 << "00000100";
    QTest::newRow("0x80") << 0x80 << "00000001";
    QTest::newRow("0x1F") << 0x1F << "11111000";
}

void TstF5Plugin::shockAndInputLamps()
{
    QFETCH(int, stateInOut);
    F52Test::Values v = F5Test::fullValues();
    v.stateIn = quint8(stateInOut);
    sendPacket("T1", PT_RECORD, "*>T" + F5Test::recordOf(v));
    QString lamps;
    for (const char* name : {"label_IN1_Text", "label_IN2_Text", "label_IN3_Text", "label_IN4_Text",
                             "label_IN5_Text", "label_SH1_Text", "label_SH2_Text", "label_SH3_Text"}) {
        const QString text = labelText(host().page, name);
        QVERIFY2(text == QStringLiteral("сработал") || text == QStringLiteral("в норме"), name);
        lamps += text == QStringLiteral("сработал") ? QLatin1Char('1') : QLatin1Char('0');
    }
    QTEST(lamps, "lamps");
}

void TstF5Plugin::lineStates()
{
    F5::CMO_FormProperty_In in(nullptr);
    in.show();
    in.setLineState3(false, true);
    QVERIFY(visible(&in, "label_In3_Icon") && visible(&in, "label_IN3") && visible(&in, "label_IN3_Text"));
    QVERIFY(!visible(&in, "pushButton_ON_3") && !visible(&in, "pushButton_OFF_3"));
    in.setLineState5(true, false);
    QVERIFY(!visible(&in, "label_In5_Icon") && !visible(&in, "label_IN5") && !visible(&in, "label_IN5_Text"));
    QVERIFY(!visible(&in, "pushButton_ON_5") && !visible(&in, "pushButton_OFF_5"));
    in.setLineState2(true, true);
    QVERIFY(visible(&in, "label_IN2") && visible(&in, "pushButton_ON_2") && visible(&in, "pushButton_OFF_2"));
    in.setLineState1(false);
    QVERIFY(visible(&in, "label_IN1") && visible(&in, "label_In1_Icon"));
    QVERIFY(!visible(&in, "pushButton_ON_1") && !visible(&in, "pushButton_OFF_1"));
    in.setLineState1(true);
    QVERIFY(visible(&in, "pushButton_ON_1") && visible(&in, "pushButton_OFF_1"));
    // the rest of line 4 is untouched by the others
    QVERIFY(visible(&in, "label_IN4") && visible(&in, "pushButton_OFF_4"));
}

void TstF5Plugin::buttonsSendTheirCommand_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("GN") << "pushButton_GN" << QByteArray("*!GN");
    QTest::newRow("GY") << "pushButton_GY" << QByteArray("*!GY");
    QTest::newRow("G2") << "pushButton_G2" << QByteArray("*!G2");
    QTest::newRow("2Y") << "pushButton_2Y" << QByteArray("*!2Y");
    QTest::newRow("1N") << "pushButton_1N" << QByteArray("*!1N");
    QTest::newRow("in 3 on") << "pushButton_ON_3" << QByteArray("*!ON:3");
    QTest::newRow("I2 on") << "pushButton_ON_I2" << QByteArray("*!ON:2");
    QTest::newRow("A2 off") << "pushButton_OFF_A2" << QByteArray("*!OFF:5");
    QTest::newRow("A1 on") << "pushButton_ON_A1" << QByteArray("*!ON:4");
}

void TstF5Plugin::buttonsSendTheirCommand()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, bytes);
    sendPacket("T2", PT_COMMAND_ANSWER, "*@C" + F5Test::recordOf(F5Test::fullValues(9)));
    QPushButton* b = host().page->findChild<QPushButton*>(button);
    QVERIFY(b);
    QVERIFY(b->isEnabled());
    host().sent.clear();
    emit b->pressed();
    QCOMPARE(int(host().sent.size()), 1);
    QCOMPARE(host().sent[0], bytes);
    QVERIFY(!b->isEnabled());
    QVERIFY(!child<QPushButton>(host().page, "pushButton_SendCommand")->isEnabled());
}

void TstF5Plugin::pendingFillKeepsButtonsOff()
{
    auto* page = static_cast<KVZ_FormParam_F5*>(host().page);
    sendPacket("T2", PT_COMMAND_ANSWER, "*@C" + F5Test::recordOf(F5Test::fullValues(10)));
    emit child<QPushButton>(host().page, "pushButton_2Y")->pressed();   // T2 now waits
    sendPacket("T2", PT_RECORD, "*>T" + F5Test::recordOf(F5Test::fullValues(11)));
    QCOMPARE(labelText(host().page, "label_Number_Text"), QStringLiteral("11"));
    QVERIFY(!child<QPushButton>(host().page, "pushButton_ON_I3")->isEnabled());
    // another terminal without a pending command brings them back, and takes the commands
    sendPacket("T1", PT_RECORD, "*>T" + F5Test::recordOf(F5Test::fullValues(12)));
    QVERIFY(child<QPushButton>(host().page, "pushButton_ON_I3")->isEnabled());
    QCOMPARE(page->currentSession()->name(), QStringLiteral("T1"));
    host().sent.clear();
    page->sendText(QString(121, QLatin1Char('x')));
    QCOMPARE(int(host().sent.size()), 0);
    QVERIFY(!child<QPushButton>(host().page, "pushButton_ON_I3")->isEnabled());
    // a closed session receives nothing
    sendPacket("T1", PT_COMMAND_ANSWER, "*@C" + F5Test::recordOf(F5Test::fullValues(13)));
    QString name = QStringLiteral("T1");
    FormatF_5::instance().receiveMessage(MSG_SESSION_CLOSE, &name, nullptr);
    QVERIFY(!page->currentSession());
    page->sendGuardOn();
    QCOMPARE(int(host().sent.size()), 0);
}

QTEST_MAIN(TstF5Plugin)
#include "tst_f5_plugin.moc"
