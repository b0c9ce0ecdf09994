// The F-4 page and its own groups: every value of a shown record in its
// group, the guard, input-line, output and temperature setters at their
// boundaries, the exact bytes each button sends, and the buttons waiting
// for the terminal's answer.
#include "cmo_commandsink.h"
#include "cmo_formproperty_in.h"
#include "cmo_formproperty_temp.h"
#include "cmo_formproperty_work.h"
#include "f4_session.h"
#include "f4_test_encoder.h"
#include "format_f4.h"
#include "kvz_formparam_f4.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <ctime>
#include <vector>

using namespace F4Test;
using ZirnTest::kvzb;

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

QImage picture(const char* name)
{
    return QPixmap(QStringLiteral(":/Images/Resources/images/") + QLatin1String(name)
                   + QStringLiteral(".png")).toImage();
}

QImage shownPicture(const QLabel* label)
{
    return label->pixmap(Qt::ReturnByValue).toImage();
}

template <typename T> T* child(QWidget* parent, const char* name)
{
    T* widget = parent->findChild<T*>(QLatin1String(name));
    if (!widget)
        qWarning("no widget %s", name);
    return widget;
}

// Record values that tell every group's labels apart.
QByteArray pageRecord(uint8_t stateOut, uint8_t protection)
{
    Fields f;
    f.numPage = 4000000000u;
    f.code = 321;
    f.hour = 8;
    f.min = 5;
    f.sec = 9;
    f.day = 2;
    f.month = 0;
    f.year = 26;
    f.protection = protection;
    f.module = 0x61;
    f.gsm = 99;
    f.stateOut = stateOut;
    f.stateIn = 0xFF81;   // the high byte shows nowhere
    f.power = 12345;
    f.reserv = 65535;
    f.temp1 = 0;
    f.temp2 = -128;
    f.temp3 = -5;
    f.temp4 = 127;
    return encode(f);
}

const char* const kButtons[] = {"pushButton_GN", "pushButton_GY", "pushButton_G2", "pushButton_1Y",
                                "pushButton_1N", "pushButton_4Y", "pushButton_4N", "pushButton_ON_1",
                                "pushButton_OFF_1", "pushButton_ON_8", "pushButton_OFF_8",
                                "pushButton_SendCommand"};
} // namespace

class TstF4Page : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void guardGroup_data();
    void guardGroup();
    void guardButtonsDisabled();
    void inputLineStates_data();
    void inputLineStates();
    void inputLineBeyondItsStates();
    void temperatures_data();
    void temperatures();
    void sectionsAndFolding();
    void recordReachesEveryGroup();
    void outputs();
    void senders_data();
    void senders();
    void commandsGroupSends_data();
    void commandsGroupSends();
    void freeTextLimit_data();
    void freeTextLimit();
    void buttonsWaitForTheAnswer_data();
    void buttonsWaitForTheAnswer();
    void pendingFillUpdatesValues();
    void closedSessionSendsNothing();

private:
    void packet(int type, const QByteArray& data, bool selected = true);
    bool buttonsEnabled() const;
    QPushButton* button(const char* name) const { return child<QPushButton>(m_page, name); }
    QString text(const char* name) const { return child<QLabel>(m_page, name)->text(); }

    QTemporaryDir m_dir;
    QString m_oldDir;
    KVZ_FormParam_F4* m_page = nullptr;
    TransportPacket m_open;
};

void TstF4Page::initTestCase()
{
    qputenv("TZ", "UTC");
    tzset();
    m_oldDir = QDir::currentPath();
    QDir::setCurrent(m_dir.path());

    // before any page exists a button sends nothing
    {
        CMO_FormProperty_Work work;
        CMO_FormProperty_In in;
        QTest::mousePress(child<QPushButton>(&work, "pushButton_G3"), Qt::LeftButton);
        QTest::mousePress(child<QPushButton>(&in, "pushButton_OFF_8"), Qt::LeftButton);
    }

    FormatF_4& plugin = FormatF_4::instance();
    plugin.initialize(hostCallback, &g_core, nullptr);
    plugin.receiveMessage(MSG_WINDOW_READY, nullptr, nullptr);
    m_page = plugin.page();
    QVERIFY(m_page);
    QVERIFY(g_sent.empty());
    QCOMPARE(CMO_CommandSink::current(), static_cast<CMO_CommandSink*>(m_page));
    m_open = f4Packet("P1", PT_HANDSHAKE, kvzb("*>S:P1"));
    m_open.deviceId = 0xFFFFFFFE;
    plugin.receiveMessage(MSG_SESSION_OPEN, &m_open, kvzIntArg(1));
}

void TstF4Page::cleanupTestCase()
{
    QDir::setCurrent(m_oldDir);
}

// Each row starts from a shown record with no command pending.
void TstF4Page::init()
{
    packet(PT_STATE, "*#A" + pageRecord(0x05, 0x00));
    QVERIFY(buttonsEnabled());
    g_sent.clear();
}

void TstF4Page::packet(int type, const QByteArray& data, bool selected)
{
    TransportPacket p = f4Packet("P1", type, kvzb(data));
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    out.selected = selected ? 1 : 0;
    FormatF_4::instance().receiveMessage(MSG_SESSION_PACKET, &p, &out);
}

bool TstF4Page::buttonsEnabled() const
{
    bool all = true;
    bool none = true;
    for (const char* name : kButtons) {
        const bool enabled = button(name)->isEnabled();
        all = all && enabled;
        none = none && !enabled;
    }
    if (!all && !none)
        qWarning("command buttons are partly enabled");
    return all && !button("pushButton_G3")->isHidden();
}

void TstF4Page::guardGroup_data()
{
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("alarm");
    QTest::addColumn<uint>("mode");
    QTest::addColumn<QString>("alarmText");
    QTest::addColumn<QString>("modeText");
    QTest::addColumn<QString>("visible");   // GY GN G2 G3, 1 visible
    QTest::newRow("mode 0") << true << 0 << 0u << "нет" << "наблюдение" << "1011";
    QTest::newRow("mode 1, alarm 2") << true << 2 << 1u << "тревога" << "охрана" << "0111";
    QTest::newRow("mode 2") << true << 1 << 2u << "тревога" << "доп. режим 1" << "1101";
    QTest::newRow("mode 3") << true << -1 << 3u << "тревога" << "доп. режим 2" << "1110";
    QTest::newRow("not shown") << false << 0 << 2u << "нет" << "доп. режим 1" << "0000";
}

void TstF4Page::guardGroup()
{
    QFETCH(bool, shown);
    QFETCH(int, alarm);
    QFETCH(uint, mode);
    QFETCH(QString, alarmText);
    QFETCH(QString, modeText);
    QFETCH(QString, visible);
    static const char* const pictures[] = {"guardProfile0", "guardProfile1", "guardProfile2", "guardProfile3"};
    CMO_FormProperty_Work work;
    work.setState(shown, alarm, mode);
    QCOMPARE(child<QLabel>(&work, "label_Alarm_Text")->text(), alarmText);
    QCOMPARE(child<QLabel>(&work, "label_Work_Text")->text(), modeText);
    QCOMPARE(shownPicture(child<QLabel>(&work, "label_Alarm_Icon")), picture(alarm ? "alarm" : "noAlarm"));
    QCOMPARE(shownPicture(child<QLabel>(&work, "label_Work_Icon")), picture(pictures[mode]));
    QVERIFY(!picture(pictures[mode]).isNull());
    QString seen;
    for (const char* name : {"pushButton_GY", "pushButton_GN", "pushButton_G2", "pushButton_G3"})
        seen += child<QPushButton>(&work, name)->isHidden() ? QLatin1Char('0') : QLatin1Char('1');
    QCOMPARE(seen, visible);
    QCOMPARE(child<QLabel>(&work, "label_Alarm")->text(), QStringLiteral("Тревожное оповещение:"));
    QCOMPARE(child<QLabel>(&work, "label_Work")->text(), QStringLiteral("Режим работы:"));
    QCOMPARE(child<QPushButton>(&work, "pushButton_G2")->toolTip(), QStringLiteral("Поставить в профиль охраны 1"));
    QCOMPARE(child<QPushButton>(&work, "pushButton_G3")->toolTip(), QStringLiteral("Поставить в профиль охраны 2"));
}

// Disabling keeps the visibility of GN, GY, G2 and hides G3; a record shown
// after it sets the visibility by the mode again, G3 enabled.
void TstF4Page::guardButtonsDisabled()
{
    CMO_FormProperty_Work work;
    work.setState(true, 0, 1);
    work.setButtonsEnabled(false);
    for (const char* name : {"pushButton_GN", "pushButton_G2"}) {
        QVERIFY(!child<QPushButton>(&work, name)->isEnabled());
        QVERIFY(!child<QPushButton>(&work, name)->isHidden());
    }
    QVERIFY(child<QPushButton>(&work, "pushButton_GY")->isHidden());
    QVERIFY(child<QPushButton>(&work, "pushButton_G3")->isHidden());
    QVERIFY(child<QPushButton>(&work, "pushButton_G3")->isEnabled());
    work.setState(true, 0, 1);
    QVERIFY(!child<QPushButton>(&work, "pushButton_G3")->isHidden());
    work.setButtonsEnabled(true);
    QVERIFY(child<QPushButton>(&work, "pushButton_GN")->isEnabled());
    work.setState(true, 0, 3);
    work.setButtonsEnabled(true);
    QVERIFY(!child<QPushButton>(&work, "pushButton_G3")->isHidden());   // shown again, whatever the mode
}

void TstF4Page::inputLineStates_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<uint>("state");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("lamp");
    QTest::newRow("I1 0") << 1 << 0u << "в норме" << "greenLamp";
    QTest::newRow("I2 3") << 2 << 3u << "сработал" << "redLamp";
    QTest::newRow("I4 -1") << 4 << uint(-1) << "сработал" << "redLamp";
    QTest::newRow("I5 2") << 5 << 2u << "обрыв" << "greenRedLamp";
    QTest::newRow("I6 4") << 6 << 4u << "внимание" << "yellowLamp";
    QTest::newRow("I7 3") << 7 << 3u << "замыкание" << "blueLamp";
    QTest::newRow("I8 1") << 8 << 1u << "сработал" << "redLamp";
}

void TstF4Page::inputLineStates()
{
    QFETCH(int, line);
    QFETCH(uint, state);
    QFETCH(QString, word);
    QFETCH(QString, lamp);
    CMO_FormProperty_In in;
    switch (line) {
    case 1: in.setIn1(int(state)); break;
    case 2: in.setIn2(int(state)); break;
    case 4: in.setIn4(int(state)); break;
    case 5: in.setIn5(state); break;
    case 6: in.setIn6(state); break;
    case 7: in.setIn7(state); break;
    case 8: in.setIn8(state); break;
    }
    const QByteArray n = QByteArray::number(line);
    QCOMPARE(child<QLabel>(&in, "label_IN" + n + "_Text")->text(), word);
    QCOMPARE(shownPicture(child<QLabel>(&in, "label_In" + n + "_Icon")), picture(lamp.toLatin1().constData()));
    QVERIFY(!picture(lamp.toLatin1().constData()).isNull());
    QCOMPARE(child<QLabel>(&in, "label_IN" + n)->text(), QStringLiteral("Вход I") + QString::number(line) + ":");
    QCOMPARE(child<QPushButton>(&in, "pushButton_ON_" + n)->toolTip(), QStringLiteral("Разблокировать входную линию"));
    QCOMPARE(child<QPushButton>(&in, "pushButton_OFF_" + n)->toolTip(), QStringLiteral("Заблокировать входную линию"));
}

void TstF4Page::inputLineBeyondItsStates()
{
    CMO_FormProperty_In in;
    in.setIn5(3);
    in.setIn5(5);
    QCOMPARE(child<QLabel>(&in, "label_IN5_Text")->text(), QStringLiteral("замыкание"));
    in.setIn7(2);
    in.setIn7(4);
    QCOMPARE(child<QLabel>(&in, "label_IN7_Text")->text(), QStringLiteral("обрыв"));
    QCOMPARE(shownPicture(child<QLabel>(&in, "label_In7_Icon")), picture("greenRedLamp"));
    in.setIn8(4);
    QCOMPARE(child<QLabel>(&in, "label_IN8_Text")->text(), QString());
    in.setButtonsEnabled(false);
    for (int line = 1; line <= 8; ++line) {
        const QByteArray n = QByteArray::number(line);
        QVERIFY(!child<QPushButton>(&in, "pushButton_ON_" + n)->isEnabled());
        QVERIFY(!child<QPushButton>(&in, "pushButton_OFF_" + n)->isEnabled());
    }
}

void TstF4Page::temperatures_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("-128") << -128 << "не подключен";
    QTest::newRow("-127") << -127 << "-127 °С";
    QTest::newRow("0") << 0 << "0 °С";
    QTest::newRow("127") << 127 << "127 °С";
}

void TstF4Page::temperatures()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    CMO_FormProperty_Temp temp;
    QCOMPARE(child<QLabel>(&temp, "label_Temp4_Value")->text(), QStringLiteral("  C"));
    temp.setTemp1(value);
    temp.setTemp4(value);
    QCOMPARE(child<QLabel>(&temp, "label_Temp1_Value")->text(), text);
    QCOMPARE(child<QLabel>(&temp, "label_Temp4_Value")->text(), text);
    QCOMPARE(child<QLabel>(&temp, "label_Temp2_Value")->text(), QStringLiteral("  C"));
    QCOMPARE(child<QLabel>(&temp, "label_Temp3_Title")->text(), QStringLiteral("Температура"));
    QVERIFY(!temp.findChild<QLabel*>(QStringLiteral("label_Temp5_Value")));
}

void TstF4Page::sectionsAndFolding()
{
    QCOMPARE(m_page->objectName(), QStringLiteral("KVZ_FormParam_F4Class"));
    const char* const contents[] = {"CMO_FormProperty_ObjectClass", "CMO_FormProperty_EventClass",
                                    "CMO_FormProperty_WorkClass", "CMO_FormProperty_InClass",
                                    "CMO_FormProperty_OutClass", "CMO_FormProperty_PowerClass",
                                    "CMO_FormProperty_TempClass", "CMO_FormProperty_GSMClass"};
    for (const char* name : contents) {
        QWidget* group = child<QWidget>(m_page, name);
        QVERIFY2(group && group->isVisibleTo(m_page), name);
    }
    QWidget* commands = child<QWidget>(m_page, "CMO_FormProperty_CommandsClass");
    QVERIFY(commands);
    QVERIFY(!commands->isVisibleTo(m_page));
    for (const char* absent : {"CMO_FormProperty_NavigationClass", "CMO_FormProperty_AnalogClass",
                               "CMO_FormProperty_ImpulsClass"})
        QVERIFY2(!m_page->findChild<QWidget*>(QLatin1String(absent)), absent);
    QVERIFY(child<QWidget>(m_page, "CMO_FormProperty_InClass")->findChild<QLabel*>(QStringLiteral("label_IN8")));
}

void TstF4Page::recordReachesEveryGroup()
{
    packet(PT_RECORD, "*>T" + pageRecord(0x0A, 0x83));
    QCOMPARE(text("label_Name_Text"), QStringLiteral("P1"));
    QCOMPARE(text("label_FullName_Text"), QStringLiteral("-2"));
    QCOMPARE(text("label_Number_Text"), QStringLiteral("4000000000"));
    QCOMPARE(text("label_Event_Text"), QStringLiteral("321"));
    QCOMPARE(text("label_DateTime_Text"), QStringLiteral("08:05:09  02.01.2026"));
    QCOMPARE(text("label_Alarm_Text"), QStringLiteral("тревога"));
    QCOMPARE(text("label_Work_Text"), QStringLiteral("доп. режим 2"));
    QVERIFY(button("pushButton_G3")->isHidden());
    QVERIFY(!button("pushButton_GY")->isHidden());
    const char* const inputs[] = {"сработал", "в норме", "в норме", "в норме", "в норме", "в норме", "в норме",
                                  "сработал"};
    for (int line = 1; line <= 8; ++line)
        QCOMPARE(text(("label_IN" + QByteArray::number(line) + "_Text").constData()),
                 QString::fromUtf8(inputs[line - 1]));
    QCOMPARE(text("label_Out1_Text"), QStringLiteral("выключен"));
    QCOMPARE(text("label_Out2_Text"), QStringLiteral("активирован"));
    QCOMPARE(text("label_Out3_Text"), QStringLiteral("выключен"));
    QCOMPARE(text("label_Out4_Text"), QStringLiteral("активирован"));
    QCOMPARE(text("label_Power_Text"), QStringLiteral("12.3 В"));
    QCOMPARE(text("label_Reserve_Text"), QStringLiteral("65.5 В"));
    QCOMPARE(text("label_Temp1_Value"), QStringLiteral("0 °С"));
    QCOMPARE(text("label_Temp2_Value"), QStringLiteral("не подключен"));
    QCOMPARE(text("label_Temp3_Value"), QStringLiteral("-5 °С"));
    QCOMPARE(text("label_Temp4_Value"), QStringLiteral("127 °С"));
    QCOMPARE(text("label_GSM_Text"), QStringLiteral("Роуминг"));
    QCOMPARE(text("label_GSM_Level_Text"), QStringLiteral("99%"));
}

// Outputs 1 and 3 active show their off buttons, 2 and 4 their on buttons;
// bits 4 to 7 show nothing.
void TstF4Page::outputs()
{
    packet(PT_RECORD, "*>T" + pageRecord(0xF5, 0x00));
    for (int n = 1; n <= 4; ++n) {
        const QByteArray k = QByteArray::number(n);
        const bool active = n % 2 == 1;
        QCOMPARE(text(("label_Out" + k + "_Text").constData()),
                 active ? QStringLiteral("активирован") : QStringLiteral("выключен"));
        QCOMPARE(button(("pushButton_" + k + "Y").constData())->isHidden(), active);
        QCOMPARE(button(("pushButton_" + k + "N").constData())->isHidden(), !active);
    }
    m_page->setCommandsEnabled(false);
    QVERIFY(!button("pushButton_1N")->isEnabled());
    QVERIFY(!button("pushButton_2Y")->isEnabled());
    QVERIFY(!button("pushButton_1N")->isHidden());
    QVERIFY(button("pushButton_1Y")->isHidden());
}

void TstF4Page::senders_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("GY") << QByteArray("pushButton_GY") << QByteArray("*!GY");
    QTest::newRow("G2") << QByteArray("pushButton_G2") << QByteArray("*!G2");
    QTest::newRow("G3") << QByteArray("pushButton_G3") << QByteArray("*!G3");
    QTest::newRow("1Y") << QByteArray("pushButton_2Y") << QByteArray("*!2Y");
    QTest::newRow("3N") << QByteArray("pushButton_3N") << QByteArray("*!3N");
    QTest::newRow("4Y") << QByteArray("pushButton_4Y") << QByteArray("*!4Y");
    QTest::newRow("ON_8") << QByteArray("pushButton_ON_8") << QByteArray("*!ON:8");
    QTest::newRow("OFF_7") << QByteArray("pushButton_OFF_7") << QByteArray("*!OFF:7");
    QTest::newRow("OFF_8") << QByteArray("pushButton_OFF_8") << QByteArray("*!OFF:8");
    QTest::newRow("ON_1") << QByteArray("pushButton_ON_1") << QByteArray("*!ON:1");
}

void TstF4Page::senders()
{
    QFETCH(QByteArray, button);
    QFETCH(QByteArray, sent);
    QPushButton* b = this->button(button.constData());
    QVERIFY(!b->isHidden());
    QTest::mousePress(b, Qt::LeftButton);
    QCOMPARE(int(g_sent.size()), 1);
    QCOMPARE(g_sent[0], sent);
    QVERIFY(!buttonsEnabled());
    QCOMPARE(int(m_page->currentSession()->commandPending()), 1);
}

void TstF4Page::commandsGroupSends_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("apn");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("model") << 0 << "apn" << "" << QByteArray("*?V");
    QTest::newRow("state") << 1 << "" << "" << QByteArray("*?A");
    QTest::newRow("RFU with APN") << 2 << "internet" << "" << QByteArray("*!CNCT_RFU:10.0.0.7:9000:1.2.3:internet::");
    QTest::newRow("RCS with password") << 3 << "" << "пароль" << QByteArray("*!CNCT_RCS:10.0.0.7:9000:5:::\xEF\xE0\xF0\xEE\xEB\xFC");
    QTest::newRow("RCS plain") << 3 << "" << "" << QByteArray("*!CNCT_RCS:10.0.0.7:9000:5");
}

void TstF4Page::commandsGroupSends()
{
    QFETCH(int, index);
    QFETCH(QString, apn);
    QFETCH(QString, password);
    QFETCH(QByteArray, sent);
    child<QComboBox>(m_page, "comboBox")->setCurrentIndex(index);
    const char* const ip[] = {"lineEdit_IP_1", "lineEdit_IP_2", "lineEdit_IP_3", "lineEdit_IP_4"};
    const char* const ipValues[] = {"10", "0", "", "7"};
    for (int i = 0; i < 4; ++i)
        child<QLineEdit>(m_page, ip[i])->setText(QLatin1String(ipValues[i]));
    child<QLineEdit>(m_page, "lineEdit_Fw_1")->setText(QStringLiteral("1"));
    child<QLineEdit>(m_page, "lineEdit_Fw_2")->setText(QStringLiteral("2"));
    child<QLineEdit>(m_page, "lineEdit_Fw_3")->setText(QStringLiteral("3"));
    child<QSpinBox>(m_page, "spinBox_Port")->setValue(9000);
    child<QSpinBox>(m_page, "spinBox_Type")->setValue(5);
    child<QLineEdit>(m_page, "lineEdit_APN")->setText(apn);
    child<QLineEdit>(m_page, "lineEdit_Login")->setText(QString());
    child<QLineEdit>(m_page, "lineEdit_Psw")->setText(password);
    QPushButton* send = button("pushButton_SendCommand");
    QVERIFY(send->isEnabled());
    QTest::mousePress(send, Qt::LeftButton);
    QCOMPARE(int(g_sent.size()), 1);
    QCOMPARE(g_sent[0], sent);
    QVERIFY(!send->isEnabled());
}

void TstF4Page::freeTextLimit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("sent");
    QTest::newRow("120") << QString(120, QLatin1Char('x')) << true;
    QTest::newRow("120 Cyrillic") << QString(120, QChar(0x0416)) << true;
    QTest::newRow("121") << QString(121, QLatin1Char('x')) << false;
    QTest::newRow("empty") << QString() << false;
}

void TstF4Page::freeTextLimit()
{
    QFETCH(QString, text);
    QFETCH(bool, sent);
    m_page->sendCommand(text);
    QCOMPARE(int(g_sent.size()), sent ? 1 : 0);
    if (sent)
        QCOMPARE(g_sent[0], KvzText::toCp1251(text));
    QVERIFY(!buttonsEnabled());
}

void TstF4Page::buttonsWaitForTheAnswer_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("*@C") << int(PT_COMMAND_ANSWER) << QByteArray("*@C") + pageRecord(0, 0);
    QTest::newRow("*#V") << int(PT_VERSION) << QByteArray("*#V:F4:1");
    QTest::newRow("*#A") << int(PT_STATE) << QByteArray("*#A");
}

void TstF4Page::buttonsWaitForTheAnswer()
{
    QFETCH(int, type);
    QFETCH(QByteArray, data);
    QTest::mousePress(button("pushButton_GN"), Qt::LeftButton);
    QCOMPARE(g_sent.size(), size_t(1));
    packet(PT_RECORD, "*>T" + pageRecord(0, 0));
    packet(PT_PING, QByteArray());
    QVERIFY(!buttonsEnabled());
    packet(type, data, false);   // not selected: the page is not told yet
    QVERIFY(!buttonsEnabled());
    QString name = QStringLiteral("P1");
    FormatF_4::instance().receiveMessage(MSG_SESSION_SHOW, &name, nullptr);
    QVERIFY(buttonsEnabled());
}

void TstF4Page::pendingFillUpdatesValues()
{
    QTest::mousePress(button("pushButton_1Y"), Qt::LeftButton);
    packet(PT_RECORD, "*>T" + pageRecord(0x01, 0x01));
    QCOMPARE(text("label_Out1_Text"), QStringLiteral("активирован"));
    QCOMPARE(text("label_Work_Text"), QStringLiteral("охрана"));
    QVERIFY(!button("pushButton_GN")->isEnabled());
    QVERIFY(!button("pushButton_G3")->isHidden());   // set by the mode after the disabling
    QVERIFY(!button("pushButton_1N")->isEnabled());
}

// Runs last: once its session is closed, a button reaches no terminal.
void TstF4Page::closedSessionSendsNothing()
{
    QString name = QStringLiteral("P1");
    FormatF_4::instance().receiveMessage(MSG_SESSION_CLOSE, &name, kvzIntArg(1));
    QVERIFY(!m_page->currentSession());
    m_page->setCommandsEnabled(true);
    QTest::mousePress(button("pushButton_GN"), Qt::LeftButton);
    QTest::mousePress(button("pushButton_ON_3"), Qt::LeftButton);
    QVERIFY(g_sent.empty());
    QVERIFY(!button("pushButton_ON_3")->isEnabled());
}

QTEST_MAIN(TstF4Page)
#include "tst_f4_page.moc"
