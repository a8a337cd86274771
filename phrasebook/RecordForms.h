#pragma once
// Pieces shared by the one-line diagnostic forms of the records
// (<cat id="17" name="Greetings" parent="16"/> and the like).

#include "baselib/String.h"

namespace RecordForms {

// A space, the attribute name, "=" and the value in double quotes.
String Attribute(const char16_t* attrName, const String& attrValue);
String Attribute(const char16_t* attrName, int attrValue);

}  // namespace RecordForms
