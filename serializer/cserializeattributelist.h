// The values of one section handle: a counted array of entries on the C heap,
// and one running by-name search over it.
#ifndef CSERIALIZEATTRIBUTELIST_H
#define CSERIALIZEATTRIBUTELIST_H

#include "cserializerecords.h"

#include <QByteArray>
#include <QString>

class CSerializeAttributeList
{
public:
    CSerializeAttributeList();
    ~CSerializeAttributeList();
    CSerializeAttributeList(const CSerializeAttributeList&) = delete;
    CSerializeAttributeList& operator=(const CSerializeAttributeList&) = delete;

    int count() const { return m_count; }
    const CSerializeAttribute* at(int index) const;
    void clear();
    // Copies count entries in at the end; nothing when the block cannot grow.
    void append(const CSerializeAttribute* entries, int count);
    // The first entry of that name from index start, or -1.
    int find(const char* name, int start = 0) const;

    // Rewrites the value of the entry of that name (made an attribute again),
    // or appends a new entry. Values longer than 256 bytes are cut.
    int set(const char* name, const QByteArray& value);
    // The whole stored value of the first entry of that name, or fallback.
    QString get(const char* name, const QString& fallback) const;
    // The stored bytes of the first entry of that name; null when there is none.
    const char* rawValue(const char* name) const;
    // The entry of that name becomes a child entry holding its own name.
    void markChild(const char* name);

    // A calloc'd copy {count, items} for a commit; null when empty.
    CSerializeValues* countedCopy() const;
    static void freeCountedCopy(CSerializeValues* copy);

    // The by-name search: the index of the next entry of the name, or -1.
    int startSearch(const char* name);
    int continueSearch();

private:
    int searchFrom(int start);
    CSerializeAttribute* appendEmpty(const char* name);

    CSerializeAttribute* m_items;
    int m_count;
    char m_searchName[SERIALIZE_REQUEST_NAME_SIZE];
    int m_searchPosition;
};

#endif // CSERIALIZEATTRIBUTELIST_H
