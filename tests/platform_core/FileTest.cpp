// CFile: failed opens are reported, never thrown; write-create-truncate, length, seek and read;
// the open filter that lets tests make opens fail.

#include "platform/core/File.h"
#include "platform/core/FileOpenFilter.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class FileTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "file-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override
    {
        SetFileOpenFilter(nullptr);
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    String PathOf(const std::string& name) const { return String((folder_ + "/" + name).c_str()); }
    std::string Contents(const std::string& name) const
    {
        std::ifstream in(folder_ + "/" + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void Put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(folder_ + "/" + name, std::ios::binary) << bytes;
    }

    std::string folder_;
};

TEST_F(FileTest, OpensThatFailReturnFalseAndLeaveTheFileClosed)
{
    fs::create_directory(folder_ + "/folder");
    const struct {
        const char* what;
        String path;
        unsigned flags;
    } cases[] = {
        {"missing file", PathOf("missing.dat"), CFile::modeRead},
        {"missing file for writing without create", PathOf("missing.dat"), CFile::modeWrite},
        {"missing folder", PathOf("no/such/file.dat"), CFile::modeWrite | CFile::modeCreate},
        {"a folder", PathOf("folder"), CFile::modeRead},
        {"empty path", String(), CFile::modeRead},
    };
    for (const auto& c : cases) {
        CFile file;
        EXPECT_FALSE(file.Open(c.path, c.flags)) << c.what;
        EXPECT_FALSE(file.IsOpen()) << c.what;
        char byte = 'x';
        EXPECT_EQ(file.Read(&byte, 1), 0u) << c.what;
        EXPECT_FALSE(file.Write(&byte, 1)) << c.what;
        EXPECT_EQ(file.GetLength(), 0u) << c.what;
        EXPECT_FALSE(file.Seek(0)) << c.what;
    }
    EXPECT_FALSE(fs::exists(folder_ + "/missing.dat"));
}

TEST_F(FileTest, WriteCreatesAndTruncatesThenReadBack)
{
    Put("data.bin", "old contents that are longer");
    {
        CFile file;
        ASSERT_TRUE(file.Open(PathOf("data.bin"), CFile::modeWrite | CFile::modeCreate));
        EXPECT_EQ(file.GetLength(), 0u);
        EXPECT_TRUE(file.Write("0123456789", 10));
        EXPECT_TRUE(file.Write("", 0));
    }  // the destructor closes
    EXPECT_EQ(Contents("data.bin"), "0123456789");

    CFile file;
    ASSERT_TRUE(file.Open(PathOf("data.bin"), CFile::modeRead));
    EXPECT_EQ(file.GetLength(), 10u);
    EXPECT_TRUE(file.Seek(6));
    char buffer[8] = {};
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 4u);  // only four bytes left
    EXPECT_EQ(std::string(buffer, 4), "6789");
    EXPECT_EQ(file.Read(buffer, 1), 0u);
    EXPECT_FALSE(file.Write("x", 1));  // opened read-only
    EXPECT_TRUE(file.Seek(0));
    EXPECT_EQ(file.Read(buffer, 2), 2u);
    EXPECT_EQ(std::string(buffer, 2), "01");
    file.Close();
    EXPECT_FALSE(file.IsOpen());
}

TEST_F(FileTest, WriteWithoutCreateKeepsTheRestOfTheFile)
{
    Put("keep.bin", "abcdef");
    CFile file;
    ASSERT_TRUE(file.Open(PathOf("keep.bin"), CFile::modeWrite));
    EXPECT_TRUE(file.Write("XY", 2));
    file.Close();
    EXPECT_EQ(Contents("keep.bin"), "XYcdef");
}

TEST_F(FileTest, NonAsciiPaths)
{
    CFile file;
    ASSERT_TRUE(file.Open(PathOf("語彙.dat"), CFile::modeWrite | CFile::modeCreate));
    file.Close();
    EXPECT_TRUE(fs::exists(fs::u8path(folder_ + "/語彙.dat")));
}

TEST_F(FileTest, OpenFilterMakesChosenOpensFail)
{
    Put("allowed.dat", "a");
    Put("refused.dat", "r");
    std::vector<std::pair<std::u16string, unsigned>> asked;
    SetFileOpenFilter([&](const String& path, unsigned flags) {
        asked.emplace_back(path.GetString(), flags);
        return path.Find(u"refused") < 0;
    });
    CFile file;
    EXPECT_TRUE(file.Open(PathOf("allowed.dat"), CFile::modeRead));
    EXPECT_FALSE(file.Open(PathOf("refused.dat"), CFile::modeRead));
    EXPECT_FALSE(file.IsOpen());  // the earlier file was closed by the new open
    EXPECT_FALSE(file.Open(PathOf("refused.dat"), CFile::modeWrite | CFile::modeCreate));
    EXPECT_EQ(Contents("refused.dat"), "r");  // a refused create does not truncate
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[2].second, static_cast<unsigned>(CFile::modeWrite | CFile::modeCreate));

    FileOpenFilter previous = SetFileOpenFilter(nullptr);
    EXPECT_TRUE(static_cast<bool>(previous));
    EXPECT_TRUE(file.Open(PathOf("refused.dat"), CFile::modeRead));
}

}  // namespace
