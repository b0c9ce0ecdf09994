// An ordered list of element pointers: the children or the attributes of one
// element. The list holds the pointers; the owning element frees them.
#ifndef CSERIALIZEELEMENTLIST_H
#define CSERIALIZEELEMENTLIST_H

#include <vector>

class CSerializeElement;

class CSerializeElementList
{
public:
    int size() const { return static_cast<int>(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }
    CSerializeElement* at(int index) const;
    void append(CSerializeElement* element) { m_items.push_back(element); }
    bool containsDirect(const CSerializeElement* element) const;

    // Takes the member out of the list without freeing it.
    bool unlink(const CSerializeElement* element);
    // Every member's parent becomes parent.
    void setParentOfAll(CSerializeElement* parent);
    // True when a member is element or has it below itself.
    bool holdsBelow(const CSerializeElement* element) const;
    // Empties the list, handing its members to the caller.
    std::vector<CSerializeElement*> takeAll();

    std::vector<CSerializeElement*>::const_iterator begin() const { return m_items.begin(); }
    std::vector<CSerializeElement*>::const_iterator end() const { return m_items.end(); }

private:
    std::vector<CSerializeElement*> m_items;
};

#endif // CSERIALIZEELEMENTLIST_H
