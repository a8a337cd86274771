// The debug log: byte-order mark, UTF-16LE lines with CR LF, the level threshold, recreation on
// each run, and a log that cannot be created.

#include "shell/log/DebugLog.h"

#include "baselib/Utils.h"
#include "platform/core/FileOpenFilter.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

Bytes ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

class DebugLogTest : public testing::Test {
protected:
    void SetUp() override
    {
        ReleaseDebugLog();
        std::string pattern = (fs::temp_directory_path() / "debug-log-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        path_ = folder_ + "/log.log";
    }
    void TearDown() override
    {
        ReleaseDebugLog();
        SetFileOpenFilter(nullptr);
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    DebugLog* Open()
    {
        String path(path_.c_str());
        return GetDebugLog(&path);
    }

    std::string folder_;
    std::string path_;
};

TEST_F(DebugLogTest, WritesOnlyLinesThatReachTheThreshold)
{
    const struct {
        const char* what;
        std::u16string text;
        int level;
        Bytes appended;
    } cases[] = {
        {"level 3", u"X", 3, {0x58, 0x00, 0x0D, 0x00, 0x0A, 0x00}},
        {"level 2", u"Play phrase: hello", 2, {}},
        {"level 0", u"Velora version 3.2.1.0", 0, {}},
        {"above the threshold", u"a", 4, {0x61, 0x00, 0x0D, 0x00, 0x0A, 0x00}},
        {"non-ASCII", u"你", 3, {0x60, 0x4F, 0x0D, 0x00, 0x0A, 0x00}},
        {"empty line", u"", 3, {0x0D, 0x00, 0x0A, 0x00}},
    };
    for (const auto& c : cases) {
        ReleaseDebugLog();
        DebugLog* log = Open();
        ASSERT_NE(log, nullptr);
        EXPECT_EQ(log->m_threshold, 3);
        WriteLog(log, String(c.text.c_str()), c.level);
        Bytes expected = {0xFF, 0xFE};
        expected.insert(expected.end(), c.appended.begin(), c.appended.end());
        EXPECT_EQ(ReadAll(path_), expected) << c.what;
    }
}

TEST_F(DebugLogTest, OneProcessWideLogThatIgnoresLaterPaths)
{
    DebugLog* first = Open();
    ASSERT_NE(first, nullptr);
    String other((folder_ + "/other.log").c_str());
    EXPECT_EQ(GetDebugLog(&other), first);
    EXPECT_EQ(GetDebugLog(), first);
    EXPECT_FALSE(fs::exists(folder_ + "/other.log"));
    WriteLog(GetDebugLog(), String(u"A"), 3);
    WriteLog(GetDebugLog(), String(u"B"), 3);
    EXPECT_EQ(ReadAll(path_), (Bytes{0xFF, 0xFE, 0x41, 0, 0x0D, 0, 0x0A, 0, 0x42, 0, 0x0D, 0, 0x0A, 0}));
}

TEST_F(DebugLogTest, EachRunStartsAnEmptyFile)
{
    std::ofstream(path_, std::ios::binary) << "lines of an earlier run";
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(ReadAll(path_), (Bytes{0xFF, 0xFE}));
}

TEST_F(DebugLogTest, UncreatableFileGivesNoLogAndIsTriedAgain)
{
    SetFileOpenFilter([](const String&, unsigned) { return false; });
    EXPECT_EQ(Open(), nullptr);
    EXPECT_EQ(Open(), nullptr);
    WriteLog(nullptr, String(u"dropped"), 3);  // nothing to write to, and no crash
    EXPECT_FALSE(fs::exists(path_));
    SetFileOpenFilter(nullptr);
    EXPECT_NE(Open(), nullptr);
    EXPECT_EQ(ReadAll(path_), (Bytes{0xFF, 0xFE}));
}

TEST_F(DebugLogTest, MissingFolderGivesNoLog)
{
    String path((folder_ + "/no/such/folder/log.log").c_str());
    EXPECT_EQ(GetDebugLog(&path), nullptr);
}

TEST_F(DebugLogTest, DefaultFileIsLogDotLogNextToTheProgram)
{
    const std::string file = ToAnsiString(CUtils::GetFullPath(u"log.log").GetString());
    DebugLog* log = GetDebugLog();
    ASSERT_NE(log, nullptr);
    WriteLog(log, String(u"trace"), 1);
    WriteLog(log, String(u"detail"), 2);
    EXPECT_EQ(ReadAll(file), (Bytes{0xFF, 0xFE}));  // a run without failures leaves only the mark
    ReleaseDebugLog();
    fs::remove(file);
}

}  // namespace
