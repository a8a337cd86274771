#include "tools/phrasetools/BookText.h"

#include <cstdio>
#include <sstream>
#include <vector>

#include "phrasebook/PhraseBook.h"
#include "tools/phrasetools/Utf.h"

namespace {

const char* const kMagic = "19760424";

std::string Quote(const String& text)
{
    std::u16string units = Utf::FromString(text);
    std::string out = "\"";
    for (size_t i = 0; i < units.size(); ++i) {
        char16_t c = units[i];
        bool high = c >= 0xD800 && c <= 0xDBFF;
        bool low = c >= 0xDC00 && c <= 0xDFFF;
        if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            out += Utf::Encode(units.substr(i, 2));
            ++i;
        } else if (c == u'"') {
            out += "\\\"";
        } else if (c == u'\\') {
            out += "\\\\";
        } else if (c == u'\n') {
            out += "\\n";
        } else if (c == u'\r') {
            out += "\\r";
        } else if (c == u'\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F || high || low) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
            out += escape;
        } else {
            out += Utf::Encode(std::u16string(1, c));
        }
    }
    return out + "\"";
}

std::string Ints(const Ostrel::CSimpleArray<int>& list)
{
    std::string out;
    for (unsigned i = 0; i < list.GetCount(); ++i)
        out += " " + std::to_string(list[i]);
    return out;
}

void DumpWildCards(std::ostringstream& out, const COwningList<CWildCard>& wildcards, const char* indent)
{
    for (unsigned i = 0; i < wildcards.GetCount(); ++i) {
        const CWildCard* w = wildcards.GetAt(i);
        out << indent << "wildcard attr=" << Quote(w->AttrName) << " value=" << Quote(w->value)
            << " current=" << w->current_index << " longest=" << w->longest_index << " values";
        for (unsigned k = 0; k < w->values.GetCount(); ++k)
            out << " " << Quote(w->values[k]);
        out << "\n";
    }
}

void DumpPhrase(std::ostringstream& out, const char* list, const CPhrase& p)
{
    out << list << " atomic=" << (p.atomic ? 1 : 0) << " aux_flag=" << (p.aux_flag ? 1 : 0)
        << " visible=" << (p.visible ? 1 : 0) << " id=" << p.id << " cat_id=" << p.cat_id
        << " aux_value=" << p.aux_value << " name=" << Quote(p.name) << "\n";
    out << "  related" << Ints(p.related) << "\n";
    out << "  clips" << Ints(p.clips) << "\n";
    out << "  tips" << Ints(p.tips) << "\n";
    out << "  rule pid=" << p.rule.pid << " name=" << Quote(p.rule.name)
        << " wildcards=" << p.rule.wildcards.GetCount() << "\n";
    DumpWildCards(out, p.rule.wildcards, "    ");
    out << "  maps " << p.maps.GetCount() << "\n";
    for (unsigned i = 0; i < p.maps.GetCount(); ++i) {
        const CMap* m = p.maps.GetAt(i);
        out << "  map id=" << m->id << " pid=" << m->pid << " wildcards=" << m->wildcards.GetCount() << "\n";
        DumpWildCards(out, m->wildcards, "    ");
    }
}

// --- Reading the text form ---

class LineReader {
public:
    explicit LineReader(const std::string& text) : m_in(text) {}

    // Next non-empty line, split into words (quoted texts decoded). False at the end.
    bool Next()
    {
        std::string line;
        while (std::getline(m_in, line)) {
            ++m_number;
            m_words.clear();
            if (!Split(line))
                return true;   // m_error set; the caller's checks fail on it
            if (!m_words.empty())
                return true;
        }
        m_words.clear();
        return false;
    }

    // The line's first word must be `keyword`; then `key=value` pairs follow in order.
    bool Expect(const char* keyword)
    {
        m_next = 1;
        if (!m_error.empty())
            return false;
        if (m_words.empty() || m_words[0].text != keyword || m_words[0].quoted)
            return Fail(std::string("expected \"") + keyword + "\"");
        return true;
    }
    bool Is(const char* keyword) const { return !m_words.empty() && !m_words[0].quoted && m_words[0].text == keyword; }

    bool Int(const char* key, int& value)
    {
        std::string text;
        if (!Field(key, text))
            return false;
        try {
            size_t used = 0;
            long long parsed = std::stoll(text, &used);
            if (used != text.size() || parsed < INT32_MIN || parsed > INT32_MAX)
                return Fail(std::string("\"") + key + "\" is not a 32-bit integer");
            value = static_cast<int>(parsed);
        } catch (...) {
            return Fail(std::string("\"") + key + "\" is not an integer");
        }
        return true;
    }
    bool Bool(const char* key, bool& value)
    {
        int number = 0;
        if (!Int(key, number))
            return false;
        if (number != 0 && number != 1)
            return Fail(std::string("\"") + key + "\" must be 0 or 1");
        value = number == 1;
        return true;
    }
    bool Text(const char* key, String& value)
    {
        std::u16string units;
        if (!Units(key, units))
            return false;
        value = Utf::ToString(units);
        return true;
    }
    // A bare quoted word (the magic after "book" and "end").
    bool BareText(std::u16string& units)
    {
        if (m_next >= m_words.size() || !m_words[m_next].quoted)
            return Fail("expected a quoted text");
        units = m_words[m_next++].units;
        return true;
    }
    bool IntList(Ostrel::CSimpleArray<int>& list)
    {
        for (; m_next < m_words.size(); ++m_next) {
            const Token& word = m_words[m_next];
            try {
                size_t used = 0;
                long long parsed = word.quoted ? 0 : std::stoll(word.text, &used);
                if (word.quoted || used != word.text.size() || parsed < INT32_MIN || parsed > INT32_MAX)
                    return Fail("expected a list of integers");
                list.Append(static_cast<int>(parsed));
            } catch (...) {
                return Fail("expected a list of integers");
            }
        }
        return true;
    }
    bool TextList(Ostrel::CSimpleArray<String>& list)
    {
        for (; m_next < m_words.size(); ++m_next) {
            if (!m_words[m_next].quoted)
                return Fail("expected quoted texts");
            list.Append(Utf::ToString(m_words[m_next].units));
        }
        return true;
    }
    bool Keyword(const char* word)
    {
        if (m_next >= m_words.size() || m_words[m_next].quoted || m_words[m_next].text != word)
            return Fail(std::string("expected \"") + word + "\"");
        ++m_next;
        return true;
    }
    bool End()
    {
        if (m_next != m_words.size())
            return Fail("unexpected text at the end of the line");
        return true;
    }
    bool Fail(const std::string& message)
    {
        if (m_error.empty())
            m_error = "line " + std::to_string(m_number) + ": " + message;
        return false;
    }
    const std::string& GetError() const { return m_error; }

private:
    struct Token {
        std::string text;      // the word, or "key=" for a key with a quoted value
        std::u16string units;  // decoded quoted text
        bool quoted = false;
    };

    bool Units(const char* key, std::u16string& units)
    {
        std::string prefix = std::string(key) + "=";
        if (m_next + 1 < m_words.size() && m_words[m_next].text == prefix && !m_words[m_next].quoted &&
            m_words[m_next + 1].quoted) {
            units = m_words[m_next + 1].units;
            m_next += 2;
            return true;
        }
        return Fail(std::string("expected ") + key + "=\"...\"");
    }

    bool Field(const char* key, std::string& value)
    {
        std::string prefix = std::string(key) + "=";
        if (m_next < m_words.size() && !m_words[m_next].quoted && m_words[m_next].text.rfind(prefix, 0) == 0 &&
            m_words[m_next].text.size() > prefix.size()) {
            value = m_words[m_next++].text.substr(prefix.size());
            return true;
        }
        return Fail(std::string("expected ") + key + "=N");
    }

    // Splits at blanks; a quoted text is one word and ends a preceding "key=" word.
    bool Split(const std::string& line)
    {
        size_t i = 0;
        while (i < line.size()) {
            char c = line[i];
            if (c == ' ' || c == '\t' || c == '\r') {
                ++i;
                continue;
            }
            if (c == '"') {
                Token word;
                word.quoted = true;
                std::string raw;
                ++i;
                bool closed = false;
                while (i < line.size()) {
                    char d = line[i++];
                    if (d == '"') {
                        closed = true;
                        break;
                    }
                    if (d != '\\') {
                        raw.push_back(d);
                        continue;
                    }
                    if (i >= line.size())
                        break;
                    char e = line[i++];
                    std::u16string decoded;
                    if (!Utf::Decode(raw, decoded))
                        return Fail("text is not valid UTF-8");
                    word.units += decoded;
                    raw.clear();
                    switch (e) {
                    case 'n': word.units.push_back(u'\n'); break;
                    case 'r': word.units.push_back(u'\r'); break;
                    case 't': word.units.push_back(u'\t'); break;
                    case '"': word.units.push_back(u'"'); break;
                    case '\\': word.units.push_back(u'\\'); break;
                    case 'u': {
                        if (i + 4 > line.size())
                            return Fail("short \\u escape");
                        unsigned value = 0;
                        for (int k = 0; k < 4; ++k) {
                            char h = line[i++];
                            value <<= 4;
                            if (h >= '0' && h <= '9') value |= h - '0';
                            else if (h >= 'A' && h <= 'F') value |= h - 'A' + 10;
                            else if (h >= 'a' && h <= 'f') value |= h - 'a' + 10;
                            else return Fail("bad \\u escape");
                        }
                        word.units.push_back(static_cast<char16_t>(value));
                        break;
                    }
                    default:
                        return Fail("unknown escape");
                    }
                }
                if (!closed)
                    return Fail("unterminated text");
                std::u16string decoded;
                if (!Utf::Decode(raw, decoded))
                    return Fail("text is not valid UTF-8");
                word.units += decoded;
                m_words.push_back(word);
                continue;
            }
            Token word;
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' &&
                   !(line[i] == '"' && !word.text.empty() && word.text.back() == '=')) {
                word.text.push_back(line[i++]);
            }
            m_words.push_back(word);
        }
        return true;
    }

    std::istringstream m_in;
    int m_number = 0;
    std::vector<Token> m_words;
    size_t m_next = 1;
    std::string m_error;
};

bool ReadWildCards(LineReader& in, int count, COwningList<CWildCard>& wildcards)
{
    for (int i = 0; i < count; ++i) {
        CWildCard* w = new CWildCard();
        wildcards.Append(w);
        if (!in.Next() || !in.Expect("wildcard") || !in.Text("attr", w->AttrName) || !in.Text("value", w->value) ||
            !in.Int("current", w->current_index) || !in.Int("longest", w->longest_index) || !in.Keyword("values") ||
            !in.TextList(w->values))
            return false;
    }
    return true;
}

bool ReadPhrase(LineReader& in, const char* list, CPhrase& p)
{
    int count = 0;
    if (!in.Expect(list) || !in.Bool("atomic", p.atomic) || !in.Bool("aux_flag", p.aux_flag) ||
        !in.Bool("visible", p.visible) || !in.Int("id", p.id) || !in.Int("cat_id", p.cat_id) ||
        !in.Int("aux_value", p.aux_value) || !in.Text("name", p.name) || !in.End())
        return false;
    if (!in.Next() || !in.Expect("related") || !in.IntList(p.related))
        return false;
    if (!in.Next() || !in.Expect("clips") || !in.IntList(p.clips))
        return false;
    if (!in.Next() || !in.Expect("tips") || !in.IntList(p.tips))
        return false;
    if (!in.Next() || !in.Expect("rule") || !in.Int("pid", p.rule.pid) || !in.Text("name", p.rule.name) ||
        !in.Int("wildcards", count) || !in.End() || !ReadWildCards(in, count, p.rule.wildcards))
        return false;
    int maps = 0;
    Ostrel::CSimpleArray<int> mapCount;
    if (!in.Next() || !in.Expect("maps") || !in.IntList(mapCount) || mapCount.GetCount() != 1)
        return in.Fail("expected \"maps N\"");
    maps = mapCount[0];
    for (int i = 0; i < maps; ++i) {
        CMap* m = new CMap();
        p.maps.Append(m);
        if (!in.Next() || !in.Expect("map") || !in.Int("id", m->id) || !in.Int("pid", m->pid) ||
            !in.Int("wildcards", count) || !in.End() || !ReadWildCards(in, count, m->wildcards))
            return false;
    }
    return true;
}

}  // namespace

std::string DumpPhraseBook(const CPhraseBook& book)
{
    std::ostringstream out;
    out << "book \"" << kMagic << "\"\n";
    for (unsigned i = 0; i < book.GetCategories().GetCount(); ++i) {
        const CCategory* c = book.GetCategories().GetAt(i);
        out << "category id=" << c->id << " parent=" << c->parent << " name=" << Quote(c->name) << "\n";
    }
    for (unsigned i = 0; i < book.GetPhrases().GetCount(); ++i)
        DumpPhrase(out, "source", *book.GetPhrases().GetAt(i));
    for (unsigned i = 0; i < book.GetNames().GetCount(); ++i) {
        const CNameRecord* n = book.GetNames().GetAt(i);
        out << "name id=" << n->id << " name=" << Quote(n->name) << "\n";
    }
    for (unsigned i = 0; i < book.GetTips().GetCount(); ++i) {
        const CTip* t = book.GetTips().GetAt(i);
        out << "tip id=" << t->id << " text=" << Quote(t->text) << "\n";
    }
    for (unsigned i = 0; i < book.GetTranslations().GetCount(); ++i)
        DumpPhrase(out, "translation", *book.GetTranslations().GetAt(i));
    for (unsigned i = 0; i < book.GetPairs().GetCount(); ++i) {
        const CPairRecord* p = book.GetPairs().GetAt(i);
        out << "pair first=" << p->first << " second=" << p->second << "\n";
    }
    out << "end \"" << kMagic << "\"\n";
    return out.str();
}

bool ParsePhraseBookText(const std::string& text, CPhraseBook& book, std::string& error)
{
    LineReader in(text);
    std::u16string magic;
    bool ok = in.Next() && in.Expect("book") && in.BareText(magic) && in.End();
    if (ok && Utf::Encode(magic) != kMagic)
        ok = in.Fail("the book's magic must be \"19760424\"");
    bool more = ok && in.Next();
    while (ok && more && in.Is("category")) {
        CCategory* c = new CCategory();
        book.GetCategories().Append(c);
        ok = in.Expect("category") && in.Int("id", c->id) && in.Int("parent", c->parent) && in.Text("name", c->name) &&
             in.End();
        more = ok && in.Next();
    }
    while (ok && more && in.Is("source")) {
        CPhrase* p = new CPhrase();
        book.GetPhrases().Append(p);
        ok = ReadPhrase(in, "source", *p);
        more = ok && in.Next();
    }
    while (ok && more && in.Is("name")) {
        CNameRecord* n = new CNameRecord();
        book.GetNames().Append(n);
        ok = in.Expect("name") && in.Int("id", n->id) && in.Text("name", n->name) && in.End();
        more = ok && in.Next();
    }
    while (ok && more && in.Is("tip")) {
        CTip* t = new CTip();
        book.GetTips().Append(t);
        ok = in.Expect("tip") && in.Int("id", t->id) && in.Text("text", t->text) && in.End();
        more = ok && in.Next();
    }
    while (ok && more && in.Is("translation")) {
        CPhrase* p = new CPhrase();
        book.GetTranslations().Append(p);
        ok = ReadPhrase(in, "translation", *p);
        more = ok && in.Next();
    }
    while (ok && more && in.Is("pair")) {
        CPairRecord* p = new CPairRecord();
        book.GetPairs().Append(p);
        ok = in.Expect("pair") && in.Int("first", p->first) && in.Int("second", p->second) && in.End();
        more = ok && in.Next();
    }
    if (ok) {
        ok = more && in.Expect("end") && in.BareText(magic) && in.End();
        if (ok && Utf::Encode(magic) != kMagic)
            ok = in.Fail("the trailer must be \"19760424\"");
        if (ok && in.Next())
            ok = in.Fail("text after the trailer");
    }
    if (!ok)
        error = in.GetError().empty() ? std::string("unexpected end of the text") : in.GetError();
    return ok;
}
