#pragma once

// StringTokenizer: one pass over a text, split at a set of delimiter units.
//
// NextToken skips delimiters, returns the following maximal run of non-delimiter units and
// overwrites the delimiter that ends it with zero. Empty tokens are never returned: ";a;;b;"
// with the set ";" gives "a", "b", then null on every further call. The returned pointers point
// into the tokenizer's own copy of the text; they stay valid until the tokenizer is destroyed and
// are never released by the caller.
//
// The scanning position is kept in the object, so several tokenizers may be used interleaved.
// A tokenizer cannot be rewound or copied.

#include "baselib/String.h"
#include "baselib/TesselExport.h"

class TESSEL_API StringTokenizer {
public:
    StringTokenizer(const String& text, const String& delimiters);
    ~StringTokenizer();
    StringTokenizer(const StringTokenizer&) = delete;
    StringTokenizer& operator=(const StringTokenizer&) = delete;

    // The next token, or null when none is left.
    char16_t* NextToken();

private:
    bool m_started;
    char16_t* m_text;
    char16_t* m_delimiters;
    char16_t* m_position;
};
