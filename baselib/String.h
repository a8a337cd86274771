#pragma once

// String: the UTF-16 text type of the whole system.
//
// A String is one pointer to a zero-terminated buffer of char16_t code units, allocated with
// malloc/realloc and released with free, so a buffer made inside libtessel.so may be released by
// a program and the other way round. The pointer is never null; an empty String points to a
// buffer holding only the zero unit. The length is not stored: it is the number of units before
// the first zero unit. Every String owns its buffer alone; copies duplicate the text.
//
// Contracts shared by every member:
// - Pointers passed in (texts, sets, narrow texts) are non-null and zero-terminated.
// - Indexes for GetAt/SetAt/operator[] run from 0 to GetLength() (GetAt(GetLength()) is the
//   terminator). Extraction and Find(c, start) clip positions and counts to the text; negative
//   values are treated as 0.
// - Operations that change the length allocate a buffer of exactly the new size; appending one
//   unit reallocates the buffer one unit larger.
// - Out of memory is not reported.

#include "baselib/TesselExport.h"
#include "baselib/WideChar.h"

#include <cstdlib>

class TESSEL_API String {
public:
    String();
    String(const String& other);
    String(const char16_t* text);
    // Narrow text in the platform's narrow encoding (UTF-8).
    String(const char* text);
    // Exactly length units of buffer (zero units included), then a terminator.
    String(const char16_t* buffer, int length);
    // count copies of c.
    String(char16_t c, int count);
    ~String() { std::free(m_pBuffer); }

    // Replaces the text with exactly length units of buffer plus a terminator.
    void Init(const char16_t* buffer, int length);
    void Empty();

    String& operator=(const String& other);
    String& operator=(const char16_t* text);
    String& operator=(char16_t c);

    // Both texts may be this String's own text.
    String& operator+=(const String& other);
    String& operator+=(const char16_t* text);
    String& operator+=(char16_t c);
    // Appends ValueOf(value).
    String& operator+=(double value);

    int GetLength() const { return static_cast<int>(wcslen16(m_pBuffer)); }
    bool IsEmpty() const { return m_pBuffer[0] == 0; }
    char16_t GetAt(int index) const { return m_pBuffer[index]; }
    char16_t operator[](int index) const { return m_pBuffer[index]; }
    // Stores c in place; storing zero shortens the visible text.
    void SetAt(int index, char16_t c) { m_pBuffer[index] = c; }
    // The buffer itself, valid until the next operation that changes the text.
    operator const char16_t*() const { return m_pBuffer; }
    char16_t* GetString() const { return m_pBuffer; }

    // Code-unit order: negative, 0 or positive.
    int Compare(const char16_t* text) const;
    int CompareNoCase(const char16_t* text) const;
    bool Equals(const char16_t* text) const;
    bool EqualsNoCase(const char16_t* text) const;
    bool operator==(const char16_t* text) const { return Equals(text); }
    bool operator==(const String& other) const { return Equals(other.m_pBuffer); }
    bool operator!=(const char16_t* text) const { return !Equals(text); }
    bool operator!=(const String& other) const { return !Equals(other.m_pBuffer); }

    void MakeUpper();
    void MakeLower();
    void MakeReverse();
    // Removes blank units (see iswspace16) at both ends, at the start, at the end.
    void Trim();
    void TrimLeft();
    void TrimRight();
    // Every unit equal to from becomes to; from must not be zero. When to is zero the text ends
    // at the first former from.
    void Replace(char16_t from, char16_t to);
    // Replaces the first occurrence of oldText, searching the whole text again from its start
    // after each step (so text the step inserted is searched too), until none is left: aab with
    // ab -> b gives ab, then b. An empty oldText changes nothing. When newText itself contains
    // oldText, rescanning could never end; then every occurrence in the original text is
    // replaced once, left to right.
    void Replace(const char16_t* oldText, const char16_t* newText);

    // count units from first; first is clipped to the length, count to what remains.
    String Mid(int first, int count) const;
    String Mid(int first) const;
    String Left(int count) const;
    String Right(int count) const;
    // The same as Mid: the second argument is a count, not an end position.
    String SubString(int first, int count) const;
    String SubString(int first) const;
    // Every unit of the text that occurs in set (SpanExcluding: that does not), in their order;
    // a filter over the whole text, not only its leading run.
    String SpanIncluding(const char16_t* set) const;
    String SpanExcluding(const char16_t* set) const;

    // Code-unit indexes, -1 when not found. Find(0) gives the length.
    int Find(char16_t c) const;
    // Searches from start; -1 when c does not occur at or after start.
    int Find(char16_t c, int start) const;
    // The empty text is found at 0.
    int Find(const char16_t* text) const;
    int ReverseFind(char16_t c) const;
    // First unit that occurs in set; -1 when none does or set is empty.
    int FindOneOf(const char16_t* set) const;

    // Converts to the narrow encoding (UTF-8), writing at most GetLength() + 1 bytes, whole
    // characters only, always zero-terminated. out must hold GetLength() + 1 bytes. Pure ASCII
    // text converts completely.
    void GetAnsiString(char* out) const;
    // Blanks, optional sign, decimal digits; 0 without digits. Saturates at the type's range.
    int ParseInt() const;
    long ParseLong() const;
    // Blanks, sign, digits, decimal point, digits, exponent; 0.0 when nothing numeric leads.
    // Always uses '.' as the decimal point, whatever the C locale says.
    double ParseDouble() const;
    // "%d" formatting.
    static String ValueOf(int value);
    // "%f" formatting: fixed point with six decimals (2.5 gives 2.500000), always with '.'.
    static String ValueOf(double value);

private:
    // Takes ownership of a malloc'ed, zero-terminated buffer.
    void Adopt(char16_t* buffer);

    char16_t* m_pBuffer;
};

static_assert(sizeof(String) == sizeof(char16_t*), "String is exactly one pointer");

TESSEL_API String operator+(const String& a, const String& b);
TESSEL_API String operator+(const String& a, char16_t b);
TESSEL_API String operator+(char16_t a, const String& b);
TESSEL_API String operator+(const String& a, const char16_t* b);
TESSEL_API String operator+(const char16_t* a, const String& b);
