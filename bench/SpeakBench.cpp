// Speak latency: from the tap on a translation box (CTranslationBox::OnPenDown, which plays the
// shown translation through CWavOut) to the moment the first PCM bytes are handed to the wave
// output's device, for a translation of three clips; against the decoding alone. The books speak
// every phrase with one clip, so the three-clip phrase is composed of three real clips (those of
// median length).
//
// Two wave outputs take the bytes:
// - NullSink: a backend on the platform's wave output engine that plays nothing and reports each
//   buffer done at once; the latency is then the system's own work (read, decode, open, queue).
// - Pulse: the real libpulse backend on a private PulseAudio server with a null sink (started
//   here, as the wave output tests do), timed at its QueueBuffer, the call that writes to the
//   server's stream. It includes the sink list and the stream, which the player asks for on
//   every phrase, and in the first iteration of each repetition the connection to the server
//   (every repetition starts its own server and backend; the backend keeps its connection, as
//   the program does after its first phrase), so one iteration in four carries it. A null sink
//   plays in real time, so each iteration lasts as long as the phrase; it runs a fixed, small
//   number of iterations.
//
// References: SoundFilePlay (CSoundFile::Play of the same clips: reads and decodes, what the
// player does before it opens the device) and DecodeOnly (DecodeClip of the clips' bytes
// already in memory).
//
// Also ArchiveOpen: opening the voice archive as start-up does (header and index).
//
// Names: Speak/<backend>/<program>, SoundFilePlay/<program>, DecodeOnly/<program>,
// ArchiveOpen/<program>. Speak times are the tap-to-first-bytes latency (manual time); counter
// "clips" is the phrase's clip count, "first_phrase_ms" the first iteration's latency and
// "later_phrases_ms" the mean of the others; "entries" is the archive's index entries.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "baselib/FastInputStream.h"
#include "bench/BenchData.h"
#include "phrasebook/PhraseBook.h"
#include "platform/wave/PulseWaveOut.h"
#include "platform/wave/WaveOutEngine.h"
#include "script/EditionProfile.h"
#include "script/TranslationBox.h"
#include "script/WavOutPlayer.h"
#include "tests/platform_wave/PulseServer.h"
#include "voice/DecodeClip.h"
#include "voice/SoundFile.h"
#include "voice/WavOut.h"

namespace {

using Clock = std::chrono::steady_clock;

// When the first buffer of the current request reached the device.
std::atomic<int64_t> g_firstBytesAt{0};

void NoteFirstBytes()
{
    int64_t expected = 0;
    g_firstBytesAt.compare_exchange_strong(expected, Clock::now().time_since_epoch().count());
}

class NullSinkWaveOut : public WaveOutEngine {
public:
    ~NullSinkWaveOut() override { StopNotifications(); }
    uint32_t GetNumDevs() override { return 1; }

protected:
    MMRESULT OpenDevice(uint32_t, const WAVEFORMATEX& format, WaveOutDevice** device) override
    {
        if (!IsPlayableFormat(format))
            return WAVERR_BADFORMAT;
        *device = new WaveOutDevice();
        return MMSYSERR_NOERROR;
    }
    MMRESULT QueueBuffer(WaveOutDevice* device, WAVEHDR* header) override
    {
        NoteFirstBytes();
        // Played at once: "done" is delivered before the write returns, so the player's close
        // finds nothing playing and never waits.
        ReportDone(device, header);
        WaitForNotifications();
        return MMSYSERR_NOERROR;
    }
    // The engine deletes the device after its "closed" notification.
    MMRESULT CloseDevice(WaveOutDevice*) override { return MMSYSERR_NOERROR; }
};

class TimedPulseWaveOut : public PulseWaveOut {
protected:
    MMRESULT QueueBuffer(WaveOutDevice* device, WAVEHDR* header) override
    {
        NoteFirstBytes();
        return PulseWaveOut::QueueBuffer(device, header);
    }
};

const EditionProfile& ProfileOf(const std::string& program)
{
    if (program == "Miravel")
        return MiravelProfile();
    if (program == "Serrak")
        return SerrakProfile();
    return VeloraProfile();
}

// One edition's book, voice archive and a translation with three clips.
struct SpeakCase {
    std::string program;
    std::unique_ptr<CPhraseBook> book;
    const CPhrase* translation = nullptr;
    CPhrase composed;                             // used when the book has no three-clip phrase
    std::string voicePath;
    std::vector<std::vector<uint8_t>> clipBytes;  // the three clips' MP3 bytes
};

std::shared_ptr<SpeakCase> MakeCase(const bench::EditionFiles& edition)
{
    auto c = std::make_shared<SpeakCase>();
    c->program = edition.program;
    c->voicePath = bench::DataPath(edition.program, "voice.dat");
    std::vector<uint8_t> bytes;
    if (!bench::ReadWholeFile(bench::DataPath(edition.program, edition.bookFile), bytes))
        return nullptr;
    c->book = std::make_unique<CPhraseBook>();
    CFastInputStream in(bytes.data(), (int)bytes.size(), 0);
    if (c->book->ReadFrom(in) != 1)
        return nullptr;
    const auto& translations = c->book->GetTranslations();
    for (unsigned i = 0; i < translations.GetCount() && !c->translation; ++i)
        if (translations.GetAt(i)->GetClipCount() == 3)
            c->translation = translations.GetAt(i);
    std::vector<uint8_t> voice;
    if (!bench::ReadWholeFile(c->voicePath, voice) || voice.size() < VoiceArchiveHeader::kSize)
        return nullptr;
    VoiceArchiveHeader header;
    std::memcpy(header.bytes, voice.data(), VoiceArchiveHeader::kSize);
    if (!c->translation) {
        // The books speak each phrase with one clip: the phrase is then made of the three clips
        // of median length (by bytes), so that it speaks for a typical three phrases' time.
        std::vector<VoiceIndexEntry> entries;
        for (int32_t i = 0; i < header.EntryCount(); ++i) {
            const size_t at = VoiceArchiveHeader::kSize + (size_t)i * VoiceIndexEntry::kSize;
            if (at + VoiceIndexEntry::kSize > voice.size())
                break;
            entries.push_back(VoiceIndexEntry::FromBytes(voice.data() + at));
        }
        if (entries.size() < 3)
            return nullptr;
        std::sort(entries.begin(), entries.end(),
                  [](const VoiceIndexEntry& a, const VoiceIndexEntry& b) { return a.length < b.length; });
        const size_t middle = entries.size() / 2;
        c->composed = *translations.GetAt(0);
        c->composed.clips.RemoveAll();
        for (size_t k = middle - 1; k <= middle + 1; ++k)
            c->composed.clips.Append(entries[k].clipNumber);
        c->translation = &c->composed;
    }
    for (int k = 0; k < 3; ++k) {
        const int clip = c->translation->GetClipAt(k);
        bool found = false;
        for (int32_t i = 0; i < header.EntryCount() && !found; ++i) {
            const size_t at = VoiceArchiveHeader::kSize + (size_t)i * VoiceIndexEntry::kSize;
            if (at + VoiceIndexEntry::kSize > voice.size())
                break;
            const VoiceIndexEntry entry = VoiceIndexEntry::FromBytes(voice.data() + at);
            const uint64_t start = (uint64_t)header.DataBase() + entry.offset;
            if (entry.clipNumber != clip || start + entry.length > voice.size())
                continue;
            c->clipBytes.emplace_back(voice.begin() + start, voice.begin() + start + entry.length);
            found = true;
        }
        if (!found)
            return nullptr;
    }
    return c;
}

void Speak(benchmark::State& state, std::shared_ptr<SpeakCase> c, bool pulse)
{
    std::unique_ptr<PulseServer> server;
    std::unique_ptr<WaveOutEngine> backend;
    if (pulse) {
        server = std::make_unique<PulseServer>();
        std::string error;
        if (!server->Start(1, &error)) {
            state.SkipWithError(("no private PulseAudio server: " + error).c_str());
            return;
        }
        backend = std::make_unique<TimedPulseWaveOut>();
    } else {
        backend = std::make_unique<NullSinkWaveOut>();
    }
    WaveOutBackend* previous = SetWaveOutBackend(backend.get());

    CSoundFile soundFile(bench::ToSystemString(c->voicePath));
    CWavOut wavOut;
    wavOut.SetSoundFile(&soundFile);
    ScriptEnvironment environment;
    environment.profile = &ProfileOf(c->program);
    environment.player = PlayThrough(wavOut);
    CTranslationBox box(environment);
    box.SetTranslation(c->translation);

    bool reached = true;
    double firstPhrase = 0;
    double laterPhrases = 0;
    int64_t phrases = 0;
    for (auto _ : state) {
        g_firstBytesAt = 0;
        const int64_t tap = Clock::now().time_since_epoch().count();
        box.OnPenDown({10, 10});
        const int64_t first = g_firstBytesAt.load();
        reached &= first != 0;
        const double seconds = first ? std::chrono::duration<double>(Clock::duration(first - tap)).count() : 0;
        state.SetIterationTime(seconds);
        (phrases++ == 0 ? firstPhrase : laterPhrases) += seconds;
    }
    SetWaveOutBackend(previous);
    if (!reached)
        state.SkipWithError("the phrase never reached the device");
    state.counters["clips"] = c->translation->GetClipCount();
    // The first phrase of a backend also connects to the server; the later ones reuse it.
    state.counters["first_phrase_ms"] = firstPhrase * 1e3;
    if (phrases > 1)
        state.counters["later_phrases_ms"] = laterPhrases * 1e3 / static_cast<double>(phrases - 1);
}

void SoundFilePlay(benchmark::State& state, std::shared_ptr<SpeakCase> c)
{
    CSoundFile soundFile(bench::ToSystemString(c->voicePath));
    const int32_t* clips = c->translation->clips.GetData();
    uint32_t bytes = 0;
    for (auto _ : state) {
        CByteBuffer* pcm = soundFile.Play(clips, 3);
        bytes = pcm ? pcm->m_length : 0;
    }
    if (bytes == 0)
        state.SkipWithError("CSoundFile::Play gave no PCM");
    state.counters["pcm_bytes"] = bytes;
}

// Opening the voice archive as start-up does: the header and the whole index are read and the
// index is kept; no clip is read.
void ArchiveOpen(benchmark::State& state, std::shared_ptr<SpeakCase> c)
{
    const String path = bench::ToSystemString(c->voicePath);
    CSoundFile soundFile;
    int32_t entries = 0;
    for (auto _ : state) {
        soundFile.OpenArchive(path);
        entries = soundFile.GetEntryCount();
    }
    if (!soundFile.IsUsable())
        state.SkipWithError("the voice archive did not open");
    state.counters["entries"] = entries;
}

void DecodeOnly(benchmark::State& state, std::shared_ptr<SpeakCase> c)
{
    std::vector<uint8_t> pcm(CSoundFile::kWorkBufferSize);
    PcmSink& sink = GetPcmSink();
    for (auto _ : state) {
        sink = PcmSink{0, (uint32_t)pcm.size(), pcm.data()};
        for (const auto& clip : c->clipBytes)
            DecodeClip(clip.data(), (uint32_t)clip.size());
        benchmark::DoNotOptimize(pcm.data());
    }
    state.counters["pcm_bytes"] = sink.bytesWritten;
    sink = PcmSink{0, 0, nullptr};
}

const bool registered = [] {
    for (const bench::EditionFiles& edition : bench::Editions()) {
        std::shared_ptr<SpeakCase> c = MakeCase(edition);
        if (!c) {
            fprintf(stderr, "speak: no three-clip phrase with its clips for %s\n", edition.program);
            continue;
        }
        const std::string p = edition.program;
        benchmark::RegisterBenchmark(("ArchiveOpen/" + p).c_str(), ArchiveOpen, c)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("DecodeOnly/" + p).c_str(), DecodeOnly, c)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("SoundFilePlay/" + p).c_str(), SoundFilePlay, c)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Speak/NullSink/" + p).c_str(), Speak, c, false)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Speak/Pulse/" + p).c_str(), Speak, c, true)
            ->UseManualTime()
            ->Iterations(4)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
