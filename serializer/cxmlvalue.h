// Values read back from a settings document: the inverse of the writer's
// value escapes.
#ifndef CXMLVALUE_H
#define CXMLVALUE_H

#include <QString>

// "&amp;", "&nbsp;", "&gt;", "&lt;", "&quot;", "&apos;" and "_33_" back to
// their characters, in this order.
QString unescapeValue(const QString& text);

#endif // CXMLVALUE_H
