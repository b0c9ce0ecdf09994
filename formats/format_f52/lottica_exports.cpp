// The four exports of the F-52 format plug-in.
#include "format_exports.h"
#include "format_f52.h"

FORMAT_PLUGIN_EXPORTS(FormatF_52::instance())
