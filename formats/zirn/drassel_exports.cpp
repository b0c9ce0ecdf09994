// The four exports of the ZIRN format plug-in.
#include "format_exports.h"
#include "format_zirn.h"

FORMAT_PLUGIN_EXPORTS(Format_Zirn::instance())
