#include "phrasebook/WildCard.h"

#include "baselib/StringTokenizer.h"
#include "phrasebook/RecordStream.h"

CWildCard::CWildCard() : current_index(0), longest_index(0) {}

CWildCard::CWildCard(const char16_t* attrName, const char16_t* valueString)
    : AttrName(attrName), value(valueString), current_index(0), longest_index(0)
{
    StringTokenizer tokenizer(value, String(u"|"));
    int longestLength = -1;
    while (char16_t* token = tokenizer.NextToken()) {
        String word(token);
        if (word.GetLength() > longestLength) {
            longestLength = word.GetLength();
            longest_index = (int)values.GetCount();
        }
        values.Append(word);
    }
}

String CWildCard::GetValueAt(int index) const
{
    if (index < 0 || index >= GetValueCount())
        return String();
    return values[(unsigned)index];
}

String CWildCard::GetCurrentValue() const { return GetValueAt(current_index); }

String CWildCard::GetLongestValue() const { return GetValueAt(longest_index); }

void CWildCard::SetCurrentValueIndex(int index)
{
    if (index >= 0 && index < GetValueCount())
        current_index = index;
}

String CWildCard::ToString() const
{
    return String(u"[CWildCard] AttrName=") + AttrName + u", value=" + value +
           u". Current value index is: " + String::ValueOf(current_index);
}

int CWildCard::ReadFrom(CFastInputStream& in)
{
    using namespace RecordStream;
    if (!ReadText(in, AttrName) || !ReadText(in, value))
        return 0;
    int count = 0;
    if (!ReadInt(in, current_index) || !ReadInt(in, longest_index) ||
        !ReadCount(in, kMinStringBytes, count))
        return 0;
    values.RemoveAll();
    for (int i = 0; i < count; ++i) {
        String word;
        if (!ReadText(in, word))
            return 0;
        values.Append(word);
    }
    return 1;
}

int CWildCard::WriteTo(CFastOutputStream& out) const
{
    out.WriteString(AttrName);
    out.WriteString(value);
    out.WriteInt(current_index);
    out.WriteInt(longest_index);
    out.WriteInt(GetValueCount());
    for (unsigned i = 0; i < values.GetCount(); ++i)
        out.WriteString(values[i]);
    return 1;
}
