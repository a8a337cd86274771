#pragma once
// CCategory: one category of the tree. A category with `parent` 0 is a major
// category; the sub categories of a category are those whose `parent` is its id.
// File categories never use the ids 0, 98 (Search Result) and 99 (Favorites).

#include "baselib/String.h"

class CFastInputStream;
class CFastOutputStream;

class CCategory
{
public:
    CCategory() : id(0), parent(0) {}
    CCategory(int categoryId, int parentId, const String& categoryName)
        : id(categoryId), parent(parentId), name(categoryName) {}

    // <cat id="17" name="Greetings" parent="16"/>
    String ToString() const;

    // Reads id, parent and name. Returns 0 when the data is damaged.
    int ReadFrom(CFastInputStream& in);
    int WriteTo(CFastOutputStream& out) const;

    int id;
    int parent;
    String name;
};
