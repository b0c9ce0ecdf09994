// The host's one window: the device tree, the property, log and settings
// docks, the tool bar actions Start, Save and Quit, and the device rows.
#ifndef KVZ_MAINWINDOW_H
#define KVZ_MAINWINDOW_H

#include "kvz_abi.h"
#include "kvz_logtext.h"
#include "kvz_mainwindow_form.h"

#include <QHash>
#include <QList>
#include <QMainWindow>

class KVZ_DocWidgetTitleBar;
class KVZ_FormParam;
class KVZ_Object;
class QAction;
class QTreeWidgetItem;

class KVZ_MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Header of a dump in the log pane.
    enum DumpMode {
        DumpReceived = KvzLogText::Received,
        DumpSent = KvzLogText::Sent,
        DumpCountOnly = KvzLogText::CountOnly
    };
    // The log pane keeps this many paragraphs at most, dropping the oldest.
    enum { MaxLogParagraphs = 100000 };

    explicit KVZ_MainWindow(QWidget* parent = nullptr);
    ~KVZ_MainWindow() override;

    static KVZ_MainWindow* instance();

    void addSettingsWidget(QWidget* widget);
    void addPropertyPage(QWidget* page, int formatNumber);
    void showFirstPage();
    void logDeviceConnected(TransportPacket* packet);
    void logDeviceDisconnected(const TransportPacket& packet);
    void logPacket(DumpMode direction, const TransportPacket& packet);
    void dumpRaw(DumpMode mode, const unsigned char* bytes, int count);
    void dumpPacket(DumpMode direction, const TransportPacket& packet);
    void appendLog(const QString& text);
    void clearLog();

private slots:
    void slot_pressed_BtnStartStop();
    void slot_triggered_Menu_StartStop();
    void slot_triggered_Menu_Save();
    void slot_triggered_Menu_Quit();
    void slot_finished(int);
    void slot_currentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);

private:
    void initWindow();
    void createActions();
    void updateTitle();
    void saveWindowSettings();
    void restoreWindowSettings();
    void dumpBlock(const QString& header, const unsigned char* bytes, int count, int perLine);
    void logDisconnect(const QString& name);

    KVZ_Object* findDevice(const TransportPacket& packet) const;
    // The row of the packet's connection (its module and connection fields).
    KVZ_Object* findConnection(const TransportPacket& packet) const;
    KVZ_Object* deviceBySerial(const void* hostObject) const;
    bool containsDevice(const KVZ_Object* row) const;
    void forgetDevice(KVZ_Object* row);
    void removeDevice(KVZ_Object* row, bool closeConnection);
    void destroyDevice(KVZ_Object* row);

    KVZ_MainWindowForm ui;
    bool running = false;
    KVZ_FormParam* formatList = nullptr;
    KVZ_DocWidgetTitleBar* logTitleBar = nullptr;
    QAction* actionStartStop = nullptr;
    QAction* actionSave = nullptr;
    QAction* actionQuit = nullptr;
    QList<KVZ_Object*> devices;
    // The rows by the serial that the packets of their connection carry:
    // every packet is matched to its row without a walk through the list.
    QHash<quintptr, KVZ_Object*> rowsBySerial;
    quintptr lastSerial = 0;   // serials of rows: 1, 2, 3, ... never reused

    static KVZ_MainWindow* current;
};

#endif // KVZ_MAINWINDOW_H
