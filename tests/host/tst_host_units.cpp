// Pieces of the host on their own: log texts, the module registry, the
// diagnostic log file, packet type names, the formats list, and the core and
// plug-in manager over test plug-ins loaded into this process.
#include "event_tr_packet.h"
#include "kvz_core.h"
#include "kvz_formparam.h"
#include "kvz_logfile.h"
#include "kvz_logtext.h"
#include "kvz_module_registry.h"
#include "kvz_object.h"
#include "kvz_plugin_manager.h"
#include "kvz_plugin_record.h"
#include "kvz_resources.h"

#include <QImage>
#include <QTreeWidget>
#include <QtTest>

class TstHostUnits : public QObject
{
    Q_OBJECT
private slots:
    void callbackWithoutCoreAnswersMinusOne();
    void timeStamp_data();
    void timeStamp();
    void hexDump_data();
    void hexDump();
    void logLines();
    void registryMatches();
    void registryReadsFieldsWithinTheirWidth();
    void registryFindsTheFirstOwnerOfAHandle();
    void logFileLine();
    void logFileAppendsCrLf();
    void logFileCutsLongNames();
    void logFileIgnoresNullText();
    void typeNames_data();
    void typeNames();
    void eventType();
    void rowCountsPastTwoGigabytes();
    void iconsAreCompiledIn();
    void managerOverTestPlugins();
    void formatsList();

private:
    static KvzModuleEntry entry(const char* cls, const char* maker, void* owner, intptr_t handle);
    static KvzModuleQuery query(const char* cls, const char* maker);
};

KvzModuleEntry TstHostUnits::entry(const char* cls, const char* maker, void* owner, intptr_t handle)
{
    KvzModuleEntry e;
    std::memset(&e, 0, sizeof(e));
    std::strcpy(e.moduleClass, cls);
    std::strcpy(e.maker, maker);
    e.owner = owner;
    e.handle = reinterpret_cast<void*>(handle);
    return e;
}

KvzModuleQuery TstHostUnits::query(const char* cls, const char* maker)
{
    KvzModuleQuery q;
    std::memset(&q, 0, sizeof(q));
    std::strcpy(q.moduleClass, cls);
    std::strcpy(q.maker, maker);
    return q;
}

void TstHostUnits::callbackWithoutCoreAnswersMinusOne()
{
    QVERIFY(KvzCore::instance() == nullptr);
    int dummy = 0;
    QCOMPARE(KvzCore::pluginCallback(&dummy, MSG_LOG_TEXT, nullptr, nullptr), -1);
    QCOMPARE(KvzCore::pluginCallback(nullptr, MSG_FIND_MODULES, nullptr, nullptr), -1);
}

void TstHostUnits::timeStamp_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("2 ms") << QTime(9, 5, 7, 2) << "09:05:07:2";
    QTest::newRow("20 ms") << QTime(9, 5, 7, 20) << "09:05:07:20";
    QTest::newRow("200 ms") << QTime(13, 45, 59, 200) << "13:45:59:200";
    QTest::newRow("0 ms") << QTime(0, 0, 0, 0) << "00:00:00:0";
    QTest::newRow("999 ms, 23 h") << QTime(23, 59, 59, 999) << "23:59:59:999";
}

void TstHostUnits::timeStamp()
{
    QFETCH(QTime, time);
    QFETCH(QString, text);
    QCOMPARE(KvzLogText::timeStamp(time), text);
}

void TstHostUnits::hexDump_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("perLine");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QByteArray() << 11 << "";
    QTest::newRow("one high byte") << QByteArray("\xab") << 11 << " 0xab,";
    QTest::newRow("a full line") << QByteArray("\x00\x01\x02", 3) << 3 << " 0x00, 0x01, 0x02,";
    QTest::newRow("one more") << QByteArray("\x00\x01\x02\xff", 4) << 3 << " 0x00, 0x01, 0x02,\r\n 0xff,";
    QTest::newRow("two lines and a bit") << QByteArray("\x10\x20\x30\x40\x50", 5) << 2
                                         << " 0x10, 0x20,\r\n 0x30, 0x40,\r\n 0x50,";
}

void TstHostUnits::hexDump()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, perLine);
    QFETCH(QString, text);
    QCOMPARE(KvzLogText::hexDump(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size(), perLine), text);
}

void TstHostUnits::logLines()
{
    const QString t = QStringLiteral("09:05:07:2");
    QCOMPARE(KvzLogText::connectLine(t, "IMEI1"), QStringLiteral("<b>09:05:07:2  Подключение устройства IMEI1</b> "));
    QCOMPARE(KvzLogText::disconnectLine(t, "IMEI1"), QStringLiteral("<b>09:05:07:2  Отключение устройства IMEI1</b> \r\n"));
    QCOMPARE(KvzLogText::rawHeader(0, t, 5), QStringLiteral("<b>09:05:07:2 принято: 5 байт</b> "));
    QCOMPARE(KvzLogText::rawHeader(1, t, 5), QStringLiteral("<b>09:05:07:2 отправлено: 5 байт</b> "));
    QCOMPARE(KvzLogText::rawHeader(2, t, 5), QStringLiteral("кол-во байт: 5"));
    QCOMPARE(KvzLogText::packetHeader(0, t, "IMEI1", 17), QStringLiteral("<b>09:05:07:2 принято от  устройства IMEI1 : 17 байт</b> "));
    QCOMPARE(KvzLogText::packetHeader(1, t, "IMEI1", 17), QStringLiteral("<b>09:05:07:2 отправлено устройству IMEI1 : 17 байт</b> "));
    QCOMPARE(KvzLogText::packetHeader(7, t, "IMEI1", 17), QStringLiteral("кол-во байт 17"));
    // A name is text, also when it looks like markup or a placeholder.
    QCOMPARE(KvzLogText::connectLine(t, "<i>%3&"), QStringLiteral("<b>09:05:07:2  Подключение устройства &lt;i&gt;%3&amp;</b> "));
    QCOMPARE(KvzLogText::packetHeader(0, t, "%3", 1), QStringLiteral("<b>09:05:07:2 принято от  устройства %3 : 1 байт</b> "));
}

void TstHostUnits::registryMatches()
{
    KvzModuleRegistry registry;
    int owner = 0;
    QCOMPARE(registry.count(query("TRANSPORT", "")), 0);
    QVERIFY(registry.findOne(query("TRANSPORT", "")) == nullptr);
    registry.add(entry("TRANSPORT", "ZOLVENTARI", &owner, 1));
    registry.add(entry("TRANSPORT", "ZOLVENTARI", &owner, 1));
    registry.add(entry("TRANSPORT", "", &owner, 2));
    QCOMPARE(registry.count(query("TRANSPORT", "")), 3);
    QCOMPARE(registry.count(query("TRANSPORT", "ZOLVENTARI")), 2);
    QCOMPARE(registry.count(query("TRANSPORT", "OTHER")), 0);
    QCOMPARE(registry.count(query("", "")), 0);
    // 5005 with an empty maker finds only the entry with an empty maker.
    QCOMPARE(reinterpret_cast<intptr_t>(registry.findOne(query("TRANSPORT", ""))->handle), intptr_t(2));
    QVERIFY(registry.findOne(query("TRANSPORT", "OTHER")) == nullptr);

    KvzModuleEntry* results[4] = {};
    KvzModuleQuery q = query("TRANSPORT", "");
    q.results = results;
    q.capacity = 1;
    QCOMPARE(registry.findAll(q), 1);
    QVERIFY(results[1] == nullptr);
    q.capacity = 4;
    QCOMPARE(registry.findAll(q), 3);
    QCOMPARE(reinterpret_cast<intptr_t>(results[2]->handle), intptr_t(2));
    q.capacity = 0;
    QCOMPARE(registry.findAll(q), 0);
    q.capacity = 4;
    q.results = nullptr;
    QCOMPARE(registry.findAll(q), 0);
    // The registry keeps its own copies.
    QVERIFY(results[0] != results[1]);
    QVERIFY(registry.contains(results[0]));
    KvzModuleEntry outside = entry("TRANSPORT", "", &owner, 2);
    QVERIFY(!registry.contains(&outside));
}

void TstHostUnits::registryReadsFieldsWithinTheirWidth()
{
    KvzModuleRegistry registry;
    KvzModuleEntry e = entry("", "", nullptr, 9);
    std::memset(e.moduleClass, 'A', sizeof(e.moduleClass));   // no NUL at all
    std::memset(e.maker, 'B', sizeof(e.maker));
    registry.add(e);
    KvzModuleQuery q = query("", "");
    std::memset(q.moduleClass, 'A', sizeof(q.moduleClass));
    QCOMPARE(registry.count(q), 1);
    QCOMPARE(KvzModuleRegistry::moduleClass(e).size(), 255);
    QCOMPARE(KvzModuleRegistry::maker(e), QByteArray(255, 'B'));
}

void TstHostUnits::registryFindsTheFirstOwnerOfAHandle()
{
    KvzModuleRegistry registry;
    int first = 0, second = 0;
    registry.add(entry("TRANSPORT", "A", &first, 5));
    registry.add(entry("TRANSPORT", "B", &second, 5));
    QVERIFY(registry.findByHandle(reinterpret_cast<void*>(5)) == reinterpret_cast<KvzPluginRecord*>(&first));
    QVERIFY(registry.findByHandle(reinterpret_cast<void*>(6)) == nullptr);
    QCOMPARE(KvzModuleRegistry::maker(*registry.findByOwner(&second)), QByteArray("B"));
    QVERIFY(registry.findByOwner(nullptr) == nullptr);
}

void TstHostUnits::logFileLine()
{
    KvzLogFile file("Src", "x.log", 7);
    const QDateTime when(QDate(2024, 3, 5), QTime(14, 7, 9));
    QCOMPARE(file.formatLine("text", 1, when),
             QByteArray("05.03.2024 14:07:09  Src              ERROR             text"));
    QCOMPARE(file.formatLine("t", 0, when), QByteArray("05.03.2024 14:07:09  Src              message           t"));
    QCOMPARE(file.formatLine("t", 2, when), QByteArray("05.03.2024 14:07:09  Src              Ip. message       t"));
    QCOMPARE(file.formatLine("t", 3, when), QByteArray("05.03.2024 14:07:09  Src              Warning           t"));
    QCOMPARE(file.formatLine("t", 4, when), QByteArray("05.03.2024 14:07:09  Src              Message           t"));
    KvzLogFile unnamed;
    QCOMPARE(unnamed.formatLine("t", 0, when), QByteArray("05.03.2024 14:07:09  No parent        message           t"));
    QCOMPARE(QByteArray(unnamed.currentFileName()), QByteArray("noname.log"));
    // A line is at most 2047 bytes.
    QCOMPARE(file.formatLine(QByteArray(3000, 'x').constData(), 0, when).size(), 2047);
}

void TstHostUnits::logFileAppendsCrLf()
{
    QTemporaryDir dir;
    const QByteArray name = dir.filePath("diag.log").toLocal8Bit();
    KvzLogFile file("Src", name.constData(), 0);
    file.write("one", 0);
    file.write("two", 3);
    QFile f(QString::fromLocal8Bit(name));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.at(0).endsWith("   one\r"));
    QVERIFY(lines.at(1).endsWith("Warning           two\r"));
    QCOMPARE(lines.at(2), QByteArray());
}

void TstHostUnits::logFileCutsLongNames()
{
    const QByteArray longName(2000, 'n');
    KvzLogFile file("Src", longName.constData(), 0);
    QCOMPARE(QByteArray(file.currentFileName()), QByteArray(1023, 'n'));
    file.setFileName("short.log");
    QCOMPARE(QByteArray(file.currentFileName()), QByteArray("short.log"));
    file.setFileName(nullptr);
    QCOMPARE(QByteArray(file.currentFileName()), QByteArray("short.log"));
}

void TstHostUnits::logFileIgnoresNullText()
{
    QTemporaryDir dir;
    const QByteArray name = dir.filePath("none.log").toLocal8Bit();
    KvzLogFile file("Src", name.constData(), 0);
    file.write(nullptr, 1);
    QVERIFY(!QFile::exists(QString::fromLocal8Bit(name)));
}

void TstHostUnits::typeNames_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::newRow("0") << 0 << "Unknow";
    QTest::newRow("1") << 1 << "Handshake";
    QTest::newRow("2") << 2 << "Данные";
    QTest::newRow("3") << 3 << "Архив";
    QTest::newRow("4") << 4 << "Пинг";
    QTest::newRow("5") << 5 << "Ответ на команду";
    QTest::newRow("6") << 6 << "Версия устройства";
    QTest::newRow("7") << 7 << "Текущее состояние";
    QTest::newRow("8") << 8 << "Соединение с RFU";
    QTest::newRow("9") << 9 << "Соединение с RCS";
    QTest::newRow("10") << 10 << "Unknow";
    QTest::newRow("11") << 11 << "Handshake ZIRN";
    QTest::newRow("12") << 12 << "Тек. состояние";
    QTest::newRow("13") << 13 << "Данные";
    QTest::newRow("14") << 14 << "Архив";
    QTest::newRow("15") << 15 << "Пинг";
    QTest::newRow("16") << 16 << "Unknow";
    QTest::newRow("-1") << -1 << "Unknow";
}

void TstHostUnits::typeNames()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    QCOMPARE(KVZ_Object::typeName(type), name);
}

void TstHostUnits::eventType()
{
    Event_Tr_Packet event;
    QCOMPARE(int(event.type()), 1111);
}



// A terminal that stays connected for weeks: its byte counts do not turn
// negative at 2 GiB.
void TstHostUnits::rowCountsPastTwoGigabytes()
{
    QTreeWidget tree;
    TransportPacket packet;
    packet.clear();
    packet.type = PT_HANDSHAKE;
    std::strcpy(packet.deviceName, "IMEI1");
    packet.length = 4;
    KVZ_Object row(&tree, &packet, 1, nullptr);
    QCOMPARE(tree.topLevelItem(0)->text(3), QStringLiteral("4"));
    packet.type = PT_CLOSED_OR_SENT;
    packet.length = 1024;
    for (int i = 0; i < 2 * 1024 * 1024 + 1; ++i)
        row.packetSent(packet);
    QCOMPARE(tree.topLevelItem(0)->text(4), QStringLiteral("2147484672"));
}

void TstHostUnits::iconsAreCompiledIn()
{
    kvzInitHostResources();
    for (const char* name : {"play", "stop", "save", "exit", "clear"}) {
        for (const char* prefix : {":/Image/Resources/", ":Image/Resources/"}) {
            const QImage image(QString::fromLatin1(prefix) + name + ".png");
            QVERIFY2(!image.isNull(), name);
            QCOMPARE(image.size(), QSize(24, 24));
        }
    }
}

// Loaded into this process from a folder of test plug-ins.
void TstHostUnits::managerOverTestPlugins()
{
    QTemporaryDir dir;
    for (const char* name : {"tp_format_a.so", "tp_format_dup.so", "tp_other.so", "tp_no_init.so"})
        QVERIFY(QFile::copy(QStringLiteral(KVZ_TEST_PLUGIN_DIR "/") + name, dir.filePath(name)));
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    KvzPluginManager manager(&KvzCore::pluginCallback);
    manager.addPlugin("missing.so");
    manager.addPlugin("tp_no_init.so");
    manager.addPlugin("tp_format_a.so");
    manager.addPlugin("tp_other.so");
    manager.addPlugin("tp_format_dup.so");
    QCOMPARE(manager.pluginCount(), 3);

    KvzPluginRecord* a = manager.findByName("tp_format_a");
    KvzPluginRecord* other = manager.findByName("tp_other");
    KvzPluginRecord* dup = manager.findByName("tp_format_dup");
    QVERIFY(a && other && dup);
    QCOMPARE(a->path, QStringLiteral("tp_format_a.so"));
    QCOMPARE(a->formatNumber, 176);
    QCOMPARE(dup->formatNumber, 176);
    QVERIFY(manager.findFormat(176) == a);
    QVERIFY(manager.findFormat(177) == nullptr);
    QCOMPARE(manager.formatName(176), QStringLiteral("Формат tp_format_a"));
    QVERIFY(manager.formatName(5).isNull());
    QVERIFY(manager.findByName(QString()) == nullptr);
    QVERIFY(manager.findByName("tp_no_init") == nullptr);
    QVERIFY(manager.findByDescription("Формат tp_other") == other);
    QVERIFY(manager.contains(a));
    QVERIFY(!manager.contains(nullptr));
    QVERIFY(manager.otherDescriptions().isEmpty());

    std::vector<FormatDescriptor*> list;
    manager.queryFormats(list);
    manager.queryFormats(list);
    QCOMPARE(int(list.size()), 4);
    QCOMPARE(list[0]->name, QStringLiteral("tp_format_a"));
    QCOMPARE(list[1]->name, QStringLiteral("tp_format_dup"));
    QCOMPARE(list[1]->recordSize, 67);
    QCOMPARE(list[1]->numberOffset, 3);
    QCOMPARE(list[1]->fieldTable[59], 3059);
    QCOMPARE(list[2]->name, QStringLiteral("tp_format_a"));
    for (FormatDescriptor* d : list)
        delete d;

    // The kind-2 plug-in was never asked its number.
    QFile trace(dir.filePath("kvz_trace.log"));
    QVERIFY(trace.open(QIODevice::ReadOnly));
    const QString all = QString::fromUtf8(trace.readAll());
    QVERIFY(!all.contains("tp_other Receive 5022"));
    QVERIFY(all.contains("tp_format_a Initialize core=0 record=1\ntp_format_a Receive 5022\n"));
    QVERIFY(!all.contains("tp_no_init"));
    QVERIFY(QDir::setCurrent(before));
}

void TstHostUnits::formatsList()
{
    QTemporaryDir dir;
    for (const char* name : {"tp_format_a.so", "tp_format_b.so"})
        QVERIFY(QFile::copy(QStringLiteral(KVZ_TEST_PLUGIN_DIR "/") + name, dir.filePath(name)));
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    KvzCore core;
    QVERIFY(KvzCore::instance() == &core);
    // Routing through the core in this process.
    QCOMPARE(KvzCore::pluginCallback(nullptr, MSG_PLUGINS_LOADED, nullptr, nullptr), -1);
    QCOMPARE(KvzCore::pluginCallback(&core, 5006, nullptr, nullptr), 0);
    QCOMPARE(core.sendToPlugin(nullptr, MSG_SESSION_SHOW, nullptr, nullptr), 0);
    QCOMPARE(core.formatName(52), QStringLiteral("Формат tp_format_b"));

    KVZ_FormParam list;
    QTreeWidget* tree = list.findChild<QTreeWidget*>("treeWidget");
    QVERIFY(tree);
    QCOMPARE(list.pageForFormat(176), 0);
    list.addFormat(176, 4);
    // A single row gives its page too.
    QCOMPARE(list.pageForFormat(176), 4);
    QCOMPARE(list.pageForFormat(52), 0);
    list.addFormat(0, 9);
    list.addFormat(999, 6);
    list.addFormat(52, 7);
    list.addFormat(176, 8);
    QCOMPARE(tree->topLevelItemCount(), 4);
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Формат tp_format_a"));
    QCOMPARE(tree->topLevelItem(1)->text(0), QString());
    QCOMPARE(tree->topLevelItem(2)->text(0), QStringLiteral("Формат tp_format_b"));
    QCOMPARE(list.pageForFormat(176), 4);
    QCOMPARE(list.pageForFormat(52), 7);
    QCOMPARE(list.pageForFormat(999), 6);
    QCOMPARE(list.pageForFormat(0), 0);
    QCOMPARE(list.pageForFormat(5), 0);
    QVERIFY(QDir::setCurrent(before));
}

QTEST_MAIN(TstHostUnits)
#include "tst_host_units.moc"
