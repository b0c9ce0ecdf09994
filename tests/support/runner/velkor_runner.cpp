#include "velkor_runner.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTcpServer>
#include <QThread>

namespace {
const char* const kDriverFile = "kvz_driver.so";
int runnerSerial = 0;
}

VelkorRunner::VelkorRunner()
{
    serverName = QStringLiteral("kvz-driver-%1-%2-%3")
                     .arg(QCoreApplication::applicationPid())
                     .arg(++runnerSerial)
                     .arg(QDateTime::currentMSecsSinceEpoch());
}

VelkorRunner::~VelkorRunner()
{
    kill();
}

QString VelkorRunner::workDir() const
{
    return dir.path();
}

QString VelkorRunner::path(const QString& relativePath) const
{
    return dir.filePath(relativePath);
}

QString VelkorRunner::lastError() const
{
    return error;
}

bool VelkorRunner::fail(const QString& message)
{
    error = message;
    return false;
}

bool VelkorRunner::addPlugin(const QString& fileName, const QString& asName)
{
    QString source = fileName;
    if (!fileName.contains(QLatin1Char('/'))) {
        source = QStringLiteral(KVZ_TEST_PLUGIN_DIR "/") + fileName;
        if (!QFileInfo::exists(source))
            source = QStringLiteral(KVZ_BIN_DIR "/") + fileName;
    }
    if (!QFileInfo::exists(source))
        return fail(QStringLiteral("no plug-in ") + fileName);
    const QString target = path(asName.isEmpty() ? QFileInfo(source).fileName() : asName);
    QFile::remove(target);
    if (!QFile::copy(source, target))
        return fail(QStringLiteral("cannot copy ") + source);
    return true;
}

bool VelkorRunner::addFile(const QString& relativePath, const QByteArray& bytes)
{
    const QString target = path(relativePath);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return fail(QStringLiteral("cannot write ") + target);
    return true;
}

bool VelkorRunner::makeTempDir()
{
    return QDir(dir.path()).mkpath(QStringLiteral("Temp")) || fail(QStringLiteral("cannot make Temp/"));
}

void VelkorRunner::setEnvironment(const QString& name, const QString& value)
{
    environment << qMakePair(name, value);
}

bool VelkorRunner::start(int timeoutMs)
{
    if (!dir.isValid())
        return fail(QStringLiteral("no temporary directory"));
    if (!addPlugin(QString::fromLatin1(kDriverFile)))
        return false;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("KVZ_DRIVER_SERVER"), serverName);
    for (const auto& pair : environment)
        env.insert(pair.first, pair.second);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir.path());
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(QStringLiteral(KVZ_BIN_DIR "/velkor"), QStringList());
    if (!process.waitForStarted(timeoutMs))
        return fail(QStringLiteral("velkor did not start: ") + process.errorString());

    delete socket;
    socket = new QLocalSocket;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        socket->connectToServer(serverName);
        if (socket->waitForConnected(200) && request(QStringLiteral("ping")) == QLatin1String("pong"))
            return true;
        socket->abort();
        if (process.state() == QProcess::NotRunning) {
            kill();
            return fail(QStringLiteral("velkor ended early: ") + QString::fromLocal8Bit(standardError()));
        }
        QThread::msleep(50);
    }
    kill();
    return fail(QStringLiteral("no driver connection"));
}

bool VelkorRunner::closeAndWait(int timeoutMs)
{
    if (process.state() == QProcess::NotRunning)
        return fail(QStringLiteral("velkor is not running"));
    if (request(QStringLiteral("close")).isNull()) {
        kill();
        return false;
    }
    if (!process.waitForFinished(timeoutMs)) {
        kill();
        return fail(QStringLiteral("velkor did not end"));
    }
    standardError();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return fail(QStringLiteral("velkor ended with %1: %2").arg(process.exitCode())
                        .arg(QString::fromLocal8Bit(errOutput)));
    return true;
}

void VelkorRunner::kill()
{
    if (socket) {
        socket->abort();
        delete socket;
        socket = nullptr;
    }
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
}

bool VelkorRunner::isRunning() const
{
    return process.state() != QProcess::NotRunning;
}

int VelkorRunner::exitCode() const
{
    return process.exitCode();
}

QByteArray VelkorRunner::standardError()
{
    errOutput += process.readAllStandardError();
    return errOutput;
}

QString VelkorRunner::request(const QString& command, const QStringList& args)
{
    if (!socket || socket->state() != QLocalSocket::ConnectedState) {
        fail(QStringLiteral("not connected to the driver"));
        return QString();
    }
    QByteArray line = command.toLatin1();
    for (const QString& arg : args)
        line += ' ' + arg.toUtf8().toBase64();
    socket->write(line + '\n');
    socket->flush();
    QDeadlineTimer deadline(20000);
    while (!socket->canReadLine()) {
        if (deadline.hasExpired() || socket->state() != QLocalSocket::ConnectedState) {
            fail(QStringLiteral("no answer to ") + command);
            return QString();
        }
        socket->waitForReadyRead(100);
    }
    const QByteArray answer = socket->readLine().trimmed();
    const int blank = answer.indexOf(' ');
    const QByteArray status = blank < 0 ? answer : answer.left(blank);
    const QString text = QString::fromUtf8(QByteArray::fromBase64(blank < 0 ? QByteArray() : answer.mid(blank + 1)));
    if (status != "OK") {
        fail(command + QStringLiteral(": ") + text);
        return QString();
    }
    return text.isNull() ? QStringLiteral("") : text;
}

bool VelkorRunner::exists(const QString& name) { return request("exists", {name}) == QLatin1String("1"); }
QString VelkorRunner::className(const QString& name) { return request("class", {name}); }
bool VelkorRunner::press(const QString& name) { return isOk(request("press", {name})); }
bool VelkorRunner::click(const QString& name) { return isOk(request("click", {name})); }
bool VelkorRunner::trigger(const QString& actionName) { return isOk(request("trigger", {actionName})); }
bool VelkorRunner::setText(const QString& name, const QString& text) { return isOk(request("settext", {name, text})); }
bool VelkorRunner::setValue(const QString& name, int value) { return isOk(request("setvalue", {name, QString::number(value)})); }
bool VelkorRunner::setChecked(const QString& name, bool checked) { return isOk(request("setcheck", {name, checked ? "1" : "0"})); }
bool VelkorRunner::setComboIndex(const QString& name, int index) { return isOk(request("setcombo", {name, QString::number(index)})); }
QString VelkorRunner::text(const QString& name) { return request("text", {name}); }
QString VelkorRunner::html(const QString& name) { return request("html", {name}); }
QString VelkorRunner::toolTip(const QString& name) { return request("tooltip", {name}); }
QString VelkorRunner::windowTitle(const QString& name) { return request("title", {name}); }
bool VelkorRunner::isVisible(const QString& name) { return request("visible", {name}) == QLatin1String("1"); }
bool VelkorRunner::isEnabled(const QString& name) { return request("enabled", {name}) == QLatin1String("1"); }
bool VelkorRunner::isChecked(const QString& name) { return request("checked", {name}) == QLatin1String("1"); }
bool VelkorRunner::selectRow(const QString& name, int row) { return isOk(request("select", {name, QString::number(row)})); }
bool VelkorRunner::grab(const QString& name, const QString& pngPath) { return isOk(request("grab", {name, pngPath})); }
bool VelkorRunner::moveDock(const QString& dockName, int area) { return isOk(request("movedock", {dockName, QString::number(area)})); }

QList<QStringList> VelkorRunner::treeRows(const QString& name)
{
    QList<QStringList> rows;
    const QString answer = request("tree", {name});
    if (answer.isEmpty())
        return rows;
    for (const QString& line : answer.split(QLatin1Char('\n')))
        rows << line.split(QLatin1Char('\t'));
    return rows;
}

int VelkorRunner::treeCurrentRow(const QString& name)
{
    const QString answer = request("treecurrent", {name});
    return answer.isNull() ? -2 : answer.toInt();
}

int VelkorRunner::currentPage(const QString& name)
{
    const QString answer = request("page", {name});
    return answer.isNull() ? -1 : answer.section(QLatin1Char(' '), 0, 0).toInt();
}

int VelkorRunner::pageCount(const QString& name)
{
    const QString answer = request("page", {name});
    return answer.isNull() ? -1 : answer.section(QLatin1Char(' '), 1, 1).toInt();
}

QStringList VelkorRunner::currentPageWidgets(const QString& name)
{
    const QString answer = request("page", {name});
    const QString names = answer.section(QLatin1Char(' '), 2);
    return names.isEmpty() ? QStringList() : names.split(QLatin1Char(','));
}

QRect VelkorRunner::geometry(const QString& name)
{
    const QStringList v = request("geometry", {name}).split(QLatin1Char(' '));
    if (v.size() != 4)
        return QRect();
    return QRect(v.at(0).toInt(), v.at(1).toInt(), v.at(2).toInt(), v.at(3).toInt());
}

bool VelkorRunner::setGeometry(const QString& name, const QRect& r)
{
    return isOk(request("setgeometry", {name, QString::number(r.x()), QString::number(r.y()),
                                        QString::number(r.width()), QString::number(r.height())}));
}

int VelkorRunner::dockArea(const QString& dockName)
{
    const QString answer = request("dockarea", {dockName});
    return answer.isNull() ? -1 : answer.toInt();
}

QStringList VelkorRunner::traceAll() const
{
    const QString all = QString::fromUtf8(readFile(QStringLiteral("kvz_trace.log")));
    return all.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList VelkorRunner::trace(const QString& id) const
{
    QStringList lines;
    const QString prefix = id + QLatin1Char(' ');
    for (const QString& line : traceAll()) {
        if (line.startsWith(prefix))
            lines << line.mid(prefix.size());
    }
    return lines;
}

QByteArray VelkorRunner::readFile(const QString& relativePath) const
{
    QFile file(path(relativePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool VelkorRunner::waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

quint16 VelkorRunner::freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}
