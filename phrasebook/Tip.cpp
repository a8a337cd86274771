#include "phrasebook/Tip.h"

#include "phrasebook/RecordStream.h"

int CTip::ReadFrom(CFastInputStream& in)
{
    using namespace RecordStream;
    return ReadInt(in, id) && ReadText(in, text) ? 1 : 0;
}

int CTip::WriteTo(CFastOutputStream& out) const
{
    out.WriteInt(id);
    out.WriteString(text);
    return 1;
}
