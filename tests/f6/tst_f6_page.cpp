// The F-6 parameter page and its own property groups: the groups and their
// first texts, every record value in its group, the exact bytes each button
// sends, the buttons waiting for the answer, and the group setters at their
// boundaries.
#include "cmo_commandsink.h"
#include "cmo_formpropertyitem.h"
#include "f6_formproperty_analog.h"
#include "f6_formproperty_can.h"
#include "f6_formproperty_digital.h"
#include "f6_formproperty_temp.h"
#include "f6_session.h"
#include "f6_test_record.h"
#include "format_f6.h"
#include "kvz_formparam_f6.h"
#include "tmipage_f6.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

using namespace F6Test;

namespace {
int g_core;
std::vector<QByteArray> g_sent;

int hostCallback(void* target, int code, void* data, void*)
{
    if (target == &g_core && code == MSG_SEND_TO_DEVICE) {
        const auto* packet = static_cast<const TransportPacket*>(data);
        g_sent.push_back(QByteArray(reinterpret_cast<const char*>(packet->data), packet->length));
    }
    return 0;
}

QString text(const QWidget* root, const char* label)
{
    const auto* widget = root->findChild<QLabel*>(QLatin1String(label));
    return widget ? widget->text() : QStringLiteral("<no %1>").arg(QLatin1String(label));
}

bool shown(const QWidget* root, const char* name)
{
    const auto* widget = root->findChild<QWidget*>(QLatin1String(name));
    return widget && !widget->isHidden();
}

bool enabled(const QWidget* root, const char* name)
{
    const auto* widget = root->findChild<QWidget*>(QLatin1String(name));
    return widget && widget->isEnabled();
}
} // namespace

class TstF6Page : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sectionsAndFirstTexts();
    void noCommandBeforeTheFirstFill();
    void fillShowsEveryValue();
    void buttons_data();
    void buttons();
    void pendingKeepsButtonsDisabled();
    void freeTextLimit_data();
    void freeTextLimit();
    void commandsGroupSends();
    void analogSetters();
    void temperatureSetters_data();
    void temperatureSetters();
    void digitalSetters();
    void canSetters();
    void outputStates();
    void noPublishedPageSendsNothing();

private:
    void fill(const Record& record, uint8_t pending = 0);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<KVZ_FormParam_F6> m_page;
    F6Session* m_session = nullptr;   // listed in the plug-in's sessions
};

void TstF6Page::initTestCase()
{
    FormatF_6::instance().initialize(hostCallback, &g_core, nullptr);
}

void TstF6Page::init()
{
    m_dir.reset(new QTemporaryDir);
    QDir::setCurrent(m_dir->path());
    m_page.reset(new KVZ_FormParam_F6);
    TransportPacket open = packetOf("P1", PT_HANDSHAKE, kvzb("*>S:P1"));
    FormatF_6::instance().receiveMessage(MSG_SESSION_OPEN, &open, kvzIntArg(1));
    m_session = static_cast<F6Session*>(FormatF_6::instance().sessions()->findSession(QStringLiteral("P1")));
    QVERIFY(m_session);
    g_sent.clear();
}

void TstF6Page::cleanup()
{
    m_page.reset();
    QString name = QStringLiteral("P1");
    FormatF_6::instance().receiveMessage(MSG_SESSION_CLOSE, &name, kvzIntArg(1));
    m_session = nullptr;
    QDir::setCurrent(QDir::tempPath());
    m_dir.reset();
}

void TstF6Page::fill(const Record& record, uint8_t pending)
{
    TmiPage_F6 page;
    page.setRecord(record.data(), 111);
    m_page->showRecord(m_session, pending, QStringLiteral("P1"), QStringLiteral("-1"), &page);
}

void TstF6Page::sectionsAndFirstTexts()
{
    struct Section {
        const char* item;
        const char* group;
    };
    const Section sections[] = {
        {"widget_Command", "CMO_FormProperty_Commands"}, {"widget_Object", "CMO_FormProperty_Object"},
        {"widget_Event", "CMO_FormProperty_Event"}, {"widget_Work", "CMO_FormProperty_Work"},
        {"widget_GSM", "CMO_FormProperty_GSM"}, {"widget_In", "CMO_FormProperty_In"},
        {"widget_Analog", "F6::CMO_FormProperty_Analog"}, {"widget_Impuls", "CMO_FormProperty_Impuls"},
        {"widget_Frequency", "CMO_FormProperty_Frequency"}, {"widget_SH", "CMO_FormProperty_SH"},
        {"widget_Digital", "F6::CMO_FormProperty_Digital"}, {"widget_Out", "CMO_FormProperty_Out"},
        {"widget_Power", "CMO_FormProperty_Power"}, {"widget_Temp", "F6::CMO_FormProperty_Temp"},
        {"widget_CAN", "F6::CMO_FormProperty_CAN"}, {"widget_Navigation", "CMO_FormProperty_Navigation"}};
    for (const Section& s : sections) {
        auto* item = m_page->findChild<CMO_FormPropertyItem*>(QLatin1String(s.item));
        QVERIFY2(item, s.item);
        bool found = false;
        for (QWidget* child : item->findChildren<QWidget*>()) {
            if (QByteArray(child->metaObject()->className()) == s.group) {
                found = true;
                // only the Commands group starts folded
                QCOMPARE(child->isVisibleTo(item), QByteArray(s.item) != "widget_Command");
            }
        }
        QVERIFY2(found, s.group);
    }
    QCOMPARE(CMO_CommandSink::current(), static_cast<CMO_CommandSink*>(m_page.get()));

    // the F-6 groups before the first record
    QCOMPARE(text(m_page.get(), "label_D1_Temp"), QStringLiteral("Температура D1:"));
    QCOMPARE(text(m_page.get(), "label_D3_Level"), QStringLiteral("Уровень D3:"));
    QCOMPARE(text(m_page.get(), "label_D4_Temp"), QStringLiteral("Температура RS-485 D4"));
    QCOMPARE(text(m_page.get(), "label_D6_Level"), QStringLiteral("Уровень RS-485 D6"));
    QCOMPARE(text(m_page.get(), "label_RS232_Temp"), QStringLiteral("Температура RS-232"));
    QCOMPARE(text(m_page.get(), "label_RS232_Level"), QStringLiteral("Уровень RS-232"));
    QCOMPARE(text(m_page.get(), "label_D5_Temp_Value"), QStringLiteral("0  C"));
    QCOMPARE(text(m_page.get(), "label_RS232_Level_Value"), QStringLiteral("0"));
    QCOMPARE(text(m_page.get(), "label_Temp1_Title"), QStringLiteral("Температура Т1:"));
    QCOMPARE(text(m_page.get(), "label_Temp4_Title"), QStringLiteral("Температура Т4:"));
    QCOMPARE(text(m_page.get(), "label_Temp4_Value"), QStringLiteral("  C"));
    QVERIFY(!m_page->findChild<QLabel*>(QStringLiteral("label_Temp5_Value")));
    QCOMPARE(text(m_page.get(), "label_CAN_Fuel_Text"), QStringLiteral("Уровень топлива в баке"));
    QCOMPARE(text(m_page.get(), "label_CAN_Weight_Text"), QStringLiteral("Вес автомобиля по осям"));
    QCOMPARE(text(m_page.get(), "label_CAN_Weight_Value"), QString());
    QCOMPARE(text(m_page.get(), "label_A3"), QStringLiteral("A3:"));
    QCOMPARE(text(m_page.get(), "label_A1_Text"), QString());
    QVERIFY(!m_page->findChild<QLabel*>(QStringLiteral("label_A4")));
    QVERIFY(shown(m_page.get(), "pushButton_ON_A3"));
    auto* on1 = m_page->findChild<QPushButton*>(QStringLiteral("pushButton_ON_A1"));
    QCOMPARE(on1->toolTip(), QStringLiteral("Разблокировать входную линию"));
    QCOMPARE(m_page->findChild<QPushButton*>(QStringLiteral("pushButton_OFF_A1"))->toolTip(),
             QStringLiteral("Заблокировать входную линию"));
    QCOMPARE(m_page->findChild<QPushButton*>(QStringLiteral("pushButton_ON_A2"))->toolTip(), QString());
}

void TstF6Page::noCommandBeforeTheFirstFill()
{
    QTest::mousePress(m_page->findChild<QPushButton*>(QStringLiteral("pushButton_1Y")), Qt::LeftButton);
    QVERIFY(g_sent.empty());
    QVERIFY(!enabled(m_page.get(), "pushButton_1Y"));
}

void TstF6Page::fillShowsEveryValue()
{
    fill(fullRecord());
    const QWidget* p = m_page.get();
    QCOMPARE(text(p, "label_Name_Text"), QStringLiteral("P1"));
    QCOMPARE(text(p, "label_FullName_Text"), QStringLiteral("-1"));
    QCOMPARE(text(p, "label_Number_Text"), QStringLiteral("4294967295"));
    QCOMPARE(text(p, "label_Event_Text"), QStringLiteral("65535"));
    QVERIFY(text(p, "label_DateTime_Text").startsWith(QStringLiteral("13:45:30  31  ")));
    QCOMPARE(text(p, "label_IN1_Text"), QStringLiteral("сработал"));   // StateIn 0xA3
    QCOMPARE(text(p, "label_IN2_Text"), QStringLiteral("сработал"));
    QCOMPARE(text(p, "label_IN3_Text"), QStringLiteral("в норме"));
    QCOMPARE(text(p, "label_A1_Text"), QStringLiteral("0.0 В"));
    QCOMPARE(text(p, "label_A2_Text"), QStringLiteral("0.0 В"));
    QCOMPARE(text(p, "label_A3_Text"), QStringLiteral("32.8 В"));
    QCOMPARE(text(p, "label_I2_Text"), QStringLiteral("-2147483648"));   // "%d" of the counter
    QCOMPARE(text(p, "label_I3_Text"), QStringLiteral("7"));
    QCOMPARE(text(p, "label_F1_Text"), QStringLiteral("50"));
    QCOMPARE(text(p, "label_F2_Text"), QStringLiteral("65535"));
    QCOMPARE(text(p, "label_D1_Temp_Value"), QStringLiteral("-5 °С"));
    QCOMPARE(text(p, "label_D1_Level_Value"), QStringLiteral("100"));
    QCOMPARE(text(p, "label_D2_Level_Value"), QStringLiteral("65535"));
    QCOMPARE(text(p, "label_D3_Temp_Value"), QStringLiteral("-128 °С"));
    QCOMPARE(text(p, "label_D6_Level_Value"), QStringLiteral("4"));
    QCOMPARE(text(p, "label_RS232_Temp_Value"), QStringLiteral("-127 °С"));
    QCOMPARE(text(p, "label_RS232_Level_Value"), QStringLiteral("65534"));
    QCOMPARE(text(p, "label_Out1_Text"), QStringLiteral("активирован"));   // StateOut 0x05
    QCOMPARE(text(p, "label_Out2_Text"), QStringLiteral("выключен"));
    QCOMPARE(text(p, "label_Temp1_Value"), QStringLiteral("не используется"));
    QCOMPARE(text(p, "label_Temp2_Value"), QStringLiteral("-127 °С"));
    QCOMPARE(text(p, "label_Temp4_Value"), QStringLiteral("127 °С"));
    QCOMPARE(text(p, "label_CAN_Fuel_Value"), QStringLiteral("-128 %"));
    QCOMPARE(text(p, "label_CAN_FuelConsumption_Value"), QStringLiteral("-32768"));
    QCOMPARE(text(p, "label_CAN_Turns_Value"), QStringLiteral("65534"));
    QCOMPARE(text(p, "label_CAN_Weight_Value"), QStringLiteral("-2147483648"));
    QCOMPARE(text(p, "label_Width_Text"), QStringLiteral("-55 0.0000'"));
    QCOMPARE(text(p, "label_Altitude_Text"), QStringLiteral("-1 м"));
    QCOMPARE(text(p, "label_Speed_Text"), QStringLiteral("12.5 км/ч"));
    QCOMPARE(text(p, "label_AllSeconds_Text"), QStringLiteral("65535 c"));
    // the event group and the navigation group each have a label_DateTime_Text
    const QWidget* navigation = m_page->findChild<QWidget*>(QStringLiteral("widget_Navigation"));
    QVERIFY(text(navigation, "label_DateTime_Text").startsWith(QStringLiteral("23:59:58  1  ")));
    QVERIFY(text(navigation, "label_DateTime_Text").endsWith(QStringLiteral("  2000")));
    // analog rows shown, their lock buttons hidden; the pulse lines too
    for (const char* row : {"label_A1", "label_A2_Text", "label_A3_Icon"})
        QVERIFY2(shown(p, row), row);
    for (const char* button : {"pushButton_ON_A1", "pushButton_OFF_A2", "pushButton_ON_A3", "pushButton_OFF_A3",
                               "pushButton_ON_I2", "pushButton_OFF_I3"})
        QVERIFY2(!shown(p, button), button);
    // output 1 is on: only its off button; output 2 off: only its on button
    QVERIFY(!shown(p, "pushButton_1Y") && shown(p, "pushButton_1N"));
    QVERIFY(shown(p, "pushButton_2Y") && !shown(p, "pushButton_2N"));
}

void TstF6Page::buttons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("output 3 on") << "pushButton_3Y" << QByteArray("*!3Y");
    QTest::newRow("output 1 off") << "pushButton_1N" << QByteArray("*!1N");
    QTest::newRow("output 4 off") << "pushButton_4N" << QByteArray("*!4N");
    QTest::newRow("line 1 unlock") << "pushButton_ON_1" << QByteArray("*!ON:1");
    QTest::newRow("line 5 lock") << "pushButton_OFF_5" << QByteArray("*!OFF:5");
}

void TstF6Page::buttons()
{
    QFETCH(QString, button);
    // outputs 1 and 4 on, so their off buttons are shown; 3 off
    fill(Record().u8(16, 0x09));
    auto* widget = m_page->findChild<QPushButton*>(button);
    QVERIFY(widget && widget->isEnabled() && !widget->isHidden());
    QTest::mousePress(widget, Qt::LeftButton);
    QCOMPARE(int(g_sent.size()), 1);
    QTEST(g_sent[0], "bytes");
    QCOMPARE(int(m_session->commandPending()), 1);
    // Out, In and Commands wait for the answer
    for (const char* name : {"pushButton_3Y", "pushButton_1N", "pushButton_ON_1", "pushButton_OFF_5",
                             "pushButton_SendCommand"})
        QVERIFY2(!enabled(m_page.get(), name), name);
    QTest::mousePress(widget, Qt::LeftButton);
    QCOMPARE(int(g_sent.size()), 1);
}

// Lines 2, 3 (pulse group) and 4 to 6 (analog group) through their slots:
// the F-6 page hides those buttons, the senders still build the commands.
void TstF6Page::pendingKeepsButtonsDisabled()
{
    fill(Record());
    QVERIFY(enabled(m_page.get(), "pushButton_3Y"));
    auto* analog = m_page->findChild<F6::CMO_FormProperty_Analog*>();
    QVERIFY(QMetaObject::invokeMethod(analog, "slot_pressed_Btn_A3_Off"));
    QVERIFY(QMetaObject::invokeMethod(analog, "slot_pressed_Btn_On4"));
    QCOMPARE(g_sent, (std::vector<QByteArray>{"*!OFF:6", "*!ON:4"}));
    fill(Record().u32(1, 77), 1);
    QCOMPARE(text(m_page.get(), "label_Number_Text"), QStringLiteral("77"));
    QVERIFY(!enabled(m_page.get(), "pushButton_3Y"));
    QVERIFY(!enabled(m_page.get(), "pushButton_ON_2"));
    QVERIFY(!enabled(m_page.get(), "pushButton_SendCommand"));
    fill(Record(), 0);
    QVERIFY(enabled(m_page.get(), "pushButton_3Y"));
    QVERIFY(enabled(m_page.get(), "pushButton_OFF_4"));
}

void TstF6Page::freeTextLimit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("120 bytes") << QString(120, QLatin1Char('x')) << QByteArray(120, 'x');
    QTest::newRow("121 refused") << QString(121, QLatin1Char('x')) << QByteArray();
    QTest::newRow("windows-1251") << QStringLiteral("*!Тест") << QByteArray("*!\xD2\xE5\xF1\xF2");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TstF6Page::freeTextLimit()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    fill(Record());
    m_page->sendText(text);
    QCOMPARE(g_sent, bytes.isEmpty() ? std::vector<QByteArray>{} : std::vector<QByteArray>{bytes});
    QVERIFY(!enabled(m_page.get(), "pushButton_1Y"));
}

void TstF6Page::commandsGroupSends()
{
    fill(Record());
    auto* combo = m_page->findChild<QComboBox*>(QStringLiteral("comboBox"));
    combo->setCurrentIndex(1);
    auto* send = m_page->findChild<QPushButton*>(QStringLiteral("pushButton_SendCommand"));
    QVERIFY(send->isEnabled());
    QTest::mousePress(send, Qt::LeftButton);
    QCOMPARE(g_sent, std::vector<QByteArray>{"*?A"});
    QVERIFY(!send->isEnabled());
}

void TstF6Page::analogSetters()
{
    F6::CMO_FormProperty_Analog group;
    QCOMPARE(group.objectName(), QStringLiteral("CMO_FormProperty_AnalogClass"));
    QCOMPARE(group.size(), QSize(335, 73));
    group.setA1(12345);
    group.setA2(0);
    group.setA3(65535);
    QCOMPARE(text(&group, "label_A1_Text"), QStringLiteral("12.3 В"));
    QCOMPARE(text(&group, "label_A2_Text"), QStringLiteral("0.0 В"));
    QCOMPARE(text(&group, "label_A3_Text"), QStringLiteral("65.5 В"));
    group.setA2State(true, true);
    QVERIFY(shown(&group, "label_A2") && shown(&group, "pushButton_ON_A2") && shown(&group, "pushButton_OFF_A2"));
    group.setA2State(true, false);
    for (const char* name : {"label_A2_Icon", "label_A2", "label_A2_Text", "pushButton_ON_A2", "pushButton_OFF_A2"})
        QVERIFY2(!shown(&group, name), name);
    group.setA3State(false, true);
    QVERIFY(shown(&group, "label_A3_Text") && !shown(&group, "pushButton_ON_A3"));
}

void TstF6Page::temperatureSetters_data()
{
    QTest::addColumn<int>("degrees");
    QTest::addColumn<QString>("shown");
    QTest::newRow("-128") << -128 << QStringLiteral("не используется");
    QTest::newRow("-127") << -127 << QStringLiteral("-127 °С");
    QTest::newRow("0") << 0 << QStringLiteral("0 °С");
    QTest::newRow("127") << 127 << QStringLiteral("127 °С");
}

void TstF6Page::temperatureSetters()
{
    QFETCH(int, degrees);
    F6::CMO_FormProperty_Temp group;
    QCOMPARE(group.size(), QSize(335, 108));
    group.setTemp1(degrees);
    group.setTemp4(degrees);
    QTEST(text(&group, "label_Temp1_Value"), "shown");
    QTEST(text(&group, "label_Temp4_Value"), "shown");
    QCOMPARE(text(&group, "label_Temp2_Value"), QStringLiteral("  C"));
}

void TstF6Page::digitalSetters()
{
    F6::CMO_FormProperty_Digital group;
    group.setTemp2(-5);
    group.setTemp6(0);
    group.setTempRS232(-128);   // no special text here
    group.setLevel1(65535);
    group.setLevelRS232(0);
    QCOMPARE(text(&group, "label_D2_Temp_Value"), QStringLiteral("-5 °С"));
    QCOMPARE(text(&group, "label_D6_Temp_Value"), QStringLiteral("0 °С"));
    QCOMPARE(text(&group, "label_RS232_Temp_Value"), QStringLiteral("-128 °С"));
    QCOMPARE(text(&group, "label_D1_Level_Value"), QStringLiteral("65535"));
    QCOMPARE(text(&group, "label_RS232_Level_Value"), QStringLiteral("0"));
    QCOMPARE(text(&group, "label_D1_Temp_Value"), QStringLiteral("0  C"));
}

void TstF6Page::canSetters()
{
    F6::CMO_FormProperty_CAN group;
    QCOMPARE(group.objectName(), QStringLiteral("CMO_FormProperty_CAN"));
    group.setFuelLevel(QStringLiteral("55 %"));
    group.setFuelConsumption(QStringLiteral("<b>n/a"));
    group.setEngineTurns(QString());
    group.setWeight(QStringLiteral("%1"));
    QCOMPARE(text(&group, "label_CAN_Fuel_Value"), QStringLiteral("55 %"));
    QCOMPARE(text(&group, "label_CAN_FuelConsumption_Value"), QStringLiteral("<b>n/a"));
    QCOMPARE(text(&group, "label_CAN_Turns_Value"), QString());
    QCOMPARE(text(&group, "label_CAN_Weight_Value"), QStringLiteral("%1"));
}

void TstF6Page::outputStates()
{
    fill(Record().u8(16, 0x04));
    QVERIFY(!shown(m_page.get(), "pushButton_3Y") && shown(m_page.get(), "pushButton_3N"));
    QCOMPARE(text(m_page.get(), "label_Out3_Text"), QStringLiteral("активирован"));
    fill(Record().u8(16, 0x00));
    QVERIFY(shown(m_page.get(), "pushButton_3Y") && !shown(m_page.get(), "pushButton_3N"));
    QCOMPARE(text(m_page.get(), "label_Out3_Text"), QStringLiteral("выключен"));
}

void TstF6Page::noPublishedPageSendsNothing()
{
    fill(Record());
    m_page.reset();
    QVERIFY(!CMO_CommandSink::current());
    F6::CMO_FormProperty_Analog group;
    QVERIFY(QMetaObject::invokeMethod(&group, "slot_pressed_Btn_On5"));
    QVERIFY(g_sent.empty());
}

QTEST_MAIN(TstF6Page)
#include "tst_f6_page.moc"
