// velkor: the host program. It reads no command-line option.
#include "kvz_core.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int code = 0;
    {
        KvzCore core;
        core.finishStartup();
        code = app.exec();
    }
    return code;
}
