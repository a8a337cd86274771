// The road of a phrase spoken, in the edition's real program: a tap on "Food" in the portrait
// picture opens the browser on all of Food in the book's order; selecting a phrase draws its
// translation glyph by glyph, fills the phonetic line, sets the tip and related buttons, and a
// tap on the speaker or on the translation plays its clips through the wave output.

#include "tests/editions/ProgramRun.h"

#include "baselib/Utils.h"
#include "phrasebook/Category.h"
#include "phrasebook/CategoryView.h"
#include "phrasebook/Phrase.h"
#include "phrasebook/PhraseBook.h"
#include "platform/ui/Dialog.h"
#include "script/EditionProfile.h"
#include "script/GlyphFont.h"
#include "script/GlyphTextLayout.h"
#include "script/PhoneticLine.h"
#include "shell/app/PhraseBrowserDialog.h"
#include "shell/app/ShellEdition.h"
#include "shell/app/ShellIds.h"
#include "tests/editions/EditionUnderTest.h"

namespace editiontest {
namespace {

using PhraseRoadTest = ProgramTest;

std::vector<std::string> CategoryTexts(const char16_t* name, int entry)
{
    std::vector<std::string> texts;
    TestHooks::RunOnUiThread([&] {
        CPhraseBook* book = GetPhraseBook();
        CCategoryView view(*book);
        if (!view.SetCategory(book->FindCategoryByName(name)))
            return;
        view.CollectPhrases(view.GetCategory()->id, true);
        view.OnSubCategorySelected(entry);
        for (unsigned i = 0; i < view.GetPhraseCount(); ++i)
            texts.push_back(ProgramTest::Text(view.GetPhraseText(i, PhraseTextMode::Source)));
    });
    return texts;
}

// The first listed atomic phrase whose translation has (or lacks) tips; -1 when none.
int FindEntry(bool withTips)
{
    int found = -1;
    TestHooks::RunOnUiThread([&] {
        PhraseBrowserDialog* browser = ProgramTest::Browser();
        CCategoryView& view = browser->GetPane().GetView();
        for (unsigned i = 0; i < view.GetPhraseCount() && found < 0; ++i) {
            const CPhrase* phrase = view.PhraseAt(i);
            const CPhrase* translation = phrase->atomic ? GetPhraseBook()->FindTranslation(phrase->id) : nullptr;
            if (translation && translation->HasTips() == withTips)
                found = static_cast<int>(i);
        }
    });
    return found;
}

bool IsDark(uint32_t color) { return RedOf(color) < 128 && GreenOf(color) < 128 && BlueOf(color) < 128; }
bool IsWhite(uint32_t color) { return (color & 0xFFFFFF) == ColorWhite; }

// Compares the translation box on the screen with the glyphs of the edition's font, read by a
// font object of the test's own, cell by cell.
void ExpectGlyphCells(const String& text, TranslationDrawing drawing)
{
    const Rect box = TestHooks::GetControlScreenRect(IDC_TRANSLATION_BOX);
    const TestHooks::ScreenImage screen = TestHooks::CaptureScreen();
    const EditionProfile& profile = *EditionUnderTest().profile;
    CGlyphFont font;
    ASSERT_TRUE(font.OpenGlyphFont(CUtils::GetFullPath(profile.glyphIndexFile), CUtils::GetFullPath(profile.glyphDataFile)));
    const std::vector<GlyphCell> cells = LayoutGlyphText(drawing, box.Width(), box.Height(), text);
    ASSERT_FALSE(cells.empty());
    int inkPixels = 0;
    for (const GlyphCell& cell : cells) {
        uint8_t pixels[CGlyphFont::kMode16BufferBytes];
        if (!font.GetGlyph(text[cell.textIndex], pixels, sizeof pixels, CGlyphFont::kPixelMode16))
            continue;
        for (int row = 0; row < 16; ++row) {
            for (int column = 0; column < 16; ++column) {
                const int x = box.left + cell.x + column;
                const int y = box.top + cell.y + row;
                if (x >= box.right || y >= box.bottom)
                    continue;
                const uint32_t color = screen.At(x, y);
                if (CGlyphFont::IsInk16(pixels, column, row)) {
                    ++inkPixels;
                    ASSERT_TRUE(IsDark(color)) << "cell of unit " << cell.textIndex << " at " << column << ", " << row;
                } else {
                    ASSERT_TRUE(IsWhite(color)) << "cell of unit " << cell.textIndex << " at " << column << ", " << row;
                }
            }
        }
    }
    EXPECT_GT(inkPixels, 0);
}

TEST_F(PhraseRoadTest, FoodPhraseIsShownAndSpoken)
{
    const ShellEdition& edition = EditionUnderTest();
    RunProgram([&] {
        const std::vector<std::string> food = CategoryTexts(u"Food", 0);
        ASSERT_FALSE(food.empty());

        TapPicture({205, 55});
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
        EXPECT_EQ(food, Texts(TestHooks::GetListEntries(IDC_PHRASE_LIST)));
        const std::vector<String> subCategories = TestHooks::GetListEntries(IDC_SUB_CATEGORY);
        ASSERT_FALSE(subCategories.empty());
        EXPECT_EQ("All", Text(subCategories[0]));
        EXPECT_EQ(0, TestHooks::GetListSelection(IDC_SUB_CATEGORY));

        const int withTips = FindEntry(true);
        const int withoutTips = FindEntry(false);
        for (int entry : {withTips, withoutTips}) {
            if (entry < 0)
                continue;
            TapListEntry(IDC_PHRASE_LIST, entry);
            EXPECT_EQ(entry, TestHooks::GetListSelection(IDC_PHRASE_LIST));

            const CPhrase* source = nullptr;
            const CPhrase* translation = nullptr;
            const CPhrase* shown = nullptr;
            String phonetic, expectedPhonetic;
            TestHooks::RunOnUiThread([&] {
                PhrasePane& pane = Browser()->GetPane();
                source = pane.GetSelectedPhrase();
                translation = pane.GetSelectedTranslation();
                shown = pane.GetTranslationBox().GetTranslation();
                phonetic = pane.GetPhoneticBox().GetLine();
                BuildPhoneticLine(*edition.profile, translation, GetKanaPhraseBook(), expectedPhonetic);
            });
            ASSERT_TRUE(source && translation);
            EXPECT_EQ(source->id, translation->id);
            EXPECT_EQ(translation, shown);
            EXPECT_EQ(translation->HasTips(), TestHooks::IsCommandEnabled(ID_TIP));
            EXPECT_EQ(source->HasRelated(), TestHooks::IsCommandEnabled(ID_RELATED));

            if (edition.profile->phonetic == PhoneticLine::None) {
                EXPECT_FALSE(TestHooks::HasControl(IDC_PHONETIC_LINE));
            } else {
                EXPECT_FALSE(phonetic.IsEmpty()) << "no phonetic line for " << Text(source->name);
                EXPECT_EQ(Text(expectedPhonetic), Text(phonetic));
            }
            if (edition.profile->translation == TranslationDrawing::KoreanTrueType) {
                const Rect box = TestHooks::GetControlScreenRect(IDC_TRANSLATION_BOX);
                const TestHooks::ScreenImage screen = TestHooks::CaptureScreen();
                int ink = 0;
                for (int y = box.top; y < box.bottom; ++y)
                    for (int x = box.left; x < box.right; ++x)
                        ink += IsDark(screen.At(x, y)) ? 1 : 0;
                EXPECT_GT(ink, 20) << "the Korean text is not drawn";
            } else {
                ExpectGlyphCells(translation->name, edition.profile->translation);
            }

            // The speaker and the translation text both play the clips.
            const size_t before = Wave().Buffers().size();
            ASSERT_TRUE(TestHooks::TapControl(edition.translationFrameId));
            ASSERT_TRUE(TestHooks::TapControlAt(IDC_TRANSLATION_BOX, {30, 20}));
            const auto buffers = Wave().Buffers();
            ASSERT_EQ(before + 2, buffers.size());
            EXPECT_GT(buffers.back().size(), 1000u);
            EXPECT_EQ(buffers[before], buffers.back());
            const auto opens = Wave().OpenAttempts();
            ASSERT_FALSE(opens.empty());
            EXPECT_EQ(WAVE_FORMAT_PCM, opens.back().format.wFormatTag);
            EXPECT_EQ(1, opens.back().format.nChannels);
            EXPECT_EQ(22050u, opens.back().format.nSamplesPerSec);
            EXPECT_EQ(16, opens.back().format.wBitsPerSample);
        }
        EXPECT_TRUE(withTips >= 0 || withoutTips >= 0);
        EXPECT_TRUE(TakeMessages().empty());
    });
}

TEST_F(PhraseRoadTest, EmptySelectionLeavesOnlyTheSpeaker)
{
    RunProgram([&] {
        TapPicture({205, 215});   // Favorites: empty in a fresh folder
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
        EXPECT_TRUE(TestHooks::GetListEntries(IDC_PHRASE_LIST).empty());
        EXPECT_EQ(-1, TestHooks::GetListSelection(IDC_PHRASE_LIST));
        EXPECT_FALSE(TestHooks::IsCommandEnabled(ID_TIP));
        EXPECT_FALSE(TestHooks::IsCommandEnabled(ID_RELATED));
        EXPECT_FALSE(TestHooks::IsControlEnabled(IDC_SUB_CATEGORY));
        const size_t before = Wave().Buffers().size();
        TestHooks::TapControl(EditionUnderTest().translationFrameId);
        EXPECT_EQ(before, Wave().Buffers().size());
    });
}

} // namespace
} // namespace editiontest

namespace editiontest {
namespace {

using ScriptToggleTest = ProgramTest;

uint32_t BoxChecksum()
{
    const Rect box = TestHooks::GetControlScreenRect(IDC_TRANSLATION_BOX);
    const TestHooks::ScreenImage screen = TestHooks::CaptureScreen();
    uint32_t sum = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            sum = sum * 31 + (screen.At(x, y) & 0xFFFFFF);
    return sum;
}

// Tapping the toggle switches the script of the shown translation at once, tapping it again
// returns to the first script, and the choice outlives the browser.
TEST_F(ScriptToggleTest, ToggleSwitchesTheScriptAndPersists)
{
    if (!EditionUnderTest().profile->hasScriptToggle)
        GTEST_SKIP() << "this edition has no script toggle";
    RunProgram([&] {
        TapPicture({205, 55});
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
        TapListEntry(IDC_PHRASE_LIST, 0);
        const uint32_t first = BoxChecksum();
        EXPECT_EQ(1u, App()->GetScriptFlag());

        ASSERT_TRUE(TestHooks::TapControl(IDC_SCRIPT_TOGGLE));
        EXPECT_EQ(0u, App()->GetScriptFlag());
        EXPECT_NE(first, BoxChecksum()) << "the translation is drawn in the other script";
        SaveScreenshot("browser-other-script");

        BackToMainScreen();
        TapPicture({205, 55});
        ASSERT_TRUE(TestHooks::WaitForDialog(IDD_PHRASE_BROWSER));
        EXPECT_EQ(0u, App()->GetScriptFlag());
        ASSERT_TRUE(TestHooks::TapControl(IDC_SCRIPT_TOGGLE));
        EXPECT_EQ(1u, App()->GetScriptFlag());
        EXPECT_EQ(first, BoxChecksum());
    });
}

} // namespace
} // namespace editiontest
