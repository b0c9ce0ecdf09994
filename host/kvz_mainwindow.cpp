#include "kvz_mainwindow.h"

#include "kvz_core.h"
#include "kvz_docwidgettitlebar.h"
#include "kvz_formparam.h"
#include "kvz_logtext.h"
#include "kvz_logview.h"
#include "kvz_object.h"
#include "kvz_resources.h"

#include <QAction>
#include <QDockWidget>
#include <QGridLayout>
#include <QIcon>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const char* const kProgramVersion = "1.0.0";
const char* const kIconPlay = ":Image/Resources/play.png";
const char* const kIconStop = ":Image/Resources/stop.png";
const char* const kIconSave = ":Image/Resources/save.png";
const char* const kIconExit = ":Image/Resources/exit.png";

QIcon icon(const char* path)
{
    return QIcon(QString::fromLatin1(path));
}

const char* const kSettingsOrganization = "KVZ";
const char* const kSettingsApplication = "Marvane_Server";
}

KVZ_MainWindow* KVZ_MainWindow::current = nullptr;

KVZ_MainWindow::KVZ_MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    kvzInitHostResources();
    ui.setupUi(this);
    initWindow();
    updateTitle();
}

KVZ_MainWindow::~KVZ_MainWindow()
{
    if (current == this)
        current = nullptr;
}

KVZ_MainWindow* KVZ_MainWindow::instance()
{
    return current;
}

void KVZ_MainWindow::initWindow()
{
    current = this;
    ui.textEdit_Log->setMaximumParagraphCount(MaxLogParagraphs);
    formatList = new KVZ_FormParam(this);
    addPropertyPage(formatList, 0);
    formatList->show();
    createActions();
    restoreWindowSettings();
    connect(ui.treeWidget, &QTreeWidget::currentItemChanged, this, &KVZ_MainWindow::slot_currentItemChanged);
    connect(ui.pushButton_StartStop, &QPushButton::pressed, this, &KVZ_MainWindow::slot_pressed_BtnStartStop);
    logTitleBar = new KVZ_DocWidgetTitleBar(this);
    ui.dockWidget_Log->setTitleBarWidget(logTitleBar);
    setCorner(Qt::TopLeftCorner, Qt::LeftDockWidgetArea);
    setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
    setCorner(Qt::TopRightCorner, Qt::RightDockWidgetArea);
    setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
}

// No shortcuts: one key sequence for all three would trigger none of them.
void KVZ_MainWindow::createActions()
{
    actionStartStop = new QAction(icon(kIconPlay), QStringLiteral("Старт"), this);
    actionStartStop->setObjectName(QStringLiteral("action_StartStop"));
    actionSave = new QAction(icon(kIconSave), QStringLiteral("Сохранить"), this);
    actionSave->setObjectName(QStringLiteral("action_Save"));
    actionQuit = new QAction(icon(kIconExit), QStringLiteral("Выход"), this);
    actionQuit->setObjectName(QStringLiteral("action_Quit"));
    for (QAction* action : {actionStartStop, actionSave, actionQuit}) {
        action->setPriority(QAction::LowPriority);
        ui.mainToolBar->addAction(action);
    }
    connect(actionStartStop, &QAction::triggered, this, &KVZ_MainWindow::slot_triggered_Menu_StartStop);
    connect(actionSave, &QAction::triggered, this, &KVZ_MainWindow::slot_triggered_Menu_Save);
    connect(actionQuit, &QAction::triggered, this, &KVZ_MainWindow::slot_triggered_Menu_Quit);
}

void KVZ_MainWindow::updateTitle()
{
    setWindowTitle(QStringLiteral("KVZ_Server ver. %1").arg(QLatin1String(kProgramVersion)));
}

// ---------------------------------------------------------------- settings

void KVZ_MainWindow::saveWindowSettings()
{
    QSettings settings(QString::fromLatin1(kSettingsOrganization), QString::fromLatin1(kSettingsApplication));
    settings.setValue(QStringLiteral("windowState"), saveState(0));
    settings.setValue(QStringLiteral("geometry"), saveGeometry());
}

void KVZ_MainWindow::restoreWindowSettings()
{
    QSettings settings(QString::fromLatin1(kSettingsOrganization), QString::fromLatin1(kSettingsApplication));
    restoreState(settings.value(QStringLiteral("windowState"), QByteArray()).toByteArray(), 0);
    restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray());
}

// ---------------------------------------------------------------- plug-in widgets

void KVZ_MainWindow::addSettingsWidget(QWidget* widget)
{
    ui.verticalLayout_Transports->addWidget(widget);
}

void KVZ_MainWindow::addPropertyPage(QWidget* widget, int formatNumber)
{
    QWidget* page = new QWidget();
    const int index = ui.stackedWidget_Property->addWidget(page);
    QGridLayout* layout = new QGridLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(widget);
    ui.stackedWidget_Property->setCurrentIndex(index);
    if (formatList)
        formatList->addFormat(formatNumber, index);
}

void KVZ_MainWindow::showFirstPage()
{
    ui.stackedWidget_Property->setCurrentIndex(0);
    show();
}

// ---------------------------------------------------------------- Start/Stop, Save, Quit

void KVZ_MainWindow::slot_pressed_BtnStartStop()
{
    KvzCore* core = KvzCore::instance();
    if (!core)
        return;
    if (!running) {
        ui.pushButton_StartStop->setText(QStringLiteral("СТОП"));
        actionStartStop->setIcon(icon(kIconStop));
        actionStartStop->setToolTip(QStringLiteral("Стоп"));
        running = true;
    } else {
        ui.pushButton_StartStop->setText(QStringLiteral("СТАРТ"));
        actionStartStop->setIcon(icon(kIconPlay));
        actionStartStop->setToolTip(QStringLiteral("Старт"));
        running = false;
    }
    core->setRunning(running);
}

void KVZ_MainWindow::slot_triggered_Menu_StartStop()
{
    slot_pressed_BtnStartStop();
}

void KVZ_MainWindow::slot_triggered_Menu_Save()
{
    saveWindowSettings();
}

void KVZ_MainWindow::slot_triggered_Menu_Quit()
{
    close();
}

void KVZ_MainWindow::slot_finished(int)
{
    close();
}

// ---------------------------------------------------------------- device rows

KVZ_Object* KVZ_MainWindow::findDevice(const TransportPacket& packet) const
{
    const QString name = packet.deviceNameText();
    const int32_t id = static_cast<int32_t>(packet.deviceId);
    for (KVZ_Object* row : devices) {
        if (row->name() == name && row->deviceId() == id)
            return row;
    }
    return nullptr;
}

KVZ_Object* KVZ_MainWindow::findConnection(const TransportPacket& packet) const
{
    for (KVZ_Object* row : devices) {
        if (packet.connection && row->module() == packet.module && row->connection() == packet.connection)
            return row;
    }
    return nullptr;
}

// The row that a packet's hostObject names; null for a stale or unknown value.
KVZ_Object* KVZ_MainWindow::deviceBySerial(const void* hostObject) const
{
    const quintptr serial = reinterpret_cast<quintptr>(hostObject);
    return serial == 0 ? nullptr : rowsBySerial.value(serial, nullptr);
}

bool KVZ_MainWindow::containsDevice(const KVZ_Object* row) const
{
    return row && devices.contains(const_cast<KVZ_Object*>(row));
}

void KVZ_MainWindow::logDisconnect(const QString& name)
{
    ui.textEdit_Log->appendLine(KvzLogText::disconnectLine(KvzLogText::now(), name));
}

// A row leaves the list before any message about it goes out, so that a
// disconnect a plug-in reports from inside those messages no longer finds it.
void KVZ_MainWindow::destroyDevice(KVZ_Object* row)
{
    forgetDevice(row);
    row->close();
    delete row;
}

void KVZ_MainWindow::forgetDevice(KVZ_Object* row)
{
    devices.removeAll(row);
    rowsBySerial.remove(row->serial());
}

void KVZ_MainWindow::removeDevice(KVZ_Object* row, bool closeConnection)
{
    if (!containsDevice(row))
        return;
    forgetDevice(row);
    logDisconnect(row->name());
    KvzCore* core = KvzCore::instance();
    if (core && closeConnection)
        core->closeConnection(row->module(), row->connection());
    destroyDevice(row);
}

// A connection has one row: announcing itself again, under any name, ends
// the row of its last handshake (without closing the connection). Another
// connection of the same name and id is closed, as it is replaced.
void KVZ_MainWindow::logDeviceConnected(TransportPacket* packet)
{
    if (KVZ_Object* previous = findConnection(*packet))
        removeDevice(previous, false);
    if (KVZ_Object* old = findDevice(*packet))
        removeDevice(old, true);
    KVZ_Object* row = new KVZ_Object(ui.treeWidget, packet, ++lastSerial, this);
    devices.append(row);
    rowsBySerial.insert(row->serial(), row);
    ui.textEdit_Log->appendLine(KvzLogText::connectLine(KvzLogText::now(), packet->deviceNameText()));
    if (logTitleBar && logTitleBar->isShowRawPackets())
        dumpPacket(DumpReceived, *packet);
}

// A disconnect names its row by hostObject; only a packet without one is
// matched by name and id, so the late disconnect of a replaced connection
// leaves the row of the connection that replaced it alone.
void KVZ_MainWindow::logDeviceDisconnected(const TransportPacket& packet)
{
    KVZ_Object* row = packet.hostObject ? deviceBySerial(packet.hostObject) : findDevice(packet);
    if (!row)
        return;
    logDisconnect(packet.deviceNameText());
    destroyDevice(row);
}

void KVZ_MainWindow::logPacket(DumpMode direction, const TransportPacket& packet)
{
    KVZ_Object* row = deviceBySerial(packet.hostObject);
    if (!row)
        return;
    if (direction == DumpSent) {
        row->packetSent(packet);
        if (logTitleBar && logTitleBar->isShowRawPackets())
            dumpPacket(DumpSent, packet);
        return;
    }
    KvzPacketOut out;
    std::memset(&out, 0, sizeof(out));
    row->packetReceived(packet, out);
    if (logTitleBar && logTitleBar->isShowRawPackets())
        dumpPacket(DumpReceived, packet);
    if (logTitleBar && logTitleBar->isParsePackets()) {
        const bool hasText = out.text && out.textLength > 0;
        appendLog(hasText ? KvzText::fromCp1251(out.text, out.textLength) : QString());
    }
}

// Selecting a row shows its session and its format's page; no current row
// shows the formats list.
void KVZ_MainWindow::slot_currentItemChanged(QTreeWidgetItem* item, QTreeWidgetItem*)
{
    if (!item) {
        ui.stackedWidget_Property->setCurrentIndex(0);
        return;
    }
    const QString name = item->text(1);
    const int32_t id = item->text(0).toInt();
    for (KVZ_Object* row : devices) {
        if (row->name() == name && row->deviceId() == id) {
            const int32_t format = row->formatNumber();   // the row may end during its show
            row->show();
            if (formatList)
                ui.stackedWidget_Property->setCurrentIndex(formatList->pageForFormat(format));
            return;
        }
    }
}

// ---------------------------------------------------------------- log pane

void KVZ_MainWindow::appendLog(const QString& text)
{
    ui.textEdit_Log->appendText(text);
}

void KVZ_MainWindow::clearLog()
{
    ui.textEdit_Log->clear();
}

// A blank paragraph, the header, a blank paragraph, the byte lines and a
// blank paragraph.
void KVZ_MainWindow::dumpBlock(const QString& header, const unsigned char* bytes, int count, int perLine)
{
    KvzLogView* log = ui.textEdit_Log;
    log->appendLine(QString());
    log->appendLine(header);
    log->appendLine(QString());
    log->appendHexDump(bytes, count, perLine);
    log->appendLine(QString());
}

void KVZ_MainWindow::dumpRaw(DumpMode mode, const unsigned char* bytes, int count)
{
    // The count is a 16-bit value (a larger one counts modulo 65536); a
    // negative count names no bytes at all rather than 64 KiB of them.
    const int shown = count < 0 ? 0 : static_cast<quint16>(count);
    const QString header = KvzLogText::rawHeader(mode, KvzLogText::now(), shown);
    dumpBlock(header, bytes, shown, 11);
}

void KVZ_MainWindow::dumpPacket(DumpMode direction, const TransportPacket& packet)
{
    const int length = packet.validLength();
    const QString header = KvzLogText::packetHeader(direction, KvzLogText::now(), packet.deviceNameText(), length);
    dumpBlock(header, packet.data, length, 16);
}
