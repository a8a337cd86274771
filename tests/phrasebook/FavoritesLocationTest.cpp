// Where the favorites live: in the program's folder when it takes new files, else in the
// program's folder under the user's data directory, seeded once from the installed list.
//
// Tests run as root, who may write into a mode-0555 folder, so permission bits cannot make a
// folder unwritable here. The store judges a folder by creating a file in it through CFile;
// the tests make that fail with CFile's open filter, refusing every write under the program's
// folder as a read-only file system would. One case uses /proc, where nobody can create a file.

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "BookBuilder.h"
#include "baselib/WideChar.h"
#include "phrasebook/FavoritesLocation.h"
#include "phrasebook/PhraseBook.h"
#include "platform/core/File.h"
#include "platform/core/FileOpenFilter.h"

using namespace book_test;

namespace {

// Sets an environment variable (or unsets it, for nullopt) while it lives.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char* name, std::optional<std::string> value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~ScopedEnvironment()
    {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

// While it lives, no file under folder can be opened for writing.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const std::filesystem::path& folder)
    {
        const std::u16string prefix = U(String(folder.string().c_str()));
        m_previous = SetFileOpenFilter([prefix](const String& path, unsigned flags) {
            return (flags & CFile::modeWrite) == 0 || U(path).rfind(prefix, 0) != 0;
        });
    }
    ~ReadOnlyFolder() { SetFileOpenFilter(m_previous); }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    FileOpenFilter m_previous;
};

class FavoritesLocationTest : public ::testing::Test
{
protected:
    FavoritesLocationTest()
        : dataHome("XDG_DATA_HOME", root.Path("data").string()), home("HOME", root.Path("home").string())
    {
        std::filesystem::create_directories(programFolder);
    }

    std::vector<int> LoadIds(const std::filesystem::path& file)
    {
        CPhraseBook book;
        EXPECT_EQ(book.LoadFavorites(String(file.string().c_str())), 1);
        return ToVector(book.GetFavorites());
    }

    ScratchFolder root;
    ScopedEnvironment dataHome;
    ScopedEnvironment home;
    const std::filesystem::path programFolder = root.Path("lib/velora");
    const std::filesystem::path installed = programFolder / "favorites.dat";
    const std::filesystem::path userFile = root.Path("data/velora/favorites.dat");
    MessageRecorder messages;
};

}  // namespace

TEST_F(FavoritesLocationTest, WritableProgramFolderKeepsTheFileThereAndLeavesNothingBehind)
{
    WriteFileBytes(installed, Bytes().Int(7).data);
    CPhraseBook book;
    ASSERT_EQ(book.LoadFavorites(String(installed.string().c_str())), 1);
    EXPECT_EQ(U(book.GetFavoritesPath()), U(String(installed.string().c_str())));

    book.AddFavorite(8);
    EXPECT_EQ(ReadFileBytes(installed), Bytes().Int(7).Int(8).data);
    EXPECT_FALSE(std::filesystem::exists(root.Path("data"))) << "no per-user folder for a writable install";
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(programFolder))
        entries += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(entries, 1) << "the writability check removes its file";
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(FavoritesLocationTest, ReadOnlyProgramFolderKeepsAnAddedFavoriteAcrossARestart)
{
    WriteFileBytes(installed, Bytes().Int(7).data);
    ReadOnlyFolder readOnly(programFolder);

    {
        CPhraseBook firstRun;
        ASSERT_EQ(firstRun.LoadFavorites(String(installed.string().c_str())), 1);
        EXPECT_EQ(ToVector(firstRun.GetFavorites()), std::vector<int>{7}) << "seeded from the installed list";
        firstRun.AddFavorite(8);
    }
    EXPECT_TRUE(messages.texts.empty()) << "the save succeeded";
    EXPECT_EQ(ReadFileBytes(installed), Bytes().Int(7).data) << "the installed file is not touched";
    EXPECT_EQ(ReadFileBytes(userFile), Bytes().Int(7).Int(8).data) << "same format, per user";

    // The restart finds the user's list, deletes from it, and a third run sees the delete.
    {
        CPhraseBook secondRun;
        ASSERT_EQ(secondRun.LoadFavorites(String(installed.string().c_str())), 1);
        EXPECT_EQ(ToVector(secondRun.GetFavorites()), (std::vector<int>{7, 8}));
        secondRun.DeleteFavorite(7);
    }
    EXPECT_EQ(LoadIds(installed), std::vector<int>{8});
}

TEST_F(FavoritesLocationTest, TheUsersListIsNeverReplacedByTheInstalledOne)
{
    std::filesystem::create_directories(userFile.parent_path());
    WriteFileBytes(userFile, Bytes().Int(9).data);
    WriteFileBytes(installed, Bytes().Int(7).Int(8).data);
    ReadOnlyFolder readOnly(programFolder);
    EXPECT_EQ(LoadIds(installed), std::vector<int>{9});
    EXPECT_EQ(ReadFileBytes(userFile), Bytes().Int(9).data);

    // An empty list of the user's own is a list too (every favorite deleted).
    WriteFileBytes(userFile, {});
    EXPECT_EQ(LoadIds(installed), std::vector<int>{});
}

TEST_F(FavoritesLocationTest, WithoutAnInstalledFileTheFirstAddCreatesTheUsersFile)
{
    ReadOnlyFolder readOnly(programFolder);
    CPhraseBook book;
    ASSERT_EQ(book.LoadFavorites(String(installed.string().c_str())), 1);
    EXPECT_EQ(book.GetFavorites().GetCount(), 0u);
    EXPECT_TRUE(std::filesystem::is_directory(userFile.parent_path())) << "the per-user folder is created";
    EXPECT_FALSE(std::filesystem::exists(userFile));
    book.AddFavorite(8);
    EXPECT_EQ(ReadFileBytes(userFile), Bytes().Int(8).data);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(FavoritesLocationTest, AFailedSeedStillShowsTheInstalledListAndTheFirstSaveWritesTheCopy)
{
    WriteFileBytes(installed, Bytes().Int(7).data);
    CPhraseBook book;
    {
        // Nothing at all can be written while the list loads.
        ReadOnlyFolder readOnly(root.Path(""));
        ASSERT_EQ(book.LoadFavorites(String(installed.string().c_str())), 1);
    }
    EXPECT_EQ(ToVector(book.GetFavorites()), std::vector<int>{7});
    EXPECT_EQ(U(book.GetFavoritesPath()), U(String(userFile.string().c_str())));
    EXPECT_FALSE(std::filesystem::exists(userFile));

    book.AddFavorite(8);
    EXPECT_EQ(ReadFileBytes(userFile), Bytes().Int(7).Int(8).data);
    EXPECT_EQ(ReadFileBytes(installed), Bytes().Int(7).data);
}

TEST_F(FavoritesLocationTest, TheUserDataDirectoryFollowsTheEnvironment)
{
    struct Case
    {
        const char* what;
        std::optional<std::string> xdgDataHome;
        std::optional<std::string> home;
        std::string expected;  // "" for none
    };
    const std::string data = root.Path("data").string();
    const std::string homeFolder = root.Path("home").string();
    const Case cases[] = {
        {"XDG_DATA_HOME", data, homeFolder, data + "/velora/favorites.dat"},
        {"XDG_DATA_HOME with a trailing slash", data + "/", homeFolder, data + "/velora/favorites.dat"},
        {"unset: ~/.local/share", std::nullopt, homeFolder, homeFolder + "/.local/share/velora/favorites.dat"},
        {"empty: ~/.local/share", std::string(), homeFolder, homeFolder + "/.local/share/velora/favorites.dat"},
        {"relative: ignored", std::string("data"), homeFolder, homeFolder + "/.local/share/velora/favorites.dat"},
        {"no XDG_DATA_HOME and no HOME: none", std::nullopt, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedEnvironment xdg("XDG_DATA_HOME", c.xdgDataHome);
        ScopedEnvironment homeVariable("HOME", c.home);
        EXPECT_EQ(ToAnsiString(CFavoritesLocation::GetUserPath(String(installed.string().c_str()))), c.expected);
    }
}

TEST_F(FavoritesLocationTest, WithoutAUserDataDirectoryTheSaveFailsAndSaysSo)
{
    ScopedEnvironment xdg("XDG_DATA_HOME", std::nullopt);
    ScopedEnvironment noHome("HOME", std::nullopt);
    WriteFileBytes(installed, Bytes().Int(7).data);
    ReadOnlyFolder readOnly(programFolder);
    CPhraseBook book;
    ASSERT_EQ(book.LoadFavorites(String(installed.string().c_str())), 1);
    EXPECT_EQ(ToVector(book.GetFavorites()), std::vector<int>{7});
    book.AddFavorite(8);
    EXPECT_EQ(messages.texts, std::vector<std::u16string>{u"Your favorites could not be saved."});
    EXPECT_EQ(ReadFileBytes(installed), Bytes().Int(7).data);
}

TEST_F(FavoritesLocationTest, AFolderOnAReadOnlyFileSystemIsJudgedUnwritableEvenForRoot)
{
    // No filter here: the kernel refuses to create a file in /proc, whoever asks.
    EXPECT_FALSE(CFavoritesLocation::CanSaveAt(u"/proc/velora/favorites.dat"));
    EXPECT_TRUE(CFavoritesLocation::CanSaveAt(String(installed.string().c_str())));

    CPhraseBook book;
    ASSERT_EQ(book.LoadFavorites(u"/proc/velora/favorites.dat"), 1);
    book.AddFavorite(8);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(ReadFileBytes(userFile), Bytes().Int(8).data);
}
