#include "phrasebook/RecordStream.h"

namespace RecordStream {

int GetRemaining(const CFastInputStream& in)
{
    int remaining = in.GetSize() - in.GetPosition();
    return remaining > 0 ? remaining : 0;
}

bool ReadInt(CFastInputStream& in, int& value)
{
    if (GetRemaining(in) < 4)
        return false;
    value = in.ReadInt();
    return true;
}

bool ReadBool(CFastInputStream& in, bool& value)
{
    if (GetRemaining(in) < 1)
        return false;
    value = in.ReadBool();
    return true;
}

bool ReadCount(CFastInputStream& in, int minRecordBytes, int& count)
{
    int value = 0;
    if (!ReadInt(in, value))
        return false;
    if (value < 0) {
        count = 0;
        return true;
    }
    // Compared by division so that a huge count cannot overflow the product.
    if (value > GetRemaining(in) / minRecordBytes)
        return false;
    count = value;
    return true;
}

bool ReadText(CFastInputStream& in, String& text)
{
    if (GetRemaining(in) < 4)
        return false;
    if (!in.HasError()) {
        // The stream's own record read fills text in place with one buffer of the final
        // size; a count that is negative or runs past the end leaves text unchanged and
        // raises the stream's error flag, which was clear before this read.
        in.ReadString(text);
        return !in.HasError();
    }
    // The flag is sticky, so a stream that failed before cannot report this read's
    // outcome: check the count here and copy the text through a temporary.
    int units = 0;
    if (!ReadInt(in, units))
        return false;
    if (units < 0 || units > GetRemaining(in) / 2)
        return false;
    text = in.ReadString(units);
    return true;
}

bool ReadIntList(CFastInputStream& in, Ostrel::CSimpleArray<int>& list)
{
    int count = 0;
    if (!ReadCount(in, 4, count))
        return false;
    list.RemoveAll();
    for (int i = 0; i < count; ++i)
        list.Append(in.ReadInt());
    return true;
}

void WriteIntList(CFastOutputStream& out, const Ostrel::CSimpleArray<int>& list)
{
    out.WriteInt((int)list.GetCount());
    for (unsigned i = 0; i < list.GetCount(); ++i)
        out.WriteInt(list[i]);
}

}  // namespace RecordStream
