#include "phrasebook/Map.h"

#include "phrasebook/RecordForms.h"
#include "phrasebook/RecordStream.h"
#include "phrasebook/WildCardList.h"

String CMap::ToString() const
{
    return String(u"<map") + RecordForms::Attribute(u"id", id) + RecordForms::Attribute(u"pid", pid) +
           WildCardList::ToAttributes(wildcards) + u"/>";
}

int CMap::ReadFrom(CFastInputStream& in)
{
    using namespace RecordStream;
    if (!ReadInt(in, id) || !ReadInt(in, pid))
        return 0;
    return WildCardList::Read(in, wildcards);
}

int CMap::WriteTo(CFastOutputStream& out) const
{
    out.WriteInt(id);
    out.WriteInt(pid);
    WildCardList::Write(out, wildcards);
    return 1;
}
