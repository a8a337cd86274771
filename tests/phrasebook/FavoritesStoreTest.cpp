// The favorites store: reading favorites.dat, adding and deleting, and replacing the
// file so that a failed save never costs the user the list they had.

#include <gtest/gtest.h>

#include "BookBuilder.h"
#include "phrasebook/PhraseBook.h"
#include "platform/core/File.h"
#include "platform/core/FileOpenFilter.h"

using namespace book_test;

namespace {

class FavoritesStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int id : {7, 8, 9})
            book.GetPhrases().Append(MakePhrase(id, 1, u"phrase"));
    }

    // Writes favorites.dat with bytes and loads it.
    void LoadFile(const std::vector<uint8_t>& bytes)
    {
        WriteFileBytes(folder.Path("favorites.dat"), bytes);
        ASSERT_EQ(book.LoadFavorites(folder.PathString("favorites.dat")), 1);
    }

    std::vector<uint8_t> FileBytes() const { return ReadFileBytes(folder.Path("favorites.dat")); }

    std::vector<int> Listed() const
    {
        Ostrel::CSimpleArray<CPhrase*> list;
        book.CollectPhrases(kFavoritesCategoryId, list, false);
        return PhraseIds(list);
    }

    ScratchFolder folder;
    MessageRecorder messages;
    CPhraseBook book;
};

}  // namespace

TEST_F(FavoritesStoreTest, LoadReadsWholeIdsInFileOrder)
{
    struct Case
    {
        const char* what;
        std::vector<uint8_t> bytes;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"an empty file", {}, {}},
        {"three bytes: no whole id", {7, 0, 0}, {}},
        {"ten bytes: two ids, the last two bytes ignored", Bytes().Int(7).Int(9).Int(8).data, {7, 9}},
        {"the same id twice stays twice", Bytes().Int(8).Int(8).data, {8, 8}},
        {"little-endian, signed", {0xFE, 0xFF, 0xFF, 0xFF, 0x01, 0x01, 0, 0}, {-2, 257}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> bytes = c.bytes;
        if (std::string(c.what).rfind("ten bytes", 0) == 0)
            bytes.resize(10);
        CPhraseBook fresh;
        WriteFileBytes(folder.Path("favorites.dat"), bytes);
        EXPECT_EQ(fresh.LoadFavorites(folder.PathString("favorites.dat")), 1);
        EXPECT_EQ(ToVector(fresh.GetFavorites()), c.expected);
    }
}

TEST_F(FavoritesStoreTest, LoadAppendsToTheList)
{
    LoadFile(Bytes().Int(7).data);
    ASSERT_EQ(book.LoadFavorites(folder.PathString("favorites.dat")), 1);
    EXPECT_EQ(ToVector(book.GetFavorites()), (std::vector<int>{7, 7}));
}

TEST_F(FavoritesStoreTest, FirstStartWithoutAFileIsAnEmptyListAndTheFirstSaveCreatesIt)
{
    EXPECT_EQ(book.LoadFavorites(folder.PathString("favorites.dat")), 1);
    EXPECT_EQ(book.GetFavorites().GetCount(), 0u);
    EXPECT_TRUE(messages.texts.empty());

    book.AddFavorite(9);
    EXPECT_EQ(FileBytes(), Bytes().Int(9).data);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(FavoritesStoreTest, AddAppendsAndRewritesTheFile)
{
    LoadFile(Bytes().Int(8).data);
    book.AddFavorite(7);
    book.AddFavorite(-1);  // an id no phrase has is stored, and not listed
    EXPECT_EQ(FileBytes(), Bytes().Int(8).Int(7).Int(-1).data);
    EXPECT_EQ(Listed(), (std::vector<int>{8, 7}));
}

TEST_F(FavoritesStoreTest, AddingAFavoriteAgainLeavesTheFileUntouched)
{
    LoadFile(Bytes().Int(8).Int(7).data);
    // Changed behind the store's back: a write would show.
    std::vector<uint8_t> marker = {1, 2, 3};
    WriteFileBytes(folder.Path("favorites.dat"), marker);
    book.AddFavorite(7);
    EXPECT_EQ(FileBytes(), marker);
    EXPECT_EQ(ToVector(book.GetFavorites()), (std::vector<int>{8, 7}));
}

TEST_F(FavoritesStoreTest, DeleteRemovesTheFirstOccurrence)
{
    struct Case
    {
        const char* what;
        std::vector<int> before;
        int id;
        std::vector<int> after;
        bool writes;
    };
    const Case cases[] = {
        {"a duplicate: the first goes", {7, 8, 7}, 7, {8, 7}, true},
        {"the order of the rest is kept", {7, 8, 9}, 7, {8, 9}, true},
        {"the only favorite: an empty file", {8}, 8, {}, true},
        {"an id that is not there: nothing is written", {7}, 9, {7}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CPhraseBook fresh;
        Bytes stored;
        for (int id : c.before)
            stored.Int(id);
        WriteFileBytes(folder.Path("favorites.dat"), stored.data);
        ASSERT_EQ(fresh.LoadFavorites(folder.PathString("favorites.dat")), 1);
        fresh.DeleteFavorite(c.id);
        EXPECT_EQ(ToVector(fresh.GetFavorites()), c.after);
        Bytes expected;
        for (int id : (c.writes ? c.after : c.before))
            expected.Int(id);
        EXPECT_EQ(FileBytes(), expected.data);
    }
}

TEST_F(FavoritesStoreTest, TemplateIsStoredByItsConcretePhrase)
{
    CPhrase* concrete = MakePhrase(31, 1, u"A tea, please.", false);
    book.GetPhrases().Append(concrete);
    CPhrase* phrase = MakeTemplate(30, 1, u"A $W1, please.", {u"tea|milk"}, {{31, {u"tea"}}});
    book.GetPhrases().Append(phrase);
    LoadFile({});

    book.AddFavorite(phrase->atomic ? phrase->id : phrase->GetConcreteId());
    EXPECT_EQ(Listed(), std::vector<int>{31});
    EXPECT_EQ(FileBytes(), Bytes().Int(31).data);
}

TEST_F(FavoritesStoreTest, FailedSaveKeepsTheOldFileAndTellsTheUser)
{
    LoadFile(Bytes().Int(7).Int(8).data);
    const std::vector<uint8_t> before = FileBytes();

    // Writing the replacement fails: nothing may touch the old file.
    FileOpenFilter previous = SetFileOpenFilter([](const String&, unsigned flags) {
        return (flags & CFile::modeWrite) == 0;
    });
    book.AddFavorite(9);
    book.DeleteFavorite(7);
    SetFileOpenFilter(previous);

    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(ToVector(book.GetFavorites()), (std::vector<int>{8, 9}));
    // Nothing is left beside the file.
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path("")))
        entries += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(entries, 1);

    // The next save that can write brings the file up to date.
    EXPECT_EQ(book.SaveFavorites(), 1);
    EXPECT_EQ(FileBytes(), Bytes().Int(8).Int(9).data);
}

TEST_F(FavoritesStoreTest, SaveIntoAMissingFolderFails)
{
    book.SetFavoritesPath(folder.PathString("no-such-folder/favorites.dat"));
    EXPECT_EQ(book.SaveFavorites(), 0);
    EXPECT_EQ(messages.texts, std::vector<std::u16string>{u"Your favorites could not be saved."});
}

TEST_F(FavoritesStoreTest, SaveNeverOpensTheFavoritesFileItselfForWriting)
{
    LoadFile(Bytes().Int(7).data);
    std::vector<std::u16string> writes;
    FileOpenFilter previous = SetFileOpenFilter([&writes](const String& path, unsigned flags) {
        if (flags & CFile::modeWrite)
            writes.push_back(U(path));
        return true;
    });
    book.AddFavorite(8);
    SetFileOpenFilter(previous);

    // A file beside it is written whole and then takes its place, so a program stopped
    // part way through the write leaves the old list.
    ASSERT_EQ(writes.size(), 1u);
    const std::u16string target = U(folder.PathString("favorites.dat"));
    EXPECT_NE(writes[0], target);
    EXPECT_EQ(std::filesystem::path(writes[0]).parent_path(), std::filesystem::path(target).parent_path());
    EXPECT_EQ(FileBytes(), Bytes().Int(7).Int(8).data);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(writes[0])));
}
