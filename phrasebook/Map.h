#pragma once
// CMap: one combination of wildcard values of a template phrase and the concrete
// phrase (`pid`, an atomic source phrase and the translation with the same id) that
// the combination stands for. Wildcard i's `value` is one word of the rule's wildcard i.

#include "baselib/String.h"
#include "phrasebook/OwningList.h"
#include "phrasebook/WildCard.h"

class CMap
{
public:
    CMap() : id(0), pid(0) {}

    int GetWildCardCount() const { return (int)wildcards.GetCount(); }
    CWildCard* GetWildCardAt(int index) const { return index < 0 ? nullptr : wildcards.GetAt((unsigned)index); }

    // <map id="7" pid="3101" W1="coffee" />
    String ToString() const;

    // Reads id, pid and the wildcards (replacing them). Returns 0 on damaged data.
    int ReadFrom(CFastInputStream& in);
    int WriteTo(CFastOutputStream& out) const;

    int id;
    int pid;
    COwningList<CWildCard> wildcards;
};
