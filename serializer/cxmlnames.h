// Element and attribute names of settings documents: the coding of the
// characters that an XML name cannot hold, and the test of whether a name can
// be written at all.
#ifndef CXMLNAMES_H
#define CXMLNAMES_H

#include <QString>

class CXmlNames
{
public:
    // Every character of the code table replaced by "_<code>_", rows in order.
    static QString encode(const QString& name);
    // The inverse: every "_<code>_" replaced by its character, rows in order.
    static QString decode(const QString& name);

    // True when the coded name is an XML name that windows-1251 can hold.
    static bool isValidElementName(const QString& name);
    // Attribute names are written as they are: they must be XML names in
    // windows-1251 already, and no namespace declaration.
    static bool isValidAttributeName(const QString& name);

private:
    static bool isXmlName(const QString& name);
};

#endif // CXMLNAMES_H
