// One element of a settings document: its name, its text, its attributes
// (held as elements too, the value in their text) and its child elements.
// An element owns both of its lists and frees them with itself.
#ifndef CSERIALIZEELEMENT_H
#define CSERIALIZEELEMENT_H

#include "cserializeelementlist.h"

#include <QString>

#include <vector>

class CSerializeElement
{
public:
    enum Kind {
        KindPlain = 0,
        KindWithAttributes = 1,
        KindText = 2
    };

    // The text is unescaped before it is stored.
    CSerializeElement(const QString& name, const QString& text, CSerializeElement* parent);
    ~CSerializeElement();
    CSerializeElement(const CSerializeElement&) = delete;
    CSerializeElement& operator=(const CSerializeElement&) = delete;

    // Appends an attribute, even when one of that name exists.
    void addAttribute(const QString& name, const QString& value);
    // Mode 0: the first child of that name, made when there is none.
    // Mode 1: always a new child. Other modes: null.
    CSerializeElement* addChild(const QString& name, const QString& text, int mode);
    CSerializeElement* findChild(const QString& name) const;

    int attributeCount() const { return m_attributes.size(); }
    int childCount() const { return m_children.size(); }
    CSerializeElement* attributeAt(int index) const { return m_attributes.at(index); }
    CSerializeElement* childAt(int index) const { return m_children.at(index); }

    QString name() const { return m_name; }
    QString text() const { return m_text; }
    // Stored unchanged.
    void setText(const QString& text) { m_text = text; }
    int kind() const { return m_kind; }
    void setKind(int kind) { m_kind = kind; }
    CSerializeElement* parent() const { return m_parent; }
    void setParent(CSerializeElement* parent) { m_parent = parent; }

    // Frees every child and every attribute; name, text and kind stay.
    void clear();
    // Empties both lists without freeing: the caller owns what comes back.
    std::vector<CSerializeElement*> takeAll();

    // 1 for an element without parent, one more for every parent above it.
    int level() const;
    // The levels of this element and everything below it: 1 for an element
    // without children. Attributes are no level.
    int subtreeDepth() const;

    // 1: this element or a direct child; 0: a direct attribute; -1 otherwise.
    int contains(const CSerializeElement* element) const;
    // True when the element lies anywhere below this one's children.
    bool isDescendant(const CSerializeElement* element) const;
    // Takes a direct child out of the list, without freeing it.
    bool take(CSerializeElement* element);
    // Takes a direct child out of the list and frees it.
    bool remove(CSerializeElement* element);

private:
    QString m_name;
    QString m_text;
    int m_kind = KindPlain;
    CSerializeElementList m_children;
    CSerializeElementList m_attributes;
    CSerializeElement* m_parent;
};

#endif // CSERIALIZEELEMENT_H
