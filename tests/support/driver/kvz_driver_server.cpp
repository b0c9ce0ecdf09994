#include "kvz_driver_server.h"

#include <QLocalServer>
#include <QLocalSocket>

KvzDriverServer::KvzDriverServer(QObject* parent)
    : QObject(parent), server(new QLocalServer(this))
{
    connect(server, &QLocalServer::newConnection, this, &KvzDriverServer::slot_newConnection_Server);
}

bool KvzDriverServer::listen(const QString& name)
{
    QLocalServer::removeServer(name);
    return server->listen(name);
}

void KvzDriverServer::slot_newConnection_Server()
{
    while (QLocalSocket* socket = server->nextPendingConnection())
        connect(socket, &QLocalSocket::readyRead, this, &KvzDriverServer::slot_readyRead_Socket);
}

void KvzDriverServer::slot_readyRead_Socket()
{
    QLocalSocket* socket = qobject_cast<QLocalSocket*>(sender());
    while (socket && socket->canReadLine()) {
        QByteArray line = socket->readLine();
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);   // an empty last argument is an empty word
        socket->write(answer(line) + '\n');
        socket->flush();
    }
}

QByteArray KvzDriverServer::answer(const QByteArray& line)
{
    const QList<QByteArray> words = line.split(' ');
    const QString command = QString::fromLatin1(words.value(0));
    QStringList args;
    for (int i = 1; i < words.size(); ++i)
        args << QString::fromUtf8(QByteArray::fromBase64(words.at(i)));
    KvzDriverAnswer result;
    if (command == QLatin1String("ping"))
        result = KvzDriverAnswer::success(QStringLiteral("pong"));
    else if (!widgetCommands.handle(command, args, result) && !hostCommands.handle(command, args, result))
        result = KvzDriverAnswer::failure(QStringLiteral("unknown command ") + command);
    return (result.ok ? QByteArray("OK ") : QByteArray("ERR ")) + result.text.toUtf8().toBase64();
}
