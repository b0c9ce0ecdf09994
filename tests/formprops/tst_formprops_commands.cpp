// The command group: entries, typed fields and the enabled flag decide
// whether Send is enabled and which exact text a press sends.
#include "formprops_testkit.h"

#include "cmo_formproperty_commands.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using TestKit::child;

namespace {

// Types text key by key, as a person would (so the validators apply).
void type(QLineEdit* edit, const QString& text)
{
    edit->clear();
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(0), QString(c), Qt::NoModifier);
}

struct Fixture {
    RecordingSink page;
    CMO_FormProperty_Commands group;
    QComboBox* combo;
    QPushButton* send;

    Fixture()
    {
        CMO_CommandSink::setCurrent(&page, &page);
        group.show();
        combo = child<QComboBox>(&group, "comboBox");
        send = child<QPushButton>(&group, "pushButton_SendCommand");
    }
    ~Fixture() { CMO_CommandSink::setCurrent(nullptr, nullptr); }
    QLineEdit* edit(const char* name) { return child<QLineEdit>(&group, name); }
    QSpinBox* spin(const char* name) { return child<QSpinBox>(&group, name); }
    void choose(int index)
    {
        // Through another entry, so that choosing always runs.
        combo->setCurrentIndex(index == 0 ? 1 : 0);
        combo->setCurrentIndex(index);
    }
    QStringList pressSend()
    {
        QTest::mousePress(send, Qt::LeftButton);
        return page.calls;
    }
};

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT
private slots:
    void initialState();
    void table_data();
    void table();
    void entryFieldsAndCaptions();
    void flagAndEntryZeroOrOne();
    void sendIgnoresOtherFields();
    void loginFieldsLimitedToTheSendersBuffer();
    void loginFieldsRefuseWhatCannotBeSent_data();
    void loginFieldsRefuseWhatCannotBeSent();
    void noEntrySendsNothing();
    void ipAndFirmwareTexts();
};

void TestCommands::initialState()
{
    Fixture f;
    QCOMPARE(f.group.objectName(), QString("CMO_FormProperty_CommandsClass"));
    QCOMPARE(f.combo->count(), 4);
    QCOMPARE(f.combo->itemText(0), QString("Запрос модели устройства"));
    QCOMPARE(f.combo->itemText(1), QString("Запрос текущего состояния"));
    QCOMPARE(f.combo->itemText(2), QString("Соединение с RFU"));
    QCOMPARE(f.combo->itemText(3), QString("Соединение с конфигуратором через RCS"));
    QCOMPARE(f.combo->currentIndex(), 0);
    QVERIFY(!child<QFrame>(&f.group, "frame_2")->isVisible());
    QVERIFY(f.send->isEnabled());
    QCOMPARE(f.send->text(), QString("Отправить"));
    QVERIFY(f.page.calls.isEmpty());   // filling the list sent nothing
}

void TestCommands::table_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<QStringList>("ip");        // empty list: keep the default
    QTest::addColumn<int>("port");              // -1: keep the default
    QTest::addColumn<QStringList>("firmware");  // empty list: keep the default
    QTest::addColumn<int>("session");           // -1: keep the default
    QTest::addColumn<QStringList>("login");     // APN, login, password; empty list: none
    QTest::addColumn<bool>("sendEnabled");
    QTest::addColumn<QString>("command");       // empty: nothing is sent

    const QStringList none;
    const QStringList ip10 = {"10", "1", "2", "3"};
    QTest::newRow("model") << 0 << true << none << -1 << none << -1 << none << true << "*?V";
    QTest::newRow("state") << 1 << true << none << -1 << none << -1 << none << true << "*?A";
    QTest::newRow("model, page disabled") << 0 << false << none << -1 << none << -1 << none << true << "*?V";
    QTest::newRow("state, page disabled") << 1 << false << none << -1 << none << -1 << none << true << "*?A";
    QTest::newRow("rfu, default address") << 2 << true << none << -1 << none << -1 << none << false << "";
    QTest::newRow("rfu, 0.0.0.1") << 2 << true << QStringList{"", "", "", "1"} << -1 << none << -1 << none
                                  << true << "*!CNCT_RFU:0.0.0.1:9000:99.99.99";
    QTest::newRow("rfu, typed zeros") << 2 << true << QStringList{"0", "0", "", "0"} << -1 << none << -1 << none
                                      << false << "";
    QTest::newRow("rfu, 00 is not 0") << 2 << true << QStringList{"00", "", "", ""} << -1 << none << -1 << none
                                      << true << "*!CNCT_RFU:00.0.0.0:9000:99.99.99";
    QTest::newRow("rfu, firmware 1") << 2 << true << ip10 << -1 << QStringList{"1", "", ""} << -1 << none
                                     << true << "*!CNCT_RFU:10.1.2.3:9000:1.0.0";
    QTest::newRow("rfu, no firmware") << 2 << true << ip10 << -1 << QStringList{"", "", ""} << -1 << none
                                      << false << "";
    QTest::newRow("rfu, APN only") << 2 << true << ip10 << -1 << none << -1 << QStringList{"internet", "", ""}
                                   << true << "*!CNCT_RFU:10.1.2.3:9000:99.99.99:internet::";
    QTest::newRow("rfu, password only") << 2 << true << ip10 << -1 << none << -1 << QStringList{"", "", "pw"}
                                        << true << "*!CNCT_RFU:10.1.2.3:9000:99.99.99:::pw";
    QTest::newRow("rfu, colon sent as typed") << 2 << true << ip10 << 9001 << QStringList{"12", "3", "45"} << -1
                                              << QStringList{"apn.ru", "us:er", "p:w"} << true
                                              << "*!CNCT_RFU:10.1.2.3:9001:12.3.45:apn.ru:us:er:p:w";
    QTest::newRow("rfu, percent signs sent as typed") << 2 << true << ip10 << -1 << none << -1
                                                     << QStringList{"%1", "%2%3", "100%"} << true
                                                     << "*!CNCT_RFU:10.1.2.3:9000:99.99.99:%1:%2%3:100%";
    QTest::newRow("rfu, Cyrillic login") << 2 << true << ip10 << -1 << none << -1
                                         << QStringList{"", "Логин", "Пароль№"} << true
                                         << "*!CNCT_RFU:10.1.2.3:9000:99.99.99::Логин:Пароль№";
    QTest::newRow("rfu, 999 accepted") << 2 << true << QStringList{"999", "255", "0", "1"} << -1 << none << -1
                                       << none << true << "*!CNCT_RFU:999.255.0.1:9000:99.99.99";
    QTest::newRow("rfu, digits only") << 2 << true << QStringList{"+12", "-3", "4 ", "x5"} << -1
                                      << QStringList{"1a", "+2", "3"} << -1 << none << true
                                      << "*!CNCT_RFU:12.3.4.5:9000:1.2.3";
    QTest::newRow("rfu, port 0") << 2 << true << ip10 << 0 << none << -1 << none << true
                                 << "*!CNCT_RFU:10.1.2.3:0:99.99.99";
    QTest::newRow("rfu, page disabled") << 2 << false << ip10 << -1 << none << -1 << none << false << "";
    QTest::newRow("rcs, defaults") << 3 << true << QStringList{"1", "2", "3", "4"} << -1 << none << -1 << none
                                   << true << "*!CNCT_RCS:1.2.3.4:8100:0";
    QTest::newRow("rcs, session and port") << 3 << true << QStringList{"1", "2", "3", "4"} << 999999 << none
                                           << 99999999 << none << true
                                           << "*!CNCT_RCS:1.2.3.4:999999:99999999";
    QTest::newRow("rcs, login tail") << 3 << true << ip10 << -1 << none << 7 << QStringList{"a", "b", "c"}
                                     << true << "*!CNCT_RCS:10.1.2.3:8100:7:a:b:c";
    QTest::newRow("rcs, default address") << 3 << true << none << -1 << none << 5 << none << false << "";
    QTest::newRow("rcs, page disabled") << 3 << false << ip10 << -1 << none << -1 << none << false << "";
}

void TestCommands::table()
{
    QFETCH(int, index);
    QFETCH(bool, flag);
    QFETCH(QStringList, ip);
    QFETCH(int, port);
    QFETCH(QStringList, firmware);
    QFETCH(int, session);
    QFETCH(QStringList, login);
    QFETCH(bool, sendEnabled);
    QFETCH(QString, command);

    Fixture f;
    f.group.setSendEnabled(flag);
    f.choose(index);
    const char* ipEdits[] = {"lineEdit_IP_1", "lineEdit_IP_2", "lineEdit_IP_3", "lineEdit_IP_4"};
    const char* fwEdits[] = {"lineEdit_Fw_1", "lineEdit_Fw_2", "lineEdit_Fw_3"};
    const char* loginEdits[] = {"lineEdit_APN", "lineEdit_Login", "lineEdit_Psw"};
    for (int i = 0; i < ip.size(); ++i)
        type(f.edit(ipEdits[i]), ip[i]);
    for (int i = 0; i < firmware.size(); ++i)
        type(f.edit(fwEdits[i]), firmware[i]);
    for (int i = 0; i < login.size(); ++i)
        type(f.edit(loginEdits[i]), login[i]);
    if (port >= 0)
        f.spin("spinBox_Port")->setValue(port);
    if (session >= 0)
        f.spin("spinBox_Type")->setValue(session);

    QCOMPARE(f.send->isEnabled(), sendEnabled);
    const QStringList expected = command.isEmpty() ? QStringList() : QStringList{"command " + command};
    QCOMPARE(f.pressSend(), expected);
}

void TestCommands::entryFieldsAndCaptions()
{
    Fixture f;
    auto* parameters = child<QFrame>(&f.group, "frame_2");
    auto* type = child<QLabel>(&f.group, "label_Type");
    auto* firmware = child<QFrame>(&f.group, "frame_Firmware");
    auto* session = f.spin("spinBox_Type");

    type->setText("?");
    f.edit("lineEdit_APN")->setText("old");
    f.choose(2);
    QVERIFY(parameters->isVisible());
    QCOMPARE(type->text(), QString("Версия прошивки:"));
    QVERIFY(firmware->isVisible() && !session->isVisible());
    QCOMPARE(f.spin("spinBox_Port")->value(), 9000);
    QCOMPARE(f.group.firmwareText(), QString("99.99.99"));
    QCOMPARE(f.group.ipText(), QString("0.0.0.0"));
    QCOMPARE(f.edit("lineEdit_APN")->text(), QString());

    f.edit("lineEdit_Login")->setText("old");
    f.choose(3);
    QVERIFY(parameters->isVisible());
    QCOMPARE(type->text(), QString("ID сеанса:"));
    QVERIFY(!firmware->isVisible() && session->isVisible());
    QCOMPARE(f.spin("spinBox_Port")->value(), 8100);
    QCOMPARE(session->value(), 0);
    QCOMPARE(f.edit("lineEdit_Login")->text(), QString());

    f.choose(1);
    QVERIFY(!parameters->isVisible());
}

void TestCommands::flagAndEntryZeroOrOne()
{
    Fixture f;
    f.group.setSendEnabled(false);
    QVERIFY(!f.send->isEnabled());
    f.choose(1);   // entries 0 and 1 do not consult the flag
    QVERIFY(f.send->isEnabled());
    f.edit("lineEdit_IP_2")->setText("7");   // a later text change does
    QVERIFY(!f.send->isEnabled());
    f.group.setSendEnabled(true);
    QVERIFY(f.send->isEnabled());
    f.group.setSendEnabled(false);
    QVERIFY(!f.send->isEnabled());
    QVERIFY(f.pressSend().isEmpty());
}

void TestCommands::sendIgnoresOtherFields()
{
    Fixture f;
    f.choose(2);
    QVERIFY(!f.send->isEnabled());
    f.spin("spinBox_Port")->setValue(1);
    f.spin("spinBox_Type")->setValue(5);
    type(f.edit("lineEdit_APN"), "a");
    type(f.edit("lineEdit_Login"), "b");
    type(f.edit("lineEdit_Psw"), "c");
    QVERIFY(!f.send->isEnabled());
    type(f.edit("lineEdit_IP_1"), "8");
    QVERIFY(f.send->isEnabled());
    f.spin("spinBox_Port")->setValue(0);
    QVERIFY(f.send->isEnabled());
}

void TestCommands::loginFieldsLimitedToTheSendersBuffer()
{
    // The page's free-text sender holds 120 bytes: the longest command,
    // every field full, must fit exactly.
    Fixture f;
    f.choose(2);
    for (const char* name : {"lineEdit_IP_1", "lineEdit_IP_2", "lineEdit_IP_3", "lineEdit_IP_4"})
        type(f.edit(name), "9999");
    for (const char* name : {"lineEdit_Fw_1", "lineEdit_Fw_2", "lineEdit_Fw_3"})
        type(f.edit(name), "999");
    f.spin("spinBox_Port")->setValue(999999);
    f.edit("lineEdit_APN")->insert(QString(60, 'A'));
    f.edit("lineEdit_Login")->insert(QString(60, 'L'));
    f.edit("lineEdit_Psw")->insert(QString(60, 'P'));
    QCOMPARE(f.edit("lineEdit_APN")->text().size(), 35);
    QCOMPARE(f.edit("lineEdit_Login")->text().size(), 20);
    QCOMPARE(f.edit("lineEdit_Psw")->text().size(), 20);

    const QStringList calls = f.pressSend();
    QCOMPARE(calls.size(), 1);
    const QString text = calls[0].mid(QString("command ").size());
    QCOMPARE(text, QString("*!CNCT_RFU:999.999.999.999:999999:99.99.99:"
                           "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA:LLLLLLLLLLLLLLLLLLLL:PPPPPPPPPPPPPPPPPPPP"));
    QCOMPARE(text.size(), 120);

    f.choose(3);
    f.group.setIpText("999.999.999.999");
    f.spin("spinBox_Port")->setValue(999999);
    f.spin("spinBox_Type")->setValue(99999999);
    f.edit("lineEdit_APN")->insert(QString(60, 'A'));
    f.edit("lineEdit_Login")->insert(QString(60, 'L'));
    f.edit("lineEdit_Psw")->insert(QString(60, 'P'));
    f.page.calls.clear();
    QCOMPARE(f.pressSend().value(0).size() - int(QString("command ").size()), 120);
}

void TestCommands::loginFieldsRefuseWhatCannotBeSent_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << "internet.mts.ru" << "internet.mts.ru";
    QTest::newRow("Cyrillic and №") << "Пароль№1" << "Пароль№1";
    QTest::newRow("colon") << "a:b" << "a:b";
    QTest::newRow("tab") << "a\tb" << "";
    QTest::newRow("newline") << "a\nb" << "";
    QTest::newRow("NUL") << QString::fromUtf8("a\0b", 3) << "";
    QTest::newRow("DEL") << "a\x7f" "b" << "";
    QTest::newRow("not in windows-1251") << "日本" << "";
    QTest::newRow("emoji") << QString::fromUtf8("a\xF0\x9F\x98\x80") << "";
}

void TestCommands::loginFieldsRefuseWhatCannotBeSent()
{
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    Fixture f;
    f.choose(3);
    for (const char* name : {"lineEdit_APN", "lineEdit_Login", "lineEdit_Psw"}) {
        QLineEdit* edit = f.edit(name);
        edit->insert(pasted);   // as a paste does
        QCOMPARE(edit->text(), shown);
    }
}

void TestCommands::noEntrySendsNothing()
{
    Fixture f;
    f.combo->setCurrentIndex(-1);
    QVERIFY(f.send->isEnabled());   // an unknown entry leaves Send as it was
    QVERIFY(f.pressSend().isEmpty());
}

void TestCommands::ipAndFirmwareTexts()
{
    Fixture f;
    f.choose(2);
    f.group.setIpText("10.20.30");
    QCOMPARE(f.edit("lineEdit_IP_3")->text(), QString("30"));
    QCOMPARE(f.edit("lineEdit_IP_4")->text(), QString());
    QCOMPARE(f.group.ipText(), QString("10.20.30.0"));
    f.group.setFirmwareText("1.2.3.4");
    QCOMPARE(f.group.firmwareText(), QString("1.2.3"));
    f.group.setFirmwareText(QString());
    QCOMPARE(f.group.firmwareText(), QString("0.0.0"));
    QVERIFY(!f.send->isEnabled());
}

QTEST_MAIN(TestCommands)
#include "tst_formprops_commands.moc"
