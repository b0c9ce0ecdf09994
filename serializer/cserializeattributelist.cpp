#include "cserializeattributelist.h"

#include "kvz_text.h"

#include <cstdlib>
#include <cstring>

namespace {

// Copies at most width - 1 bytes and a terminating zero.
void copyCut(char* field, int width, const char* text, int length)
{
    std::memset(field, 0, static_cast<size_t>(width));
    const int count = length < width - 1 ? length : width - 1;
    if (text && count > 0)
        std::memcpy(field, text, static_cast<size_t>(count));
}

void copyCut(char* field, int width, const char* text)
{
    copyCut(field, width, text, text ? static_cast<int>(std::strlen(text)) : 0);
}

}

CSerializeAttributeList::CSerializeAttributeList()
    : m_items(nullptr), m_count(0), m_searchPosition(0)
{
    std::memset(m_searchName, 0, sizeof(m_searchName));
}

CSerializeAttributeList::~CSerializeAttributeList()
{
    clear();
}

const CSerializeAttribute* CSerializeAttributeList::at(int index) const
{
    return index >= 0 && index < m_count ? &m_items[index] : nullptr;
}

void CSerializeAttributeList::clear()
{
    std::free(m_items);
    m_items = nullptr;
    m_count = 0;
}

void CSerializeAttributeList::append(const CSerializeAttribute* entries, int count)
{
    if (!entries || count <= 0)
        return;
    void* grown = std::realloc(m_items, sizeof(CSerializeAttribute) * static_cast<size_t>(m_count + count));
    if (!grown)
        return;
    m_items = static_cast<CSerializeAttribute*>(grown);
    std::memcpy(m_items + m_count, entries, sizeof(CSerializeAttribute) * static_cast<size_t>(count));
    m_count += count;
}

int CSerializeAttributeList::find(const char* name, int start) const
{
    if (!name)
        return -1;
    // Entry names are held cut to their field; so is the name looked for.
    char key[SERIALIZE_NAME_SIZE];
    copyCut(key, SERIALIZE_NAME_SIZE, name);
    for (int i = start < 0 ? 0 : start; i < m_count; ++i) {
        if (std::strcmp(m_items[i].name, key) == 0)
            return i;
    }
    return -1;
}

CSerializeAttribute* CSerializeAttributeList::appendEmpty(const char* name)
{
    CSerializeAttribute entry;
    std::memset(&entry, 0, sizeof(entry));
    copyCut(entry.name, SERIALIZE_NAME_SIZE, name);
    const int before = m_count;
    append(&entry, 1);
    return m_count > before ? &m_items[before] : nullptr;
}

int CSerializeAttributeList::set(const char* name, const QByteArray& value)
{
    if (!name)
        return -1;
    const int index = find(name);
    CSerializeAttribute* entry = index >= 0 ? &m_items[index] : appendEmpty(name);
    if (!entry)
        return -1;
    copyCut(entry->value, SERIALIZE_VALUE_SIZE, value.constData(), value.size());
    entry->isChild = 0;
    return 0;
}

QString CSerializeAttributeList::get(const char* name, const QString& fallback) const
{
    const int index = find(name);
    if (index < 0)
        return fallback;
    return KvzText::fromField(m_items[index].value, SERIALIZE_VALUE_SIZE);
}

const char* CSerializeAttributeList::rawValue(const char* name) const
{
    const int index = find(name);
    return index >= 0 ? m_items[index].value : nullptr;
}

void CSerializeAttributeList::markChild(const char* name)
{
    if (!name)
        return;
    const int index = find(name);
    CSerializeAttribute* entry = index >= 0 ? &m_items[index] : appendEmpty(name);
    if (!entry)
        return;
    copyCut(entry->value, SERIALIZE_VALUE_SIZE, entry->name);
    entry->isChild = 1;
}

CSerializeValues* CSerializeAttributeList::countedCopy() const
{
    if (m_count <= 0)
        return nullptr;
    CSerializeValues* copy = static_cast<CSerializeValues*>(std::calloc(1, sizeof(CSerializeValues)));
    if (!copy)
        return nullptr;
    copy->items = static_cast<CSerializeAttribute*>(
        std::calloc(static_cast<size_t>(m_count), sizeof(CSerializeAttribute)));
    if (!copy->items) {
        std::free(copy);
        return nullptr;
    }
    std::memcpy(copy->items, m_items, sizeof(CSerializeAttribute) * static_cast<size_t>(m_count));
    copy->count = m_count;
    return copy;
}

void CSerializeAttributeList::freeCountedCopy(CSerializeValues* copy)
{
    if (!copy)
        return;
    std::free(copy->items);
    std::free(copy);
}

int CSerializeAttributeList::startSearch(const char* name)
{
    copyCut(m_searchName, SERIALIZE_NAME_SIZE, name);
    m_searchPosition = 0;
    return searchFrom(0);
}

int CSerializeAttributeList::continueSearch()
{
    if (m_searchName[0] == 0)
        return -1;
    return searchFrom(m_searchPosition);
}

int CSerializeAttributeList::searchFrom(int start)
{
    const int index = find(m_searchName, start);
    if (index >= 0)
        m_searchPosition = index + 1;
    return index;
}
