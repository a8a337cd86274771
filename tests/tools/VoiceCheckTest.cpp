// The voice check on a small Serrak folder made here: a phrase book built from sources and a
// voice archive of MP3 clips encoded by lame (the encoder the voice build uses) from tones of
// known length, one phrase per kind of fault and one sound phrase that must pass.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "phrasebook/PhraseBook.h"
#include "tools/phrasetools/BookBuilder.h"
#include "tools/phrasetools/BookFile.h"
#include "tools/phrasetools/PhraseSource.h"
#include "tools/phrasetools/VoiceCheck.h"

namespace {

const char* const kSources = R"(major: Basic
sub: Greetings

@1
en: Sound.
ko: 안녕하세요

@2
en: Silent.
ko: 안녕하세요

@3
en: Cut short.
ko: 가나다라마바사아자차

@4
en: Another phrase's clip.
ko: 네

@5
en: Missing clip.
ko: 네

@6
en: Not MP3.
ko: 네

@7
en: No clips.
ko: 네
)";

void Put32(std::string& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class VoiceCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (system("command -v lame > /dev/null 2>&1") != 0)
            GTEST_SKIP() << "lame is not installed (tools/setup.sh installs it)";
        char pattern[] = "/tmp/voicecheck-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        WriteFile(m_dir + "/sources.txt", kSources);
        PhraseSources sources;
        std::vector<SourceError> errors;
        ASSERT_TRUE(ReadPhraseSources({m_dir + "/sources.txt"}, sources, errors));
        CPhraseBook book;
        ASSERT_TRUE(BuildPhraseBook(sources, BookKind::Korean, nullptr, book, errors))
            << (errors.empty() ? std::string() : FormatError(errors[0]));
        book.FindTranslation(7)->clips.RemoveAll();
        std::string bytes, error;
        ASSERT_TRUE(SerializePhraseBook(book, bytes, error)) << error;
        WriteFile(m_dir + "/phrases.dat", bytes);

        // Clip 1: 1.2 s of speech-loud tone for five syllables; 2: silence; 3: 0.4 s for ten
        // syllables; 4: 2 s for one; 5 is left out; 6 is not MP3.
        std::vector<std::pair<int, std::string>> clips = {
            {1, Encode(1.2, 12000)}, {2, Encode(1.0, 0)}, {3, Encode(0.4, 12000)},
            {4, Encode(2.0, 12000)}, {6, std::string(400, 'x')}};
        std::string index, data;
        for (const auto& [number, clip] : clips) {
            Put32(index, static_cast<uint32_t>(number));
            Put32(index, static_cast<uint32_t>(data.size()));
            Put32(index, static_cast<uint32_t>(clip.size()));
            data += clip;
        }
        std::string archive(36, '\0');
        Put32(archive, static_cast<uint32_t>(clips.size()));
        Put32(archive, static_cast<uint32_t>(44 + index.size()));
        WriteFile(m_dir + "/voice.dat", archive + index + data);

        VoiceCheckInputs inputs;
        inputs.edition = VoiceEdition::Serrak;
        inputs.dir = m_dir;
        inputs.limits = DefaultClipLimits(VoiceEdition::Serrak);
        m_report = RunVoiceCheck(inputs);
        for (const std::string& fault : m_report.faults)
            m_faults += fault + "\n";
    }

    void TearDown() override
    {
        if (!m_dir.empty())
            system(("rm -rf " + m_dir).c_str());
    }

    // An MP3 of 0.3 s of silence, `seconds` of a 220 Hz tone of `amplitude`, 0.3 s of silence.
    std::string Encode(double seconds, int amplitude)
    {
        std::string pcm;
        auto sample = [&pcm](int value) {
            pcm.push_back(static_cast<char>(value & 0xFF));
            pcm.push_back(static_cast<char>((value >> 8) & 0xFF));
        };
        const int pad = static_cast<int>(0.3 * 22050), tone = static_cast<int>(seconds * 22050);
        for (int i = 0; i < pad; ++i)
            sample(0);
        for (int i = 0; i < tone; ++i)
            sample(static_cast<int>(amplitude * std::sin(2 * M_PI * 220 * i / 22050)));
        for (int i = 0; i < pad; ++i)
            sample(0);
        const std::string raw = m_dir + "/clip.raw", mp3 = m_dir + "/clip.mp3";
        WriteFile(raw, pcm);
        std::string command = "lame --quiet -r -s 22.05 --bitwidth 16 --signed --little-endian -m m -b 32 - " + mp3 +
                              " < " + raw + " 2> " + m_dir + "/lame.log";
        EXPECT_EQ(system(command.c_str()), 0) << command << "\n" << ReadFile(m_dir + "/lame.log");
        return ReadFile(mp3);
    }

    bool Reports(const std::string& message) const
    {
        for (const std::string& fault : m_report.faults) {
            if (fault.find(message) != std::string::npos)
                return true;
        }
        return false;
    }

    std::string m_dir;
    VoiceCheckReport m_report;
    std::string m_faults;
};

}  // namespace

TEST_F(VoiceCheckTest, ReportsEachKindOfFaultNamingThePhrase)
{
    const char* const faults[] = {
        "Serrak: silent: @2 ",
        "Serrak: too short: @3 ",
        "Serrak: too long: @4 ",
        "Serrak: phrase @5: clip 5 is not in voice.dat",
        "Serrak: phrase @6: clip 6 decodes to no sound",
        "Serrak: phrase @7 \"네\" has no clip",
    };
    for (const char* fault : faults)
        EXPECT_TRUE(Reports(fault)) << fault << "\n" << m_faults;
    EXPECT_EQ(m_report.faults.size(), std::size(faults)) << m_faults;
}

TEST_F(VoiceCheckTest, SoundClipPassesAndTheSummaryNamesTheExtremes)
{
    ASSERT_EQ(m_report.sounds.size(), 4u) << m_faults;   // 1 to 4 decode; 5, 6 and 7 do not
    const TranslationSound& sound = m_report.sounds[0];
    EXPECT_EQ(sound.id, 1);
    EXPECT_EQ(sound.verdict, ClipVerdict::Fine);
    EXPECT_EQ(sound.spokenUnits, 5);
    EXPECT_NEAR(sound.sound.voicedSeconds, 1.2, 0.03);
    EXPECT_GT(sound.sound.peak, 10000);
    EXPECT_EQ(m_report.clipsDecoded, 5);
    EXPECT_NE(m_report.summary.find("shortest: @2 "), std::string::npos) << m_report.summary;
    EXPECT_NE(m_report.summary.find("longest: @4 "), std::string::npos) << m_report.summary;
    EXPECT_NE(m_report.summary.find("silent: 1, length outliers: 2, faults: 6"), std::string::npos)
        << m_report.summary;
}

TEST(VoiceCheckUnitsTest, CountsTheUnitsEachVoiceSpeaks)
{
    struct Case {
        VoiceEdition edition;
        std::u16string text;
        int units;
    };
    const Case cases[] = {
        {VoiceEdition::Velora, u"行1李在哪儿？", 5},          // reading digits and punctuation are silent
        {VoiceEdition::Miravel, u"きょうはいっしょに。", 7},   // ょ joins き; っ is a beat of its own
        {VoiceEdition::Miravel, u"コーヒー・ティー", 6},      // ー is a beat, ・ is not, ィ joins テ
        {VoiceEdition::Serrak, u"이거 XL 사이즈 있어요?", 10},   // Latin letters are read aloud
        {VoiceEdition::Serrak, u"24시간", 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CountSpokenUnits(c.edition, c.text), c.units) << ProgramName(c.edition);
}
