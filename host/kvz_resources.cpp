#include "kvz_resources.h"

#include <QtGlobal>

// The icons are compiled into this static library; the resource must be
// registered by name from outside any namespace.
void kvzInitHostResources()
{
    static bool done = false;
    if (!done) {
        Q_INIT_RESOURCE(kvz_icons);
        done = true;
    }
}
