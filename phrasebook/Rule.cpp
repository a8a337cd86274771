#include "phrasebook/Rule.h"

#include "phrasebook/RecordForms.h"
#include "phrasebook/RecordStream.h"
#include "phrasebook/WildCardList.h"

String CRule::ToString() const
{
    return String(u"<rule") + RecordForms::Attribute(u"pid", pid) +
           RecordForms::Attribute(u"name", name) + WildCardList::ToAttributes(wildcards) + u"/>";
}

int CRule::ReadFrom(CFastInputStream& in)
{
    using namespace RecordStream;
    if (!ReadInt(in, pid) || !ReadText(in, name))
        return 0;
    return WildCardList::Read(in, wildcards);
}

int CRule::WriteTo(CFastOutputStream& out) const
{
    out.WriteInt(pid);
    out.WriteString(name);
    WildCardList::Write(out, wildcards);
    return 1;
}
