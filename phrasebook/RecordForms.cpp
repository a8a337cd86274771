#include "phrasebook/RecordForms.h"

namespace RecordForms {

String Attribute(const char16_t* attrName, const String& attrValue)
{
    return String(u" ") + attrName + u"=\"" + attrValue + u"\"";
}

String Attribute(const char16_t* attrName, int attrValue)
{
    return Attribute(attrName, String::ValueOf(attrValue));
}

}  // namespace RecordForms
