// The main window of the real velkor: Start/Stop captions, tool tip and
// broadcasts; the saved geometry and dock layout, written only by Save.
#include "host_blackbox.h"

#include <QImage>
#include <QSettings>
#include <QtTest>

class TstVelkorWindow : public QObject
{
    Q_OBJECT
private slots:
    void startStopSharesOneState();
    void startStopSwapsTheIcon();
    void toolBarActions();
    void defaultLayoutAndNothingSavedWithoutSave();
    void saveKeepsGeometryAndDocksForTheNextStart();
    void unreadableSettingsLeaveTheFormsLayout();
    void quitActionEndsTheProgram();

private:
    static bool startIn(VelkorRunner& runner, const QString& configHome, const QStringList& plugins = {});
};

bool TstVelkorWindow::startIn(VelkorRunner& runner, const QString& configHome, const QStringList& plugins)
{
    runner.setEnvironment("XDG_CONFIG_HOME", configHome);
    for (const QString& p : plugins) {
        if (!runner.addPlugin(p))
            return false;
    }
    return runner.start();
}

void TstVelkorWindow::startStopSharesOneState()
{
    QTemporaryDir config;
    VelkorRunner runner;
    QVERIFY2(startIn(runner, config.path(), {"tp_transport.so", "tp_format_a.so"}), qPrintable(runner.lastError()));
    QCOMPARE(runner.text("pushButton_StartStop"), QStringLiteral("Старт"));
    QCOMPARE(runner.toolTip("action_StartStop"), QStringLiteral("Старт"));

    struct Step { bool viaButton; const char* caption; const char* tip; const char* message; };
    const Step steps[] = {
        {true, "СТОП", "Стоп", "Receive 5011"},
        {false, "СТАРТ", "Старт", "Receive 5012"},
        {false, "СТОП", "Стоп", "Receive 5011"},
        {true, "СТАРТ", "Старт", "Receive 5012"},
    };
    for (const Step& step : steps) {
        const int transportFrom = runner.trace("tp_transport").size();
        const int formatFrom = runner.trace("tp_format_a").size();
        QVERIFY(step.viaButton ? runner.press("pushButton_StartStop") : runner.trigger("action_StartStop"));
        QCOMPARE(runner.text("pushButton_StartStop"), QString::fromUtf8(step.caption));
        QCOMPARE(runner.toolTip("action_StartStop"), QString::fromUtf8(step.tip));
        QCOMPARE(runner.text("action_StartStop"), QStringLiteral("Старт"));
        QCOMPARE(runner.trace("tp_transport").mid(transportFrom), QStringList{step.message});
        QCOMPARE(runner.trace("tp_format_a").mid(formatFrom), QStringList{step.message});
    }
    QVERIFY2(runner.closeAndWait(), qPrintable(runner.lastError()));
}

void TstVelkorWindow::startStopSwapsTheIcon()
{
    QTemporaryDir config;
    VelkorRunner runner;
    QVERIFY2(startIn(runner, config.path()), qPrintable(runner.lastError()));
    const QString stopped = runner.path("stopped.png");
    const QString started = runner.path("started.png");
    const QString again = runner.path("again.png");
    QVERIFY(runner.grab("mainToolBar", stopped));
    QVERIFY(runner.press("pushButton_StartStop"));
    QVERIFY(runner.grab("mainToolBar", started));
    QVERIFY(runner.press("pushButton_StartStop"));
    QVERIFY(runner.grab("mainToolBar", again));
    const QImage a(stopped), b(started), c(again);
    QVERIFY(!a.isNull());
    QVERIFY(a != b);
    QCOMPARE(a, c);
    QVERIFY2(runner.closeAndWait(), qPrintable(runner.lastError()));
}

void TstVelkorWindow::toolBarActions()
{
    QTemporaryDir config;
    VelkorRunner runner;
    QVERIFY2(startIn(runner, config.path()), qPrintable(runner.lastError()));
    QCOMPARE(runner.text("action_Save"), QStringLiteral("Сохранить"));
    QCOMPARE(runner.text("action_Quit"), QStringLiteral("Выход"));
    QVERIFY(runner.isVisible("mainToolBar"));
    QVERIFY2(runner.closeAndWait(), qPrintable(runner.lastError()));
}

void TstVelkorWindow::defaultLayoutAndNothingSavedWithoutSave()
{
    QTemporaryDir config;
    VelkorRunner runner;
    QVERIFY2(startIn(runner, config.path()), qPrintable(runner.lastError()));
    // 997 x 671 as the form says, unless the docks' contents need more width.
    const QSize size = runner.geometry("KVZ_MainWindowClass").size();
    QCOMPARE(size.height(), 671);
    QVERIFY(size.width() >= 997);
    QCOMPARE(runner.dockArea("dockWidget_Property"), int(Qt::RightDockWidgetArea));
    QCOMPARE(runner.dockArea("dockWidget_Settings"), int(Qt::LeftDockWidgetArea));
    QCOMPARE(runner.dockArea("dockWidget_Log"), int(Qt::BottomDockWidgetArea));
    QVERIFY(runner.setGeometry("KVZ_MainWindowClass", QRect(40, 30, 1300, 600)));
    QVERIFY(runner.moveDock("dockWidget_Log", Qt::TopDockWidgetArea));
    QVERIFY2(runner.closeAndWait(), qPrintable(runner.lastError()));
    QVERIFY(!QFile::exists(config.filePath("KVZ/Marvane_Server.conf")));
}

void TstVelkorWindow::saveKeepsGeometryAndDocksForTheNextStart()
{
    QTemporaryDir config;
    const QRect saved(50, 60, 1400, 760);
    {
        VelkorRunner runner;
        QVERIFY2(startIn(runner, config.path()), qPrintable(runner.lastError()));
        QVERIFY(runner.setGeometry("KVZ_MainWindowClass", saved));
        QVERIFY(runner.moveDock("dockWidget_Log", Qt::TopDockWidgetArea));
        QVERIFY(runner.moveDock("dockWidget_Property", Qt::LeftDockWidgetArea));
        QVERIFY(runner.trigger("action_Save"));
        QVERIFY2(runner.closeAndWait(), qPrintable(runner.lastError()));
    }
    const QString file = config.filePath("KVZ/Marvane_Server.conf");
    QVERIFY(QFile::exists(file));
    {
        QSettings settings(file, QSettings::IniFormat);
        QCOMPARE(settings.allKeys(), (QStringList{"geometry", "windowState"}));
        QVERIFY(!settings.value("geometry").toByteArray().isEmpty());
        QVERIFY(!settings.value("windowState").toByteArray().isEmpty());
    }
    {
        VelkorRunner runner;
        QVERIFY2(startIn(runner, config.path()), qPrintable(runner.lastError()));
        QCOMPARE(runner.geometry("KVZ_MainWindowClass"), saved);
        QCOMPARE(runner.dockArea("dockWidget_Log"), int(Qt::TopDockWidgetArea));
        QCOMPARE(runner.dockArea("dockWidget_Property"), int(Qt::LeftDockWidgetArea));
        QCOMPARE(runner.dockArea("dockWidget_Settings"), int(Qt::LeftDockWidgetArea));
        // Changed but not saved: the next start still shows what was saved.
        QVERIFY(runner.setGeometry("KVZ_MainWindowClass", QRect(10, 10, 1300, 600)));
        QVERIFY(runner.moveDock("dockWidget_Log", Qt::BottomDockWidgetArea));
        QVERIFY2(runner.closeAndWait(), qPrintable(runner.lastError()));
    }
    {
        VelkorRunner runner;
        QVERIFY2(startIn(runner, config.path()), qPrintable(runner.lastError()));
        QCOMPARE(runner.geometry("KVZ_MainWindowClass"), saved);
        QCOMPARE(runner.dockArea("dockWidget_Log"), int(Qt::TopDockWidgetArea));
        QVERIFY2(runner.closeAndWait(), qPrintable(runner.lastError()));
    }
}

// A settings file cut short or overwritten: the form's size and dock layout.
void TstVelkorWindow::unreadableSettingsLeaveTheFormsLayout()
{
    QTemporaryDir config;
    {
        VelkorRunner runner;
        QVERIFY2(startIn(runner, config.path()), qPrintable(runner.lastError()));
        QVERIFY(runner.setGeometry("KVZ_MainWindowClass", QRect(50, 60, 1400, 760)));
        QVERIFY(runner.moveDock("dockWidget_Log", Qt::TopDockWidgetArea));
        QVERIFY(runner.moveDock("dockWidget_Property", Qt::LeftDockWidgetArea));
        QVERIFY(runner.trigger("action_Save"));
        QVERIFY2(runner.closeAndWait(), qPrintable(runner.lastError()));
    }
    {
        QSettings settings(config.filePath("KVZ/Marvane_Server.conf"), QSettings::IniFormat);
        const QByteArray state = settings.value("windowState").toByteArray();
        QVERIFY(state.size() > 20);
        settings.setValue("windowState", state.left(state.size() / 2));
        settings.setValue("geometry", QByteArray("\x01\xd9\xd0\xcb no geometry"));
    }
    VelkorRunner runner;
    QVERIFY2(startIn(runner, config.path()), qPrintable(runner.lastError()));
    const QSize size = runner.geometry("KVZ_MainWindowClass").size();
    QCOMPARE(size.height(), 671);
    QVERIFY(size.width() >= 997 && size.width() < 1400);
    QCOMPARE(runner.dockArea("dockWidget_Property"), int(Qt::RightDockWidgetArea));
    QCOMPARE(runner.dockArea("dockWidget_Settings"), int(Qt::LeftDockWidgetArea));
    QCOMPARE(runner.dockArea("dockWidget_Log"), int(Qt::BottomDockWidgetArea));
    QVERIFY2(runner.closeAndWait(), qPrintable(runner.lastError()));
}

void TstVelkorWindow::quitActionEndsTheProgram()
{
    QTemporaryDir config;
    VelkorRunner runner;
    QVERIFY2(startIn(runner, config.path()), qPrintable(runner.lastError()));
    QVERIFY(runner.trigger("action_Quit"));
    QVERIFY(VelkorRunner::waitFor([&] { return !runner.isRunning(); }, 20000));
    QCOMPARE(runner.exitCode(), 0);
    QVERIFY(!QFile::exists(config.filePath("KVZ/Marvane_Server.conf")));
}

QTEST_GUILESS_MAIN(TstVelkorWindow)
#include "tst_velkor_window.moc"
