// CSoundFile over archives built by the test fixture builder: lookups, concatenation, the reused
// work buffer, the 660680-byte cut, and archives that are missing or corrupt.
#include "voice/SoundFile.h"

#include "tests/voice/VoiceArchiveBuilder.h"
#include "tests/voice/VoiceTestSupport.h"
#include "voice/DecodeClip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

const char kCorrupted[] = "Your Application data file is corrupted. Please reinstall your application.";

// The PCM that DecodeClip makes of one clip on its own.
Bytes DecodeAlone(const Bytes& clip)
{
    Bytes area(1 << 20);
    const PcmSink saved = GetPcmSink();
    GetPcmSink() = PcmSink{0, static_cast<uint32_t>(area.size()), area.data()};
    area.resize(DecodeClip(clip.data(), static_cast<uint32_t>(clip.size())));
    GetPcmSink() = saved;
    return area;
}

Bytes Contents(const CByteBuffer* buffer)
{
    return Bytes(buffer->m_pData, buffer->m_pData + buffer->m_length);
}

class SoundFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = MakeTempFolder();
        m_center = FixtureClipBytes("Front_Center");
        m_left = FixtureClipBytes("Front_Left");
        m_rear = FixtureClipBytes("Rear_Right");
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    String Write(const Bytes& archive)
    {
        const std::string path = m_folder + "/voice.dat";
        WriteWholeFile(path, archive);
        return String(path.c_str());
    }
    String WriteStandard() { return Write(BuildVoiceArchive({{10, m_center}, {20, m_left}, {30, m_rear}}, 7)); }

    std::string m_folder;
    Bytes m_center, m_left, m_rear;
    MessageBoxRecorder m_messages;
};

TEST_F(SoundFileTest, ConcatenatesTheClipsInTheRequestedOrder)
{
    CSoundFile archive(WriteStandard());
    ASSERT_TRUE(archive.IsUsable());
    const int32_t phrase[] = {30, 10, 20};
    CByteBuffer* pcm = archive.Play(phrase, 3);
    ASSERT_NE(pcm, nullptr);

    Bytes expected = DecodeAlone(m_rear);
    for (const Bytes* clip : {&m_center, &m_left}) {
        const Bytes part = DecodeAlone(*clip);
        expected.insert(expected.end(), part.begin(), part.end());
    }
    EXPECT_EQ(pcm->m_length, expected.size()) << "one buffer of the summed length";
    EXPECT_EQ(Contents(pcm), expected);
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(SoundFileTest, ReturnsNothingWhenAnyClipIsMissingOrTheCountIsZero)
{
    CSoundFile archive(WriteStandard());
    const int32_t withMissing[] = {10, 99, 20};
    EXPECT_EQ(archive.Play(withMissing, 3), nullptr);
    const int32_t missingLast[] = {10, 20, 99};
    EXPECT_EQ(archive.Play(missingLast, 3), nullptr);
    EXPECT_EQ(archive.Play(withMissing, 0), nullptr);
    EXPECT_EQ(archive.Play(nullptr, 0), nullptr) << "count 0 reads no clip number";
}

TEST_F(SoundFileTest, TheFirstOfTwoEntriesWithOneNumberWins)
{
    CSoundFile archive(Write(BuildVoiceArchive({{5, m_left}, {5, m_center}})));
    const int32_t phrase[] = {5};
    CByteBuffer* pcm = archive.Play(phrase, 1);
    ASSERT_NE(pcm, nullptr);
    EXPECT_EQ(Contents(pcm), DecodeAlone(m_left));
    const VoiceIndexEntry* entry = nullptr;
    archive.GetIdxMap(5, &entry);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->offset, 0u);
    const VoiceIndexEntry* untouched = reinterpret_cast<const VoiceIndexEntry*>(&archive);
    archive.GetIdxMap(6, &untouched);
    EXPECT_EQ(untouched, reinterpret_cast<const VoiceIndexEntry*>(&archive)) << "not found leaves the out value";
}

TEST_F(SoundFileTest, CutsLongSpeechAtTheWorkBufferSizeAndStartsTheNextRequestClean)
{
    CSoundFile archive(WriteStandard());
    const std::vector<int32_t> longPhrase(12, 20);  // about 18 s of speech
    CByteBuffer* pcm = archive.Play(longPhrase.data(), static_cast<uint32_t>(longPhrase.size()));
    ASSERT_NE(pcm, nullptr);
    EXPECT_EQ(pcm->m_length, CSoundFile::kWorkBufferSize);
    const Bytes one = DecodeAlone(m_left);
    EXPECT_TRUE(std::equal(one.begin(), one.end(), pcm->m_pData)) << "the cut keeps the start";

    const int32_t shortPhrase[] = {10};
    CByteBuffer* again = archive.Play(shortPhrase, 1);
    ASSERT_EQ(again, pcm) << "the work buffer is reused";
    EXPECT_EQ(Contents(again), DecodeAlone(m_center));
    uint8_t* tail = again->m_pData + again->m_length;
    EXPECT_TRUE(std::all_of(tail, pcm->m_pData + CSoundFile::kWorkBufferSize, [](uint8_t b) { return b == 0; }))
        << "no sample of the long request is left behind";
}

TEST_F(SoundFileTest, AnEmptyIndexOpensAndPlaysNothing)
{
    CSoundFile archive(Write(BuildVoiceArchive({})));
    EXPECT_TRUE(archive.IsUsable());
    const int32_t phrase[] = {0};
    EXPECT_EQ(archive.Play(phrase, 1), nullptr);
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(SoundFileTest, AMissingArchiveIsReportedOnceAndPlaysNothing)
{
    LogRecorder log(3);
    CSoundFile archive(String((m_folder + "/voice.dat").c_str()));
    EXPECT_FALSE(archive.IsUsable());
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{"Open Voice File Error"});
    EXPECT_EQ(log.Lines(), std::vector<std::string>{"Open Voice File Error"});
    const int32_t phrase[] = {10};
    EXPECT_EQ(archive.Play(phrase, 1), nullptr);
    EXPECT_EQ(m_messages.Texts().size(), 1u) << "play requests show nothing more";
}

TEST_F(SoundFileTest, RefusesAnArchiveWhoseHeaderOrIndexTheFileCannotHold)
{
    const Bytes good = BuildVoiceArchive({{10, m_center}, {20, m_left}});
    struct Case {
        const char* what;
        Bytes archive;
    };
    Bytes hugeCount = good;
    PatchUint32(hugeCount, 36, 0x7FFFFFFF);
    Bytes countPastEnd = good;
    PatchUint32(countPastEnd, 36, static_cast<uint32_t>(good.size() / 12));
    // An index of clips without data ends exactly at the end of the file; one entry more is
    // 12 bytes past it.
    Bytes oneEntryPastEnd = BuildVoiceArchive({{10, {}}, {20, {}}});
    PatchUint32(oneEntryPastEnd, 36, 3);
    Bytes indexCutShort = BuildVoiceArchive({{10, {}}, {20, {}}});
    indexCutShort.pop_back();
    std::vector<Case> cases = {
        {"shorter than the header", Bytes(good.begin(), good.begin() + 30)},
        {"count of 2^31 - 1 entries", hugeCount},
        {"index runs past the end", countPastEnd},
        {"count one entry past the end", oneEntryPastEnd},
        {"index one byte short", indexCutShort},
    };
    for (const Case& c : cases) {
        LogRecorder log(3);
        MessageBoxRecorder messages;
        CSoundFile archive(Write(c.archive));
        EXPECT_FALSE(archive.IsUsable()) << c.what;
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{kCorrupted}) << c.what;
        EXPECT_EQ(log.Lines(), std::vector<std::string>{kCorrupted}) << c.what;
        const int32_t phrase[] = {10};
        EXPECT_EQ(archive.Play(phrase, 1), nullptr) << c.what;
    }
}

TEST_F(SoundFileTest, ReadsEveryEntryOfALargeIndex)
{
    // Numbers in descending order and every clip a different length, so that an entry parsed
    // from the wrong place in the index shows as a wrong number, offset or length.
    std::vector<FixtureClip> clips;
    const int32_t kEntries = 1500;
    for (int32_t i = 0; i < kEntries; ++i)
        clips.push_back({100000 - i, Bytes(static_cast<size_t>(i % 7), 0)});
    clips.push_back({-5, m_center});
    CSoundFile archive(Write(BuildVoiceArchive(clips)));
    ASSERT_TRUE(archive.IsUsable());
    ASSERT_EQ(archive.GetEntryCount(), kEntries + 1);
    uint32_t offset = 0;
    for (const FixtureClip& clip : clips) {
        const VoiceIndexEntry* entry = nullptr;
        archive.GetIdxMap(clip.number, &entry);
        ASSERT_NE(entry, nullptr) << clip.number;
        EXPECT_EQ(entry->offset, offset) << clip.number;
        EXPECT_EQ(entry->length, clip.bytes.size()) << clip.number;
        offset += static_cast<uint32_t>(clip.bytes.size());
    }
    const int32_t phrase[] = {-5};
    CByteBuffer* pcm = archive.Play(phrase, 1);
    ASSERT_NE(pcm, nullptr) << "the clip after the last index entry plays";
    EXPECT_EQ(Contents(pcm), DecodeAlone(m_center));
}

TEST_F(SoundFileTest, AnIndexThatEndsTheFileOpens)
{
    CSoundFile archive(Write(BuildVoiceArchive({{10, {}}, {20, {}}})));
    EXPECT_TRUE(archive.IsUsable());
    EXPECT_EQ(archive.GetEntryCount(), 2);
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(SoundFileTest, PlaysNothingForAClipThatLiesOutsideTheFile)
{
    Bytes archive = BuildVoiceArchive({{10, m_center}, {20, m_left}});
    const size_t secondEntry = 44 + 12;
    struct Case {
        const char* what;
        uint32_t offset, length;
    };
    const Case cases[] = {
        {"length past the end", 0, 0xFFFFFF00u},
        {"offset past the end", 0xFFFFFFF0u, 16},
        {"offset and length wrap around 2^32", 0x80000000u, 0x80000010u},
    };
    for (const Case& c : cases) {
        PatchUint32(archive, secondEntry + 4, c.offset);
        PatchUint32(archive, secondEntry + 8, c.length);
        LogRecorder log(3);
        CSoundFile sound(Write(archive));
        ASSERT_TRUE(sound.IsUsable()) << c.what;
        const int32_t bad[] = {10, 20};
        EXPECT_EQ(sound.Play(bad, 2), nullptr) << c.what;
        EXPECT_EQ(log.Lines(), std::vector<std::string>{"Voice clip 20 lies outside the voice file"}) << c.what;
        const int32_t good[] = {10};
        EXPECT_NE(sound.Play(good, 1), nullptr) << c.what << ": the other clips still play";
    }
}

TEST_F(SoundFileTest, AZeroLengthClipPlaysNothing)
{
    CSoundFile archive(Write(BuildVoiceArchive({{10, m_center}, {11, {}}})));
    const int32_t phrase[] = {10, 11};
    EXPECT_EQ(archive.Play(phrase, 2), nullptr);
}

TEST_F(SoundFileTest, AReloadKeepsNoEntryOfTheEarlierIndex)
{
    const String path = WriteStandard();
    CSoundFile archive(path);
    ASSERT_EQ(archive.GetEntryCount(), 3);
    // The file now has an empty index, and the bytes where clip 10 was still lie inside it.
    Bytes emptied = BuildVoiceArchive({}, static_cast<uint32_t>(m_center.size()));
    PatchUint32(emptied, 40, 44);
    Write(emptied);
    EXPECT_TRUE(archive.LoadArchive(0));
    EXPECT_EQ(archive.GetEntryCount(), 0);
    const VoiceIndexEntry* entry = nullptr;
    archive.GetIdxMap(10, &entry);
    EXPECT_EQ(entry, nullptr);
    const int32_t phrase[] = {10};
    EXPECT_EQ(archive.Play(phrase, 1), nullptr);
}

TEST_F(SoundFileTest, ALengthCheckThatFailsShowsTheCorruptionMessage)
{
    CSoundFile archive(WriteStandard());
    LogRecorder log(3);
    EXPECT_FALSE(archive.LoadArchive(12345));
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{kCorrupted});
    EXPECT_EQ(log.Lines(), std::vector<std::string>{kCorrupted});
}

}  // namespace
