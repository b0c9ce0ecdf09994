// Every command button of every group, pressed (and not released): the
// exact sender call on the current page's sink; nothing without a sink,
// after the page is gone, or while the button is disabled.
#include "formprops_testkit.h"

#include "cmo_formproperty_commands.h"
#include "cmo_formproperty_in.h"
#include "cmo_formproperty_out.h"

#include <QPushButton>
#include <QtTest>

class TestButtons : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void press_data();
    void press();
    void noSinkSendsNothing_data();
    void noSinkSendsNothing();
    void destroyedPageSendsNothing();
    void disabledButtonSendsNothing_data();
    void disabledButtonSendsNothing();
    void enabledAgainSends();
};

void TestButtons::cleanup()
{
    CMO_CommandSink::setCurrent(nullptr, nullptr);
}

void TestButtons::press_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("call");

    QTest::newRow("Out 1Y") << "Out" << "pushButton_1Y" << "outputOn 1";
    QTest::newRow("Out 1N") << "Out" << "pushButton_1N" << "outputOff 1";
    QTest::newRow("Out 2Y") << "Out" << "pushButton_2Y" << "outputOn 2";
    QTest::newRow("Out 2N") << "Out" << "pushButton_2N" << "outputOff 2";
    QTest::newRow("Out 3Y") << "Out" << "pushButton_3Y" << "outputOn 3";
    QTest::newRow("Out 3N") << "Out" << "pushButton_3N" << "outputOff 3";
    QTest::newRow("Out 4Y") << "Out" << "pushButton_4Y" << "outputOn 4";
    QTest::newRow("Out 4N") << "Out" << "pushButton_4N" << "outputOff 4";

    QTest::newRow("In ON_1") << "In" << "pushButton_ON_1" << "inputOn 1";
    QTest::newRow("In OFF_1") << "In" << "pushButton_OFF_1" << "inputOff 1";
    QTest::newRow("In ON_2") << "In" << "pushButton_ON_2" << "inputOn 2";
    QTest::newRow("In OFF_2") << "In" << "pushButton_OFF_2" << "inputOff 2";
    QTest::newRow("In ON_3") << "In" << "pushButton_ON_3" << "inputOn 3";
    QTest::newRow("In OFF_3") << "In" << "pushButton_OFF_3" << "inputOff 3";
    QTest::newRow("In ON_4") << "In" << "pushButton_ON_4" << "inputOn 4";
    QTest::newRow("In OFF_4") << "In" << "pushButton_OFF_4" << "inputOff 4";
    QTest::newRow("In ON_5") << "In" << "pushButton_ON_5" << "inputOn 5";
    QTest::newRow("In OFF_5") << "In" << "pushButton_OFF_5" << "inputOff 5";

    QTest::newRow("Impuls ON_I2") << "Impuls" << "pushButton_ON_I2" << "inputOn 2";
    QTest::newRow("Impuls OFF_I2") << "Impuls" << "pushButton_OFF_I2" << "inputOff 2";
    QTest::newRow("Impuls ON_I3") << "Impuls" << "pushButton_ON_I3" << "inputOn 3";
    QTest::newRow("Impuls OFF_I3") << "Impuls" << "pushButton_OFF_I3" << "inputOff 3";

    QTest::newRow("Analog ON_A1") << "Analog" << "pushButton_ON_A1" << "inputOn 4";
    QTest::newRow("Analog OFF_A1") << "Analog" << "pushButton_OFF_A1" << "inputOff 4";
    QTest::newRow("Analog ON_A2") << "Analog" << "pushButton_ON_A2" << "inputOn 5";
    QTest::newRow("Analog OFF_A2") << "Analog" << "pushButton_OFF_A2" << "inputOff 5";
    QTest::newRow("Analog ON_A3") << "Analog" << "pushButton_ON_A3" << "inputOn 6";
    QTest::newRow("Analog OFF_A3") << "Analog" << "pushButton_OFF_A3" << "inputOff 6";

    QTest::newRow("Commands Send") << "Commands" << "pushButton_SendCommand" << "command *?V";
}

void TestButtons::press()
{
    QFETCH(QString, group);
    QFETCH(QString, button);
    QFETCH(QString, call);

    RecordingSink page;
    CMO_CommandSink::setCurrent(&page, &page);
    auto widget = TestKit::makeGroup(group);
    widget->show();
    auto* pushButton = widget->findChild<QPushButton*>(button);
    QVERIFY(pushButton);
    QVERIFY(pushButton->isVisible());
    QVERIFY(pushButton->isEnabled());

    QTest::mousePress(pushButton, Qt::LeftButton);
    QCOMPARE(page.calls, QStringList{call});
}

void TestButtons::noSinkSendsNothing_data()
{
    press_data();
}

void TestButtons::noSinkSendsNothing()
{
    QFETCH(QString, group);
    QFETCH(QString, button);

    RecordingSink unpublished;
    auto widget = TestKit::makeGroup(group);
    widget->show();
    auto* pushButton = widget->findChild<QPushButton*>(button);
    QTest::mousePress(pushButton, Qt::LeftButton);
    QTest::mouseRelease(pushButton, Qt::LeftButton);
    QVERIFY(unpublished.calls.isEmpty());
    QVERIFY(pushButton->isEnabled());
}

void TestButtons::destroyedPageSendsNothing()
{
    auto page = std::make_unique<RecordingSink>();
    CMO_CommandSink::setCurrent(page.get(), page.get());
    page.reset();
    QCOMPARE(CMO_CommandSink::current(), nullptr);

    CMO_FormProperty_Out out;
    out.show();
    QTest::mousePress(out.findChild<QPushButton*>("pushButton_1Y"), Qt::LeftButton);   // must not crash
    CMO_FormProperty_Commands commands;
    commands.show();
    QTest::mousePress(commands.findChild<QPushButton*>("pushButton_SendCommand"), Qt::LeftButton);
}

void TestButtons::disabledButtonSendsNothing_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("button");
    // Every button that the page's command enabling reaches.
    for (int n = 1; n <= 4; ++n) {
        QTest::addRow("Out %dY", n) << "Out" << QString("pushButton_%1Y").arg(n);
        QTest::addRow("Out %dN", n) << "Out" << QString("pushButton_%1N").arg(n);
    }
    for (int n = 1; n <= 5; ++n) {
        QTest::addRow("In ON_%d", n) << "In" << QString("pushButton_ON_%1").arg(n);
        QTest::addRow("In OFF_%d", n) << "In" << QString("pushButton_OFF_%1").arg(n);
    }
    QTest::newRow("Commands Send") << "Commands" << "pushButton_SendCommand";
}

static void disableCommands(QWidget* widget)
{
    if (auto* out = qobject_cast<CMO_FormProperty_Out*>(widget))
        out->setButtonsEnabled(false);
    if (auto* in = qobject_cast<CMO_FormProperty_In*>(widget))
        in->setButtonsEnabled(false);
    if (auto* commands = qobject_cast<CMO_FormProperty_Commands*>(widget))
        commands->setSendEnabled(false);
}

void TestButtons::disabledButtonSendsNothing()
{
    QFETCH(QString, group);
    QFETCH(QString, button);

    RecordingSink page;
    CMO_CommandSink::setCurrent(&page, &page);
    auto widget = TestKit::makeGroup(group);
    widget->show();
    disableCommands(widget.get());
    auto* pushButton = widget->findChild<QPushButton*>(button);
    QVERIFY(!pushButton->isEnabled());
    QTest::mousePress(pushButton, Qt::LeftButton);
    QTest::mouseRelease(pushButton, Qt::LeftButton);
    QVERIFY(page.calls.isEmpty());
}

void TestButtons::enabledAgainSends()
{
    RecordingSink page;
    CMO_CommandSink::setCurrent(&page, &page);
    CMO_FormProperty_In in;
    in.show();
    in.setButtonsEnabled(false);
    in.setIn3(1);   // the lamps still follow the setters
    in.setButtonsEnabled(true);
    QTest::mousePress(in.findChild<QPushButton*>("pushButton_OFF_3"), Qt::LeftButton);
    QCOMPARE(page.calls, QStringList{"inputOff 3"});
}

QTEST_MAIN(TestButtons)
#include "tst_formprops_buttons.moc"
