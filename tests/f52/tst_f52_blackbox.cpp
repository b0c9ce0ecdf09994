// An F-52 terminal end to end: the real velkor, headless, with quallon.so and
// lottica.so, and a scripted terminal that handshakes and sends "*>T", "*>A"
// and a ping; then a guard button and its answer.
#include "fixed_blackbox.h"

namespace {
FixedBlackbox::Format f52Format()
{
    FixedBlackbox::Format format;
    format.plugin = QStringLiteral("lottica.so");
    format.terminal = "F52A";
    format.rowText = QStringLiteral("F-52");
    format.pageClass = QStringLiteral("KVZ_FormParam_F52Class");
    format.record = [](quint32 numPage, quint8 protection) {
        F52Test::Values v = F52Test::fullValues();
        v.numPage = numPage;
        v.protection = protection;
        return F52Test::recordOf(v);
    };
    format.text = [](quint32 numPage) {
        return QString::fromLatin1(F52Test::fullText())
            .replace(QStringLiteral("NumPage = 4000000000"), QStringLiteral("NumPage = ") + QString::number(numPage));
    };
    return format;
}
}

class TstF52Blackbox : public QObject
{
    Q_OBJECT
public:
    TstF52Blackbox() : m_scenario(f52Format()) {}

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

void TstF52Blackbox::selectingTheRowShowsTheRecord()
{
    m_scenario.selectingTheRowShowsTheRecord();
    VelkorRunner& runner = m_scenario.runner();
    QCOMPARE(runner.text(QStringLiteral("label_Name_Text")), QStringLiteral("F52A"));
    QCOMPARE(runner.text(QStringLiteral("label_FullName_Text")), QStringLiteral("305419896"));
    QCOMPARE(runner.text(QStringLiteral("label_Type_Text")), QStringLiteral("F-52"));
    QCOMPARE(runner.text(QStringLiteral("label_Temp1_Value")), QStringLiteral("не используется"));
    QCOMPARE(runner.text(QStringLiteral("label_D1_Temp_Value")), QStringLiteral("-5 °С"));
}

QTEST_MAIN(TstF52Blackbox)
#include "tst_f52_blackbox.moc"
