// Runs the real velkor process headless in a temporary working directory
// with chosen plug-ins and the driver plug-in, and steers it through the
// driver. See tests/support/README.md.
#ifndef VELKOR_RUNNER_H
#define VELKOR_RUNNER_H

#include <QList>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

class QLocalSocket;

class VelkorRunner
{
public:
    VelkorRunner();
    ~VelkorRunner();   // kills a velkor that is still running

    // ---- before start()
    // Copies a plug-in into the working directory: a bare file name is looked
    // up in KVZ_TEST_PLUGIN_DIR, then in KVZ_BIN_DIR; a path is taken as is.
    bool addPlugin(const QString& fileName, const QString& asName = QString());
    bool addFile(const QString& relativePath, const QByteArray& bytes);
    bool makeTempDir();                        // "Temp/" in the working directory
    void setEnvironment(const QString& name, const QString& value);
    QString workDir() const;
    QString path(const QString& relativePath) const;

    // Starts velkor (with the driver copied in) and connects to the driver.
    bool start(int timeoutMs = 20000);
    // Closes the main window through the driver and waits for the exit.
    // True when velkor ended by itself with exit code 0.
    bool closeAndWait(int timeoutMs = 20000);
    void kill();
    bool isRunning() const;
    int exitCode() const;
    QString lastError() const;
    QByteArray standardError();

    // ---- driver requests: answer text, or a null QString on error (see lastError())
    QString request(const QString& command, const QStringList& args = QStringList());
    bool exists(const QString& name);
    QString className(const QString& name);
    bool press(const QString& name);           // mouse press only: pressed() fires
    bool click(const QString& name);           // press and release: clicked() too
    bool trigger(const QString& actionName);
    bool setText(const QString& name, const QString& text);
    bool setValue(const QString& name, int value);
    bool setChecked(const QString& name, bool checked);
    bool setComboIndex(const QString& name, int index);
    QString text(const QString& name);         // label, line edit, button, text edit (plain), action, dock
    QString html(const QString& name);         // text edit as HTML
    QString toolTip(const QString& name);      // widget or action
    QString windowTitle(const QString& name);
    bool isVisible(const QString& name);
    bool isEnabled(const QString& name);
    bool isChecked(const QString& name);
    QList<QStringList> treeRows(const QString& name);   // top-level rows, one list of column texts each
    int treeCurrentRow(const QString& name);            // -1 when there is no current item
    bool selectRow(const QString& name, int row);       // -1 clears the current item
    int currentPage(const QString& name);               // stacked widget's current index, -1 on error
    int pageCount(const QString& name);
    QStringList currentPageWidgets(const QString& name); // object names of the current page's children
    bool grab(const QString& name, const QString& pngPath);
    QRect geometry(const QString& name);
    bool setGeometry(const QString& name, const QRect& rect);
    int dockArea(const QString& dockName);              // Qt::DockWidgetArea value
    bool moveDock(const QString& dockName, int area);

    // ---- trace of the test plug-ins ("kvz_trace.log" in the working directory)
    QStringList traceAll() const;                       // "<id> <event>" lines
    QStringList trace(const QString& id) const;         // events of one variant, id removed
    QByteArray readFile(const QString& relativePath) const;

    // Spins the test's event loop until condition() holds or timeoutMs passed.
    static bool waitFor(const std::function<bool()>& condition, int timeoutMs = 10000);
    // A loopback port that nothing listens on right now, for velkor's server.
    static quint16 freePort();

private:
    bool fail(const QString& message);
    bool isOk(const QString& answer) const { return !answer.isNull(); }

    QTemporaryDir dir;
    QProcess process;
    QLocalSocket* socket = nullptr;
    QString serverName;
    QString error;
    QByteArray errOutput;
    QList<QPair<QString, QString>> environment;
};

#endif // VELKOR_RUNNER_H
