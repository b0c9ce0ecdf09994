#include "cserializeelementlist.h"

#include "cserializeelement.h"

#include <algorithm>

CSerializeElement* CSerializeElementList::at(int index) const
{
    if (index < 0 || index >= size())
        return nullptr;
    return m_items[static_cast<size_t>(index)];
}

bool CSerializeElementList::containsDirect(const CSerializeElement* element) const
{
    return element && std::find(m_items.begin(), m_items.end(), element) != m_items.end();
}

bool CSerializeElementList::unlink(const CSerializeElement* element)
{
    const auto it = std::find(m_items.begin(), m_items.end(), element);
    if (!element || it == m_items.end())
        return false;
    m_items.erase(it);
    return true;
}

void CSerializeElementList::setParentOfAll(CSerializeElement* parent)
{
    for (CSerializeElement* member : m_items)
        member->setParent(parent);
}

bool CSerializeElementList::holdsBelow(const CSerializeElement* element) const
{
    if (!element)
        return false;
    for (const CSerializeElement* member : m_items) {
        if (member == element || member->isDescendant(element))
            return true;
    }
    return false;
}

std::vector<CSerializeElement*> CSerializeElementList::takeAll()
{
    std::vector<CSerializeElement*> taken;
    taken.swap(m_items);
    return taken;
}
