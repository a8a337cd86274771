// CUtils: the program's folder (from the executable, not the working directory, however long its
// path), full paths, the XDG special folders and time differences across hours and days.

#include "baselib/Tessel.h"
#include "baselib/Utils.h"

#include "TextOf.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Narrow(const String& s)
{
    return ToAnsiString(s.GetString());
}

// Where this test program was built (its own folder), as the system resolves it.
std::string TestProgramFolder()
{
    return fs::canonical(TESTS_BINARY_DIR).string() + "/";
}

// Runs a program and returns what it printed.
std::string Output(const std::string& program)
{
    std::string command = "'" + program + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return "(could not run)";
    std::string output;
    char buffer[512];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    pclose(pipe);
    return output;
}

class TemporaryFolder {
public:
    TemporaryFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "utils-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        if (!path_.empty())
            fs::remove_all(path_, ignored);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

TEST(UtilsTest, ProgramFolderIsTheExecutablesNotTheWorkingDirectory)
{
    const fs::path before = fs::current_path();
    ASSERT_EQ(chdir("/"), 0);
    String folder = CUtils::GetCurrDirPath();
    fs::current_path(before);
    EXPECT_EQ(Narrow(folder), TestProgramFolder());
    EXPECT_NE(Narrow(folder), "/");
}

TEST(UtilsTest, FullPathIsAPlainConcatenation)
{
    const std::string folder = Narrow(CUtils::GetCurrDirPath());
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(Narrow(CUtils::GetFullPath(u"phrases.dat")), folder + "phrases.dat");
    EXPECT_EQ(Narrow(CUtils::GetFullPath(u"")), folder);
    EXPECT_EQ(Narrow(CUtils::GetFullPath(u"/voice.dat")), folder + "/voice.dat");  // no cleaning
}

TEST(UtilsTest, LongAndNonAsciiProgramPathsAreTakenWhole)
{
    TemporaryFolder temporary;
    ASSERT_FALSE(temporary.Path().empty());
    // Far beyond 128 units, with a folder name outside ASCII.
    fs::path deep = fs::path(temporary.Path()) / std::string(60, 'a') / std::string(60, 'b') / "短語帳"
                    / std::string(60, 'c');
    fs::create_directories(deep);
    const fs::path program = deep / "probe";
    fs::copy_file(PROBE_PROGRAM, program);
    fs::permissions(program, fs::perms::owner_all);
    EXPECT_EQ(Output(program.string()), fs::canonical(deep).string() + "/");
}

class SpecialFolderTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(home_.Path().empty());
        Save("HOME");
        Save("XDG_CONFIG_HOME");
        Save("XDG_DATA_HOME");
        setenv("HOME", home_.Path().c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("XDG_DATA_HOME");
    }
    void TearDown() override
    {
        for (const auto& [name, value] : saved_) {
            if (value.has_value)
                setenv(name.c_str(), value.text.c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }
    std::string Make(const std::string& relative)
    {
        fs::create_directories(home_.Path() + "/" + relative);
        return home_.Path() + "/" + relative;
    }
    void WriteUserDirs(const std::string& text)
    {
        fs::create_directories(home_.Path() + "/.config");
        std::ofstream(home_.Path() + "/.config/user-dirs.dirs") << text;
    }
    const std::string& Home() const { return home_.Path(); }

private:
    struct Saved {
        bool has_value;
        std::string text;
    };
    void Save(const std::string& name)
    {
        const char* value = std::getenv(name.c_str());
        saved_.emplace_back(name, Saved{value != nullptr, value != nullptr ? value : ""});
    }
    TemporaryFolder home_;
    std::vector<std::pair<std::string, Saved>> saved_;
};

TEST_F(SpecialFolderTest, XdgFoldersThatExist)
{
    WriteUserDirs("# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
                  "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    const struct {
        const char* what;
        String (*get)();
        std::string expected;
    } cases[] = {
        {"program files", CUtils::GetProgramFilesPath, Make(".local/share/applications")},
        {"favorites", CUtils::GetFavoritesPath, ""},
        {"my documents (desktop)", CUtils::GetMyDocumentsPath, Make("Schreibtisch")},
        {"fonts", CUtils::GetFontsPath, Make(".local/share/fonts")},
        {"startup", CUtils::GetStartupPath, Make(".config/autostart")},
        {"personal", CUtils::GetPersonalFolderPath, Make("Dokumente")},
        {"recent", CUtils::GetRecentPath, Make(".local/share/RecentDocuments")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Narrow(c.get()), c.expected) << c.what;
}

TEST_F(SpecialFolderTest, MissingFoldersAreEmptyAndNotCreated)
{
    EXPECT_EQ(Narrow(CUtils::GetFontsPath()), "");
    EXPECT_EQ(Narrow(CUtils::GetMyDocumentsPath()), "");  // ~/Desktop does not exist
    EXPECT_FALSE(fs::exists(Home() + "/.local/share/fonts"));
    // Without user-dirs.dirs the documents folder is the home folder itself.
    EXPECT_EQ(Narrow(CUtils::GetPersonalFolderPath()), Home());
}

TEST_F(SpecialFolderTest, XdgBaseFoldersFromTheEnvironment)
{
    const std::string data = Make("elsewhere/data");
    const std::string config = Make("elsewhere/config");
    fs::create_directories(data + "/fonts");
    fs::create_directories(config + "/autostart");
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    EXPECT_EQ(Narrow(CUtils::GetFontsPath()), data + "/fonts");
    EXPECT_EQ(Narrow(CUtils::GetStartupPath()), config + "/autostart");
}

SYSTEMTIME At(uint16_t year, uint16_t month, uint16_t day, uint16_t hour, uint16_t minute, uint16_t second,
              uint16_t milliseconds = 0)
{
    return SYSTEMTIME{year, month, 0, day, hour, minute, second, milliseconds};
}

TEST(UtilsTest, TimeDifferenceInSeconds)
{
    const struct {
        const char* what;
        SYSTEMTIME start;
        SYSTEMTIME end;
        int seconds;
    } cases[] = {
        {"within a minute", At(2024, 5, 1, 12, 10, 5), At(2024, 5, 1, 12, 10, 50), 45},
        {"within an hour", At(2024, 5, 1, 12, 10, 5), At(2024, 5, 1, 12, 12, 0), 115},
        {"one hour", At(2024, 5, 1, 12, 10, 5), At(2024, 5, 1, 13, 10, 5), 3600},
        {"across the hour", At(2024, 5, 1, 10, 59, 50), At(2024, 5, 1, 11, 0, 10), 20},
        {"across midnight", At(2024, 5, 1, 23, 59, 59), At(2024, 5, 2, 0, 0, 1), 2},
        {"across the year", At(1999, 12, 31, 23, 59, 59), At(2000, 1, 1, 0, 0, 0), 1},
        {"over a leap day", At(2024, 2, 28, 0, 0, 0), At(2024, 3, 1, 0, 0, 0), 2 * 86400},
        {"no leap day in 2100", At(2100, 2, 28, 0, 0, 0), At(2100, 3, 1, 0, 0, 0), 86400},
        {"end before start", At(2024, 5, 1, 11, 0, 10), At(2024, 5, 1, 10, 59, 50), -20},
        {"milliseconds ignored", At(2024, 5, 1, 1, 1, 1, 900), At(2024, 5, 1, 1, 1, 2, 100), 1},
        {"same time", At(2024, 5, 1, 8, 0, 0), At(2024, 5, 1, 8, 0, 0), 0},
        {"clamped", At(1, 1, 1, 0, 0, 0), At(9999, 1, 1, 0, 0, 0), INT_MAX},
    };
    for (auto c : cases)
        EXPECT_EQ(CUtils::GetTimeDiffInSeconds(&c.start, &c.end), c.seconds) << c.what;
    SYSTEMTIME any = At(2024, 1, 1, 0, 0, 0);
    EXPECT_EQ(CUtils::GetTimeDiffInSeconds(nullptr, &any), 0);
}

TEST(UtilsTest, LibraryLevelExports)
{
    EXPECT_EQ(fnTessel(), 42);
    EXPECT_EQ(nTessel, 0);
    CTessel a;
    CTessel b;
    a = b;
}

}  // namespace
