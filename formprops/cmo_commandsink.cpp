#include "cmo_commandsink.h"

namespace {
QPointer<QObject>& currentPage()
{
    static QPointer<QObject> page;
    return page;
}
CMO_CommandSink*& currentSink()
{
    static CMO_CommandSink* sink = nullptr;
    return sink;
}
}

CMO_CommandSink::~CMO_CommandSink() = default;

CMO_CommandSink* CMO_CommandSink::current()
{
    return currentPage().isNull() ? nullptr : currentSink();
}

void CMO_CommandSink::setCurrent(QObject* page, CMO_CommandSink* sink)
{
    currentPage() = (page && sink) ? page : nullptr;
    currentSink() = (page && sink) ? sink : nullptr;
}
