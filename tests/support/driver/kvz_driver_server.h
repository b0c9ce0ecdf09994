// The driver's local server: one line per request, one line per answer.
// Request: a command word, then its arguments, each base64 of UTF-8,
// separated by blanks. Answer: "OK <base64 text>" or "ERR <base64 text>".
#ifndef KVZ_DRIVER_SERVER_H
#define KVZ_DRIVER_SERVER_H

#include "kvz_driver_host.h"
#include "kvz_driver_widgets.h"

#include <QObject>

class QLocalServer;
class QLocalSocket;

class KvzDriverServer : public QObject
{
    Q_OBJECT
public:
    explicit KvzDriverServer(QObject* parent = nullptr);
    bool listen(const QString& name);
    KvzDriverHost& host() { return hostCommands; }

private slots:
    void slot_newConnection_Server();
    void slot_readyRead_Socket();

private:
    QByteArray answer(const QByteArray& line);

    QLocalServer* server;
    KvzDriverWidgets widgetCommands;
    KvzDriverHost hostCommands;
};

#endif // KVZ_DRIVER_SERVER_H
