// A handle on one section (element) of a settings document: a snapshot of
// the element's values, typed getters and setters on it, a commit that
// writes it back, and child sections as new handles owned by the caller.
#ifndef CSERIALIZENODE_H
#define CSERIALIZENODE_H

#include "cserializeattributelist.h"

#include <QColor>
#include <QFont>
#include <QString>

class CSerialize;
class CSerializeElement;

class CSerializeNode
{
public:
    CSerializeNode();
    CSerializeNode(CSerialize* document, CSerializeElement* element);
    // The document's root of that name, made when it has none or another one.
    CSerializeNode(CSerialize* document, const char* rootName);
    // Opens the file; the handle neither saves nor closes that document
    // (SerializeClose does).
    CSerializeNode(const QString& fileName, const QString& rootName);
    ~CSerializeNode();
    CSerializeNode(const CSerializeNode&) = delete;
    CSerializeNode& operator=(const CSerializeNode&) = delete;

    CSerialize* document() const { return m_document; }
    CSerializeElement* element() const { return m_element; }

    // Setters change the snapshot only, until commitAttributes. A result of
    // -1 means nothing was set.
    int setAttribute(const char* name, const char* text);
    int setString(const char* name, const QString& text);
    int setInt(const char* name, int value);
    int setFloat(const char* name, float value);
    int setBool(const char* name, bool value);
    int setColor(const char* name, const QColor& color);

    QString attribute(const char* name, const QString& fallback) const;
    // At most length - 1 bytes and a zero into destination; nothing for a
    // length below 1.
    void stringValue(const char* name, const char* fallback, char* destination, int length) const;
    int intValue(const char* name, int fallback) const;
    float floatValue(const char* name, float fallback) const;
    bool boolValue(const char* name, bool fallback) const;
    QColor color(const char* name, const QColor& fallback) const;
    QColor colorFromText(const char* name, const QColor& fallback) const;

    void addChildEntry(const char* name);
    int valueCount() const;
    int commitAttributes();
    // Removes the element's attributes (and its children, for the root and
    // its direct children) and empties the snapshot.
    void clearAttributes();

    CSerializeNode* addChild(const char* name, int mode);
    CSerializeNode* addTextChild(const char* name, const QString& text);
    CSerializeNode* addIntegerChild(const char* name, int value);
    CSerializeNode* addFloatChild(const char* name, float value);
    int writeTextChild(const char* name, const char* text);
    int writeTextChild(const char* name, const QString& text);
    int writeIntegerChild(const char* name, int value);
    int writeFloatChild(const char* name, float value);
    // State 0 writes 0, states 1 and 2 write 1, any other nothing.
    int writeCheckChild(const char* name, int state);

    // The first child (or attribute) of that name in the snapshot; the
    // search goes on with nextSibling on this same handle.
    CSerializeNode* firstChild(const char* name);
    CSerializeNode* nextSibling();

    int setFont(const char* name, const QFont& font);
    QFont font(const char* name, const QFont& fallback);

private:
    void bind(CSerializeElement* element);
    void loadValues();
    CSerializeElement* findOrAdd(const char* name, int mode) const;
    CSerializeNode* textChild(const char* name, const QString& text);
    CSerializeNode* handleOnEntry(int index) const;
    int commitAndDelete(CSerializeNode* child);

    CSerialize* m_document;
    CSerializeElement* m_element;
    CSerializeAttributeList m_values;
};

#endif // CSERIALIZENODE_H
