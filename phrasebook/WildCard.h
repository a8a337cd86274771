#pragma once
// CWildCard: one replaceable word of a template phrase.
//
// In a rule, `values` are the words that may stand at the wildcard's marker, in the
// order offered to the user, and `value` is the same words joined by "|". In a map,
// `value` is the one word of the combination the map stands for.
// `current_index` selects the word shown now and `longest_index` names the longest
// word (it sizes the word picker). Records read from a file may carry indexes outside
// `values`; the getters below then return the empty text instead of reading past it.

#include "baselib/SimpleArray.h"
#include "baselib/String.h"

class CFastInputStream;
class CFastOutputStream;

class CWildCard
{
public:
    CWildCard();
    // Builds a wildcard from its attribute name and a value string such as
    // "tea|coffee|milk": the words become `values` (empty words are skipped),
    // `longest_index` is the first word of the greatest length and `current_index` 0.
    CWildCard(const char16_t* attrName, const char16_t* valueString);

    String GetCurrentValue() const;
    String GetLongestValue() const;
    // Selects values[index]; an index outside `values` is ignored.
    void SetCurrentValueIndex(int index);

    int GetValueCount() const { return (int)values.GetCount(); }
    String GetValueAt(int index) const;

    // [CWildCard] AttrName=..., value=.... Current value index is: N
    String ToString() const;

    // Reads the record's fields in file order, replacing `values`.
    // Returns 0 when the data is damaged (a count or a text runs past the end).
    int ReadFrom(CFastInputStream& in);
    int WriteTo(CFastOutputStream& out) const;

    String AttrName;
    String value;
    Ostrel::CSimpleArray<String> values;
    int current_index;
    int longest_index;
};
