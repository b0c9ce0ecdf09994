// Connection churn against the real velkor: 200 terminals connect, send a few
// records and drop, half with FIN and half with RST, for 10 rounds. After
// each round no row is left; at the end the thread count is back where it
// started, and every connection logged exactly one disconnect line. The log
// pane is read and cleared after each round, so its size stays small.
#include "load_generator.h"
#include "process_stats.h"
#include "velkor_process.h"
#include "velkor_runner.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QtTest>

namespace {
constexpr int kTerminals = 200;
constexpr int kRounds = 10;
constexpr uint32_t kRecords = 3;

// The runner keeps its process to itself: find velkor by its working folder.
pid_t velkorIn(const QString& workDir)
{
    const QString wanted = QFileInfo(workDir).canonicalFilePath();
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        bool number = false;
        const pid_t pid = entry.toInt(&number);
        if (!number)
            continue;
        const QString base = QStringLiteral("/proc/") + entry;
        if (QFileInfo(base + QStringLiteral("/cwd")).canonicalFilePath() == wanted
            && QFileInfo(QFileInfo(base + QStringLiteral("/exe")).symLinkTarget()).fileName() == QLatin1String("velkor"))
            return pid;
    }
    return -1;
}

int threadsOf(pid_t pid)
{
    return ProcessStats::read(pid).threads;
}

// Adds the disconnect lines of the log pane's text, per terminal name.
void countDisconnectLines(const QString& log, QHash<QString, int>& count)
{
    static const QRegularExpression line(QStringLiteral("Отключение устройства (BENCH\\d{6})"));
    auto it = line.globalMatch(log);
    while (it.hasNext())
        ++count[it.next().captured(1)];
}
} // namespace

class tst_churn : public QObject
{
    Q_OBJECT
private slots:
    void churnLeavesNothingBehind();
};

void tst_churn::churnLeavesNothingBehind()
{
    VelkorRunner runner;
    QVERIFY(runner.addPlugin(QStringLiteral("quallon.so")));
    QVERIFY(runner.addPlugin(QStringLiteral("drassel.so")));
    QVERIFY(runner.addPlugin(QStringLiteral("kvz_bench_helper.so")));  // the "*>T" terminals' format
    QVERIFY2(runner.start(), qPrintable(runner.lastError()));
    const pid_t pid = velkorIn(runner.workDir());
    QVERIFY(pid > 0);

    const uint16_t port = VelkorProcess::freePort();
    QVERIFY(runner.setValue(QStringLiteral("KVZB_FormServerSettingsClass/spinBox_Port"), port));
    QVERIFY(runner.press(QStringLiteral("pushButton_StartStop")));
    QVERIFY(VelkorRunner::waitFor([&] {
        return runner.text(QStringLiteral("textEdit_Log")).contains(QStringLiteral("Сервер KVZB запущен"));
    }));
    const int threadsBefore = threadsOf(pid);
    QVERIFY(threadsBefore > 0);

    LoadGenerator load(port, 0.1);
    QHash<QString, int> lines;
    for (int round = 0; round < kRounds; ++round) {
        QVERIFY2(load.connect(kTerminals, 64, 30),
                 qPrintable(QStringLiteral("round %1 connecting: %2").arg(round).arg(load.describe().c_str())));
        QVERIFY2(load.sendEach(kRecords, 30),
                 qPrintable(QStringLiteral("round %1 sending: %2").arg(round).arg(load.describe().c_str())));
        load.disconnectAll();
        QVERIFY2(VelkorRunner::waitFor([&] { return runner.treeRows(QStringLiteral("treeWidget")).isEmpty(); }, 30000),
                 qPrintable(QStringLiteral("round %1: rows left").arg(round)));
        countDisconnectLines(runner.text(QStringLiteral("textEdit_Log")), lines);
        QVERIFY(runner.press(QStringLiteral("toolButton_Clear")));
    }
    const LoadCounters counters = load.counters();
    QCOMPARE(counters.ready, kTerminals * kRounds);
    QCOMPARE(counters.answered, uint64_t(kTerminals * kRounds * kRecords));
    QCOMPARE(counters.bad, uint64_t(0));
    QCOMPARE(counters.dropped, uint64_t(0));

    QVERIFY2(VelkorRunner::waitFor([&] { return threadsOf(pid) == threadsBefore; }, 30000),
             qPrintable(QStringLiteral("threads %1, before %2").arg(threadsOf(pid)).arg(threadsBefore)));

    QCOMPARE(lines.size(), kTerminals * kRounds);
    for (int i = 0; i < kTerminals * kRounds; ++i) {
        const QString name = QStringLiteral("BENCH%1").arg(i, 6, 10, QLatin1Char('0'));
        QVERIFY2(lines.value(name) == 1, qPrintable(QStringLiteral("%1: %2 disconnect lines").arg(name).arg(lines.value(name))));
    }
    QVERIFY2(runner.closeAndWait(), qPrintable(runner.lastError()));
}

QTEST_GUILESS_MAIN(tst_churn)
#include "tst_churn.moc"
