// Kills a process in the middle of adding and deleting favorites, again and again, and checks
// that "favorites.dat" always holds the list as it was before the change the process was making
// or as it is after it: never a cut file, a mix of both, or an empty file that was not empty.
//
// Each round forks a child that loads the file, then changes the list in a tight loop (the
// changes come from a generator seeded per round, so the parent can replay them) and writes
// the number of each finished change to a pipe. The parent kills it with SIGKILL a random
// delay after it has loaded, reads how many changes were finished, replays them, and compares the file with the
// lists after the last finished change and after the one that may have been under way.

#include <gtest/gtest.h>

#include <fcntl.h>
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

#include "phrasebook/PhraseBook.h"
#include "platform/core/MessageBox.h"

namespace {

// Ids the child draws from. The file starts with kFirstListLength of them, so that every save
// takes more than one write and a kill can land between two writes of one save.
constexpr int kIdRange = 6000;
constexpr int kFirstListLength = 1500;
constexpr int kRounds = 200;
constexpr uint32_t kSaveFailed = 0xFFFFFFFFu;

// One change to the list: add an id (which may already be there, then nothing is saved) or
// delete one that is there. Parent and child both call this with the same generator and list,
// so they make the same change.
void ApplyNextChange(std::mt19937& random, std::vector<int>& list, CPhraseBook* book)
{
    bool add = list.empty() || random() % 100 < 60;
    if (add) {
        int id = 1 + (int)(random() % kIdRange);
        bool present = false;
        for (int existing : list)
            present = present || existing == id;
        if (!present)
            list.push_back(id);
        if (book)
            book->AddFavorite(id);
    } else {
        size_t at = random() % list.size();
        int id = list[at];
        list.erase(list.begin() + (long)at);
        if (book)
            book->DeleteFavorite(id);
    }
}

std::vector<unsigned char> ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

std::vector<int> DecodeIds(const std::vector<unsigned char>& bytes)
{
    std::vector<int> ids;
    for (size_t at = 0; at + 4 <= bytes.size(); at += 4)
        ids.push_back((int)((uint32_t)bytes[at] | (uint32_t)bytes[at + 1] << 8 |
                            (uint32_t)bytes[at + 2] << 16 | (uint32_t)bytes[at + 3] << 24));
    return ids;
}

// The child's whole life: load, change until killed, report each finished change.
[[noreturn]] void RunChild(const std::string& path, unsigned seed, int reportFd)
{
    SetMessageBoxHandler([reportFd](const String&, const String&, unsigned) {
        uint32_t failed = kSaveFailed;
        (void)!write(reportFd, &failed, sizeof failed);
        return IDOK;
    });
    CPhraseBook book;
    book.LoadFavorites(String(std::u16string(path.begin(), path.end()).c_str()));
    std::vector<int> list;
    for (unsigned i = 0; i < book.GetFavorites().GetCount(); ++i)
        list.push_back(book.GetFavorites()[i]);
    // 0: loaded, the changes begin.
    uint32_t loaded = 0;
    if (write(reportFd, &loaded, sizeof loaded) != sizeof loaded)
        _exit(3);
    std::mt19937 random(seed);
    for (uint32_t done = 1;; ++done) {
        ApplyNextChange(random, list, &book);
        if (write(reportFd, &done, sizeof done) != sizeof done)
            _exit(3);
    }
}

class FavoritesKillTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/favorites-kill-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        path = folder / "favorites.dat";
        std::ofstream out(path, std::ios::binary);
        for (int id = 1; id <= kFirstListLength; ++id) {
            unsigned char bytes[4] = {(unsigned char)(id * 4), (unsigned char)(id * 4 >> 8), 0, 0};
            out.write((const char*)bytes, 4);
        }
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    std::filesystem::path path;
};

}  // namespace

TEST_F(FavoritesKillTest, FileIsTheListBeforeOrAfterTheLastChangeAfterEverySigkill)
{
    std::mt19937 rounds(20261210);
    int killedMidChange = 0;   // the file showed the change that had not been reported yet
    int killedBetween = 0;     // the file showed the last reported change
    uint32_t changesTotal = 0;
    size_t longestList = 0;

    for (int round = 0; round < kRounds; ++round) {
        std::vector<int> before = DecodeIds(ReadBytes(path));
        unsigned seed = (unsigned)rounds();
        // Counted from the child's report that it has loaded the file (so that a slow start, as
        // under a sanitizer, does not use the delay up): short delays catch it in its first save.
        auto delay = std::chrono::microseconds(rounds() % 12000);

        int pipeFds[2];
        ASSERT_EQ(pipe(pipeFds), 0);
        fflush(nullptr);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(pipeFds[0]);
            RunChild(path.string(), seed, pipeFds[1]);
        }
        close(pipeFds[1]);
        uint32_t report = 0;
        ASSERT_EQ(read(pipeFds[0], &report, sizeof report), (ssize_t)sizeof report)
            << "round " << round << ": the child did not load the file";
        std::this_thread::sleep_for(delay);
        ASSERT_EQ(kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "round " << round << ": the child ended on its own, status " << status;

        // Every report is 4 bytes and was written with one call, so the pipe holds whole ones.
        uint32_t finished = 0;
        while (read(pipeFds[0], &report, sizeof report) == sizeof report) {
            ASSERT_NE(report, kSaveFailed) << "round " << round << ": a save reported failure";
            finished = report;
        }
        close(pipeFds[0]);
        changesTotal += finished;

        std::vector<int> afterFinished = before;
        std::mt19937 replay(seed);
        for (uint32_t i = 0; i < finished; ++i)
            ApplyNextChange(replay, afterFinished, nullptr);
        std::vector<int> afterPending = afterFinished;
        ApplyNextChange(replay, afterPending, nullptr);

        std::vector<unsigned char> bytes = ReadBytes(path);
        ASSERT_EQ(bytes.size() % 4, 0u) << "round " << round << ": " << bytes.size()
                                        << " bytes is not a whole number of ids";
        std::vector<int> onDisk = DecodeIds(bytes);
        if (onDisk == afterFinished) {
            ++killedBetween;
        } else if (onDisk == afterPending) {
            ++killedMidChange;
        } else {
            FAIL() << "round " << round << " (seed " << seed << ", " << finished
                   << " changes finished): the file holds " << onDisk.size()
                   << " ids, neither the list of " << afterFinished.size()
                   << " before the pending change nor the " << afterPending.size()
                   << " after it";
        }
        longestList = std::max(longestList, onDisk.size());
    }

    std::printf("| kills | changes finished | file = last finished change | file = pending change | longest list |\n"
                "|---|---|---|---|---|\n"
                "| %d | %u | %d | %d | %zu |\n",
                kRounds, changesTotal, killedBetween, killedMidChange, longestList);
    // A loop that never got to change anything would prove nothing.
    EXPECT_GT(changesTotal, (uint32_t)kRounds);
}
