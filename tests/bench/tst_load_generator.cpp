// The load generator with its terminals dealt out over several threads,
// played against the answering stand-in (answer_server.h): every record is
// counted once, the counters and latencies of the threads add up, a long
// run stops at its record count, and wrong or missing answers are found.
#include "answer_server.h"
#include "load_generator.h"
#include "velkor_process.h"

#include <QtTest>

#include <thread>

Q_DECLARE_METATYPE(AnswerServer::Fault)

class tst_load_generator : public QObject
{
    Q_OBJECT
private slots:
    void longRun_data();
    void longRun();
    void openLoopKeepsTheRate();
    void faultyAnswers_data();
    void faultyAnswers();
    void rounds();
    void nobodyListening();
};

void tst_load_generator::longRun_data()
{
    QTest::addColumn<int>("threads");
    QTest::addColumn<int>("terminals");
    QTest::addColumn<double>("kvzbShare");
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("records");
    QTest::newRow("one thread, each record after its answer") << 1 << 20 << 0.1 << 0.0 << 3000;
    QTest::newRow("four threads, each record after its answer") << 4 << 100 << 0.1 << 0.0 << 3000;
    QTest::newRow("three threads, half of them \"*>T\"") << 3 << 50 << 0.5 << 0.0 << 2000;
    QTest::newRow("four threads, 200 records/s each") << 4 << 40 << 0.25 << 200.0 << 2000;
    QTest::newRow("more threads than terminals") << 8 << 5 << 0.2 << 0.0 << 500;
}

void tst_load_generator::longRun()
{
    QFETCH(int, threads);
    QFETCH(int, terminals);
    QFETCH(double, kvzbShare);
    QFETCH(double, rate);
    QFETCH(int, records);
    AnswerServer server;
    QVERIFY(server.start());
    LoadGenerator load(server.port(), kvzbShare, threads);
    QCOMPARE(load.threadCount(), threads);
    QVERIFY2(load.connect(terminals, 64, 10), load.describe().c_str());
    QCOMPARE(load.counters().ready, terminals);
    QCOMPARE(load.terminalCount(), terminals);

    const auto caller = std::this_thread::get_id();
    int ticks = 0;
    bool tickOnCaller = true;
    load.run(rate, 30, static_cast<uint64_t>(records), [&]() {
        ++ticks;
        tickOnCaller = tickOnCaller && std::this_thread::get_id() == caller;
    });
    const LoadCounters c = load.counters();
    QCOMPARE(c.sent, uint64_t(records));
    QCOMPARE(c.answered, uint64_t(records));
    QCOMPARE(c.bad, uint64_t(0));
    QCOMPARE(c.dropped, uint64_t(0));
    QCOMPARE(load.outstanding(), uint64_t(0));
    QCOMPARE(load.latency.count(), size_t(records));
    QVERIFY(tickOnCaller);
    QCOMPARE(server.records(), uint64_t(records));
    QCOMPARE(server.rejected(), uint64_t(0));
    QCOMPARE(server.names().size(), size_t(terminals));
}

void tst_load_generator::openLoopKeepsTheRate()
{
    // 30 terminals at 20 records/s for 0.5 s: each sends at most 10 records,
    // the first ones spread over 50 ms; the tick sees the figures grow.
    AnswerServer server;
    QVERIFY(server.start());
    LoadGenerator load(server.port(), 0.1, 4);
    QVERIFY2(load.connect(30, 64, 10), load.describe().c_str());
    uint64_t sentAtFirstTick = 0;
    load.run(20, 0.5, 0, [&]() {
        if (!sentAtFirstTick)
            sentAtFirstTick = load.counters().sent;
    });
    load.drain(0.5, 5);
    const LoadCounters c = load.counters();
    QVERIFY(sentAtFirstTick > 0);
    QVERIFY2(c.sent <= 30 * 10, qPrintable(QString::number(c.sent)));
    QVERIFY(c.sent >= sentAtFirstTick);
    QCOMPARE(c.answered, c.sent);
    QCOMPARE(load.latency.count(), size_t(c.sent));
    QCOMPARE(server.records(), c.sent);
}

void tst_load_generator::faultyAnswers_data()
{
    QTest::addColumn<AnswerServer::Fault>("fault");
    QTest::addColumn<int>("threads");
    QTest::newRow("a changed byte, one thread") << AnswerServer::Fault::WrongAnswer << 1;
    QTest::newRow("a changed byte, four threads") << AnswerServer::Fault::WrongAnswer << 4;
    QTest::newRow("no answer, four threads") << AnswerServer::Fault::NoAnswer << 4;
}

void tst_load_generator::faultyAnswers()
{
    QFETCH(AnswerServer::Fault, fault);
    QFETCH(int, threads);
    constexpr uint32_t every = 7;
    AnswerServer server;
    server.setFault(fault, every);
    QVERIFY(server.start());
    LoadGenerator load(server.port(), 0.1, threads);
    QVERIFY2(load.connect(40, 64, 10), load.describe().c_str());
    // A terminal whose answer is wrong or missing waits on: not all of them
    // get through their 10 records.
    QVERIFY(!load.sendEach(10, 0.5));
    load.drain(0.2, 2);
    const LoadCounters c = load.counters();
    QTRY_COMPARE(server.records(), c.sent);
    const uint64_t spoilt = c.sent / every;
    QVERIFY(spoilt > 0);
    QCOMPARE(load.outstanding(), spoilt);
    QCOMPARE(c.bad, fault == AnswerServer::Fault::WrongAnswer ? spoilt : uint64_t(0));
    QCOMPARE(c.answered, c.sent - spoilt);
    QCOMPARE(c.dropped, uint64_t(0));
}

void tst_load_generator::rounds()
{
    // Three rounds of 30 terminals that connect, send 3 records each and
    // drop: the terminals of all rounds are told apart over four threads.
    AnswerServer server;
    QVERIFY(server.start());
    LoadGenerator load(server.port(), 0.1, 4);
    for (int round = 1; round <= 3; ++round) {
        QVERIFY2(load.connect(30, 8, 10), load.describe().c_str());
        QVERIFY2(load.sendEach(3, 10), load.describe().c_str());
        load.disconnectAll();
        QTRY_COMPARE(server.closed(), uint64_t(30 * round));
    }
    const LoadCounters c = load.counters();
    QCOMPARE(c.ready, 90);
    QCOMPARE(c.sent, uint64_t(270));
    QCOMPARE(c.answered, uint64_t(270));
    QCOMPARE(c.dropped, uint64_t(0));
    QCOMPARE(server.connections(), uint64_t(90));
    const std::set<QByteArray> names = server.names();
    QCOMPARE(names.size(), size_t(90));
    QCOMPARE(*names.begin(), QByteArray("BENCH000000"));
    QCOMPARE(*names.rbegin(), QByteArray("BENCH000089"));
}

void tst_load_generator::nobodyListening()
{
    LoadGenerator load(VelkorProcess::freePort(), 0.1, 2);
    QVERIFY(!load.connect(4, 64, 0.3));
    QCOMPARE(load.counters().ready, 0);
    QVERIFY(QByteArray::fromStdString(load.describe()).contains("idle 0"));
}

QTEST_GUILESS_MAIN(tst_load_generator)
#include "tst_load_generator.moc"
