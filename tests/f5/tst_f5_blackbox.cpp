// An F-5 terminal end to end: the real velkor, headless, with quallon.so and
// brunda.so, and a scripted terminal that handshakes and sends "*>T", "*>A"
// and a ping; then a guard button and its answer.
#include "f5_test_record.h"
#include "fixed_blackbox.h"

namespace {
FixedBlackbox::Format f5Format()
{
    FixedBlackbox::Format format;
    format.plugin = QStringLiteral("brunda.so");
    format.terminal = "F5A";
    format.rowText = QStringLiteral("F-5");
    format.pageClass = QStringLiteral("KVZ_FormParam_F5Class");
    format.record = [](quint32 numPage, quint8 protection) {
        F52Test::Values v = F5Test::fullValues(numPage);
        v.protection = protection;
        return F5Test::recordOf(v);
    };
    format.text = [](quint32 numPage) { return F5Test::fullText(numPage); };
    return format;
}
}

class TstF5Blackbox : public QObject
{
    Q_OBJECT
public:
    TstF5Blackbox() : m_scenario(f5Format()) {}

private slots:
    void initTestCase() { m_scenario.start(); }
    void cleanupTestCase() { m_scenario.stop(); }
    void recordsAreAnswered() { m_scenario.recordsAreAnswered(); }
    void logFileHoldsTheEntries() { m_scenario.logFileHoldsTheEntries(); }
    void rowShowsTheFormat() { m_scenario.rowShowsTheFormat(); }
    void selectingTheRowShowsTheRecord();
    void guardButtonReachesTheTerminal() { m_scenario.guardButtonReachesTheTerminal(); }
    void disconnectEndsTheLog() { m_scenario.disconnectEndsTheLog(); }

private:
    FixedBlackbox::Scenario m_scenario;
};

void TstF5Blackbox::selectingTheRowShowsTheRecord()
{
    m_scenario.selectingTheRowShowsTheRecord();
    VelkorRunner& runner = m_scenario.runner();
    QCOMPARE(runner.text(QStringLiteral("label_Name_Text")), QStringLiteral("F5A"));
    QCOMPARE(runner.text(QStringLiteral("label_FullName_Text")), QStringLiteral("305419896"));
    QCOMPARE(runner.text(QStringLiteral("label_Type_Text")), QStringLiteral("F-5"));
    QVERIFY(!runner.exists(QStringLiteral("label_Temp1_Value")));
}

QTEST_MAIN(TstF5Blackbox)
#include "tst_f5_blackbox.moc"
