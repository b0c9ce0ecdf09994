#include "cserializeelement.h"

#include "cxmlvalue.h"

#include <algorithm>
#include <new>
#include <utility>

CSerializeElement::CSerializeElement(const QString& name, const QString& text,
                                     CSerializeElement* parent)
    : m_name(name), m_text(unescapeValue(text)), m_parent(parent)
{
}

CSerializeElement::~CSerializeElement()
{
    clear();
}

void CSerializeElement::addAttribute(const QString& name, const QString& value)
{
    CSerializeElement* attribute = new (std::nothrow) CSerializeElement(name, value, this);
    if (attribute)
        m_attributes.append(attribute);
}

CSerializeElement* CSerializeElement::addChild(const QString& name, const QString& text, int mode)
{
    if (mode == 0) {
        if (CSerializeElement* existing = findChild(name))
            return existing;
    } else if (mode != 1) {
        return nullptr;
    }
    CSerializeElement* child = new (std::nothrow) CSerializeElement(name, text, this);
    if (child)
        m_children.append(child);
    return child;
}

CSerializeElement* CSerializeElement::findChild(const QString& name) const
{
    for (CSerializeElement* child : m_children) {
        if (child->m_name == name)
            return child;
    }
    return nullptr;
}

void CSerializeElement::clear()
{
    for (CSerializeElement* child : m_children.takeAll())
        delete child;
    for (CSerializeElement* attribute : m_attributes.takeAll())
        delete attribute;
}

std::vector<CSerializeElement*> CSerializeElement::takeAll()
{
    m_children.setParentOfAll(nullptr);
    m_attributes.setParentOfAll(nullptr);
    std::vector<CSerializeElement*> taken = m_children.takeAll();
    for (CSerializeElement* attribute : m_attributes.takeAll())
        taken.push_back(attribute);
    return taken;
}

int CSerializeElement::level() const
{
    int level = 1;
    for (const CSerializeElement* above = m_parent; above; above = above->m_parent)
        ++level;
    return level;
}

int CSerializeElement::subtreeDepth() const
{
    // Walked without recursion: a tree built in memory may be deeper than
    // the stack allows.
    int deepest = 0;
    std::vector<std::pair<const CSerializeElement*, int>> pending{{this, 1}};
    while (!pending.empty()) {
        const std::pair<const CSerializeElement*, int> next = pending.back();
        pending.pop_back();
        deepest = std::max(deepest, next.second);
        for (const CSerializeElement* child : next.first->m_children)
            pending.emplace_back(child, next.second + 1);
    }
    return deepest;
}

int CSerializeElement::contains(const CSerializeElement* element) const
{
    if (!element)
        return -1;
    if (element == this || m_children.containsDirect(element))
        return 1;
    if (m_attributes.containsDirect(element))
        return 0;
    return -1;
}

bool CSerializeElement::isDescendant(const CSerializeElement* element) const
{
    return m_children.holdsBelow(element);
}

bool CSerializeElement::take(CSerializeElement* element)
{
    if (!m_children.unlink(element))
        return false;
    element->setParent(nullptr);
    return true;
}

bool CSerializeElement::remove(CSerializeElement* element)
{
    if (!take(element))
        return false;
    delete element;
    return true;
}
