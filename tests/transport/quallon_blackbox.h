// Helpers of the transport's black-box tests: velkor started headless with
// quallon.so and a test format plug-in, its server started by the window's
// own Start button on a free loopback port.
#ifndef QUALLON_BLACKBOX_H
#define QUALLON_BLACKBOX_H

#include "scripted_terminal.h"
#include "velkor_runner.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

inline quint16 freeLoopbackPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::AnyIPv4, 0))
        return 0;
    return probe.serverPort();
}

// Starts velkor and presses Start on the given port.
inline bool startQuallon(VelkorRunner& runner, quint16 port, QString& error)
{
    if (!runner.addPlugin(QStringLiteral("quallon.so")) || !runner.addPlugin(QStringLiteral("tp_format_a.so"))) {
        error = runner.lastError();
        return false;
    }
    if (!runner.start() || !runner.setValue(QStringLiteral("spinBox_Port"), port)
        || !runner.press(QStringLiteral("pushButton_StartStop"))) {
        error = runner.lastError();
        return false;
    }
    const bool listening = VelkorRunner::waitFor([port] {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        return probe.waitForConnected(200);
    });
    if (!listening)
        error = QStringLiteral("nothing listens on port %1").arg(port);
    return listening;
}

// A new velkor on a new free port, its server started.
inline bool startFreshQuallon(std::unique_ptr<VelkorRunner>& runner, quint16& port, QString& error)
{
    runner.reset(new VelkorRunner);
    port = freeLoopbackPort();
    return startQuallon(*runner, port, error);
}

// The paragraphs of the log pane.
inline QStringList logLines(VelkorRunner& runner)
{
    return runner.text(QStringLiteral("textEdit_Log")).split(QLatin1Char('\n'));
}

// The packets that reached the format plug-in (5031 and 5033 lines of its
// trace), without the values that differ from run to run.
inline QStringList formatPackets(VelkorRunner& runner, bool keepIdentity = false)
{
    static const QRegularExpression varying(QStringLiteral(" host=\\d+ conn=\\d+ module=\\d+"));
    static const QRegularExpression identity(QStringLiteral(" name=\\S* id=\\d+"));
    QStringList packets;
    for (QString line : runner.trace(QStringLiteral("tp_format_a"))) {
        if (!line.startsWith(QLatin1String("Receive 5031")) && !line.startsWith(QLatin1String("Receive 5033")))
            continue;
        line.remove(varying);
        if (!keepIdentity)
            line.remove(identity);
        packets.append(line);
    }
    return packets;
}

// "conn" and "module" of the last packet that reached the format plug-in.
inline bool lastConnection(VelkorRunner& runner, QString& connection, QString& module)
{
    static const QRegularExpression ids(QStringLiteral(" conn=(\\d+) module=(\\d+)"));
    const QStringList lines = runner.trace(QStringLiteral("tp_format_a"));
    for (int i = lines.size() - 1; i >= 0; --i) {
        const QRegularExpressionMatch match = ids.match(lines.at(i));
        if (match.hasMatch()) {
            connection = match.captured(1);
            module = match.captured(2);
            return true;
        }
    }
    return false;
}

// A command for the terminal, as a format plug-in sends it (5038).
inline bool sendCommand(VelkorRunner& runner, const QString& connection, const QString& module, const QByteArray& command)
{
    const QString answer = runner.request(QStringLiteral("packet"), {
        QStringLiteral("5038"), QStringLiteral("0"), QStringLiteral("176"), QStringLiteral("CAR1"),
        QStringLiteral("305419896"), QStringLiteral("1"), connection, module,
        QString::number(command.size()), QString::fromLatin1(command.toHex())});
    return answer.startsWith(QLatin1String("0 "));
}

#endif // QUALLON_BLACKBOX_H
