// The four exports of the F-6 format plug-in.
#include "format_exports.h"
#include "format_f6.h"

FORMAT_PLUGIN_EXPORTS(FormatF_6::instance())
