// Starts a program again and again on damaged copies of its data files: each file of the edition
// missing, empty, unreadable, cut short at several offsets, with its magic or its counts spoiled,
// or with bytes flipped. Every start-up must reach the main screen (and its first phrase) or end
// cleanly, show only the messages of the reader whose file is damaged, and neither crash nor hang.
//
// Each run is a child process, forked before the platform is brought up, so that a crash or a
// hang of one run is reported as that run's outcome instead of ending the whole test. The child
// runs the real PhraseBookApp offscreen from this test program's folder, which stands in for the
// program's folder; the parent lays the data files out there before every run and prints a table
// of file x damage x outcome at the end.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "baselib/Utils.h"
#include "baselib/WideChar.h"
#include "platform/testhooks/TestHooks.h"
#include "platform/wave/ScriptedWaveOut.h"
#include "platform/wave/WaveOutBackend.h"
#include "shell/app/PhraseBookApp.h"
#include "shell/app/ShellEdition.h"
#include "shell/app/ShellIds.h"
#include EDITION_HEADER

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

// Where a file keeps the first count that sizes what follows, and how wide it is.
struct CountField {
    size_t offset;
    int width;  // 2 or 4 bytes, little-endian (big-endian for the TrueType table count)
    bool bigEndian;
};

// One data file of the edition and the messages its reader may show when it is damaged (a
// message that starts with one of these texts). A reader that takes its file whole or not at all
// must show one of them for every damage: a damaged file taken in silence would be a failure
// passed off as success. The others read what they can and stay silent by design (the glyph
// font, the tables read lazily, favorites, the TrueType faces) or check only the length (voice).
struct DataFile {
    std::string name;
    std::vector<CountField> counts;
    std::vector<std::string> messages;
    bool reportsEveryDamage = false;
};

const std::vector<std::string> kBookMessages = {"Phrase book data corrupted.", "Cannot open the phrase book file ",
                                                "here"};
const std::vector<std::string> kVoiceMessages = {
    "Open Voice File Error", "Your Application data file is corrupted. Please reinstall your application."};

// The files of each edition; counts at the offsets their layouts put them.
std::vector<DataFile> EditionFiles()
{
    const std::string program = PROGRAM_NAME;
    const DataFile favorites{"favorites.dat", {}, {}};
    const DataFile voice{"voice.dat", {{36, 4, false}, {40, 4, false}}, kVoiceMessages};
    if (program == "Velora")
        return {{"phrases.dat", {{22, 4, false}}, kBookMessages, true},
                favorites,
                voice,
                {"ch.idx", {{2, 2, false}, {6, 2, false}}, {}},
                {"ch.fon", {}, {}},
                {"py_pool.dat", {{0, 2, false}, {2, 2, false}}, {"Cannot load PinYin data."}, true},
                {"g2b.tab", {}, {}},
                {"COUR.TTF", {{4, 2, true}}, {}}};
    if (program == "Miravel")
        return {{"phenjp.dat", {{22, 4, false}}, kBookMessages, true},
                {"phenkata.dat", {{22, 4, false}}, kBookMessages, true},
                favorites,
                voice,
                {"jp.idx", {{2, 2, false}, {6, 2, false}}, {}},
                {"jp.fon", {}, {}},
                {"Romaji.tab", {}, {"Open Romaji Map file error!", "Unrecognized code=["}}};
    return {{"phrases.dat", {{22, 4, false}}, kBookMessages, true}, favorites, voice, {"hmkmsr.ttf", {{4, 2, true}}, {}}};
}

enum class Layout { Missing, Empty, Folder, Bytes };

struct Damage {
    std::string name;
    Layout layout;
    Bytes bytes;
};

void PutCount(Bytes& bytes, const CountField& field, uint32_t value)
{
    for (int i = 0; i < field.width; ++i) {
        const size_t at = field.offset + (field.bigEndian ? field.width - 1 - i : i);
        if (at < bytes.size())
            bytes[at] = static_cast<unsigned char>(value >> (8 * i));
    }
}

uint32_t GetCount(const Bytes& bytes, const CountField& field)
{
    uint32_t value = 0;
    for (int i = 0; i < field.width; ++i) {
        const size_t at = field.offset + (field.bigEndian ? field.width - 1 - i : i);
        if (at < bytes.size())
            value |= static_cast<uint32_t>(bytes[at]) << (8 * i);
    }
    return value;
}

Bytes Cut(const Bytes& bytes, size_t length) { return Bytes(bytes.begin(), bytes.begin() + (long)std::min(length, bytes.size())); }

// The damaged variants of one intact file.
std::vector<Damage> DamagesOf(const DataFile& file, const Bytes& intact)
{
    std::vector<Damage> damages = {
        {"missing", Layout::Missing, {}},
        {"empty", Layout::Empty, {}},
        {"unreadable (a folder)", Layout::Folder, {}},
        {"cut to 1 byte", Layout::Bytes, Cut(intact, 1)},
        {"cut to 7 bytes", Layout::Bytes, Cut(intact, 7)},
        {"cut to 40 bytes", Layout::Bytes, Cut(intact, 40)},
        {"cut in half", Layout::Bytes, Cut(intact, intact.size() / 2)},
        {"last byte cut", Layout::Bytes, Cut(intact, intact.size() ? intact.size() - 1 : 0)},
    };
    Bytes wrongMagic = intact;
    for (size_t i = 0; i < 8 && i < wrongMagic.size(); ++i)
        wrongMagic[i] ^= 0x5A;
    damages.push_back({"wrong magic (first 8 bytes)", Layout::Bytes, wrongMagic});
    for (const CountField& field : file.counts) {
        const std::string at = " at " + std::to_string(field.offset);
        const uint32_t all = field.width == 2 ? 0xFFFFu : 0xFFFFFFFFu;
        Bytes huge = intact;
        PutCount(huge, field, field.width == 2 ? 0xFFFFu : 0x7FFFFFFFu);
        damages.push_back({"huge count" + at, Layout::Bytes, huge});
        Bytes flipped = intact;
        PutCount(flipped, field, GetCount(intact, field) ^ all);
        damages.push_back({"count flipped" + at, Layout::Bytes, flipped});
        Bytes plusOne = intact;
        PutCount(plusOne, field, GetCount(intact, field) + 1);
        damages.push_back({"count one too many" + at, Layout::Bytes, plusOne});
    }
    std::mt19937 random(static_cast<unsigned>(intact.size()));
    Bytes flippedBytes = intact;
    for (int i = 0; i < 32 && !flippedBytes.empty(); ++i)
        flippedBytes[random() % flippedBytes.size()] ^= static_cast<unsigned char>(1 + random() % 255);
    damages.push_back({"32 bytes flipped", Layout::Bytes, flippedBytes});
    return damages;
}

Bytes ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string Narrow(const String& text)
{
    std::string out;
    for (const char16_t* p = text.GetString(); *p; ++p)
        out.push_back(*p < 0x80 ? static_cast<char>(*p) : '?');
    return out;
}

class TestApp : public PhraseBookApp {
public:
    TestApp() : PhraseBookApp(EDITION_TABLE()) {}

protected:
    String QueryPlatformType() const override { return u"PocketPC"; }
};

// What a child run reports through its pipe: one line with the outcome, then one per message.
[[noreturn]] void RunChild(int reportFd)
{
    TestHooks::StartPlatform();
    TestHooks::ResizeScreen(240, 320);
    ScriptedWaveOut wave;
    SetWaveOutBackend(&wave);
    TestApp app;
    bool mainScreen = false;
    std::vector<TestHooks::ShownMessageBox> shown;
    auto takeShown = [&shown] {
        for (TestHooks::ShownMessageBox& box : TestHooks::TakeShownMessageBoxes())
            shown.push_back(std::move(box));
    };
    TestHooks::RunProgram(app, [&] {
        mainScreen = TestHooks::WaitForDialog(IDD_MAIN_SCREEN, 20000);
        takeShown();
        if (!mainScreen)
            return;
        // "Basic" on the portrait picture: the browser shows its first phrase, which draws the
        // translation from the glyph font and fills the phonetic line from its table.
        const Rect picture = TestHooks::GetControlScreenRect(IDC_CATEGORY_PICTURE);
        TestHooks::Tap({picture.left + 75, picture.top + 55});
        if (TestHooks::WaitForDialog(IDD_PHRASE_BROWSER, 1500) && TestHooks::HasControl(IDC_SCRIPT_TOGGLE)) {
            TestHooks::TapControl(IDC_SCRIPT_TOGGLE);  // traditional characters, or kana
            TestHooks::TapControl(IDC_SCRIPT_TOGGLE);
        }
        takeShown();
    });
    takeShown();
    std::string report = mainScreen ? "main screen\n" : "ended\n";
    for (const TestHooks::ShownMessageBox& box : shown)
        report += Narrow(box.text) + "\n";
    (void)!write(reportFd, report.data(), report.size());
    _exit(0);
}

struct Outcome {
    std::string result;  // "main screen", "ended", "crash (signal N)", "hang", "exit N"
    std::vector<std::string> messages;
};

Outcome RunOnce()
{
    int fds[2];
    if (pipe(fds) != 0)
        return {"pipe failed", {}};
    fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        RunChild(fds[1]);
    }
    close(fds[1]);
    // Read the report while waiting, so that a long one cannot block the child.
    std::string report;
    std::thread reader([&] {
        char chunk[512];
        ssize_t got;
        while ((got = read(fds[0], chunk, sizeof chunk)) > 0)
            report.append(chunk, static_cast<size_t>(got));
    });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(90);
    int status = 0;
    bool hung = false;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            hung = true;
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    reader.join();
    close(fds[0]);

    Outcome outcome;
    if (hung)
        outcome.result = "hang";
    else if (WIFSIGNALED(status))
        outcome.result = "crash (signal " + std::to_string(WTERMSIG(status)) + ")";
    else if (WEXITSTATUS(status) != 0)
        outcome.result = "exit " + std::to_string(WEXITSTATUS(status));
    size_t at = 0;
    bool first = true;
    while (at < report.size()) {
        const size_t end = report.find('\n', at);
        const std::string line = report.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (first && outcome.result.empty())
            outcome.result = line;
        else if (!first)
            outcome.messages.push_back(line);
        first = false;
        at = end == std::string::npos ? report.size() : end + 1;
    }
    if (outcome.result.empty())
        outcome.result = "no report";
    return outcome;
}

bool Allowed(const std::string& message, const std::vector<std::string>& allowed)
{
    for (const std::string& text : allowed) {
        if (message.compare(0, text.size(), text) == 0)
            return true;
    }
    return false;
}

class DamagedStartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* root = std::getenv("PHRASEBOOK_EDITION_DATA_ROOT");
        m_data = root ? fs::path(root) / PROGRAM_NAME : fs::path(EDITION_DATA_DIR);
        m_folder = ToAnsiString(CUtils::GetFullPath(u"").GetString());
        for (const DataFile& file : EditionFiles()) {
            if (file.name != "favorites.dat" && !fs::exists(m_data / file.name))
                GTEST_SKIP() << "no " << file.name << " in " << m_data.string()
                             << ": build the data files, or name a folder holding " PROGRAM_NAME
                                "/ in PHRASEBOOK_EDITION_DATA_ROOT";
        }
        // The folder of this test program must not be the data folder itself: it is damaged.
        ASSERT_NE(fs::weakly_canonical(m_data), fs::weakly_canonical(m_folder));
    }
    void TearDown() override
    {
        for (const DataFile& file : EditionFiles())
            fs::remove_all(m_folder / file.name);
    }

    // Every file intact, then `damaged` laid out as the damage says.
    void LayOut(const DataFile* damaged, const Damage* damage)
    {
        for (const DataFile& file : EditionFiles()) {
            const fs::path target = m_folder / file.name;
            fs::remove_all(target);
            if (!damaged || !damage || file.name != damaged->name) {
                WriteBytes(target, IntactBytes(file));
                continue;
            }
            switch (damage->layout) {
            case Layout::Missing:
                break;
            case Layout::Empty:
                WriteBytes(target, {});
                break;
            case Layout::Folder:
                fs::create_directory(target);
                break;
            case Layout::Bytes:
                WriteBytes(target, damage->bytes);
                break;
            }
        }
    }

    // The favorites file of the data folder is usually empty; a few ids make its damage mean
    // something.
    Bytes IntactBytes(const DataFile& file) const
    {
        if (file.name == "favorites.dat")
            return {1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 0x10, 0x27, 0, 0};
        return ReadBytes(m_data / file.name);
    }

    fs::path m_data;
    fs::path m_folder;
};

}  // namespace

TEST_F(DamagedStartupTest, EveryDamagedFileGivesTheMainScreenOrACleanEndWithItsOwnMessagesOnly)
{
    struct Row {
        std::string file;
        std::string damage;
        Outcome outcome;
        bool sound;
    };
    std::vector<Row> rows;

    LayOut(nullptr, nullptr);
    const Outcome intact = RunOnce();
    rows.push_back({"(all intact)", "none", intact, intact.result == "main screen" && intact.messages.empty()});
    EXPECT_EQ(intact.result, "main screen") << "the intact program does not start";
    EXPECT_TRUE(intact.messages.empty()) << "the intact program shows " << intact.messages.front();

    // PHRASEBOOK_DAMAGE_ONLY=<file name> damages that file alone (for looking into one fault).
    const char* only = std::getenv("PHRASEBOOK_DAMAGE_ONLY");
    for (const DataFile& file : EditionFiles()) {
        if (only && file.name != only)
            continue;
        for (const Damage& damage : DamagesOf(file, IntactBytes(file))) {
            LayOut(&file, &damage);
            const Outcome outcome = RunOnce();
            bool sound = outcome.result == "main screen" || outcome.result == "ended";
            EXPECT_TRUE(sound) << file.name << ", " << damage.name << ": " << outcome.result;
            for (const std::string& message : outcome.messages) {
                EXPECT_TRUE(Allowed(message, file.messages))
                    << file.name << ", " << damage.name << ": unexpected message \"" << message << "\"";
                sound = sound && Allowed(message, file.messages);
            }
            if (file.reportsEveryDamage) {
                EXPECT_FALSE(outcome.messages.empty()) << file.name << ", " << damage.name << ": taken without a word";
                sound = sound && !outcome.messages.empty();
            }
            rows.push_back({file.name, damage.name, outcome, sound});
        }
    }

    std::printf("\n%s: %zu start-ups\n| file | damage | outcome | messages | |\n|---|---|---|---|---|\n", PROGRAM_NAME,
                rows.size());
    for (const Row& row : rows) {
        std::string messages;
        std::string last;
        int repeats = 0;
        for (const std::string& message : row.outcome.messages) {
            if (message == last) {
                ++repeats;
                continue;
            }
            if (repeats > 0)
                messages += " (x" + std::to_string(repeats + 1) + ")";
            messages += (messages.empty() ? "" : "; ") + message;
            last = message;
            repeats = 0;
        }
        if (repeats > 0)
            messages += " (x" + std::to_string(repeats + 1) + ")";
        std::printf("| %s | %s | %s | %s | %s |\n", row.file.c_str(), row.damage.c_str(), row.outcome.result.c_str(),
                    messages.empty() ? "-" : messages.c_str(), row.sound ? "ok" : "FAULT");
    }
    std::fflush(stdout);
}
