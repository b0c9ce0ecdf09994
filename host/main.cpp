// velkor: the host program. It reads no command-line option.
#include "kvz_core.h"

#include <QApplication>

#include <QtGlobal>

int main(int argc, char** argv)
{
    // Every log line and row carries the local time. Without TZ the C library
    // reads the zone file again for each of them; naming the system's zone
    // file once keeps the same local time without that file access.
    if (!qEnvironmentVariableIsSet("TZ"))
        qputenv("TZ", ":/etc/localtime");
    QApplication app(argc, argv);
    int code = 0;
    {
        KvzCore core;
        core.finishStartup();
        code = app.exec();
    }
    return code;
}
