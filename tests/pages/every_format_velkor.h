// The real velkor as the black-box runs of every format want it: quallon.so
// and the five format plug-ins, a Temp folder for the terminals' logs, and
// the server started on a free loopback port.
#ifndef EVERY_FORMAT_VELKOR_H
#define EVERY_FORMAT_VELKOR_H

#include "velkor_runner.h"

namespace EveryFormatVelkor {

// The port the server listens on; 0 when something failed (see lastError()).
inline quint16 start(VelkorRunner& runner)
{
    for (const char* plugin : {"quallon.so", "drassel.so", "mirrant.so", "lottica.so", "brunda.so", "sepwyn.so"})
        if (!runner.addPlugin(QLatin1String(plugin)))
            return 0;
    if (!runner.makeTempDir() || !runner.start())
        return 0;
    const quint16 port = VelkorRunner::freePort();
    if (!runner.setValue(QStringLiteral("KVZB_FormServerSettingsClass/spinBox_Port"), port)
            || !runner.press(QStringLiteral("pushButton_StartStop")))
        return 0;
    return port;
}

} // namespace EveryFormatVelkor

#endif // EVERY_FORMAT_VELKOR_H
