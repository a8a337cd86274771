#pragma once
// CRule: the rule of a template phrase. Wildcard i (from 0) belongs to the marker
// "$W" followed by the decimal number i + 1 in the phrase's text. Every phrase record
// of the file carries a rule; an atomic phrase's rule is ignored.

#include "baselib/String.h"
#include "phrasebook/OwningList.h"
#include "phrasebook/WildCard.h"

class CRule
{
public:
    CRule() : pid(0) {}

    int GetWildCardCount() const { return (int)wildcards.GetCount(); }
    // The wildcard at index, or nullptr outside the list.
    CWildCard* GetWildCardAt(int index) const { return index < 0 ? nullptr : wildcards.GetAt((unsigned)index); }

    // <rule pid="1" name="drink" W1="tea|coffee" />
    String ToString() const;

    // Reads pid, name and the wildcards (replacing them). Returns 0 on damaged data.
    int ReadFrom(CFastInputStream& in);
    int WriteTo(CFastOutputStream& out) const;

    int pid;
    String name;
    COwningList<CWildCard> wildcards;
};
