// A stand-in for a format plug-in: a module that links its own copy of the
// property group library, as every real one does.
#include "cmo_commandsink.h"
#include "cmo_formproperty_out.h"

#include <QImage>

#define MODULE_EXPORT extern "C" __attribute__((visibility("default")))

MODULE_EXPORT QWidget* fpMakeOut()
{
    return new CMO_FormProperty_Out;
}

MODULE_EXPORT void fpPublish(QObject* page, CMO_CommandSink* sink)
{
    CMO_CommandSink::setCurrent(page, sink);
}

MODULE_EXPORT bool fpPictureLoads(const char* path)
{
    return !QImage(QString::fromLatin1(path)).isNull();
}
