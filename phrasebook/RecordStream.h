#pragma once
// Checked reads shared by the phrase book's record readers. Every count and text
// length taken from the file is compared with the bytes that remain before anything
// is read or allocated, so a damaged file ends in a failed read, never in a read
// past the buffer or a huge allocation.

#include "baselib/FastInputStream.h"
#include "baselib/FastOutputStream.h"
#include "baselib/SimpleArray.h"
#include "baselib/String.h"

namespace RecordStream {

// Smallest number of bytes each record occupies in the file; a record count is
// sound only when that many records could still fit in what remains.
enum : int {
    kMinStringBytes = 4,                                   // count 0, no units
    kMinIntListBytes = 4,                                  // count 0
    kMinWildCardBytes = 2 * kMinStringBytes + 3 * 4,       // texts, two indexes, count
    kMinRuleBytes = 4 + kMinStringBytes + 4,               // pid, name, count
    kMinMapBytes = 4 + 4 + 4,                              // id, pid, count
    kMinPhraseBytes = 3 + 3 * 4 + kMinStringBytes + 3 * kMinIntListBytes + kMinRuleBytes + 4,
    kMinCategoryBytes = 4 + 4 + kMinStringBytes,
    kMinTipBytes = 4 + kMinStringBytes,
    kMinNameBytes = 4 + kMinStringBytes,
    kMinPairBytes = 4 + 4,
};

// Bytes left between the stream's position and its end.
int GetRemaining(const CFastInputStream& in);

// Reads one value of the wire form; false, with the target unchanged, when the
// value does not fit in the bytes that remain.
bool ReadInt(CFastInputStream& in, int& value);
bool ReadBool(CFastInputStream& in, bool& value);

// Reads a record count. A negative count means no records (count becomes 0).
// False when the stream has no int left or the records could not fit in the
// bytes that remain, at minRecordBytes each.
bool ReadCount(CFastInputStream& in, int minRecordBytes, int& count);

// Reads a string record into text, allocating its buffer once. False, with text
// unchanged, when the count is negative or runs past the end; the stream's error flag
// may then be raised as well.
bool ReadText(CFastInputStream& in, String& text);

// Reads a list of ints (count, then the values), replacing list. False on damage.
bool ReadIntList(CFastInputStream& in, Ostrel::CSimpleArray<int>& list);
void WriteIntList(CFastOutputStream& out, const Ostrel::CSimpleArray<int>& list);

}  // namespace RecordStream
