// How a device page fills its foldable group items: each item gets its
// caption and a new group widget, without a parent, as content. Inline, so
// that the frame itself needs no property groups: only the pages include it.
#ifndef FORMAT_PAGE_GROUPS_H
#define FORMAT_PAGE_GROUPS_H

#include "cmo_formpropertyitem.h"

#include <QString>

class FormatPageGroups
{
public:
    template <typename Group> static Group* addGroup(CMO_FormPropertyItem* item, const QString& caption)
    {
        item->setTitle(caption);
        Group* group = new Group(nullptr);
        item->setContent(group);
        return group;
    }
};

#endif // FORMAT_PAGE_GROUPS_H
