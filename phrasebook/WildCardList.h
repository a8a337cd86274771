#pragma once
// The list of wildcard records that rules and maps both carry.

#include "baselib/FastInputStream.h"
#include "baselib/FastOutputStream.h"
#include "baselib/String.h"
#include "phrasebook/OwningList.h"
#include "phrasebook/WildCard.h"

namespace WildCardList {

// Reads a count and that many wildcard records, replacing wildcards.
// Returns 0 when the data is damaged.
int Read(CFastInputStream& in, COwningList<CWildCard>& wildcards);
void Write(CFastOutputStream& out, const COwningList<CWildCard>& wildcards);

// The end of a rule's or map's diagnostic form: one space, then NAME="value" and a
// space for each wildcard.
String ToAttributes(const COwningList<CWildCard>& wildcards);

}  // namespace WildCardList
