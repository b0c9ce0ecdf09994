// The plug-in manager's settings routines over test plug-ins loaded into this
// process: one "MODULE" element per plug-in, and 5014 to the plug-in that an
// element names.
#include "cserialize.h"
#include "cserializenode.h"
#include "kvz_core.h"
#include "kvz_plugin_manager.h"

#include <QtTest>

class TstHostModules : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void saveWritesOneModulePerPluginInLoadOrder();
    void loadSendsToTheNamedPluginsOnly();
    void nothingWithoutPluginsOrNode();

private:
    QString trace() const;
    QTemporaryDir* dir = nullptr;
    QString before;
};

void TstHostModules::init()
{
    dir = new QTemporaryDir;
    for (const char* name : {"tp_format_a.so", "tp_format_b.so", "tp_other.so"})
        QVERIFY(QFile::copy(QStringLiteral(KVZ_TEST_PLUGIN_DIR "/") + name, dir->filePath(name)));
    before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir->path()));
}

void TstHostModules::cleanup()
{
    QDir::setCurrent(before);
    delete dir;
    dir = nullptr;
}

QString TstHostModules::trace() const
{
    QFile file(dir->filePath("kvz_trace.log"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void TstHostModules::saveWritesOneModulePerPluginInLoadOrder()
{
    KvzPluginManager manager(&KvzCore::pluginCallback);
    manager.addPlugin("tp_other.so");
    manager.addPlugin("tp_format_b.so");
    manager.addPlugin("tp_format_a.so");
    QCOMPARE(manager.pluginCount(), 3);

    CSerialize document(0, nullptr);
    QVERIFY(document.open());
    {
        CSerializeNode node(&document, "Settings");
        manager.saveModules(&node);
    }
    QVERIFY(document.saveToBuffer() > 0);
    QCOMPARE(document.outputBuffer(),
             QByteArray("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
                        "<Settings>\n"
                        "\t<MODULE name=\"tp_other\">\n"
                        "\t</MODULE>\n"
                        "\t<MODULE name=\"tp_format_b\">\n"
                        "\t</MODULE>\n"
                        "\t<MODULE name=\"tp_format_a\">\n"
                        "\t</MODULE>\n"
                        "</Settings>\n"));
    const QString all = trace();
    QCOMPARE(all.count("Receive 5015"), 3);
    QVERIFY(all.indexOf("tp_other Receive 5015") < all.indexOf("tp_format_b Receive 5015"));
    QVERIFY(all.indexOf("tp_format_b Receive 5015") < all.indexOf("tp_format_a Receive 5015"));
}

void TstHostModules::loadSendsToTheNamedPluginsOnly()
{
    KvzPluginManager manager(&KvzCore::pluginCallback);
    manager.addPlugin("tp_format_a.so");
    manager.addPlugin("tp_format_b.so");
    manager.addPlugin("tp_other.so");

    const QByteArray xml("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
                         "<Settings>\n"
                         "    <MODULE name=\"tp_format_b\"/>\n"
                         "    <MODULE/>\n"
                         "    <OTHER name=\"tp_format_a\"/>\n"
                         "    <MODULE name=\"unknown\"/>\n"
                         "    <MODULE name=\"tp_other\"/>\n"
                         "    <MODULE name=\"tp_format_b\"/>\n"
                         "</Settings>\n");
    CSerialize document(xml.size(), xml.constData());
    QVERIFY(document.open());
    CSerializeNode node(&document, "Settings");
    manager.loadModules(&node);

    const QString all = trace();
    QCOMPARE(all.count("tp_format_b Receive 5014"), 2);
    QCOMPARE(all.count("tp_other Receive 5014"), 1);
    QCOMPARE(all.count("tp_format_a Receive 5014"), 0);
}

void TstHostModules::nothingWithoutPluginsOrNode()
{
    KvzPluginManager empty(&KvzCore::pluginCallback);
    CSerialize document(0, nullptr);
    QVERIFY(document.open());
    CSerializeNode node(&document, "Settings");
    empty.saveModules(&node);
    empty.loadModules(&node);
    QVERIFY(document.saveToBuffer() > 0);
    QVERIFY(!document.outputBuffer().contains("MODULE"));

    KvzPluginManager manager(&KvzCore::pluginCallback);
    manager.addPlugin("tp_format_a.so");
    manager.saveModules(nullptr);
    manager.loadModules(nullptr);
    QVERIFY(!trace().contains("Receive 501"));
}

QTEST_MAIN(TstHostModules)
#include "tst_host_modules.moc"
