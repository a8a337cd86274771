#include "tools/phrasetools/Linter.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "phrasebook/PhraseBook.h"
#include "platform/core/MessageBox.h"
#include "script/G2bTable.h"
#include "script/GlyphFont.h"
#include "script/GlyphTextLayout.h"
#include "script/PinyinLine.h"
#include "script/PinyinTable.h"
#include "script/RomajiTable.h"
#include "tools/phrasetools/BookFile.h"
#include "tools/phrasetools/Edition.h"
#include "tools/phrasetools/PhraseSource.h"
#include "tools/phrasetools/ScreenGeometry.h"
#include "tools/phrasetools/Utf.h"
#include "voice/SoundFile.h"

namespace {

// The Category menu: each major category and its sub categories, in the order the menu
// selects them by index (0 is "All").
struct MenuCategory {
    const char16_t* name;
    std::vector<std::u16string> subs;
};

const std::vector<MenuCategory>& CategoryMenu()
{
    static const std::vector<MenuCategory> menu = {
        {u"Basic", {u"Greetings", u"Language", u"Weather", u"Signs", u"Date & Time", u"Numbers", u"Key words"}},
        {u"Travel", {u"Arrival", u"Loss & Damage", u"Directions", u"Plane", u"Signs", u"Train & Bus", u"Car rental",
                     u"Gas & Parking", u"Problems", u"Taxi"}},
        {u"Food", {u"Finding restaurant", u"At restaurant", u"Personal needs", u"Complaints", u"Menu reader"}},
        {u"Lodging", {u"Reservation", u"At hotel", u"Check in", u"About hotel", u"Personal needs", u"Problems",
                      u"Check out"}},
        {u"Business", {u"Basic", u"Exchange information"}},
        {u"Sightseeing", {u"Questions", u"Useful words", u"Leisure"}},
        {u"Social", {u"Conversation", u"Get together", u"Exchange information"}},
        {u"Shopping and Services", {u"Finding places", u"Purchase", u"Return", u"Banking"}},
        {u"Emergency", {u"Medical", u"Lost & missing", u"Help"}},
        {u"Questions", {u"Where", u"When", u"How much/many", u"Why", u"Who/Which"}},
    };
    return menu;
}

std::string Text(const String& text)
{
    return Utf::Encode(text);
}

std::string Text(const std::u16string& text)
{
    return Utf::Encode(text);
}

String PathString(const std::string& path)
{
    return String(path.c_str());
}

// Collects findings; message boxes raised by the system's readers while it runs are
// recorded instead of shown.
class Lint {
public:
    explicit Lint(const LintInputs& inputs) : m_inputs(inputs)
    {
        m_previousHandler = SetMessageBoxHandler([this](const String& text, const String&, unsigned) {
            m_messages.push_back(Text(text));
            return IDOK;
        });
    }
    ~Lint() { SetMessageBoxHandler(m_previousHandler); }

    LintReport Run()
    {
        std::vector<SourceError> errors;
        ReadPhraseSources(m_inputs.sources, m_sources, errors);
        for (const SourceError& error : errors)
            Add(error.where.file + ":" + std::to_string(error.where.line), -1, error.message);
        CheckSources();
        if (!m_inputs.veloraDir.empty())
            CheckChinese();
        if (!m_inputs.miravelDir.empty())
            CheckJapanese();
        if (!m_inputs.serrakDir.empty())
            CheckKorean();
        m_report.counts = m_counts.str();
        return m_report;
    }

private:
    void Add(const std::string& where, int id, const std::string& message)
    {
        m_report.findings.push_back({where, id, message});
    }

    std::string Where(const SourcePhrase& phrase) const
    {
        return phrase.where.file + ":" + std::to_string(phrase.where.line);
    }

    // ---- Sources ----

    void CheckSources()
    {
        std::map<int, const SourcePhrase*> first;
        for (const SourcePhrase& phrase : m_sources.phrases) {
            auto [at, added] = first.emplace(phrase.id, &phrase);
            if (!added)
                Add(Where(phrase), phrase.id, "the id repeats (first used at " + Where(*at->second) + ")");
            if (!phrase.zh.empty()) {
                for (char16_t c : phrase.zh) {
                    if (c >= u'0' && c <= u'9') {
                        Add(Where(phrase), phrase.id,
                            "zh holds the digit " + std::string(1, static_cast<char>(c)) +
                                ", which the Chinese box never draws (digits select readings); write the number in characters");
                        break;
                    }
                }
            }
            if (phrase.IsTemplate())
                continue;
            for (BookKind kind : {BookKind::Chinese, BookKind::Japanese, BookKind::Kana, BookKind::Korean}) {
                if (SourceTranslation(phrase, kind).empty())
                    Add(Where(phrase), phrase.id, std::string("no \"") + SourceKey(kind) + ":\" translation");
            }
            if (!phrase.zh.empty() && phrase.py.empty())
                Add(Where(phrase), phrase.id, "no \"py:\" line for its Chinese text");
        }
    }

    // ---- Checks shared by every book ----

    // Loads a built book; false (with a finding) when it is missing or damaged.
    bool LoadBook(const std::string& program, const std::string& path, CPhraseBook& book)
    {
        std::string error;
        if (!LoadPhraseBookFile(path, book, error)) {
            Add(program, -1, error);
            return false;
        }
        return true;
    }

    void CheckReferences(const std::string& program, const CPhraseBook& book)
    {
        for (unsigned i = 0; i < book.GetPhrases().GetCount(); ++i) {
            const CPhrase* phrase = book.GetPhrases().GetAt(i);
            for (unsigned k = 0; k < phrase->related.GetCount(); ++k) {
                if (book.FindPhrase(phrase->related[k]) == nullptr)
                    Add(program, phrase->id, "related phrase @" + std::to_string(phrase->related[k]) + " does not exist");
            }
            if (phrase->atomic)
                continue;
            for (unsigned k = 0; k < phrase->maps.GetCount(); ++k) {
                int pid = phrase->maps.GetAt(k)->pid;
                if (book.FindPhrase(pid) == nullptr)
                    Add(program, phrase->id, "template map names phrase @" + std::to_string(pid) + ", which does not exist");
                else if (book.FindTranslation(pid) == nullptr)
                    Add(program, phrase->id, "template map names phrase @" + std::to_string(pid) + ", which has no translation");
            }
        }
        for (unsigned i = 0; i < book.GetTranslations().GetCount(); ++i) {
            const CPhrase* translation = book.GetTranslations().GetAt(i);
            for (unsigned k = 0; k < translation->tips.GetCount(); ++k) {
                if (book.FindTip(translation->tips[k]) == nullptr)
                    Add(program, translation->id, "tip " + std::to_string(translation->tips[k]) + " does not exist");
            }
        }
    }

    void CheckCategories(const std::string& program, const CPhraseBook& book)
    {
        for (const MenuCategory& major : CategoryMenu()) {
            const CCategory* found = book.FindCategoryByName(major.name);
            std::string name = Text(std::u16string(major.name));
            if (found == nullptr) {
                Add(program, -1, "the main screen opens \"" + name + "\", which the phrase book does not have");
                continue;
            }
            if (found->parent != 0) {
                Add(program, -1, "\"" + name + "\" finds a sub category first; the major categories must come first");
                continue;
            }
            Ostrel::CSimpleArray<CCategory*> children;
            book.GetChildCategories(found->id, children);
            std::vector<std::u16string> actual;
            for (unsigned i = 0; i < children.GetCount(); ++i)
                actual.push_back(Utf::FromString(children[i]->name));
            if (actual != major.subs) {
                std::string want, have;
                for (const auto& sub : major.subs)
                    want += (want.empty() ? "" : ", ") + Text(sub);
                for (const auto& sub : actual)
                    have += (have.empty() ? "" : ", ") + Text(sub);
                Add(program, -1, "the sub categories of \"" + name + "\" are [" + have +
                                     "]; the Category menu selects them by position as [" + want + "]");
            }
        }
    }

    // Every source phrase that has a clip of its own must have a translation with clips, and
    // each clip must be in the archive.
    void CheckTranslationsAndClips(const std::string& program, const CPhraseBook& book, const std::string& voicePath)
    {
        CSoundFile archive;
        size_t before = m_messages.size();
        archive.OpenArchive(PathString(voicePath));
        if (!archive.IsUsable()) {
            Add(program, -1, "cannot open the voice archive " + voicePath);
            m_messages.resize(before);
        }
        for (unsigned i = 0; i < book.GetPhrases().GetCount(); ++i) {
            const CPhrase* phrase = book.GetPhrases().GetAt(i);
            if (!phrase->atomic)
                continue;
            const CPhrase* translation = book.FindTranslation(phrase->id);
            if (translation == nullptr) {
                Add(program, phrase->id, "no translation in this edition's phrase book");
                continue;
            }
            if (translation->clips.GetCount() == 0) {
                Add(program, phrase->id, "the translation has no clips");
                continue;
            }
            for (unsigned k = 0; k < translation->clips.GetCount() && archive.IsUsable(); ++k) {
                const VoiceIndexEntry* entry = nullptr;
                archive.GetIdxMap(translation->clips[k], &entry);
                if (entry == nullptr)
                    Add(program, phrase->id, "clip " + std::to_string(translation->clips[k]) + " is not in voice.dat");
            }
        }
    }

    // True when the glyph of `code` has ink, or the code is a blank that needs none.
    static bool HasGlyph(CGlyphFont& font, char16_t code)
    {
        if (code == u' ' || code == 0x3000)
            return true;
        uint8_t pixels[CGlyphFont::kMode16BufferBytes];
        if (!font.GetGlyph(code, pixels, sizeof pixels, CGlyphFont::kPixelMode16))
            return false;
        for (int row = 0; row < 16; ++row) {
            for (int column = 0; column < 16; ++column) {
                if (CGlyphFont::IsInk16(pixels, column, row))
                    return true;
            }
        }
        return false;
    }

    void CheckGlyphs(const std::string& program, const CPhrase& translation, CGlyphFont& font, CG2bTable* g2b,
                     bool skipDigits)
    {
        std::set<char16_t> reported;
        for (char16_t c : Utf::FromString(translation.name)) {
            if (skipDigits && c >= u'0' && c <= u'9')
                continue;
            if (!HasGlyph(font, c) && reported.insert(c).second)
                Add(program, translation.id, "no glyph for " + Describe(c));
            if (g2b != nullptr && c >= CG2bTable::kFirstTableCode) {
                char16_t traditional = g2b->ToTraditional(c);
                if (!HasGlyph(font, traditional) && reported.insert(traditional).second)
                    Add(program, translation.id, "no glyph for " + Describe(traditional) + ", the traditional form of " +
                                                     Describe(c));
            }
        }
    }

    static std::string Describe(char16_t c)
    {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
        return "\"" + Text(std::u16string(1, c)) + "\" (" + code + ")";
    }

    // Every cell the translation box would draw lies inside its client area.
    void CheckGlyphFit(const std::string& program, const CPhrase& translation, TranslationDrawing drawing,
                       BoxSize box, const char* what)
    {
        std::vector<GlyphCell> cells = LayoutGlyphText(drawing, box.width, box.height, translation.name);
        std::u16string text = Utf::FromString(translation.name);
        for (const GlyphCell& cell : cells) {
            if (cell.x + CGlyphFont::kGlyphSide > box.width || cell.y + CGlyphFont::kGlyphSide > box.height) {
                Add(program, translation.id,
                    std::string(what) + " \"" + Text(text) + "\" is cut in the " + std::to_string(box.width) + " x " +
                        std::to_string(box.height) + " box from \"" + Text(text.substr(cell.textIndex)) + "\" on (" +
                        std::to_string(GlyphsPerLine(drawing, box.width)) + " characters per line)");
                return;
            }
        }
    }

    // ---- Counts ----

    void Count(const std::string& program, const CPhraseBook& book)
    {
        m_counts << program << ": " << book.GetPhrases().GetCount() << " source phrases, "
                 << book.GetTranslations().GetCount() << " translations, " << book.GetTips().GetCount() << " tips\n";
        for (unsigned i = 0; i < book.GetCategories().GetCount(); ++i) {
            const CCategory* category = book.GetCategories().GetAt(i);
            if (category->parent != 0)
                continue;
            Ostrel::CSimpleArray<CPhrase*> all;
            book.CollectPhrases(category->id, all, true);
            m_counts << "  " << Text(category->name) << ": " << all.GetCount() << "\n";
            Ostrel::CSimpleArray<CCategory*> children;
            book.GetChildCategories(category->id, children);
            for (unsigned k = 0; k < children.GetCount(); ++k) {
                Ostrel::CSimpleArray<CPhrase*> listed;
                book.CollectPhrases(children[k]->id, listed, true);
                m_counts << "    " << Text(children[k]->name) << ": " << listed.GetCount() << "\n";
            }
        }
    }

    // ---- Editions ----

    void CheckChinese()
    {
        const std::string program = "Velora";
        const std::string dir = m_inputs.veloraDir + "/";
        CPhraseBook book;
        if (!LoadBook(program, dir + "phrases.dat", book))
            return;
        CheckCategories(program, book);
        CheckReferences(program, book);
        CheckTranslationsAndClips(program, book, dir + "voice.dat");
        CGlyphFont font;
        if (!font.OpenGlyphFont(PathString(dir + "ch.idx"), PathString(dir + "ch.fon")))
            Add(program, -1, "cannot open the glyph font ch.idx / ch.fon");
        CG2bTable g2b;
        bool haveG2b = g2b.Open(PathString(dir + "g2b.tab"));
        if (!haveG2b)
            Add(program, -1, "cannot open g2b.tab");
        CPinyinTable pinyin;
        if (pinyin.LoadPinyin(PathString(dir + "py_pool.dat")) != CPinyinTable::kLoaded)
            Add(program, -1, "cannot load py_pool.dat");
        EditionGeometry geometry = ChineseGeometry();
        for (unsigned i = 0; i < book.GetTranslations().GetCount(); ++i) {
            const CPhrase& translation = *book.GetTranslations().GetAt(i);
            if (font.IsGlyphFontOpen())
                CheckGlyphs(program, translation, font, haveG2b ? &g2b : nullptr, true);
            CheckGlyphFit(program, translation, TranslationDrawing::ChineseGlyphs, geometry.translation,
                          "the Chinese text");
            CheckPinyin(program, translation, pinyin, geometry.phonetic);
        }
        Count(program, book);
    }

    void CheckPinyin(const std::string& program, const CPhrase& translation, const CPinyinTable& pinyin, BoxSize box)
    {
        std::u16string text = Utf::FromString(translation.name);
        for (size_t i = 0; i < text.size(); ++i) {
            if (!Utf::IsIdeograph(text[i]))
                continue;
            char16_t next = i + 1 < text.size() ? text[i + 1] : 0;
            int reading = next >= u'1' && next <= u'8' ? next - u'0' : 0;
            String syllable;
            if (pinyin.LookupReading(text[i], syllable, reading) != CPinyinTable::kFound)
                Add(program, translation.id, Describe(text[i]) + " gets no PinYin syllable");
        }
        String line = BuildPinyinLine(pinyin, translation.name);
        CheckPhoneticLineFit(program, translation.id, "PinYin", line, box);
    }

    // The phonetic box (PinYin or romaji) draws at most two lines of width / 9 characters,
    // breaking at the last space at or before that index; a line without such a space is cut
    // inside its first word. A line that does not show whole is a finding.
    void CheckPhoneticLineFit(const std::string& program, int id, const char* what, const String& line, BoxSize box)
    {
        String first, second;
        BreakPinyinLine(line, box.width, first, second);
        int perLine = box.width / 9;
        std::u16string rest = Utf::FromString(second);
        while (!rest.empty() && rest.back() == u' ')
            rest.pop_back();
        std::u16string head = Utf::FromString(first);
        bool cutWord = !rest.empty() && head.size() == static_cast<size_t>(perLine) &&
                       Utf::FromString(line).find(u' ') > static_cast<size_t>(perLine);
        if (static_cast<int>(rest.size()) > perLine || cutWord)
            Add(program, id, std::string("the ") + what + " line \"" + Text(line) + "\" does not fit the two lines of " +
                                 std::to_string(perLine) + " characters of the " + what + " box");
    }

    void CheckJapanese()
    {
        const std::string program = "Miravel";
        const std::string dir = m_inputs.miravelDir + "/";
        CPhraseBook book, kana;
        if (!LoadBook(program, dir + "phenjp.dat", book))
            return;
        bool haveKana = LoadBook(program, dir + "phenkata.dat", kana);
        CheckCategories(program, book);
        CheckReferences(program, book);
        CheckTranslationsAndClips(program, book, dir + "voice.dat");
        CGlyphFont font;
        if (!font.OpenGlyphFont(PathString(dir + "jp.idx"), PathString(dir + "jp.fon")))
            Add(program, -1, "cannot open the glyph font jp.idx / jp.fon");
        CRomajiTable romaji;
        size_t before = m_messages.size();
        if (!romaji.Load(PathString(dir + "Romaji.tab")))
            Add(program, -1, "cannot load Romaji.tab");
        m_messages.resize(before);
        EditionGeometry geometry = JapaneseGeometry();
        for (unsigned i = 0; i < book.GetTranslations().GetCount(); ++i) {
            const CPhrase& translation = *book.GetTranslations().GetAt(i);
            if (font.IsGlyphFontOpen())
                CheckGlyphs(program, translation, font, nullptr, false);
            CheckGlyphFit(program, translation, TranslationDrawing::JapaneseGlyphs, geometry.translation,
                          "the Japanese text");
            if (!haveKana)
                continue;
            const CPhrase* reading = kana.FindTranslation(translation.id);
            if (reading == nullptr) {
                Add(program, translation.id, "no kana text in phenkata.dat");
                continue;
            }
            if (font.IsGlyphFontOpen())
                CheckGlyphs(program, *reading, font, nullptr, false);
            CheckGlyphFit(program, *reading, TranslationDrawing::JapaneseGlyphs, geometry.translation, "the kana text");
            CheckRomaji(program, *reading, romaji, geometry.phonetic);
        }
        Count(program, book);
    }

    void CheckRomaji(const std::string& program, const CPhrase& reading, const CRomajiTable& romaji, BoxSize box)
    {
        size_t before = m_messages.size();
        String line = ConvertToRomaji(romaji, reading.name);
        for (size_t i = before; i < m_messages.size(); ++i)
            Add(program, reading.id, "the romaji conversion of the kana text reports \"" + m_messages[i] + "\"");
        m_messages.resize(before);
        CheckPhoneticLineFit(program, reading.id, "romaji", line, box);
    }

    void CheckKorean()
    {
        const std::string program = "Serrak";
        const std::string dir = m_inputs.serrakDir + "/";
        CPhraseBook book;
        if (!LoadBook(program, dir + "phrases.dat", book))
            return;
        CheckCategories(program, book);
        CheckReferences(program, book);
        CheckTranslationsAndClips(program, book, dir + "voice.dat");
        if (!LoadKoreanMetrics())
            Add(program, -1, "cannot read the Korean face's metrics " + m_inputs.koreanMetrics);
        for (unsigned i = 0; i < book.GetTranslations().GetCount() && !m_advance.empty(); ++i)
            CheckKoreanFit(program, *book.GetTranslations().GetAt(i));
        Count(program, book);
    }

    bool LoadKoreanMetrics()
    {
        std::ifstream in(m_inputs.koreanMetrics);
        std::string key, value;
        while (in >> key >> value) {
            if (key == "line_height")
                m_lineHeight = std::stod(value);
            else if (key != "pixel_size")
                m_advance[static_cast<char16_t>(std::stoul(key, nullptr, 16))] = std::stod(value);
        }
        return !m_advance.empty() && m_lineHeight > 0;
    }

    // Words are placed greedily, breaking only at spaces; the lines must all lie inside the
    // text rectangle (a line counts as inside when its em box does).
    void CheckKoreanFit(const std::string& program, const CPhrase& translation)
    {
        BoxSize box = KoreanGeometry().translation;
        double width = box.width - kKoreanTextLeft;
        double height = box.height - kKoreanTextTop;
        std::u16string text = Utf::FromString(translation.name);
        std::set<char16_t> missing;
        auto advance = [&](char16_t c) {
            auto found = m_advance.find(c);
            if (found == m_advance.end()) {
                if (missing.insert(c).second)
                    Add(program, translation.id, "no glyph for " + Describe(c) + " in the Korean face");
                return 16.0;
            }
            return found->second;
        };
        std::vector<std::pair<double, std::u16string>> words;   // width of each word and its text
        std::u16string word;
        for (char16_t c : text + u" ") {
            if (c == u' ') {
                if (!word.empty()) {
                    double w = 0;
                    for (char16_t u : word)
                        w += advance(u);
                    words.push_back({w, word});
                }
                word.clear();
            } else {
                word.push_back(c);
            }
        }
        double space = advance(u' ');
        int lines = words.empty() ? 0 : 1;
        double x = 0;
        for (const auto& [w, piece] : words) {
            if (w > width) {
                Add(program, translation.id, "the word \"" + Text(piece) + "\" is wider than the Korean box");
                return;
            }
            if (x > 0 && x + space + w > width) {
                ++lines;
                x = w;
            } else {
                x += (x > 0 ? space : 0) + w;
            }
        }
        if (lines > 0 && (lines - 1) * m_lineHeight + kKoreanFontPixels > height + 0.01) {
            int fit = 1 + static_cast<int>(std::floor((height - kKoreanFontPixels) / m_lineHeight + 0.01));
            Add(program, translation.id, "the Korean text \"" + Text(text) + "\" takes " + std::to_string(lines) +
                                             " lines; its box shows " + std::to_string(fit));
        }
    }

    const LintInputs& m_inputs;
    PhraseSources m_sources;
    LintReport m_report;
    std::ostringstream m_counts;
    std::vector<std::string> m_messages;
    MessageBoxHandler m_previousHandler;
    std::map<char16_t, double> m_advance;
    double m_lineHeight = 0;
};

}  // namespace

LintReport RunLint(const LintInputs& inputs)
{
    Lint lint(inputs);
    return lint.Run();
}

std::string FormatFinding(const LintFinding& finding)
{
    std::string out = finding.where + ": ";
    if (finding.phraseId >= 0)
        out += "phrase @" + std::to_string(finding.phraseId) + ": ";
    return out + finding.message;
}
