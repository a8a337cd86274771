#include "phrasebook/PairRecord.h"

#include "phrasebook/RecordStream.h"

int CPairRecord::ReadFrom(CFastInputStream& in)
{
    using namespace RecordStream;
    return ReadInt(in, first) && ReadInt(in, second) ? 1 : 0;
}

int CPairRecord::WriteTo(CFastOutputStream& out) const
{
    out.WriteInt(first);
    out.WriteInt(second);
    return 1;
}
