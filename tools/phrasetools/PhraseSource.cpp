#include "tools/phrasetools/PhraseSource.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "tools/phrasetools/Utf.h"

namespace {

std::string Trim(const std::string& text)
{
    size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return std::string();
    size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool ParseId(const std::string& text, int& id)
{
    if (text.empty() || text.size() > 9)
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    id = std::stoi(text);
    return true;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(Trim(part));
    if (!text.empty() && text.back() == separator)
        parts.push_back(std::string());
    return parts;
}

// Reads one file line by line; `record` is the phrase being filled (null between records).
class FileParser {
public:
    FileParser(const std::string& path, PhraseSources& sources, std::vector<SourceError>& errors)
        : m_path(path), m_sources(sources), m_errors(errors)
    {
    }

    void ParseLine(int number, const std::string& rawLine)
    {
        m_line = number;
        std::string line = Trim(rawLine);
        if (line.empty()) {
            m_record = -1;
            return;
        }
        if (line[0] == '#')
            return;
        if (line[0] == '@') {
            OpenRecord(line.substr(1));
            return;
        }
        size_t colon = line.find(':');
        if (colon == std::string::npos) {
            Error("expected \"key: value\", \"@ID\", \"major:\" or \"sub:\"");
            return;
        }
        std::string key = Trim(line.substr(0, colon));
        std::string value = Trim(line.substr(colon + 1));
        if (m_record < 0) {
            if (key == "major")
                OpenMajor(value);
            else if (key == "sub")
                OpenSub(value);
            else
                Error("\"" + key + ":\" outside a phrase record (a blank line ends a record)");
            return;
        }
        if (key == "major" || key == "sub") {
            Error("\"" + key + ":\" inside a phrase record; separate it with a blank line");
            return;
        }
        SetField(key, value);
    }

    bool HasMajor() const { return m_major >= 0; }

private:
    void Error(const std::string& message) { m_errors.push_back({{m_path, m_line}, message}); }

    bool Decode(const std::string& value, std::u16string& out)
    {
        if (Utf::Decode(value, out))
            return true;
        Error("text is not valid UTF-8");
        return false;
    }

    void OpenMajor(const std::string& name)
    {
        if (m_major >= 0) {
            Error("a second \"major:\" in one file (one file per major category)");
            return;
        }
        if (name.empty()) {
            Error("\"major:\" without a name");
            return;
        }
        SourceCategory category;
        Decode(name, category.name);
        category.where = {m_path, m_line};
        m_sources.categories.push_back(category);
        m_major = static_cast<int>(m_sources.categories.size()) - 1;
        m_current = m_major;
    }

    void OpenSub(const std::string& name)
    {
        if (m_major < 0) {
            Error("\"sub:\" before the file's \"major:\"");
            return;
        }
        if (name.empty()) {
            Error("\"sub:\" without a name");
            return;
        }
        SourceCategory category;
        Decode(name, category.name);
        category.parent = m_major;
        category.where = {m_path, m_line};
        m_sources.categories.push_back(category);
        m_current = static_cast<int>(m_sources.categories.size()) - 1;
    }

    void OpenRecord(const std::string& header)
    {
        if (m_major < 0) {
            Error("phrase record before the file's \"major:\"");
            return;
        }
        SourcePhrase phrase;
        phrase.where = {m_path, m_line};
        phrase.category = m_current;
        std::string idText = header;
        size_t equals = header.find('=');
        if (equals != std::string::npos) {
            idText = Trim(header.substr(0, equals));
            if (m_template < 0) {
                Error("concrete record \"@ID = ...\" without a template before it in this file");
                return;
            }
            phrase.templateId = m_sources.phrases[m_template].id;
            for (const std::string& word : Split(Trim(header.substr(equals + 1)), '|')) {
                std::u16string decoded;
                Decode(word, decoded);
                phrase.words.push_back(decoded);
            }
        }
        if (!ParseId(Trim(idText), phrase.id)) {
            Error("\"@" + header + "\": the id must be a decimal number");
            return;
        }
        m_sources.phrases.push_back(phrase);
        m_record = static_cast<int>(m_sources.phrases.size()) - 1;
        m_seenKeys.clear();
    }

    void SetField(const std::string& key, const std::string& value)
    {
        SourcePhrase& phrase = m_sources.phrases[m_record];
        if (!m_seenKeys.insert(key).second) {
            Error("\"" + key + ":\" given twice in phrase @" + std::to_string(phrase.id));
            return;
        }
        std::u16string text;
        if (!Decode(value, text))
            return;
        static const std::map<std::string, std::u16string SourcePhrase::*> kTexts = {
            {"en", &SourcePhrase::en},         {"zh", &SourcePhrase::zh},
            {"py", &SourcePhrase::py},         {"ja", &SourcePhrase::ja},
            {"kana", &SourcePhrase::kana},     {"ko", &SourcePhrase::ko},
            {"tip-zh", &SourcePhrase::tipZh},  {"tip-ja", &SourcePhrase::tipJa},
            {"tip-ko", &SourcePhrase::tipKo},
        };
        auto found = kTexts.find(key);
        if (found != kTexts.end()) {
            if (text.empty())
                Error("\"" + key + ":\" is empty");
            phrase.*(found->second) = text;
            return;
        }
        if (key == "related") {
            std::istringstream in(value);
            std::string item;
            while (in >> item) {
                int id;
                if (ParseId(item, id))
                    phrase.related.push_back(id);
                else
                    Error("related id \"" + item + "\" is not a decimal number");
            }
            return;
        }
        if (key == "hidden") {
            if (value == "yes")
                phrase.hidden = true;
            else if (value != "no")
                Error("\"hidden:\" takes \"yes\" or \"no\"");
            return;
        }
        if (key.size() >= 2 && key[0] == 'W' && ParseSlot(key.substr(1), phrase, value))
            return;
        Error("unknown key \"" + key + ":\"");
    }

    // "Wn: a|b|c" of a template; the slots must come in order W1, W2, ...
    bool ParseSlot(const std::string& number, SourcePhrase& phrase, const std::string& value)
    {
        int slot;
        if (!ParseId(number, slot))
            return false;
        if (phrase.IsConcrete()) {
            Error("a concrete record takes its words from its \"@ID = ...\" line, not from W lines");
            return true;
        }
        if (slot != static_cast<int>(phrase.slots.size()) + 1) {
            Error("slot W" + number + " out of order (expected W" + std::to_string(phrase.slots.size() + 1) + ")");
            return true;
        }
        std::vector<std::u16string> words;
        for (const std::string& word : Split(value, '|')) {
            std::u16string decoded;
            Decode(word, decoded);
            if (decoded.empty())
                Error("slot W" + number + " has an empty word");
            words.push_back(decoded);
        }
        phrase.slots.push_back(words);
        m_template = m_record;
        return true;
    }

    std::string m_path;
    PhraseSources& m_sources;
    std::vector<SourceError>& m_errors;
    int m_line = 0;
    int m_major = -1;
    int m_current = -1;
    int m_record = -1;
    int m_template = -1;
    std::set<std::string> m_seenKeys;
};

std::u16string MarkerOf(size_t slot)
{
    std::string marker = "$W" + std::to_string(slot + 1);
    return std::u16string(marker.begin(), marker.end());
}

// The template's English text with its words in place of the markers, highest slot first so
// that $W1 does not take the start of $W10.
std::u16string FillIn(const std::u16string& text, const std::vector<std::u16string>& words)
{
    std::u16string out = text;
    for (size_t slot = words.size(); slot-- > 0;) {
        std::u16string marker = MarkerOf(slot);
        for (size_t at = out.find(marker); at != std::u16string::npos; at = out.find(marker, at + words[slot].size())) {
            out.replace(at, marker.size(), words[slot]);
        }
    }
    return out;
}

void CheckTemplate(const SourcePhrase& phrase, std::vector<SourceError>& errors)
{
    auto error = [&](const std::string& message) { errors.push_back({phrase.where, message}); };
    std::string at = "template @" + std::to_string(phrase.id);
    if (phrase.slots.size() > 9)
        error(at + ": templates hold at most nine slots (the programs read $W10 as $W1 followed by 0)");
    for (size_t slot = 0; slot < phrase.slots.size(); ++slot) {
        if (phrase.en.find(MarkerOf(slot)) == std::u16string::npos)
            error(at + ": slot W" + std::to_string(slot + 1) + " has no marker in its English text");
        for (const std::u16string& word : phrase.slots[slot]) {
            if (word.find(u"$W") != std::u16string::npos)
                error(at + ": the word \"" + Utf::Encode(word) + "\" holds a marker");
        }
    }
    size_t next = phrase.slots.size() + 1;
    std::string marker = "$W" + std::to_string(next);
    if (phrase.en.find(std::u16string(marker.begin(), marker.end())) != std::u16string::npos)
        error(at + ": marker " + marker + " has no W" + std::to_string(next) + " line");
    if (!phrase.zh.empty() || !phrase.py.empty() || !phrase.ja.empty() || !phrase.kana.empty() || !phrase.ko.empty())
        error(at + ": a template has no translation lines of its own (they belong to its concrete records)");
}

}  // namespace

const SourcePhrase* PhraseSources::Find(int id) const
{
    for (const SourcePhrase& phrase : phrases) {
        if (phrase.id == id)
            return &phrase;
    }
    return nullptr;
}

bool ParseFile(const std::string& path, const std::string& text, PhraseSources& sources,
               std::vector<SourceError>& errors)
{
    size_t before = errors.size();
    FileParser parser(path, sources, errors);
    // A byte-order mark that an editor may put first is not part of the first line.
    bool bom = text.compare(0, 3, "\xEF\xBB\xBF") == 0;
    std::istringstream in(bom ? text.substr(3) : text);
    std::string line;
    int number = 0;
    while (std::getline(in, line))
        parser.ParseLine(++number, line);
    if (!parser.HasMajor())
        errors.push_back({{path, 1}, "the file has no \"major:\" line"});
    return errors.size() == before;
}

bool ReadPhraseSources(const std::vector<std::string>& paths, PhraseSources& sources,
                       std::vector<SourceError>& errors)
{
    size_t before = errors.size();
    for (const std::string& path : paths) {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            errors.push_back({{path, 0}, "cannot open the file"});
            continue;
        }
        std::ostringstream text;
        text << in.rdbuf();
        ParseFile(path, text.str(), sources, errors);
    }
    Resolve(sources, errors);
    return errors.size() == before;
}

bool Resolve(PhraseSources& sources, std::vector<SourceError>& errors)
{
    size_t before = errors.size();
    std::map<int, size_t> templates;
    for (size_t i = 0; i < sources.phrases.size(); ++i) {
        SourcePhrase& phrase = sources.phrases[i];
        if (phrase.IsTemplate()) {
            CheckTemplate(phrase, errors);
            templates.emplace(phrase.id, i);
        }
    }
    std::map<int, std::set<std::vector<std::u16string>>> seen;
    for (SourcePhrase& phrase : sources.phrases) {
        if (!phrase.IsConcrete())
            continue;
        auto found = templates.find(phrase.templateId);
        std::string at = "concrete @" + std::to_string(phrase.id);
        if (found == templates.end()) {
            errors.push_back({phrase.where, at + ": the record before it (@" + std::to_string(phrase.templateId) +
                                                 ") is not a template"});
            continue;
        }
        const SourcePhrase& owner = sources.phrases[found->second];
        if (phrase.words.size() != owner.slots.size()) {
            errors.push_back({phrase.where, at + ": " + std::to_string(phrase.words.size()) + " words for the " +
                                                 std::to_string(owner.slots.size()) + " slots of template @" +
                                                 std::to_string(owner.id)});
            continue;
        }
        bool known = true;
        for (size_t slot = 0; slot < phrase.words.size(); ++slot) {
            const auto& words = owner.slots[slot];
            if (std::find(words.begin(), words.end(), phrase.words[slot]) == words.end()) {
                errors.push_back({phrase.where, at + ": \"" + Utf::Encode(phrase.words[slot]) + "\" is not a word of W" +
                                                     std::to_string(slot + 1) + " of template @" +
                                                     std::to_string(owner.id)});
                known = false;
            }
        }
        if (known && !seen[owner.id].insert(phrase.words).second)
            errors.push_back({phrase.where, at + ": its combination of words is already given"});
        if (phrase.en.empty())
            phrase.en = FillIn(owner.en, phrase.words);
        phrase.category = owner.category;
        phrase.hidden = true;
        if (phrase.related.empty())
            phrase.related = owner.related;
        if (phrase.tipZh.empty())
            phrase.tipZh = owner.tipZh;
        if (phrase.tipJa.empty())
            phrase.tipJa = owner.tipJa;
        if (phrase.tipKo.empty())
            phrase.tipKo = owner.tipKo;
    }
    // Every combination needs its concrete record.
    for (const auto& [id, index] : templates) {
        const SourcePhrase& owner = sources.phrases[index];
        size_t combinations = 1;
        for (const auto& words : owner.slots)
            combinations *= words.size();
        size_t given = seen[id].size();
        if (given < combinations) {
            std::vector<size_t> pick(owner.slots.size(), 0);
            for (size_t n = 0; n < combinations; ++n) {
                std::vector<std::u16string> words;
                size_t rest = n;
                for (size_t slot = owner.slots.size(); slot-- > 0;) {
                    words.insert(words.begin(), owner.slots[slot][rest % owner.slots[slot].size()]);
                    rest /= owner.slots[slot].size();
                }
                if (!seen[id].count(words)) {
                    std::string list;
                    for (const auto& word : words)
                        list += (list.empty() ? "" : " | ") + Utf::Encode(word);
                    errors.push_back({owner.where, "template @" + std::to_string(id) + ": no concrete record for \"" +
                                                       list + "\""});
                }
            }
        }
    }
    for (const SourcePhrase& phrase : sources.phrases) {
        if (phrase.en.empty() && !(phrase.IsConcrete() && templates.count(phrase.templateId)))
            errors.push_back({phrase.where, "phrase @" + std::to_string(phrase.id) + " has no \"en:\" line"});
    }
    return errors.size() == before;
}

std::string FormatError(const SourceError& error)
{
    return error.where.file + ":" + std::to_string(error.where.line) + ": " + error.message;
}
