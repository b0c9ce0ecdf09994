#include "kvz_mainwindow.h"

#include "kvz_core.h"
#include "kvz_docwidgettitlebar.h"
#include "kvz_formparam.h"
#include "kvz_logtext.h"
#include "kvz_object.h"
#include "kvz_resources.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QDockWidget>
#include <QGridLayout>
#include <QIcon>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextOption>
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
    QTextDocument* log = ui.textEdit_Log->document();
    log->setMaximumBlockCount(MaxLogParagraphs);
    // The log's lines run left to right: the layout need not read every
    // paragraph to find its direction each time the oldest ones are dropped.
    QTextOption option = log->defaultTextOption();
    option.setTextDirection(Qt::LeftToRight);
    log->setDefaultTextOption(option);
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

// The row that a packet's hostObject names; null for a stale or unknown value.
KVZ_Object* KVZ_MainWindow::deviceBySerial(const void* hostObject) const
{
    const quintptr serial = reinterpret_cast<quintptr>(hostObject);
    if (serial == 0)
        return nullptr;
    for (KVZ_Object* row : devices) {
        if (row->serial() == serial)
            return row;
    }
    return nullptr;
}

bool KVZ_MainWindow::containsDevice(const KVZ_Object* row) const
{
    return row && devices.contains(const_cast<KVZ_Object*>(row));
}

void KVZ_MainWindow::logDisconnect(const QString& name)
{
    appendLog(KvzLogText::disconnectLine(KvzLogText::now(), name));
}

// A row leaves the list before any message about it goes out, so that a
// disconnect a plug-in reports from inside those messages no longer finds it.
void KVZ_MainWindow::destroyDevice(KVZ_Object* row)
{
    devices.removeAll(row);
    row->close();
    delete row;
}

void KVZ_MainWindow::removeDevice(KVZ_Object* row, bool closeConnection)
{
    if (!containsDevice(row))
        return;
    devices.removeAll(row);
    logDisconnect(row->name());
    KvzCore* core = KvzCore::instance();
    if (core && closeConnection)
        core->closeConnection(row->module(), row->connection());
    destroyDevice(row);
}

void KVZ_MainWindow::logDeviceConnected(TransportPacket* packet)
{
    if (KVZ_Object* old = findDevice(*packet)) {
        // The same connection announcing itself again is not closed under it.
        removeDevice(old, old->connection() != packet->connection);
    }
    KVZ_Object* row = new KVZ_Object(ui.treeWidget, packet, ++lastSerial, this);
    devices.append(row);
    appendLog(KvzLogText::connectLine(KvzLogText::now(), packet->deviceNameText()));
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
    queueLogEdit(false, text);
}

void KVZ_MainWindow::queueLogEdit(bool plainInsert, const QString& text)
{
    if (pendingLog.isEmpty())
        QCoreApplication::postEvent(this, new QEvent(static_cast<QEvent::Type>(FlushLogEvent)), Qt::LowEventPriority);
    pendingLog.append(LogEdit{plainInsert, text});
}

void KVZ_MainWindow::customEvent(QEvent* event)
{
    if (event->type() == static_cast<QEvent::Type>(FlushLogEvent))
        flushLog();
}

// The turn's edits in the order they were made, as one edit of the document:
// it lays out the new paragraphs and drops the oldest beyond the limit once.
void KVZ_MainWindow::flushLog()
{
    if (pendingLog.isEmpty())
        return;
    const QVector<LogEdit> edits = std::move(pendingLog);
    pendingLog.clear();
    QTextCursor cursor(ui.textEdit_Log->document());
    cursor.beginEditBlock();
    for (const LogEdit& edit : edits) {
        if (edit.plainInsert) {
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(edit.text);
        } else {
            appendParagraph(edit.text);
        }
    }
    cursor.endEditBlock();
    ui.textEdit_Log->moveCursor(QTextCursor::End);
}

// A new paragraph at the end, also when the text before it is empty (the
// empty document's own first paragraph is used once). Text that looks like
// markup is shown as rich text.
void KVZ_MainWindow::appendParagraph(const QString& text)
{
    QTextCursor cursor(ui.textEdit_Log->document());
    cursor.movePosition(QTextCursor::End);
    if (logHasParagraph)
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    else
        cursor.setCharFormat(QTextCharFormat());
    logHasParagraph = true;
    if (Qt::mightBeRichText(text))
        cursor.insertHtml(text);
    else
        cursor.insertText(text);
}

// Edits not yet applied go with the rest of the log.
void KVZ_MainWindow::clearLog()
{
    pendingLog.clear();
    ui.textEdit_Log->clear();
    logHasParagraph = false;
}

// A blank paragraph, the header, a blank paragraph, the byte lines and a
// blank paragraph.
void KVZ_MainWindow::dumpBlock(const QString& header, const unsigned char* bytes, int count, int perLine)
{
    queueLogEdit(false, QString());
    queueLogEdit(false, header);
    queueLogEdit(false, QString());
    queueLogEdit(false, QString());
    queueLogEdit(true, KvzLogText::hexDump(bytes, count, perLine));
    queueLogEdit(false, QString());
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
