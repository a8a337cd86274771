#include "tools/phrasetools/BookBuilder.h"

#include <map>

#include "phrasebook/PhraseBook.h"
#include "script/PinyinTable.h"
#include "tools/phrasetools/Utf.h"

namespace {

constexpr int kFirstSubCategoryId = 101;
constexpr int kMaxReadingDigit = 8;

String ToText(const std::u16string& units)
{
    return Utf::ToString(units);
}

void AddSourcePhrase(const SourcePhrase& phrase, int categoryId, const PhraseSources& sources,
                     CPhraseBook& book)
{
    CPhrase* record = new CPhrase();
    record->id = phrase.id;
    record->cat_id = categoryId;
    record->name = ToText(phrase.en);
    record->atomic = !phrase.IsTemplate();
    record->visible = !phrase.hidden;
    for (int id : phrase.related)
        record->related.Append(id);
    if (phrase.IsTemplate()) {
        record->rule.pid = phrase.id;
        record->rule.name = String::ValueOf(phrase.id);
        for (size_t slot = 0; slot < phrase.slots.size(); ++slot) {
            std::u16string joined;
            for (const std::u16string& word : phrase.slots[slot])
                joined += (joined.empty() ? u"" : u"|") + word;
            String attr = String(u"W") + String::ValueOf(static_cast<int>(slot + 1));
            record->rule.wildcards.Append(new CWildCard(attr, ToText(joined).GetString()));
        }
        for (const SourcePhrase& concrete : sources.phrases) {
            if (concrete.templateId != phrase.id || concrete.words.size() != phrase.slots.size())
                continue;
            CMap* map = new CMap();
            map->id = concrete.id;
            map->pid = concrete.id;
            for (size_t slot = 0; slot < concrete.words.size(); ++slot) {
                String attr = String(u"W") + String::ValueOf(static_cast<int>(slot + 1));
                map->wildcards.Append(new CWildCard(attr, ToText(concrete.words[slot]).GetString()));
            }
            record->maps.Append(map);
        }
    }
    book.GetPhrases().Append(record);
}

}  // namespace

int BookCategoryId(const PhraseSources& sources, int index)
{
    int majors = 0;
    int subs = 0;
    for (int i = 0; i < index && i < static_cast<int>(sources.categories.size()); ++i) {
        if (sources.categories[i].parent < 0)
            ++majors;
        else
            ++subs;
    }
    if (index < 0 || index >= static_cast<int>(sources.categories.size()))
        return 0;
    return sources.categories[index].parent < 0 ? majors + 1 : kFirstSubCategoryId + subs;
}

std::vector<std::u16string> SplitSyllables(const std::u16string& py)
{
    std::vector<std::u16string> syllables;
    std::u16string current;
    for (char16_t c : py + u" ") {
        if (c == u' ' || c == u'\t') {
            if (!current.empty())
                syllables.push_back(current);
            current.clear();
        } else {
            current.push_back(c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c);
        }
    }
    return syllables;
}

std::u16string AddReadingDigits(const SourcePhrase& phrase, const CPinyinTable& pinyin,
                                std::vector<SourceError>& errors)
{
    std::string at = "phrase @" + std::to_string(phrase.id) + ": ";
    std::vector<std::u16string> syllables = SplitSyllables(phrase.py);
    std::u16string out;
    size_t next = 0;
    for (char16_t c : phrase.zh) {
        out.push_back(c);
        if (!Utf::IsIdeograph(c))
            continue;
        if (next >= syllables.size()) {
            errors.push_back({phrase.where, at + "zh has more Chinese characters than py has syllables"});
            return out;
        }
        const std::u16string& wanted = syllables[next++];
        int found = -1;
        String reading;
        for (int n = 0; n <= 20; ++n) {
            if (pinyin.LookupReading(c, reading, n) != CPinyinTable::kFound)
                break;
            if (Utf::FromString(reading) == wanted) {
                found = n;
                break;
            }
        }
        std::string character = Utf::Encode(std::u16string(1, c));
        if (found < 0) {
            std::string listed;
            for (int n = 0; pinyin.LookupReading(c, reading, n) == CPinyinTable::kFound; ++n)
                listed += (listed.empty() ? "" : ", ") + Utf::Encode(reading);
            errors.push_back({phrase.where, at + "the reading \"" + Utf::Encode(wanted) + "\" of " + character +
                                                " is not in the PinYin table (" +
                                                (listed.empty() ? std::string("no readings") : "readings " + listed) +
                                                ")"});
        } else if (found > kMaxReadingDigit) {
            errors.push_back({phrase.where, at + "the reading \"" + Utf::Encode(wanted) + "\" of " + character +
                                                " is alternative " + std::to_string(found) +
                                                "; a digit selects at most alternative 8"});
        } else if (found > 0) {
            out.push_back(static_cast<char16_t>(u'0' + found));
        }
    }
    if (next < syllables.size())
        errors.push_back({phrase.where, at + "py has more syllables than zh has Chinese characters"});
    return out;
}

std::u16string KanaBookText(const std::u16string& kana)
{
    std::u16string out = kana;
    for (char16_t& c : out) {
        if (c >= 0xFF01 && c <= 0xFF5E)
            c = static_cast<char16_t>(c - 0xFEE0);
    }
    return out;
}

bool BuildPhraseBook(const PhraseSources& sources, BookKind kind, const CPinyinTable* pinyin,
                     CPhraseBook& book, std::vector<SourceError>& errors)
{
    size_t before = errors.size();
    // Majors first, then sub categories, each group in file order.
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i < sources.categories.size(); ++i) {
            const SourceCategory& category = sources.categories[i];
            bool major = category.parent < 0;
            if (major != (pass == 0))
                continue;
            int parent = major ? 0 : BookCategoryId(sources, category.parent);
            book.GetCategories().Append(
                new CCategory(BookCategoryId(sources, static_cast<int>(i)), parent, ToText(category.name)));
        }
    }
    for (const SourcePhrase& phrase : sources.phrases)
        AddSourcePhrase(phrase, BookCategoryId(sources, phrase.category), sources, book);

    std::map<std::u16string, int> tipIds;
    for (const SourcePhrase& phrase : sources.phrases) {
        if (phrase.IsTemplate())
            continue;
        const std::u16string& source = SourceTranslation(phrase, kind);
        if (source.empty())
            continue;   // the linter lists missing translations
        std::u16string text = source;
        if (kind == BookKind::Chinese) {
            if (pinyin == nullptr) {
                errors.push_back({phrase.where, "the Chinese book needs the PinYin table"});
                return false;
            }
            text = AddReadingDigits(phrase, *pinyin, errors);
        } else if (kind == BookKind::Kana) {
            text = KanaBookText(source);
        }
        CPhrase* record = new CPhrase();
        record->id = phrase.id;
        record->cat_id = BookCategoryId(sources, phrase.category);
        record->name = ToText(text);
        record->atomic = true;
        record->visible = !phrase.hidden;
        record->clips.Append(phrase.id);
        const std::u16string& tip = SourceTip(phrase, kind);
        if (!tip.empty()) {
            auto found = tipIds.find(tip);
            if (found == tipIds.end()) {
                int id = static_cast<int>(tipIds.size()) + 1;
                found = tipIds.emplace(tip, id).first;
                book.GetTips().Append(new CTip(id, ToText(tip)));
            }
            record->tips.Append(found->second);
        }
        book.GetTranslations().Append(record);
    }
    return errors.size() == before;
}
