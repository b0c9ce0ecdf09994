// The value escapes of settings documents: attribute values and element
// texts on their way to the file, and back.
#ifndef CXMLVALUE_H
#define CXMLVALUE_H

#include <QString>

// " " to "&nbsp;", "&" to "&amp;", then ">", "<", the double quote and "'"
// to their entities and "!" to "_33_", in this order (so a space reaches the
// file as "&amp;nbsp;").
QString escapeValueText(const QString& text);
// "&amp;", "&nbsp;", "&gt;", "&lt;", "&quot;", "&apos;" and "_33_" back to
// their characters, in this order.
QString unescapeValue(const QString& text);

#endif // CXMLVALUE_H
