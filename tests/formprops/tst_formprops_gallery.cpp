// Writes a picture of every group, each filled with normal, alarm and
// no-data values, into <build>/formprops-gallery/ for a person to look at.
// It checks only that no picture on them is blank.
#include "formprops_testkit.h"

#include "cmo_formproperty_analog.h"
#include "cmo_formproperty_can.h"
#include "cmo_formproperty_commands.h"
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
#include "cmo_formpropertyitem.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

enum Fill { Normal, Alarm, NoData };

void fill(QWidget* group, Fill how)
{
    const bool alarm = how == Alarm;
    const bool none = how == NoData;
    if (auto* g = qobject_cast<CMO_FormProperty_Object*>(group)) {
        g->setName(none ? QString() : "356789012345678");
        g->setFullName(none ? QString() : "4242");
    } else if (auto* g = qobject_cast<CMO_FormProperty_Event*>(group)) {
        g->setNumber(none ? 0 : 4294967295u);
        g->setEvent(alarm ? "17" : "1");
        g->setDateTime(none ? QString() : "10.12.2026 10:00:00");
    } else if (auto* g = qobject_cast<CMO_FormProperty_Work*>(group)) {
        g->setAlarm(alarm);
        g->setEngine(none ? "n/a" : alarm ? "выключен" : "работает");
    } else if (auto* g = qobject_cast<CMO_FormProperty_GSM*>(group)) {
        g->setState(none ? 0x00 : alarm ? 0x71 : 0x21);
        g->setLevel(none ? 99 : alarm ? 10 : 80);
    } else if (auto* g = qobject_cast<CMO_FormProperty_In*>(group)) {
        g->setIn1(alarm); g->setIn2(0); g->setIn3(alarm); g->setIn4(alarm); g->setIn5(0);
        g->setButtonsEnabled(!none);
    } else if (auto* g = qobject_cast<CMO_FormProperty_Analog*>(group)) {
        g->setA1State(!none, true); g->setA2State(false, true); g->setA3State(alarm, !none);
        g->setA1(none ? 0 : 12500); g->setA2(950); g->setA3(65535); g->setA4(0);
        g->setA5(1050); g->setA6(4000); g->setA7(999); g->setA8(alarm ? 30000 : 0);
    } else if (auto* g = qobject_cast<CMO_FormProperty_Impuls*>(group)) {
        g->setI2State(alarm, true); g->setI3State(alarm, !none);
        g->setI2(none ? 0 : 1234); g->setI3(-1);
    } else if (auto* g = qobject_cast<CMO_FormProperty_Frequency*>(group)) {
        g->setF1(none ? 0 : 65535); g->setF2(alarm ? 1 : 50);
    } else if (auto* g = qobject_cast<CMO_FormProperty_SH*>(group)) {
        g->setSH1(alarm); g->setSH2(alarm ? 255 : 0); g->setSH3(0);
    } else if (auto* g = qobject_cast<CMO_FormProperty_Digital*>(group)) {
        const QString value = none ? "n/a" : alarm ? "0" : "2048";
        g->setD1(value); g->setD2(value); g->setD3(value); g->setD4(value);
        g->setD5(value); g->setD6(value); g->setRS232(value);
    } else if (auto* g = qobject_cast<CMO_FormProperty_Out*>(group)) {
        g->setOut1(true, alarm); g->setOut2(true, 0); g->setOut3(false, 1); g->setOut4(true, alarm ? 2 : 0);
        g->setButtonsEnabled(!none);
    } else if (auto* g = qobject_cast<CMO_FormProperty_Power*>(group)) {
        g->setPower(none ? 0 : alarm ? 9500 : 12500); g->setReserve(alarm ? 950 : 4000);
    } else if (auto* g = qobject_cast<CMO_FormProperty_Temp*>(group)) {
        const int t = none ? -128 : alarm ? 95 : 25;
        g->setTemp1(t); g->setTemp2(-127); g->setTemp3(0); g->setTemp4(t);
        g->setTemp5(t); g->setTemp6(-128); g->setTemp7(t); g->setTemp8(t);
    } else if (auto* g = qobject_cast<CMO_FormProperty_CAN*>(group)) {
        const QString value = none ? "n/a" : alarm ? "0" : "123";
        g->setFuelLevel(value); g->setFuelConsumption(value); g->setFullRun(value);
        g->setAxleLoad1(value); g->setAxleLoad2(value); g->setAxleLoad3(value);
        g->setAxleLoad4(value); g->setAxleLoad5(value); g->setSpeed(value); g->setTemp(value);
        g->setEngineTurns(value); g->setPedalAccel(value); g->setPedalStop(value);
        g->setEngineLoad(value); g->setLevelFiltr(value); g->setEngineTime(value); g->setTimeTO(value);
    } else if (auto* g = qobject_cast<CMO_FormProperty_Navigation*>(group)) {
        g->setValid(!alarm && !none);
        g->setDateTime(none ? QString() : "10.12.2026 09:59:58");
        g->setSpeed(alarm ? 0.04f : 61.5f); g->setCourse(359);
        g->setWidth(none ? 0 : 33456789); g->setLongitude(alarm ? -22345678 : 22345678);
        g->setAltitude(-15); g->setWay(12.345f); g->setAllSeconds(3600); g->setSecondsLast(20);
        g->setRun(100000.5f);
    } else if (auto* g = qobject_cast<CMO_FormProperty_Commands*>(group)) {
        g->findChild<QComboBox*>("comboBox")->setCurrentIndex(alarm ? 2 : none ? 3 : 0);
        if (alarm)
            g->setIpText("10.1.2.3");
        g->setSendEnabled(!none);
    }
}

} // namespace

class TestGallery : public QObject
{
    Q_OBJECT
private slots:
    void group_data();
    void group();
};

void TestGallery::group_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("how");
    const char* const groups[] = {"Commands", "Object", "Event", "Work", "GSM", "In", "Analog", "Impuls",
                                  "Frequency", "SH", "Digital", "Out", "Power", "Temp", "CAN", "Navigation"};
    const char* const fills[] = {"normal", "alarm", "nodata"};
    for (const char* group : groups)
        for (int how = Normal; how <= NoData; ++how)
            QTest::addRow("%s-%s", group, fills[how]) << group << how;
}

void TestGallery::group()
{
    QFETCH(QString, name);
    QFETCH(int, how);

    CMO_FormPropertyItem item;
    item.setTitle(name);
    auto content = TestKit::makeGroup(name);
    QWidget* group = content.release();
    item.setContent(group);
    fill(group, Fill(how));
    item.resize(group->size().width() + 40, group->size().height() + 60);
    item.show();
    QVERIFY(QTest::qWaitForWindowExposed(&item));

    const QString folder = QCoreApplication::applicationDirPath() + "/../formprops-gallery";
    QVERIFY(QDir().mkpath(folder));
    const QImage shot = item.grab().toImage();
    QVERIFY(shot.save(folder + "/" + QTest::currentDataTag() + ".png"));
    QVERIFY(TestKit::hasDetail(shot));

    for (const QLabel* label : item.findChildren<QLabel*>()) {
        if (!label->isVisible() || !label->text().isEmpty())
            continue;
        const QPixmap pixmap = label->pixmap(Qt::ReturnByValue);
        if (label->objectName().endsWith("_Icon") || label->objectName().startsWith("label_Icon"))
            QVERIFY2(TestKit::hasDetail(pixmap.toImage()), qPrintable(label->objectName() + " is blank"));
    }
    for (const QPushButton* button : item.findChildren<QPushButton*>()) {
        if (!button->isVisible() || !button->text().isEmpty())
            continue;
        QVERIFY2(TestKit::hasDetail(button->icon().pixmap(QSize(20, 20)).toImage()),
                 qPrintable(button->objectName() + " is blank"));
    }
}

QTEST_MAIN(TestGallery)
#include "tst_formprops_gallery.moc"
