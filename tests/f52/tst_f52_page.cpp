// The F-52 page and its groups: every button's exact command bytes, the
// free-text limit, buttons disabled while a command waits and back after the
// answer, the values a record puts on the page, and the group setters at
// their boundaries.
#include "cmo_formproperty_analog_f52.h"
#include "cmo_formproperty_digital_f52.h"
#include "cmo_formproperty_gsm_f52.h"
#include "cmo_formproperty_navigation_f52.h"
#include "cmo_formproperty_out_f52.h"
#include "cmo_formproperty_temp_f52.h"
#include "cmo_formproperty_work_f52.h"
#include "cmo_formpropertyitem.h"
#include "f52_test_record.h"
#include "fixed_page_test.h"
#include "format_f52.h"
#include "kvz_formparam_f52.h"
#include "zirn_test_packets.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <vector>

using namespace F52Test;
using namespace FixedPageTest;

namespace {
QWidget* g_page()
{
    return host().page;
}
}

namespace {
// The picture a label shows, compared with a resource.
bool showsPicture(QWidget* parent, const char* name, const char* picture)
{
    QLabel* label = child<QLabel>(parent, name);
    if (!label)
        return false;
    const QImage shown = label->pixmap(Qt::ReturnByValue).toImage();
    const QImage expected(QStringLiteral(":/Images/Resources/images/") + QLatin1String(picture));
    return !expected.isNull() && !shown.isNull() && shown == expected.convertToFormat(shown.format());
}
}

class TstF52Page : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void pageIsHandedOver();
    void recordReachesTheGroups();
    void buttonsSendTheirCommand_data();
    void buttonsSendTheirCommand();
    void freeTextLimit();
    void commandsWaitForTheAnswer();
    void unselectedPacketLeavesThePage();
    void noPublishedPageSendsNothing();
    void workState_data();
    void workState();
    void outputs();
    void gsmLevels_data();
    void gsmLevels();
    void gsmStates();
    void temperaturesAndFuel();
    void navigationDegrees_data();
    void navigationDegrees();
    void analogVolts();

private:
    void sendRecord(int type, const Values& values);
    QTemporaryDir m_dir;
};

void TstF52Page::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_dir.path()));
    FormatF_52& plugin = FormatF_52::instance();
    plugin.initialize(&FixedPageTest::hostCallback, reinterpret_cast<void*>(0x99), nullptr);
    plugin.receiveMessage(MSG_WINDOW_READY, nullptr, nullptr);
    QVERIFY(g_page());
    g_page()->show();
    TransportPacket hello = ZirnTest::packetOf("P1", PT_HANDSHAKE, ZirnTest::kvzb("*>S:P1"));
    hello.deviceId = uint32_t(-2);
    plugin.receiveMessage(MSG_SESSION_OPEN, &hello, nullptr);
    sendRecord(PT_RECORD, fullValues());
}

void TstF52Page::sendRecord(int type, const Values& values)
{
    const char* prefix = type == PT_RECORD ? "*>T" : "*@C";
    TransportPacket packet = ZirnTest::packetOf("P1", type, ZirnTest::kvzb(prefix + recordOf(values)));
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    out.selected = 1;
    FormatF_52::instance().receiveMessage(MSG_SESSION_PACKET, &packet, &out);
}

void TstF52Page::pageIsHandedOver()
{
    QCOMPARE(host().pageFormat, 37);
    QCOMPARE(g_page()->objectName(), QStringLiteral("KVZ_FormParam_F52Class"));
    const QStringList captions = {"Команды", "Объект", "Событие", "Режим работы", "Дискретные входы",
                                  "Аналоговые измерения", "Цифровые топливные датчики", "Импульсные измерения",
                                  "Управляющие выходы", "Акселерометр", "Температурные датчики",
                                  "Источники питания", "Связь GSM", "Навигационные данные"};
    const QList<CMO_FormPropertyItem*> items = g_page()->findChildren<CMO_FormPropertyItem*>();
    QCOMPARE(items.size(), 14);
    QStringList titles;
    for (CMO_FormPropertyItem* item : items)
        titles << item->findChild<QLabel*>(QStringLiteral("label_Title"))->text();
    QCOMPARE(titles, captions);
    // the commands group starts folded
    QVERIFY(!child<QWidget>(g_page(), "pushButton_SendCommand")->isVisible());
}

void TstF52Page::recordReachesTheGroups()
{
    QCOMPARE(labelText(g_page(), "label_Name_Text"), QStringLiteral("P1"));
    QCOMPARE(labelText(g_page(), "label_FullName_Text"), QStringLiteral("-2"));
    QCOMPARE(labelText(g_page(), "label_Number_Text"), QStringLiteral("4000000000"));
    QCOMPARE(labelText(g_page(), "label_Event_Text"), QStringLiteral("65535"));
    QCOMPARE(labelText(g_page(), "label_IN1_Text"), QStringLiteral("сработал"));
    QCOMPARE(labelText(g_page(), "label_IN2_Text"), QStringLiteral("в норме"));
    QCOMPARE(labelText(g_page(), "label_A1_Text"), QStringLiteral("0.0 В"));
    QCOMPARE(labelText(g_page(), "label_I2_Text"), QStringLiteral("-1"));
    QCOMPARE(labelText(g_page(), "label_I3_Text"), QStringLiteral("7"));
    QCOMPARE(labelText(g_page(), "label_D1_Level_Value"), QStringLiteral("40000"));
    QCOMPARE(labelText(g_page(), "label_D2_Temp_Value"), QStringLiteral("127 °С"));
    QCOMPARE(labelText(g_page(), "label_D3_Temp_Value"), QStringLiteral("-128 °С"));
    QCOMPARE(labelText(g_page(), "label_Temp1_Value"), QStringLiteral("не используется"));
    QCOMPARE(labelText(g_page(), "label_Temp4_Value"), QStringLiteral("-5 °С"));
    QCOMPARE(labelText(g_page(), "label_Out1_Text"), QStringLiteral("выключен"));
    QCOMPARE(labelText(g_page(), "label_Out2_Text"), QStringLiteral("активирован"));
    QCOMPARE(labelText(g_page(), "label_GSM_Level_Text"), QStringLiteral("24%"));
    QCOMPARE(labelText(g_page(), "label_Navigation_Text"), QStringLiteral("валидны"));
    QCOMPARE(labelText(g_page(), "label_DateTime_Text"), QStringLiteral("23:59:58  31.12.2025"));   // event
    QWidget* navigation = child<QWidget>(g_page(), "CMO_FormProperty_NavigationClass");
    QVERIFY(navigation);
    QCOMPARE(labelText(navigation, "label_DateTime_Text"), QStringLiteral("01:02:03  04.06.2026"));
    QCOMPARE(labelText(g_page(), "label_Longitude_Text"), QStringLiteral("-28.647889 °"));
    QCOMPARE(labelText(g_page(), "label_Speed_Text"), QStringLiteral("12.5 км/ч"));
    QCOMPARE(labelText(g_page(), "label_Course_Text"), QStringLiteral("359 °"));
    QCOMPARE(labelText(g_page(), "label_Run_Text"), QStringLiteral("1234567.000 км"));
    QCOMPARE(labelText(g_page(), "label_Way_Text"), QStringLiteral("0.000 км"));
    QCOMPARE(labelText(g_page(), "label_AllSeconds_Text"), QStringLiteral("65535 c"));
    QCOMPARE(labelText(g_page(), "label_Addres_Text"), QString());
}

void TstF52Page::buttonsSendTheirCommand_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("GY") << "pushButton_GY" << QByteArray("*!GY");
    QTest::newRow("GN") << "pushButton_GN" << QByteArray("*!GN");
    QTest::newRow("G2") << "pushButton_G2" << QByteArray("*!G2");
    QTest::newRow("1Y") << "pushButton_1Y" << QByteArray("*!1Y");
    QTest::newRow("1N") << "pushButton_1N" << QByteArray("*!1N");
    QTest::newRow("2Y") << "pushButton_2Y" << QByteArray("*!2Y");
    QTest::newRow("2N") << "pushButton_2N" << QByteArray("*!2N");
    QTest::newRow("in 1 on") << "pushButton_ON_1" << QByteArray("*!ON:1");
    QTest::newRow("in 5 off") << "pushButton_OFF_5" << QByteArray("*!OFF:5");
    QTest::newRow("I2 on") << "pushButton_ON_I2" << QByteArray("*!ON:2");
    QTest::newRow("I3 off") << "pushButton_OFF_I3" << QByteArray("*!OFF:3");
    QTest::newRow("A1 off") << "pushButton_OFF_A1" << QByteArray("*!OFF:4");
    QTest::newRow("A2 on") << "pushButton_ON_A2" << QByteArray("*!ON:5");
    QTest::newRow("A2 off") << "pushButton_OFF_A2" << QByteArray("*!OFF:5");
}

void TstF52Page::buttonsSendTheirCommand()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, bytes);
    sendRecord(PT_COMMAND_ANSWER, fullValues());   // buttons usable again
    QPushButton* b = g_page()->findChild<QPushButton*>(button);
    QVERIFY(b);
    QVERIFY(b->isEnabled());
    host().sent.clear();
    emit b->pressed();
    QCOMPARE(int(host().sent.size()), 1);
    QCOMPARE(host().sent[0], bytes);
    QVERIFY(!b->isEnabled());
}

void TstF52Page::freeTextLimit()
{
    auto* page = static_cast<KVZ_FormParam_F52*>(g_page());
    host().sent.clear();
    const QString text120 = QStringLiteral("*!") + QString(117, QLatin1Char('x')) + QStringLiteral("Ж");
    page->sendText(text120);
    page->sendText(text120 + QLatin1Char('y'));
    page->sendText(QString());
    QCOMPARE(int(host().sent.size()), 1);
    QCOMPARE(host().sent[0].size(), 120);
    QCOMPARE(host().sent[0].right(1), QByteArray("\xC6"));
    QVERIFY(!child<QPushButton>(g_page(), "pushButton_GN")->isEnabled());

    // the commands group's request goes through the page as well
    sendRecord(PT_COMMAND_ANSWER, fullValues());
    host().sent.clear();
    emit child<QPushButton>(g_page(), "pushButton_SendCommand")->pressed();
    QCOMPARE(int(host().sent.size()), 1);
    QCOMPARE(host().sent[0], QByteArray("*?V"));
}

void TstF52Page::commandsWaitForTheAnswer()
{
    sendRecord(PT_COMMAND_ANSWER, fullValues());
    emit child<QPushButton>(g_page(), "pushButton_1Y")->pressed();
    // a record while the command waits: values update, buttons stay off
    Values next = fullValues();
    next.numPage = 5;
    sendRecord(PT_RECORD, next);
    QCOMPARE(labelText(g_page(), "label_Number_Text"), QStringLiteral("5"));
    for (const char* name : {"pushButton_1Y", "pushButton_ON_I2", "pushButton_OFF_A1", "pushButton_ON_3",
                             "pushButton_GN", "pushButton_SendCommand"})
        QVERIFY2(!child<QPushButton>(g_page(), name)->isEnabled(), name);
    sendRecord(PT_COMMAND_ANSWER, next);
    for (const char* name : {"pushButton_1Y", "pushButton_ON_I2", "pushButton_OFF_A1", "pushButton_ON_3",
                             "pushButton_GN", "pushButton_SendCommand"})
        QVERIFY2(child<QPushButton>(g_page(), name)->isEnabled(), name);
}

void TstF52Page::unselectedPacketLeavesThePage()
{
    sendRecord(PT_RECORD, fullValues());
    QCOMPARE(labelText(g_page(), "label_Number_Text"), QStringLiteral("4000000000"));
    Values next = fullValues();
    next.numPage = 77;
    TransportPacket packet = ZirnTest::packetOf("P1", PT_RECORD, ZirnTest::kvzb("*>T" + recordOf(next)));
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    FormatF_52::instance().receiveMessage(MSG_SESSION_PACKET, &packet, &out);
    QCOMPARE(labelText(g_page(), "label_Number_Text"), QStringLiteral("4000000000"));
    // showing the session brings its latest record
    QString name = QStringLiteral("P1");
    FormatF_52::instance().receiveMessage(MSG_SESSION_SHOW, &name, nullptr);
    QCOMPARE(labelText(g_page(), "label_Number_Text"), QStringLiteral("77"));
}

void TstF52Page::noPublishedPageSendsNothing()
{
    sendRecord(PT_COMMAND_ANSWER, fullValues());
    auto* page = static_cast<KVZ_FormParam_F52*>(g_page());
    CMO_CommandSink::setCurrent(nullptr, nullptr);
    host().sent.clear();
    emit child<QPushButton>(g_page(), "pushButton_GY")->pressed();
    emit child<QPushButton>(g_page(), "pushButton_ON_A1")->pressed();
    QCOMPARE(int(host().sent.size()), 0);
    QVERIFY(child<QPushButton>(g_page(), "pushButton_GY")->isEnabled());
    CMO_CommandSink::setCurrent(page, page);
}

void TstF52Page::workState_data()
{
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<int>("alarm");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("visible");   // GY GN G2
    QTest::newRow("observation") << true << 0 << 0 << "наблюдение" << "guardProfile0.png" << "101";
    QTest::newRow("guard") << true << 2 << 1 << "охрана" << "guardProfile1.png" << "011";
    QTest::newRow("profile 2") << true << 0 << 2 << "доп. режим 2" << "guardProfile2.png" << "110";
    QTest::newRow("no buttons") << false << 0 << 1 << "охрана" << "guardProfile1.png" << "000";
    QTest::newRow("mode 3 keeps the row") << true << 1 << 3 << "доп. режим 2" << "guardProfile2.png" << "110";
}

void TstF52Page::workState()
{
    QFETCH(bool, allowed);
    QFETCH(int, alarm);
    QFETCH(int, mode);
    QFETCH(QString, picture);
    static F52::CMO_FormProperty_Work* work = nullptr;
    if (!work) {
        work = new F52::CMO_FormProperty_Work(nullptr);
        work->show();
        QCOMPARE(labelText(work, "label_Alarm"), QStringLiteral("Тревожное оповещение:"));
        QCOMPARE(child<QPushButton>(work, "pushButton_G2")->toolTip(), QStringLiteral("Поставить в профиль охраны 2"));
    }
    work->setState(true, 0, 2);   // what mode 3 must keep
    work->setState(allowed, alarm, mode);
    QTEST(labelText(work, "label_Work_Text"), "text");
    QVERIFY(showsPicture(work, "label_Work_Icon", picture.toLatin1().constData()));
    QCOMPARE(labelText(work, "label_Alarm_Text"), alarm ? QStringLiteral("тревога") : QStringLiteral("нет"));
    QString visible;
    for (const char* name : {"pushButton_GY", "pushButton_GN", "pushButton_G2"})
        visible += child<QPushButton>(work, name)->isVisible() ? QLatin1Char('1') : QLatin1Char('0');
    QTEST(visible, "visible");
}

void TstF52Page::outputs()
{
    F52::CMO_FormProperty_Out out(nullptr);
    out.show();
    out.setOut1F52(true, 0);
    out.setOut2F52(true, 5);
    QCOMPARE(labelText(&out, "label_Out1_Text"), QStringLiteral("выключен"));
    QCOMPARE(labelText(&out, "label_Out2_Text"), QStringLiteral("активирован"));
    QVERIFY(showsPicture(&out, "label_Out2_Icon", "redLamp.png"));
    QVERIFY(child<QPushButton>(&out, "pushButton_1Y")->isVisible());
    QVERIFY(!child<QPushButton>(&out, "pushButton_1N")->isVisible());
    QVERIFY(!child<QPushButton>(&out, "pushButton_2Y")->isVisible());
    QVERIFY(child<QPushButton>(&out, "pushButton_2N")->isVisible());
    out.setOut2F52(false, 1);
    QVERIFY(!child<QPushButton>(&out, "pushButton_2Y")->isVisible());
    QVERIFY(!child<QPushButton>(&out, "pushButton_2N")->isVisible());
    QCOMPARE(labelText(&out, "label_Out2_Text"), QStringLiteral("активирован"));
    out.setButtonsEnabledF52(false);
    QVERIFY(!child<QPushButton>(&out, "pushButton_1Y")->isEnabled());
    QVERIFY(!child<QPushButton>(&out, "pushButton_2N")->isEnabled());
}

void TstF52Page::gsmLevels_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "gsmLevel0.png" << "0%";
    QTest::newRow("1") << 1 << "gsmLevel20.png" << "1%";
    QTest::newRow("24") << 24 << "gsmLevel20.png" << "24%";
    QTest::newRow("25") << 25 << "gsmLevel50.png" << "25%";
    QTest::newRow("49") << 49 << "gsmLevel50.png" << "49%";
    QTest::newRow("50") << 50 << "gsmLevel90.png" << "50%";
    QTest::newRow("74") << 74 << "gsmLevel90.png" << "74%";
    QTest::newRow("75") << 75 << "gsmLevel100.png" << "75%";
    QTest::newRow("99") << 99 << "gsmLevel0.png" << "99%";
    QTest::newRow("100") << 100 << "gsmLevel100.png" << "100%";
    QTest::newRow("255") << 255 << "gsmLevel100.png" << "255%";
}

void TstF52Page::gsmLevels()
{
    QFETCH(int, level);
    QFETCH(QString, picture);
    F52::CMO_FormProperty_GSM gsm(nullptr);
    gsm.setLevelF52(50);
    gsm.setLevelF52(level);
    QVERIFY(showsPicture(&gsm, "label_GSM_Level_Icon", picture.toLatin1().constData()));
    QTEST(labelText(&gsm, "label_GSM_Level_Text"), "text");
}

void TstF52Page::gsmStates()
{
    F52::CMO_FormProperty_GSM gsm(nullptr);
    const struct { quint8 flags; const char* text; } cases[] = {
        {0x61, "Роуминг"}, {0x21, "Домашняя сеть"}, {0x41, "Нет регистрации"}, {0xFE, "Выключен"}};
    for (const auto& c : cases) {
        gsm.setStateF52(c.flags);
        QCOMPARE(labelText(&gsm, "label_GSM_Text"), QString::fromUtf8(c.text));
    }
    QCOMPARE(labelText(&gsm, "label_GSM"), QStringLiteral("Статус:"));
    QCOMPARE(F52::CMO_FormProperty_GSM::testBit(0x80, 7), 1);
    QCOMPARE(F52::CMO_FormProperty_GSM::testBit(0xFF, 8), 0);
}

void TstF52Page::temperaturesAndFuel()
{
    F52::CMO_FormProperty_Temp temp(nullptr);
    QCOMPARE(labelText(&temp, "label_Temp1_Value"), QStringLiteral("  C"));
    QCOMPARE(labelText(&temp, "label_Temp3_Title"), QStringLiteral("Температура Т3:"));
    temp.setTemp1F52(-128);
    temp.setTemp2F52(127);
    temp.setTemp3F52(0);
    temp.setTemp4F52(-127);
    QCOMPARE(labelText(&temp, "label_Temp1_Value"), QStringLiteral("не используется"));
    QCOMPARE(labelText(&temp, "label_Temp2_Value"), QStringLiteral("127 °С"));
    QCOMPARE(labelText(&temp, "label_Temp3_Value"), QStringLiteral("0 °С"));
    QCOMPARE(labelText(&temp, "label_Temp4_Value"), QStringLiteral("-127 °С"));

    F52::CMO_FormProperty_Digital digital(nullptr);
    QCOMPARE(labelText(&digital, "label_D2_Temp_Value"), QStringLiteral("0  C"));
    QCOMPARE(labelText(&digital, "label_D3_Level"), QStringLiteral("Уровень D3:"));
    QCOMPARE(labelText(&digital, "label_D1_Temp"), QStringLiteral("Температура D1:"));
    digital.setTemp1(25);
    digital.setLevel3(65535);
    digital.setLevel2(0);
    QCOMPARE(labelText(&digital, "label_D1_Temp_Value"), QStringLiteral("25 °С"));
    QCOMPARE(labelText(&digital, "label_D3_Level_Value"), QStringLiteral("65535"));
    QCOMPARE(labelText(&digital, "label_D2_Level_Value"), QStringLiteral("0"));
}

void TstF52Page::navigationDegrees_data()
{
    QTest::addColumn<float>("radians");
    QTest::addColumn<QString>("text");
    QTest::newRow("pi/2") << 1.5707964f << "90.000000 °";
    QTest::newRow("0") << 0.0f << "0.000000 °";
    QTest::newRow("55 degrees") << 0.95993108f << "54.999998 °";
    QTest::newRow("negative") << -0.5f << "-28.647889 °";
}

void TstF52Page::navigationDegrees()
{
    QFETCH(float, radians);
    F52::CMO_FormProperty_Navigation navigation(nullptr);
    navigation.setLatitudeF52(radians);
    navigation.setLongitudeF52(radians);
    QTEST(labelText(&navigation, "label_Width_Text"), "text");
    QTEST(labelText(&navigation, "label_Longitude_Text"), "text");
}

void TstF52Page::analogVolts()
{
    F52::CMO_FormProperty_Analog analog(nullptr);
    analog.setA1(12345);
    analog.setA2(65535);
    QCOMPARE(labelText(&analog, "label_A1_Text"), QStringLiteral("12.3 В"));
    QCOMPARE(labelText(&analog, "label_A2_Text"), QStringLiteral("65.5 В"));
    analog.setA1(0);
    QCOMPARE(labelText(&analog, "label_A1_Text"), QStringLiteral("0.0 В"));
    QCOMPARE(child<QPushButton>(&analog, "pushButton_ON_A1")->toolTip(), QStringLiteral("Разблокировать входную линию"));
    analog.setButtonsEnabled(false);
    QVERIFY(!child<QPushButton>(&analog, "pushButton_OFF_A2")->isEnabled());
}

QTEST_MAIN(TstF52Page)
#include "tst_f52_page.moc"
