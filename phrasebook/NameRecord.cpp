#include "phrasebook/NameRecord.h"

#include "phrasebook/RecordStream.h"

int CNameRecord::ReadFrom(CFastInputStream& in)
{
    using namespace RecordStream;
    return ReadInt(in, id) && ReadText(in, name) ? 1 : 0;
}

int CNameRecord::WriteTo(CFastOutputStream& out) const
{
    out.WriteInt(id);
    out.WriteString(name);
    return 1;
}
