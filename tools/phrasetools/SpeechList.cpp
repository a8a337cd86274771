#include "tools/phrasetools/SpeechList.h"

#include <set>

#include "tools/phrasetools/BookBuilder.h"
#include "tools/phrasetools/Utf.h"

std::string BuildSpeechList(const PhraseSources& sources, BookKind kind)
{
    std::string out;
    for (const SourcePhrase& phrase : sources.phrases) {
        if (phrase.IsTemplate())
            continue;
        const std::u16string* text = &phrase.ko;
        if (kind == BookKind::Chinese)
            text = phrase.zh.empty() ? &phrase.zh : &phrase.py;
        else if (kind == BookKind::Japanese || kind == BookKind::Kana)
            text = &phrase.kana;
        if (text->empty())
            continue;
        std::string line = Utf::Encode(*text);
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
