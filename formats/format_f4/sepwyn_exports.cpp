// The four exports of the F-4 format plug-in.
#include "format_exports.h"
#include "format_f4.h"

FORMAT_PLUGIN_EXPORTS(FormatF_4::instance())
