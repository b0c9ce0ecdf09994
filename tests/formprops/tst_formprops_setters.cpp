// The setters of the display groups at their boundaries. Pictures are
// checked by the image a label shows, not by a stored path.
#include "formprops_testkit.h"

#include "cmo_formproperty_analog.h"
#include "cmo_formproperty_can.h"
#include "cmo_formproperty_digital.h"
#include "cmo_formproperty_event.h"
#include "cmo_formproperty_frequency.h"
#include "cmo_formproperty_gsm.h"
#include "cmo_formproperty_impuls.h"
#include "cmo_formproperty_in.h"
#include "cmo_formproperty_navigation.h"
#include "cmo_formproperty_object.h"
#include "cmo_formproperty_out.h"
#include "cmo_formproperty_power.h"
#include "cmo_formproperty_sh.h"
#include "cmo_formproperty_temp.h"
#include "cmo_formproperty_work.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using TestKit::child;
using TestKit::pictureName;

namespace {

QString textOf(const QWidget* group, const QString& label)
{
    auto* l = group->findChild<QLabel*>(label);
    return l ? l->text() : QStringLiteral("<no %1>").arg(label);
}

QString pictureOf(const QWidget* group, const QString& label)
{
    auto* l = group->findChild<QLabel*>(label);
    return l ? pictureName(l) : QStringLiteral("<no %1>").arg(label);
}

// Calls the two-state setter named key of the group with value.
void callFlagSetter(QWidget* group, const QString& key, int value)
{
    if (auto* work = qobject_cast<CMO_FormProperty_Work*>(group)) {
        work->setAlarm(value);
    } else if (auto* sh = qobject_cast<CMO_FormProperty_SH*>(group)) {
        if (key == "SH1") sh->setSH1(value);
        if (key == "SH2") sh->setSH2(value);
        if (key == "SH3") sh->setSH3(value);
    } else if (auto* in = qobject_cast<CMO_FormProperty_In*>(group)) {
        if (key == "In1") in->setIn1(value);
        if (key == "In2") in->setIn2(value);
        if (key == "In3") in->setIn3(value);
        if (key == "In4") in->setIn4(value);
        if (key == "In5") in->setIn5(value);
    } else if (auto* out = qobject_cast<CMO_FormProperty_Out*>(group)) {
        if (key == "Out1") out->setOut1(true, value);
        if (key == "Out2") out->setOut2(true, value);
        if (key == "Out3") out->setOut3(true, value);
        if (key == "Out4") out->setOut4(true, value);
    } else if (auto* nav = qobject_cast<CMO_FormProperty_Navigation*>(group)) {
        nav->setValid(value);
    }
}

} // namespace

class TestSetters : public QObject
{
    Q_OBJECT
private slots:
    void lamps_data();
    void lamps();
    void lampsStartGreen();

    void gsmLevel_data();
    void gsmLevel();
    void gsmState_data();
    void gsmState();
    void gsmTestBit();

    void volts_data();
    void volts();

    void temperature_data();
    void temperature();
    void temperatureInitialText();

    void navigationAngles_data();
    void navigationAngles();
    void navigationOthers();

    void outputsVisibility_data();
    void outputsVisibility();
    void outputsStartWithBothButtons();
    void outputsVisibilityKeepsDisabled();

    void lineStates_data();
    void lineStates();

    void objectAndEvent();
    void countersAndFrequencies();
    void fuelAndCan();
};

void TestSetters::lamps_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("setter");
    QTest::addColumn<QString>("row");   // lamp label is row + "_Icon", text label row + "_Text"
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("text");

    struct Lamp {
        const char* group;
        const char* setter;
        const char* icon;
        const char* text;
        const char* normalPicture;
        const char* normalWord;
        const char* otherPicture;
        const char* otherWord;
    };
    const Lamp lamps[] = {
        {"Work", "Alarm", "label_Alarm_Icon", "label_Alarm_Text", "noAlarm", "нет", "alarm", "тревога"},
        {"SH", "SH1", "label_SH1_Icon", "label_SH1_Text", "greenLamp", "в норме", "redLamp", "сработал"},
        {"SH", "SH2", "label_SH2_Icon", "label_SH2_Text", "greenLamp", "в норме", "redLamp", "сработал"},
        {"SH", "SH3", "label_SH3_Icon", "label_SH3_Text", "greenLamp", "в норме", "redLamp", "сработал"},
        {"In", "In1", "label_In1_Icon", "label_IN1_Text", "greenLamp", "в норме", "redLamp", "сработал"},
        {"In", "In2", "label_In2_Icon", "label_IN2_Text", "greenLamp", "в норме", "redLamp", "сработал"},
        {"In", "In3", "label_In3_Icon", "label_IN3_Text", "greenLamp", "в норме", "redLamp", "сработал"},
        {"In", "In4", "label_In4_Icon", "label_IN4_Text", "greenLamp", "в норме", "redLamp", "сработал"},
        {"In", "In5", "label_In5_Icon", "label_IN5_Text", "greenLamp", "в норме", "redLamp", "сработал"},
        {"Out", "Out1", "label_Out1_Icon", "label_Out1_Text", "greenLamp", "выключен", "redLamp", "активирован"},
        {"Out", "Out2", "label_Out2_Icon", "label_Out2_Text", "greenLamp", "выключен", "redLamp", "активирован"},
        {"Out", "Out3", "label_Out3_Icon", "label_Out3_Text", "greenLamp", "выключен", "redLamp", "активирован"},
        {"Out", "Out4", "label_Out4_Icon", "label_Out4_Text", "greenLamp", "выключен", "redLamp", "активирован"},
        {"Navigation", "Valid", "label_Navigation_Icon", "label_Navigation_Text",
         "invalidNavigation", "не валидны", "validNavigation", "валидны"},
    };
    for (const Lamp& lamp : lamps) {
        for (int value : {0, 1, -1, 2, 255}) {
            const bool normal = value == 0;
            QTest::addRow("%s %d", lamp.setter, value)
                << lamp.group << lamp.setter << QString(lamp.icon) + "|" + lamp.text << value
                << (normal ? lamp.normalPicture : lamp.otherPicture)
                << QString::fromUtf8(normal ? lamp.normalWord : lamp.otherWord);
        }
    }
}

void TestSetters::lamps()
{
    QFETCH(QString, group);
    QFETCH(QString, setter);
    QFETCH(QString, row);
    QFETCH(int, value);
    QFETCH(QString, picture);
    QFETCH(QString, text);

    const QString icon = row.section('|', 0, 0);
    const QString label = row.section('|', 1, 1);
    auto widget = TestKit::makeGroup(group);
    // Start from the opposite state, so that a setter that does nothing fails.
    callFlagSetter(widget.get(), setter, value == 0 ? 1 : 0);
    callFlagSetter(widget.get(), setter, value);
    QCOMPARE(pictureOf(widget.get(), icon), picture);
    QCOMPARE(textOf(widget.get(), label), text);
    // The same value twice shows the same.
    callFlagSetter(widget.get(), setter, value);
    QCOMPARE(pictureOf(widget.get(), icon), picture);
    QCOMPARE(textOf(widget.get(), label), text);
}

void TestSetters::lampsStartGreen()
{
    CMO_FormProperty_Work work;
    QCOMPARE(pictureOf(&work, "label_Alarm_Icon"), QString("noAlarm"));
    QCOMPARE(textOf(&work, "label_Alarm_Text"), QString());
    QCOMPARE(textOf(&work, "label_Engine_Text"), QString());
    work.setEngine("работает");
    QCOMPARE(textOf(&work, "label_Engine_Text"), QString("работает"));

    CMO_FormProperty_In in;
    CMO_FormProperty_SH sh;
    CMO_FormProperty_Out out;
    for (int n = 1; n <= 5; ++n)
        QCOMPARE(pictureOf(&in, QString("label_In%1_Icon").arg(n)), QString("greenLamp"));
    for (int n = 1; n <= 3; ++n)
        QCOMPARE(pictureOf(&sh, QString("label_SH%1_Icon").arg(n)), QString("greenLamp"));
    for (int n = 1; n <= 4; ++n)
        QCOMPARE(pictureOf(&out, QString("label_Out%1_Icon").arg(n)), QString("greenLamp"));
    CMO_FormProperty_GSM gsm;
    QCOMPARE(pictureOf(&gsm, "label_GSM_Level_Icon"), QString("gsmLevel0"));
    QCOMPARE(pictureOf(&gsm, "label_SIM_Icon"), QString("sim"));
    QCOMPARE(pictureOf(&gsm, "label_GSM_Icon"), QString("radioAntenna"));
}

void TestSetters::gsmLevel_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("text");
    QTest::newRow("-1 keeps") << 50 << -1 << "gsmLevel90" << "-1%";
    QTest::newRow("0") << 50 << 0 << "gsmLevel0" << "0%";
    QTest::newRow("1") << 0 << 1 << "gsmLevel20" << "1%";
    QTest::newRow("24") << 0 << 24 << "gsmLevel20" << "24%";
    QTest::newRow("25") << 0 << 25 << "gsmLevel50" << "25%";
    QTest::newRow("49") << 0 << 49 << "gsmLevel50" << "49%";
    QTest::newRow("50") << 0 << 50 << "gsmLevel90" << "50%";
    QTest::newRow("74") << 0 << 74 << "gsmLevel90" << "74%";
    QTest::newRow("75") << 0 << 75 << "gsmLevel100" << "75%";
    QTest::newRow("98") << 0 << 98 << "gsmLevel100" << "98%";
    QTest::newRow("99 no data") << 80 << 99 << "gsmLevel0" << "99%";
    QTest::newRow("100") << 0 << 100 << "gsmLevel100" << "100%";
    QTest::newRow("255") << 0 << 255 << "gsmLevel100" << "255%";
}

void TestSetters::gsmLevel()
{
    QFETCH(int, before);
    QFETCH(int, level);
    QFETCH(QString, picture);
    QFETCH(QString, text);
    CMO_FormProperty_GSM gsm;
    gsm.setLevel(before);
    gsm.setLevel(level);
    QCOMPARE(pictureOf(&gsm, "label_GSM_Level_Icon"), picture);
    QCOMPARE(textOf(&gsm, "label_GSM_Level_Text"), text);
}

void TestSetters::gsmState_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("sim");
    QTest::addColumn<QString>("state");
    QTest::newRow("0x00") << 0x00 << "1" << "Выключен";
    QTest::newRow("0x10 off, SIM 2") << 0x10 << "2" << "Выключен";
    QTest::newRow("0x60 off") << 0x60 << "1" << "Выключен";
    QTest::newRow("0x01") << 0x01 << "1" << "Нет регистрации";
    QTest::newRow("0x41") << 0x41 << "1" << "Нет регистрации";
    QTest::newRow("0x21") << 0x21 << "1" << "Домашняя сеть";
    QTest::newRow("0x31") << 0x31 << "2" << "Домашняя сеть";
    QTest::newRow("0xA1 bit 7 unused") << 0xA1 << "1" << "Домашняя сеть";
    QTest::newRow("0x61") << 0x61 << "1" << "Роуминг";
    QTest::newRow("0xFF") << 0xFF << "2" << "Роуминг";
}

void TestSetters::gsmState()
{
    QFETCH(int, flags);
    QFETCH(QString, sim);
    QFETCH(QString, state);
    CMO_FormProperty_GSM gsm;
    gsm.setState(static_cast<quint8>(flags));
    QCOMPARE(textOf(&gsm, "label_SIM_Text"), sim);
    QCOMPARE(textOf(&gsm, "label_GSM_Text"), state);
    QCOMPARE(textOf(&gsm, "label_GSM"), QString("Статус:"));
    QCOMPARE(textOf(&gsm, "label_GSM_Level"), QString("Уровень сигнала:"));
}

void TestSetters::gsmTestBit()
{
    QCOMPARE(CMO_FormProperty_GSM::testBit(0x80, 7), 1);
    QCOMPARE(CMO_FormProperty_GSM::testBit(0x80, 6), 0);
    QCOMPARE(CMO_FormProperty_GSM::testBit(0x01, 0), 1);
    QCOMPARE(CMO_FormProperty_GSM::testBit(0xFF, 8), 0);
    QCOMPARE(CMO_FormProperty_GSM::testBit(0xFF, -1), 0);
}

void TestSetters::volts_data()
{
    QTest::addColumn<int>("millivolts");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "0.0 В";
    QTest::newRow("500") << 500 << "0.5 В";
    QTest::newRow("-500") << -500 << "-0.5 В";
    QTest::newRow("949") << 949 << "0.9 В";
    QTest::newRow("950") << 950 << "0.9 В";
    QTest::newRow("999") << 999 << "1.0 В";
    QTest::newRow("1050") << 1050 << "1.1 В";
    QTest::newRow("4000") << 4000 << "4.0 В";
    QTest::newRow("65535") << 65535 << "65.5 В";
}

void TestSetters::volts()
{
    QFETCH(int, millivolts);
    QFETCH(QString, text);

    CMO_FormProperty_Power power;
    power.setPower(millivolts);
    QCOMPARE(textOf(&power, "label_Power_Text"), text);
    power.setReserve(millivolts);
    QCOMPARE(textOf(&power, "label_Reserve_Text"), text);
    QCOMPARE(pictureOf(&power, "label_Power_Icon"), QString("mainPower"));
    QCOMPARE(pictureOf(&power, "label_Reserve_Icon"), QString("reservePower"));

    CMO_FormProperty_Analog analog;
    using Setter = void (CMO_FormProperty_Analog::*)(int);
    const Setter setters[] = {&CMO_FormProperty_Analog::setA1, &CMO_FormProperty_Analog::setA2,
                              &CMO_FormProperty_Analog::setA3, &CMO_FormProperty_Analog::setA4,
                              &CMO_FormProperty_Analog::setA5, &CMO_FormProperty_Analog::setA6,
                              &CMO_FormProperty_Analog::setA7, &CMO_FormProperty_Analog::setA8};
    for (int n = 1; n <= 8; ++n) {
        (analog.*setters[n - 1])(millivolts);
        QCOMPARE(textOf(&analog, QString("label_A%1_Text").arg(n)), text);
        QCOMPARE(pictureOf(&analog, QString("label_A%1_Icon").arg(n)), QString("speedometer"));
    }
}

void TestSetters::temperature_data()
{
    QTest::addColumn<int>("degrees");
    QTest::addColumn<QString>("text");
    QTest::newRow("-128") << -128 << "не используется";
    QTest::newRow("-127") << -127 << "-127 °С";
    QTest::newRow("0") << 0 << "0 °С";
    QTest::newRow("25") << 25 << "25 °С";
    QTest::newRow("300") << 300 << "300 °С";
}

void TestSetters::temperature()
{
    QFETCH(int, degrees);
    QFETCH(QString, text);
    CMO_FormProperty_Temp temp;
    using Setter = void (CMO_FormProperty_Temp::*)(int);
    const Setter setters[] = {&CMO_FormProperty_Temp::setTemp1, &CMO_FormProperty_Temp::setTemp2,
                              &CMO_FormProperty_Temp::setTemp3, &CMO_FormProperty_Temp::setTemp4,
                              &CMO_FormProperty_Temp::setTemp5, &CMO_FormProperty_Temp::setTemp6,
                              &CMO_FormProperty_Temp::setTemp7, &CMO_FormProperty_Temp::setTemp8};
    for (int n = 1; n <= 8; ++n) {
        (temp.*setters[n - 1])(degrees);
        QCOMPARE(textOf(&temp, QString("label_Temp%1_Value").arg(n)), text);
        if (n < 8)   // the next sensor is untouched
            QCOMPARE(textOf(&temp, QString("label_Temp%1_Value").arg(n + 1)), QString("  C"));
    }
    // The unit's letter is the Cyrillic С (U+0421).
    if (degrees != -128)
        QCOMPARE(textOf(&temp, "label_Temp1_Value").right(1).at(0).unicode(), ushort(0x0421));
}

void TestSetters::temperatureInitialText()
{
    CMO_FormProperty_Temp temp;
    for (int n = 1; n <= 8; ++n) {
        QCOMPARE(textOf(&temp, QString("label_Temp%1_Value").arg(n)), QString("  C"));
        QCOMPARE(textOf(&temp, QString("label_Temp%1_Title").arg(n)), QString("Температура T%1").arg(n));
        QCOMPARE(pictureOf(&temp, QString("label_Temp%1_Icon").arg(n)), QString("termometr"));
    }
}

void TestSetters::navigationAngles_data()
{
    QTest::addColumn<int>("counts");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "0 0.0000'";
    QTest::newRow("600000") << 600000 << "1 0.0000'";
    QTest::newRow("-300000") << -300000 << "0 -30.0000'";
    QTest::newRow("33456789") << 33456789 << "55 45.6789'";
    QTest::newRow("-33456789") << -33456789 << "-55 -45.6789'";
}

void TestSetters::navigationAngles()
{
    QFETCH(int, counts);
    QFETCH(QString, text);
    CMO_FormProperty_Navigation nav;
    nav.setWidth(counts);
    QCOMPARE(textOf(&nav, "label_Width_Text"), text);
    nav.setLongitude(counts);
    QCOMPARE(textOf(&nav, "label_Longitude_Text"), text);
}

void TestSetters::navigationOthers()
{
    CMO_FormProperty_Navigation nav;
    nav.setAltitude(-15);
    QCOMPARE(textOf(&nav, "label_Altitude_Text"), QString("-1 м"));
    nav.setAltitude(1234);
    QCOMPARE(textOf(&nav, "label_Altitude_Text"), QString("123 м"));
    nav.setAltitude(9);
    QCOMPARE(textOf(&nav, "label_Altitude_Text"), QString("0 м"));
    nav.setSpeed(0.04f);
    QCOMPARE(textOf(&nav, "label_Speed_Text"), QString("0.0 км/ч"));
    nav.setCourse(359);
    QCOMPARE(textOf(&nav, "label_Course_Text"), QString("359 °"));
    nav.setWay(12.5f);
    QCOMPARE(textOf(&nav, "label_Way_Text"), QString("12.500 км"));
    nav.setRun(0.0f);
    QCOMPARE(textOf(&nav, "label_Run_Text"), QString("0.000 км"));
    nav.setAllSeconds(3600);
    QCOMPARE(textOf(&nav, "label_AllSeconds_Text"), QString("3600 c"));
    nav.setSecondsLast(-5);
    QCOMPARE(textOf(&nav, "label_SecondsLast_Text"), QString("-5 c"));
    QCOMPARE(textOf(&nav, "label_SecondsLast_Text").right(1).at(0).unicode(), ushort('c'));   // Latin c
    nav.setDateTime("10.12.2026 10:00:00");
    QCOMPARE(textOf(&nav, "label_DateTime_Text"), QString("10.12.2026 10:00:00"));
    QCOMPARE(textOf(&nav, "label_Addres_Text"), QString());
    QCOMPARE(textOf(&nav, "label_Addres"), QString("Адрес:"));
    QCOMPARE(textOf(&nav, "label_Altitude"), QString("Высота:"));
    QCOMPARE(pictureOf(&nav, "label_Longitude_Icon"), QString("longtitude"));
    QCOMPARE(pictureOf(&nav, "label_Width_Icon"), QString("latitude"));
    QCOMPARE(pictureOf(&nav, "label_DateTime_Icon"), QString("chronometer"));
    QCOMPARE(pictureOf(&nav, "label_Way_Icon"), QString("divider"));
}

void TestSetters::outputsVisibility_data()
{
    QTest::addColumn<int>("output");
    QTest::addColumn<bool>("controllable");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("yVisible");
    QTest::addColumn<bool>("nVisible");
    for (int output = 1; output <= 4; ++output) {
        QTest::addRow("%d controllable off", output) << output << true << 0 << true << false;
        QTest::addRow("%d controllable on", output) << output << true << 1 << false << true;
        QTest::addRow("%d controllable 2", output) << output << true << 2 << false << true;
        QTest::addRow("%d controllable -1", output) << output << true << -1 << false << true;
        QTest::addRow("%d fixed off", output) << output << false << 0 << false << false;
        QTest::addRow("%d fixed on", output) << output << false << 1 << false << false;
    }
}

void TestSetters::outputsVisibility()
{
    QFETCH(int, output);
    QFETCH(bool, controllable);
    QFETCH(int, state);
    QFETCH(bool, yVisible);
    QFETCH(bool, nVisible);

    CMO_FormProperty_Out out;
    out.show();
    using Setter = void (CMO_FormProperty_Out::*)(bool, int);
    const Setter setters[] = {&CMO_FormProperty_Out::setOut1, &CMO_FormProperty_Out::setOut2,
                              &CMO_FormProperty_Out::setOut3, &CMO_FormProperty_Out::setOut4};
    (out.*setters[output - 1])(controllable, state);
    for (int n = 1; n <= 4; ++n) {
        const bool shown = n == output;
        auto* y = out.findChild<QPushButton*>(QString("pushButton_%1Y").arg(n));
        auto* no = out.findChild<QPushButton*>(QString("pushButton_%1N").arg(n));
        QCOMPARE(y->isVisible(), shown ? yVisible : true);
        QCOMPARE(no->isVisible(), shown ? nVisible : true);
        QVERIFY(y->isEnabled() && no->isEnabled());
        QCOMPARE(TestKit::iconName(y, 20), QString("redLamp"));
        QCOMPARE(TestKit::iconName(no, 20), QString("greenLamp"));
    }
}

void TestSetters::outputsStartWithBothButtons()
{
    CMO_FormProperty_Out out;
    out.show();
    for (int n = 1; n <= 4; ++n) {
        QVERIFY(out.findChild<QPushButton*>(QString("pushButton_%1Y").arg(n))->isVisible());
        QVERIFY(out.findChild<QPushButton*>(QString("pushButton_%1N").arg(n))->isVisible());
        QCOMPARE(textOf(&out, QString("label_Out%1_Text").arg(n)), QString());
        QCOMPARE(textOf(&out, QString("label_Out%1").arg(n)), QString("Выход %1:").arg(n));
    }
    QCOMPARE(out.findChild<QPushButton*>("pushButton_2Y")->toolTip(), QString("Активировать выход"));
    QCOMPARE(out.findChild<QPushButton*>("pushButton_2N")->toolTip(), QString("Выключить выход"));
}

void TestSetters::outputsVisibilityKeepsDisabled()
{
    CMO_FormProperty_Out out;
    out.show();
    out.setButtonsEnabled(false);
    out.setOut3(true, 0);
    auto* y = out.findChild<QPushButton*>("pushButton_3Y");
    auto* n = out.findChild<QPushButton*>("pushButton_3N");
    QVERIFY(y->isVisible() && !n->isVisible());
    QVERIFY(!y->isEnabled());
    out.setOut3(true, 1);
    QVERIFY(!y->isVisible() && n->isVisible());
    QVERIFY(!n->isEnabled());
}

void TestSetters::lineStates_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("row");       // suffix of the labels and buttons
    QTest::addColumn<bool>("withButtons");
    QTest::addColumn<bool>("visible");
    for (const char* group : {"Impuls", "Analog"}) {
        const QStringList rows = QString(group) == "Impuls" ? QStringList{"I2", "I3"}
                                                            : QStringList{"A1", "A2", "A3"};
        for (const QString& row : rows) {
            QTest::addRow("%s %s buttons shown", group, qPrintable(row)) << group << row << true << true;
            QTest::addRow("%s %s buttons hidden", group, qPrintable(row)) << group << row << false << true;
            QTest::addRow("%s %s hidden", group, qPrintable(row)) << group << row << true << false;
            QTest::addRow("%s %s all hidden", group, qPrintable(row)) << group << row << false << false;
        }
    }
}

void TestSetters::lineStates()
{
    QFETCH(QString, group);
    QFETCH(QString, row);
    QFETCH(bool, withButtons);
    QFETCH(bool, visible);

    auto widget = TestKit::makeGroup(group);
    widget->show();
    if (auto* impuls = qobject_cast<CMO_FormProperty_Impuls*>(widget.get())) {
        // Start from the opposite state, so that both directions are checked.
        auto setter = row == "I2" ? &CMO_FormProperty_Impuls::setI2State : &CMO_FormProperty_Impuls::setI3State;
        (impuls->*setter)(!withButtons, !visible);
        (impuls->*setter)(withButtons, visible);
    } else {
        auto* analog = qobject_cast<CMO_FormProperty_Analog*>(widget.get());
        auto setter = row == "A1"   ? &CMO_FormProperty_Analog::setA1State
                      : row == "A2" ? &CMO_FormProperty_Analog::setA2State
                                    : &CMO_FormProperty_Analog::setA3State;
        (analog->*setter)(!withButtons, !visible);
        (analog->*setter)(withButtons, visible);
    }
    for (const QString& label : {"label_" + row + "_Icon", "label_" + row, "label_" + row + "_Text"})
        QCOMPARE(widget->findChild<QLabel*>(label)->isVisible(), visible);
    QCOMPARE(widget->findChild<QPushButton*>("pushButton_ON_" + row)->isVisible(), withButtons && visible);
    QCOMPARE(widget->findChild<QPushButton*>("pushButton_OFF_" + row)->isVisible(), withButtons && visible);
}

void TestSetters::objectAndEvent()
{
    CMO_FormProperty_Object object;
    QCOMPARE(object.objectName(), QString("CMO_FormProperty_ObjectClass"));
    QCOMPARE(textOf(&object, "label_Name"), QString("IMEI:"));
    QCOMPARE(textOf(&object, "label_FullName"), QString("ID объекта:"));
    QCOMPARE(textOf(&object, "label_Type"), QString("Формат:"));
    QCOMPARE(textOf(&object, "label_Type_Text"), QString("ZIRN"));
    object.setName("356789012345678");
    object.setFullName("4242");
    QCOMPARE(textOf(&object, "label_Name_Text"), QString("356789012345678"));
    QCOMPARE(textOf(&object, "label_FullName_Text"), QString("4242"));
    object.setType("F-52");
    QCOMPARE(textOf(&object, "label_Type_Text"), QString("F-52"));
    QCOMPARE(textOf(&object, "label_Type"), QString("Формат:"));
    object.setName(QString());
    QCOMPARE(textOf(&object, "label_Name_Text"), QString());
    QVERIFY(child<QLabel>(&object, "label_Name_Text")->wordWrap());

    CMO_FormProperty_Event event;
    event.setNumber(4294967295u);
    QCOMPARE(textOf(&event, "label_Number_Text"), QString("4294967295"));
    event.setEvent("17");
    QCOMPARE(textOf(&event, "label_Event_Text"), QString("17"));
    event.setEvent(QString());
    QCOMPARE(textOf(&event, "label_Event_Text"), QString());
    event.setDateTime("01.02.2026 03:04:05");
    QCOMPARE(textOf(&event, "label_DateTime_Text"), QString("01.02.2026 03:04:05"));
    QCOMPARE(textOf(&event, "label_Number"), QString("Номер события из ч/я:"));
}

void TestSetters::countersAndFrequencies()
{
    CMO_FormProperty_Frequency frequency;
    QCOMPARE(frequency.objectName(), QString("CMO_FormProperty_Frequency"));
    frequency.setF1(65535);
    frequency.setF2(0);
    QCOMPARE(textOf(&frequency, "label_F1_Text"), QString("65535"));
    QCOMPARE(textOf(&frequency, "label_F2_Text"), QString("0"));

    CMO_FormProperty_Impuls impuls;
    impuls.setI2(-1);
    impuls.setI3(2147483647);
    QCOMPARE(textOf(&impuls, "label_I2_Text"), QString("-1"));
    QCOMPARE(textOf(&impuls, "label_I3_Text"), QString("2147483647"));
}

void TestSetters::fuelAndCan()
{
    CMO_FormProperty_Digital digital;
    const QStringList values = {"label_D1_Level_Value", "label_D2_Level_Value", "label_D3_Level_Value",
                                "label_D4_Level_Value", "label_D5_Level_Value", "label_D6_Level_Value",
                                "label_RS232_Level_Value"};
    for (const QString& value : values)
        QCOMPARE(textOf(&digital, value), QString("0"));
    digital.setD1("1024");
    digital.setD6("n/a");
    digital.setRS232(QString());
    QCOMPARE(textOf(&digital, "label_D1_Level_Value"), QString("1024"));
    QCOMPARE(textOf(&digital, "label_D6_Level_Value"), QString("n/a"));
    QCOMPARE(textOf(&digital, "label_RS232_Level_Value"), QString());
    QCOMPARE(textOf(&digital, "label_RS232_Level"), QString("Уровень RS-232"));
    QCOMPARE(textOf(&digital, "label_D4_Level"), QString("Уровень RS-485 D4"));
    QCOMPARE(pictureOf(&digital, "label_Icon_D1_14"), QString("speedometer"));

    CMO_FormProperty_CAN can;
    QCOMPARE(can.objectName(), QString("CMO_FormProperty_CAN"));
    can.setLevelFiltr("15");
    can.setAxleLoad5("900");
    can.setTimeTO("100");
    QCOMPARE(textOf(&can, "label_CAN_LevelFiltr_Value"), QString("15"));
    QCOMPARE(textOf(&can, "label_CAN_AxleLoad_Value_5"), QString("900"));
    QCOMPARE(textOf(&can, "label_CAN_TimeTO_Value"), QString("100"));
    QCOMPARE(textOf(&can, "label_CAN_FuelLevel_Value"), QString());
    auto* grid = child<QGridLayout>(&can, "gridLayout");
    int row, column, rowSpan, columnSpan;
    grid->getItemPosition(grid->indexOf(child<QLabel>(&can, "label_CAN_LevelFiltr_Text")),
                          &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(row, 14);
    QCOMPARE(textOf(&can, "label_CAN_LevelFiltr_Text"), QString("Уровень жидкости в диз. фильтре"));
    grid->getItemPosition(grid->indexOf(child<QLabel>(&can, "label_CAN_AxleLoad_Text_1")),
                          &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(row, 3);
}

QTEST_MAIN(TestSetters)
#include "tst_formprops_setters.moc"
