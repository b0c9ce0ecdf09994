// The four exports of the F-5 format plug-in.
#include "format_exports.h"
#include "format_f5.h"

FORMAT_PLUGIN_EXPORTS(FormatF_5::instance())
