#include "phrasebook/Category.h"

#include "phrasebook/RecordForms.h"
#include "phrasebook/RecordStream.h"

String CCategory::ToString() const
{
    return String(u"<cat") + RecordForms::Attribute(u"id", id) + RecordForms::Attribute(u"name", name) +
           RecordForms::Attribute(u"parent", parent) + u"/>";
}

int CCategory::ReadFrom(CFastInputStream& in)
{
    using namespace RecordStream;
    return ReadInt(in, id) && ReadInt(in, parent) && ReadText(in, name) ? 1 : 0;
}

int CCategory::WriteTo(CFastOutputStream& out) const
{
    out.WriteInt(id);
    out.WriteInt(parent);
    out.WriteString(name);
    return 1;
}
