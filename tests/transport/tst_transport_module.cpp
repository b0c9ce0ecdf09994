// The transport module object as the host sees it: its information block,
// registration, settings page, Start and Stop.
#include "server_kvzb.h"
#include "transportmodule_kvzb.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace {

struct Call {
    int code;
    QString text;
    void* data;
};

QList<Call> calls;
int coreObject = 0;

int hostCallback(void* target, int code, void* data, void*)
{
    Call call{ code, QString(), data };
    if (code == MSG_LOG_TEXT)
        call.text = *static_cast<QString*>(data);
    if (target == &coreObject)
        calls.append(call);
    return 0;
}

QStringList logLines()
{
    QStringList lines;
    for (const Call& call : calls) {
        if (call.code == MSG_LOG_TEXT)
            lines.append(call.text);
    }
    return lines;
}

QList<int> codes()
{
    QList<int> list;
    for (const Call& call : calls)
        list.append(call.code);
    return list;
}

} // namespace

class TestTransportModule : public QObject
{
    Q_OBJECT

    // A module that the host has loaded and shown its window to.
    std::unique_ptr<TransportModule_KVZB> ready()
    {
        std::unique_ptr<TransportModule_KVZB> module(new TransportModule_KVZB);
        KvzPluginInfo info;
        module->libraryInfo(&info);
        module->initialize(hostCallback, &coreObject, reinterpret_cast<void*>(0x5150));
        module->receiveMessage(MSG_PLUGINS_LOADED, nullptr);
        module->receiveMessage(MSG_WINDOW_READY, nullptr);
        calls.clear();
        return module;
    }

private slots:
    void init()
    {
        calls.clear();
    }

    void informationBlock()
    {
        TransportModule_KVZB module;
        KvzPluginInfo info;
        std::memset(&info, 0xAB, sizeof(info));
        module.libraryInfo(&info);
        QCOMPARE(info.handle, static_cast<void*>(&module));
        QCOMPARE(QByteArray(info.name), QByteArray("Transport KVZB"));
        QCOMPARE(QByteArray(info.description), QByteArray("Transport module KVZB"));
        QCOMPARE(info.reserved[0], 1);
        QCOMPARE(info.reserved[1], 0);
        QCOMPARE(info.reserved[2], 1);
        QCOMPARE(info.unused, 0);
        QCOMPARE(info.kind, 0);
        QCOMPARE(info.name[254], '\0');
    }

    void nothingReachesTheHostBeforeInitialize()
    {
        TransportModule_KVZB module;
        KvzPluginInfo info;
        module.libraryInfo(&info);
        module.receiveMessage(MSG_PLUGINS_LOADED, nullptr);
        QVERIFY(calls.isEmpty());
    }

    void registersOneModuleEntry()
    {
        TransportModule_KVZB module;
        KvzPluginInfo info;
        module.libraryInfo(&info);
        module.initialize(hostCallback, &coreObject, reinterpret_cast<void*>(0x5150));
        QVERIFY(!module.registeredModule());
        calls.clear();
        module.receiveMessage(MSG_PLUGINS_LOADED, nullptr);
        QCOMPARE(codes(), QList<int>{ MSG_REGISTER_MODULE });
        QCOMPARE(module.registeredModule(), static_cast<void*>(&module));
    }

    void registrationRecordBytes()
    {
        static KvzModuleEntry copy;
        TransportModule_KVZB module;
        KvzPluginInfo info;
        module.libraryInfo(&info);
        module.initialize([](void*, int code, void* data, void*) {
            if (code == MSG_REGISTER_MODULE)
                std::memcpy(&copy, data, sizeof(copy));
            return 0;
        }, &coreObject, reinterpret_cast<void*>(0x5150));
        std::memset(&copy, 0xAB, sizeof(copy));
        module.receiveMessage(MSG_PLUGINS_LOADED, nullptr);
        QCOMPARE(QByteArray(copy.moduleClass, 10), QByteArray("TRANSPORT\0", 10));
        QCOMPARE(QByteArray(copy.maker, 11), QByteArray("ZOLVENTARI\0", 11));
        QCOMPARE(QByteArray(copy.protocol, 5), QByteArray("KVZB\0", 5));
        QCOMPARE(copy.maker[254], '\0');
        QCOMPARE(QByteArray(copy.padding, 3), QByteArray(3, '\0'));
        QCOMPARE(copy.owner, reinterpret_cast<void*>(0x5150));
        QCOMPARE(copy.handle, static_cast<void*>(&module));
    }

    void windowReadyHandsOverTheSettings()
    {
        TransportModule_KVZB module;
        KvzPluginInfo info;
        module.libraryInfo(&info);
        module.initialize(hostCallback, &coreObject, nullptr);
        module.receiveMessage(MSG_WINDOW_READY, nullptr);
        QCOMPARE(codes(), (QList<int>{ MSG_GET_FORMATS, MSG_LOG_TEXT, MSG_ADD_PROPERTIES }));
        QCOMPARE(logLines(), QStringList{ QStringLiteral("quallon.so") });
        QVERIFY(calls[0].data);
        KVZB_FormServerSettings* page = module.settingsPage();
        QCOMPARE(calls[2].data, static_cast<void*>(page));
        QCOMPARE(page->parent(), nullptr);
        QCOMPARE(page->objectName(), QStringLiteral("KVZB_FormServerSettingsClass"));
        QCOMPARE(page->windowTitle(), QStringLiteral("KVZB_FormServerSettings"));
        auto* group = page->findChild<QGroupBox*>("groupBox_Marvane");
        QVERIFY(group && group->isCheckable() && group->isChecked());
        QCOMPARE(group->title(), QStringLiteral("KVZB"));
        auto* spin = page->findChild<QSpinBox*>("spinBox_Port");
        QVERIFY(spin);
        QCOMPARE(spin->value(), 9000);
        QCOMPARE(spin->minimum(), 0);
        QCOMPARE(spin->maximum(), 65535);
        QCOMPARE(spin->maximumWidth(), 80);
        QCOMPARE(page->findChild<QLabel*>("label_Port")->text(), QStringLiteral("Порт:"));
        auto* split = page->findChild<QCheckBox*>("checkBox_PacketBreak");
        QCOMPARE(split->text(), QStringLiteral("Разбить ответный пакет"));
        QVERIFY(split->isHidden());
        QVERIFY(!split->isChecked());
        delete page;
    }

    void startWithTheGroupUncheckedDoesNothing()
    {
        auto module = ready();
        module->settingsPage()->findChild<QGroupBox*>("groupBox_Marvane")->setChecked(false);
        module->receiveMessage(MSG_START, nullptr);
        QVERIFY(calls.isEmpty());
        QVERIFY(!module->server());
        module->receiveMessage(MSG_STOP, nullptr);
        QVERIFY(calls.isEmpty());
        delete module->settingsPage();
    }

    void startStopStart()
    {
        auto module = ready();
        KVZB_FormServerSettings* page = module->settingsPage();
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::AnyIPv4, 0));
        const quint16 port = probe.serverPort();
        probe.close();
        page->findChild<QSpinBox*>("spinBox_Port")->setValue(port);

        module->receiveMessage(MSG_START, nullptr);
        QCOMPARE(logLines(), QStringList{ QStringLiteral(" -------Сервер KVZB запущен------- ") });
        Server_KVZB* server = module->server();
        QVERIFY(server && server->isListening());
        QCOMPARE(server->listeningPort(), port);
        QVERIFY(!page->findChild<QGroupBox*>("groupBox_Marvane")->isCheckable());
        QVERIFY(!page->findChild<QSpinBox*>("spinBox_Port")->isEnabled());
        QVERIFY(!page->findChild<QLabel*>("label_Port")->isEnabled());

        module->receiveMessage(MSG_STOP, nullptr);
        QCOMPARE(logLines().last(), QStringLiteral(" -------Сервер KVZB остановлен------- "));
        QVERIFY(!server->isListening());
        auto* group = page->findChild<QGroupBox*>("groupBox_Marvane");
        QVERIFY(group->isCheckable() && group->isChecked());
        QVERIFY(page->findChild<QSpinBox*>("spinBox_Port")->isEnabled());

        module->receiveMessage(MSG_START, nullptr);
        QCOMPARE(module->server(), server);
        QVERIFY(server->isListening());
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(client.waitForConnected(5000));
        QTRY_COMPARE(server->connectionCount(), 1);
        delete page;
    }

    void closeAndSendBeforeStartAreIgnored()
    {
        auto module = ready();
        TransportPacket packet;
        packet.clear();
        packet.length = 4;
        module->receiveMessage(MSG_CLOSE_CONNECTION, reinterpret_cast<void*>(0x99));
        module->receiveMessage(MSG_SEND_TO_DEVICE, &packet);
        module->receiveMessage(MSG_SEND_TO_DEVICE, nullptr);
        module->receiveMessage(5037, nullptr);
        QVERIFY(calls.isEmpty());
        QVERIFY(!module->server());
        delete module->settingsPage();
    }

    void quittingEndsTheConnections()
    {
        auto module = ready();
        KVZB_FormServerSettings* page = module->settingsPage();
        page->findChild<QSpinBox*>("spinBox_Port")->setValue(0);
        module->receiveMessage(MSG_START, nullptr);
        Server_KVZB* server = module->server();
        QVERIFY(server && server->isListening());
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, server->listeningPort());
        QVERIFY(client.waitForConnected(5000));
        QTRY_COMPARE(server->connectionCount(), 1);
        QMetaObject::invokeMethod(module.get(), "slot_aboutToQuit");
        QVERIFY(!module->server());
        QTRY_VERIFY(client.state() == QAbstractSocket::UnconnectedState || client.waitForDisconnected(100));
        delete page;
    }
};

QTEST_MAIN(TestTransportModule)
#include "tst_transport_module.moc"
