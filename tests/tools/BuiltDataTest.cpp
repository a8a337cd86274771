// The programs' folders as the build laid them out, read with the system's own readers: a known
// phrase's translation, PinYin and romaji lines, glyphs and voice, and for every phrase that the
// PinYin line the program will build is the one its source gives.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "phrasebook/PhraseBook.h"
#include "platform/core/MessageBox.h"
#include "script/G2bTable.h"
#include "script/GlyphFont.h"
#include "script/PinyinLine.h"
#include "script/PinyinTable.h"
#include "script/RomajiTable.h"
#include "tools/phrasetools/BookBuilder.h"
#include "tools/phrasetools/BookFile.h"
#include "tools/phrasetools/BookText.h"
#include "tools/phrasetools/Edition.h"
#include "tools/phrasetools/FileIo.h"
#include "tools/phrasetools/PhraseSource.h"
#include "tools/phrasetools/Utf.h"
#include "voice/SoundFile.h"

namespace {

const std::string kPrograms = PHRASEBOOK_PROGRAMS_DIR;
constexpr int kHello = 1010;   // "Hello." in data/phrases/01-basic.txt

String Path(const std::string& program, const char* file)
{
    return String((kPrograms + "/" + program + "/" + file).c_str());
}

// Records message boxes instead of showing them.
class MessageRecorder {
public:
    MessageRecorder()
    {
        m_previous = SetMessageBoxHandler([this](const String& text, const String&, unsigned) {
            messages.push_back(Utf::Encode(text));
            return IDOK;
        });
    }
    ~MessageRecorder() { SetMessageBoxHandler(m_previous); }
    std::vector<std::string> messages;

private:
    MessageBoxHandler m_previous;
};

bool HasInk(CGlyphFont& font, char16_t code)
{
    uint8_t pixels[CGlyphFont::kMode16BufferBytes];
    if (!font.GetGlyph(code, pixels, sizeof pixels, CGlyphFont::kPixelMode16))
        return false;
    for (int row = 0; row < 16; ++row)
        for (int column = 0; column < 16; ++column)
            if (CGlyphFont::IsInk16(pixels, column, row))
                return true;
    return false;
}

void LoadBook(const std::string& program, const char* file, CPhraseBook& book)
{
    MessageRecorder recorder;
    ASSERT_EQ(book.Load(Path(program, file), Path(program, "favorites.dat")), 1) << program << "/" << file;
    EXPECT_TRUE(recorder.messages.empty());
}

}  // namespace

TEST(BuiltDataTest, KnownPhraseInEveryEdition)
{
    struct Case {
        const char* program;
        const char* file;
        std::u16string translation;
    };
    const Case cases[] = {
        {"Velora", "phrases.dat", u"你好。"},
        {"Miravel", "phenjp.dat", u"こんにちは。"},
        {"Miravel", "phenkata.dat", u"こんにちは。"},
        {"Serrak", "phrases.dat", u"안녕하세요."},
    };
    for (const Case& c : cases) {
        CPhraseBook book;
        LoadBook(c.program, c.file, book);
        const CPhrase* source = book.FindPhrase(kHello);
        ASSERT_NE(source, nullptr) << c.program;
        EXPECT_EQ(Utf::FromString(source->name), u"Hello.");
        const CPhrase* translation = book.FindTranslation(kHello);
        ASSERT_NE(translation, nullptr) << c.program;
        EXPECT_EQ(Utf::FromString(translation->name), c.translation) << c.program << "/" << c.file;
        const CCategory* basic = book.FindCategoryByName(u"basic");
        ASSERT_NE(basic, nullptr);
        EXPECT_EQ(basic->parent, 0);
        const CCategory* questions = book.FindCategoryByName(u"Questions");
        ASSERT_NE(questions, nullptr);
        EXPECT_EQ(questions->parent, 0) << "a sub category named Questions comes before the major";
    }
}

TEST(BuiltDataTest, PinyinLineOfEveryChinesePhraseIsItsSourcePinyin)
{
    CPinyinTable table;
    ASSERT_EQ(table.LoadPinyin(Path("Velora", "py_pool.dat")), CPinyinTable::kLoaded);
    EXPECT_LE(table.GetSyllableCount(), CPinyinTable::kMaxSyllables);
    CPhraseBook book;
    LoadBook("Velora", "phrases.dat", book);
    EXPECT_EQ(Utf::FromString(BuildPinyinLine(table, book.FindTranslation(kHello)->name)), u"nǐ hǎo ");

    PhraseSources sources;
    std::vector<SourceError> errors;
    std::vector<std::string> paths;
    for (const char* name : {"01-basic", "02-travel", "03-food", "04-lodging", "05-business", "06-sightseeing",
                             "07-social", "08-shopping", "09-emergency", "10-questions"}) {
        std::string path = std::string(PHRASEBOOK_SOURCE_DIR) + "/data/phrases/" + name + ".txt";
        struct stat info;
        if (stat(path.c_str(), &info) == 0)
            paths.push_back(path);
    }
    ASSERT_TRUE(ReadPhraseSources(paths, sources, errors));
    int checked = 0;
    for (const SourcePhrase& phrase : sources.phrases) {
        if (phrase.zh.empty())
            continue;
        const CPhrase* translation = book.FindTranslation(phrase.id);
        ASSERT_NE(translation, nullptr) << phrase.id;
        std::u16string expected;
        for (const std::u16string& syllable : SplitSyllables(phrase.py))
            expected += syllable + u" ";
        EXPECT_EQ(Utf::FromString(BuildPinyinLine(table, translation->name)), expected) << "phrase @" << phrase.id;
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

TEST(BuiltDataTest, RomajiLineOfTheKanaText)
{
    CPhraseBook kana;
    LoadBook("Miravel", "phenkata.dat", kana);
    CRomajiTable table;
    MessageRecorder recorder;
    ASSERT_TRUE(table.Load(Path("Miravel", "Romaji.tab")));
    EXPECT_EQ(Utf::FromString(ConvertToRomaji(table, kana.FindTranslation(kHello)->name)), u"ko n ni chi ha  ");
    EXPECT_EQ(Utf::FromString(ConvertToRomaji(table, String(u"きょうはアイスティー!"))), u"kyo u ha a i su ti  !");
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(BuiltDataTest, GlyphsAndTraditionalForms)
{
    struct Case {
        const char* program;
        const char* index;
        const char* data;
        std::u16string inked;
    };
    const Case cases[] = {
        {"Velora", "ch.idx", "ch.fon", u"你好简簡A？，。"},
        {"Miravel", "jp.idx", "jp.fon", u"こんにちはアイ日本語！ー"},
    };
    for (const Case& c : cases) {
        CGlyphFont font;
        ASSERT_TRUE(font.OpenGlyphFont(Path(c.program, c.index), Path(c.program, c.data))) << c.program;
        for (char16_t code : c.inked)
            EXPECT_TRUE(HasInk(font, code)) << c.program << " U+" << std::hex << static_cast<unsigned>(code);
        EXPECT_FALSE(HasInk(font, u' '));
        EXPECT_FALSE(HasInk(font, 0xAC00)) << "Hangul lies outside both ranges";
    }
    CG2bTable g2b;
    ASSERT_TRUE(g2b.Open(Path("Velora", "g2b.tab")));
    EXPECT_EQ(g2b.ToTraditional(u'简'), u'簡');
    EXPECT_EQ(g2b.ToTraditional(u'们'), u'們');
    EXPECT_EQ(g2b.ToTraditional(u'你'), u'你');
    EXPECT_EQ(g2b.ToTraditional(0x9FFF), 0x9FFF);
}

TEST(BuiltDataTest, ClipsDecodeToSpeechOfAPlausibleLength)
{
    for (const char* program : {"Velora", "Miravel", "Serrak"}) {
        MessageRecorder recorder;
        CSoundFile archive(Path(program, "voice.dat"));
        ASSERT_TRUE(archive.IsUsable()) << program;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&archive.GetHeader()), 7), "PBVOICE");
        int32_t clip = kHello;
        CByteBuffer* pcm = archive.Play(&clip, 1);
        ASSERT_NE(pcm, nullptr) << program;
        double seconds = pcm->m_length / 2.0 / 22050.0;
        EXPECT_GT(seconds, 0.3) << program;
        EXPECT_LT(seconds, 5.0) << program;
        int peak = 0;
        for (uint32_t i = 0; i + 1 < pcm->m_length; i += 2)
            peak = std::max(peak, std::abs(static_cast<int16_t>(pcm->m_pData[i] | (pcm->m_pData[i + 1] << 8))));
        EXPECT_GT(peak, 1000) << program << ": the clip is silent";
        EXPECT_TRUE(recorder.messages.empty()) << program;
    }
}

TEST(BuiltDataTest, DecompiledBooksCompileToTheSameBytes)
{
    struct Case {
        const char* program;
        const char* file;
    };
    for (const Case& c : {Case{"Velora", "phrases.dat"}, Case{"Miravel", "phenjp.dat"}, Case{"Miravel", "phenkata.dat"},
                          Case{"Serrak", "phrases.dat"}}) {
        std::string path = kPrograms + "/" + c.program + "/" + c.file;
        std::string original, error, again;
        ASSERT_TRUE(ReadWholeFile(path, original));
        CPhraseBook book, rebuilt;
        ASSERT_TRUE(LoadPhraseBookFile(path, book, error)) << error;
        ASSERT_TRUE(ParsePhraseBookText(DumpPhraseBook(book), rebuilt, error)) << error;
        ASSERT_TRUE(SerializePhraseBook(rebuilt, again, error)) << error;
        EXPECT_TRUE(again == original) << path;
    }
}

TEST(BuiltDataTest, FontsCarryTheFacesTheProgramsAskFor)
{
    struct Case {
        const char* program;
        const char* file;
        const char* family;
    };
    for (const Case& c : {Case{"Velora", "COUR.TTF", "Courier New"}, Case{"Serrak", "hmkmsr.ttf", "koreanhm"}}) {
        std::string bytes;
        ASSERT_TRUE(ReadWholeFile(kPrograms + "/" + c.program + "/" + c.file, bytes));
        std::string wide;   // the Windows name records hold UTF-16BE
        for (const char* p = c.family; *p; ++p)
            wide += std::string(1, '\0') + *p;
        EXPECT_NE(bytes.find(wide), std::string::npos) << c.file;
        struct stat info;
        EXPECT_EQ(stat((kPrograms + "/" + c.program + "/" + c.file + ".license.txt").c_str(), &info), 0);
    }
    for (const char* program : {"Velora", "Miravel", "Serrak"}) {
        struct stat info;
        EXPECT_EQ(stat((kPrograms + "/" + program + "/favorites.dat").c_str(), &info), 0) << program;
    }
}
