#include "phrasebook/Phrase.h"

#include "phrasebook/PhraseBook.h"
#include "phrasebook/RecordForms.h"
#include "phrasebook/RecordStream.h"
#include "phrasebook/TemplateText.h"

namespace {

int IntAt(const Ostrel::CSimpleArray<int>& list, int index)
{
    return index >= 0 && (unsigned)index < list.GetCount() ? list[(unsigned)index] : 0;
}

// True when every wildcard of map has the current value of the rule's wildcard at
// the same index, compared exactly.
bool MapMatchesRule(const CMap& map, const CRule& rule)
{
    if (map.GetWildCardCount() != rule.GetWildCardCount())
        return false;
    for (int j = 0; j < rule.GetWildCardCount(); ++j) {
        if (map.GetWildCardAt(j)->value.Compare(rule.GetWildCardAt(j)->GetCurrentValue()) != 0)
            return false;
    }
    return true;
}

}  // namespace

CPhrase::CPhrase() : id(0), cat_id(0), aux_value(0), atomic(false), aux_flag(false), visible(true) {}

CPhrase::~CPhrase() = default;

String CPhrase::GetTipText(const CPhraseBook& book) const
{
    if (!HasTips())
        return String();
    const CTip* tip = book.FindTip(tips[0]);
    return tip ? tip->text : String();
}

String CPhrase::GetTipText() const { return GetTipText(*GetPhraseBook()); }

int CPhrase::GetRelatedAt(int index) const { return IntAt(related, index); }
int CPhrase::GetClipAt(int index) const { return IntAt(clips, index); }
int CPhrase::GetTipAt(int index) const { return IntAt(tips, index); }

String CPhrase::GetDisplayText() const { return ExpandTemplateText(*this, nullptr); }

int CPhrase::GetConcreteId() const
{
    if (atomic)
        return -1;
    for (unsigned i = 0; i < maps.GetCount(); ++i) {
        const CMap* map = maps.GetAt(i);
        if (MapMatchesRule(*map, rule))
            return map->pid;
    }
    return -1;
}

CPhrase* CPhrase::GetConcretePhrase(const CPhraseBook& book) const
{
    int concreteId = GetConcreteId();
    return concreteId < 0 ? nullptr : book.FindPhrase(concreteId);
}

CPhrase* CPhrase::GetConcretePhrase() const { return GetConcretePhrase(*GetPhraseBook()); }

int CPhrase::GetWildCardCount() const { return atomic ? 0 : rule.GetWildCardCount(); }

CWildCard* CPhrase::GetWildCardAt(int index) const { return atomic ? nullptr : rule.GetWildCardAt(index); }

String CPhrase::ToString() const
{
    String text = String(u"<phrase") + RecordForms::Attribute(u"id", id) +
                  RecordForms::Attribute(u"name", name) + RecordForms::Attribute(u"cat_id", cat_id) + u" ";
    if (atomic)
        text += u"atomic=\"true\" ";
    if (!visible)
        text += u"visible=\"false\" ";
    text += u" related=\"";
    for (unsigned i = 0; i < related.GetCount(); ++i) {
        if (i > 0)
            text += u",";
        text += String::ValueOf(related[i]);
    }
    text += u"\"/>";
    return text;
}

int CPhrase::ReadFrom(CFastInputStream& in)
{
    using namespace RecordStream;
    if (!ReadBool(in, atomic) || !ReadBool(in, aux_flag) || !ReadBool(in, visible) ||
        !ReadInt(in, id) || !ReadInt(in, cat_id) || !ReadInt(in, aux_value) || !ReadText(in, name) ||
        !ReadIntList(in, related) || !ReadIntList(in, clips) || !ReadIntList(in, tips) ||
        !rule.ReadFrom(in))
        return 0;
    int mapCount = 0;
    if (!ReadCount(in, kMinMapBytes, mapCount))
        return 0;
    maps.RemoveAll();
    for (int i = 0; i < mapCount; ++i) {
        CMap* map = new CMap();
        if (!map->ReadFrom(in)) {
            delete map;
            return 0;
        }
        maps.Append(map);
    }
    return 1;
}

int CPhrase::WriteTo(CFastOutputStream& out) const
{
    out.WriteBool(atomic);
    out.WriteBool(aux_flag);
    out.WriteBool(visible);
    out.WriteInt(id);
    out.WriteInt(cat_id);
    out.WriteInt(aux_value);
    out.WriteString(name);
    RecordStream::WriteIntList(out, related);
    RecordStream::WriteIntList(out, clips);
    RecordStream::WriteIntList(out, tips);
    rule.WriteTo(out);
    out.WriteInt((int)maps.GetCount());
    for (unsigned i = 0; i < maps.GetCount(); ++i)
        maps.GetAt(i)->WriteTo(out);
    return 1;
}
