#include "tools/phrasetools/SpeechList.h"

#include <set>

#include "tools/phrasetools/BookBuilder.h"
#include "tools/phrasetools/Utf.h"

namespace {

bool IsHiragana(char16_t c)
{
    return c >= 0x3041 && c <= 0x309F;
}

// Kana words after which a は or へ in the same kana run is the particle.
const std::u16string kParticleBefore[] = {u"わたし", u"あなた", u"これ", u"それ", u"あれ", u"ここ", u"そこ",
                                          u"あそこ", u"どこ", u"どれ", u"で", u"に", u"と", u"へ", u"から", u"まで"};

void MarkParticlesInRun(const std::u16string& run, size_t at, std::u16string& spoken)
{
    for (size_t i = 1; i < run.size(); ++i) {
        if (run[i] != u'は' && run[i] != u'へ')
            continue;
        for (const std::u16string& word : kParticleBefore) {
            if (i >= word.size() && run.compare(i - word.size(), word.size(), word) == 0) {
                spoken[at + i] = run[i] == u'は' ? u'わ' : u'え';
                break;
            }
        }
    }
}

}  // namespace

std::u16string SpokenKana(const std::u16string& ja, const std::u16string& kana)
{
    std::u16string spoken = kana;
    for (const std::u16string greeting : {u"こんにちは", u"こんばんは"}) {
        for (size_t at = spoken.find(greeting); at != std::u16string::npos; at = spoken.find(greeting, at + 1))
            spoken[at + greeting.size() - 1] = u'わ';
    }
    // Split ja into runs: hiragana runs are matched in the reading, everything else
    // (kanji, katakana, punctuation) is a gap of unknown reading.
    std::u16string result = spoken;
    size_t position = 0;
    bool afterGap = false;
    bool afterKanjiOrKatakana = false;
    size_t i = 0;
    while (i < ja.size()) {
        if (!IsHiragana(ja[i])) {
            bool word = Utf::IsIdeograph(ja[i]) || (ja[i] >= 0x30A1 && ja[i] <= 0x30FA) || ja[i] == 0x30FC;
            // Katakana, punctuation and spaces stand in the reading as they are.
            if (!Utf::IsIdeograph(ja[i]) && !afterGap) {
                if (position >= spoken.size() || spoken[position] != ja[i])
                    return spoken;
                ++position;
            } else if (!Utf::IsIdeograph(ja[i])) {
                size_t found = spoken.find(ja[i], position + 1);
                if (found == std::u16string::npos)
                    return spoken;
                position = found + 1;
                afterGap = false;
            } else {
                afterGap = true;
            }
            afterKanjiOrKatakana = word;
            ++i;
            continue;
        }
        size_t end = i;
        while (end < ja.size() && IsHiragana(ja[end]))
            ++end;
        std::u16string run = ja.substr(i, end - i);
        size_t found;
        if (afterGap) {
            found = spoken.find(run, position + 1);
        } else {
            found = spoken.compare(position, run.size(), run) == 0 ? position : std::u16string::npos;
        }
        if (found == std::u16string::npos)
            return spoken;
        if (afterKanjiOrKatakana && (run[0] == u'は' || run[0] == u'へ'))
            result[found] = run[0] == u'は' ? u'わ' : u'え';
        MarkParticlesInRun(run, found, result);
        position = found + run.size();
        afterGap = false;
        afterKanjiOrKatakana = false;
        i = end;
    }
    return result;
}

std::string BuildSpeechList(const PhraseSources& sources, BookKind kind)
{
    std::string out;
    for (const SourcePhrase& phrase : sources.phrases) {
        if (phrase.IsTemplate())
            continue;
        std::u16string text = phrase.ko;
        if (kind == BookKind::Chinese)
            text = phrase.zh.empty() ? std::u16string() : phrase.py;
        else if (kind == BookKind::Japanese || kind == BookKind::Kana)
            text = SpokenKana(phrase.ja, phrase.kana);
        if (text.empty())
            continue;
        std::string line = Utf::Encode(text);
        for (char& c : line) {
            if (c == '\t' || c == '\n' || c == '\r')
                c = ' ';
        }
        out += std::to_string(phrase.id) + "\t" + line + "\n";
    }
    return out;
}

std::string BuildReadingList(const PhraseSources& sources)
{
    std::set<std::pair<std::u16string, std::u16string>> seen;
    std::string out;
    for (const SourcePhrase& phrase : sources.phrases) {
        std::vector<std::u16string> syllables = SplitSyllables(phrase.py);
        size_t next = 0;
        for (char16_t c : phrase.zh) {
            if (!Utf::IsIdeograph(c))
                continue;
            if (next >= syllables.size())
                break;
            std::pair<std::u16string, std::u16string> pair(std::u16string(1, c), syllables[next++]);
            if (seen.insert(pair).second)
                out += Utf::Encode(pair.first) + "\t" + Utf::Encode(pair.second) + "\n";
        }
    }
    return out;
}
