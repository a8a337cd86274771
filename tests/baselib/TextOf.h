#pragma once

// Test helper: a String's text as std::u16string, so that expectations compare and print texts.

#include "baselib/String.h"

#include <string>

inline std::u16string TextOf(const String& s)
{
    return std::u16string(s.GetString());
}
