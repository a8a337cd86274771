#include "phrasebook/WildCardList.h"

#include "phrasebook/RecordStream.h"

namespace WildCardList {

int Read(CFastInputStream& in, COwningList<CWildCard>& wildcards)
{
    using namespace RecordStream;
    int count = 0;
    if (!ReadCount(in, kMinWildCardBytes, count))
        return 0;
    wildcards.RemoveAll();
    for (int i = 0; i < count; ++i) {
        CWildCard* wildcard = new CWildCard();
        if (!wildcard->ReadFrom(in)) {
            delete wildcard;
            return 0;
        }
        wildcards.Append(wildcard);
    }
    return 1;
}

void Write(CFastOutputStream& out, const COwningList<CWildCard>& wildcards)
{
    out.WriteInt((int)wildcards.GetCount());
    for (unsigned i = 0; i < wildcards.GetCount(); ++i)
        wildcards.GetAt(i)->WriteTo(out);
}

String ToAttributes(const COwningList<CWildCard>& wildcards)
{
    String text(u" ");
    for (unsigned i = 0; i < wildcards.GetCount(); ++i) {
        const CWildCard* wildcard = wildcards.GetAt(i);
        text += wildcard->AttrName + u"=\"" + wildcard->value + u"\" ";
    }
    return text;
}

}  // namespace WildCardList
