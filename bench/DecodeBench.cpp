// Decoding: DecodeClip (libmad) over every clip of each edition's "voice.dat", against the peer
// libmpg123 decoding the same clips, from memory, to 16-bit samples in the same run.
//
// Names: DecodeClip/<program> and Mpg123/<program>[/<decoder>]. Counters: "realtime" is seconds
// of speech decoded per second of wall time (the real-time multiple), "samples" the samples
// decoded per pass over the archive (the two decoders may differ by the encoder's padding, which
// libmpg123 trims), "clips" the clip count.

#include <benchmark/benchmark.h>
#include <mpg123.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchData.h"
#include "voice/DecodeClip.h"
#include "voice/VoiceArchiveFormat.h"

namespace {

constexpr double kSampleRate = 22050;

struct Archive {
    std::vector<uint8_t> bytes;
    struct Clip {
        const uint8_t* data;
        uint32_t length;
    };
    std::vector<Clip> clips;
};

// Every index entry whose bytes lie in the file, in index order.
std::shared_ptr<Archive> ReadArchive(const std::string& path)
{
    auto archive = std::make_shared<Archive>();
    if (!bench::ReadWholeFile(path, archive->bytes) || archive->bytes.size() < VoiceArchiveHeader::kSize)
        return nullptr;
    VoiceArchiveHeader header;
    std::memcpy(header.bytes, archive->bytes.data(), VoiceArchiveHeader::kSize);
    const uint64_t size = archive->bytes.size();
    const int32_t count = header.EntryCount();
    if (count < 0 || VoiceArchiveHeader::kSize + (uint64_t)count * VoiceIndexEntry::kSize > size)
        return nullptr;
    for (int32_t i = 0; i < count; ++i) {
        const VoiceIndexEntry entry = VoiceIndexEntry::FromBytes(archive->bytes.data() + VoiceArchiveHeader::kSize +
                                                                 (size_t)i * VoiceIndexEntry::kSize);
        const uint64_t start = (uint64_t)header.DataBase() + entry.offset;
        if (entry.length == 0 || start + entry.length > size)
            continue;
        archive->clips.push_back({archive->bytes.data() + start, entry.length});
    }
    return archive;
}

void DecodeWithLibmad(benchmark::State& state, std::shared_ptr<Archive> archive)
{
    // Large enough for the longest clip; the sink is reset before each clip.
    std::vector<uint8_t> pcm(16u << 20);
    PcmSink& sink = GetPcmSink();
    uint64_t samples = 0;
    for (auto _ : state) {
        samples = 0;
        for (const Archive::Clip& clip : archive->clips) {
            sink.destination = pcm.data();
            sink.capacity = (uint32_t)pcm.size();
            sink.bytesWritten = 0;
            samples += DecodeClip(clip.data, clip.length) / 2;
        }
        benchmark::DoNotOptimize(pcm.data());
    }
    sink = PcmSink{0, 0, nullptr};
    state.counters["realtime"] = benchmark::Counter(samples / kSampleRate, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["samples"] = (double)samples;
    state.counters["clips"] = (double)archive->clips.size();
}

void DecodeWithMpg123(benchmark::State& state, std::shared_ptr<Archive> archive, std::string decoder)
{
    int error = 0;
    mpg123_handle* handle = mpg123_new(decoder.empty() ? nullptr : decoder.c_str(), &error);
    if (!handle) {
        state.SkipWithError("mpg123_new failed");
        return;
    }
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    mpg123_format_none(handle);
    for (long rate : {8000L, 11025L, 12000L, 16000L, 22050L, 24000L, 32000L, 44100L, 48000L})
        mpg123_format(handle, rate, MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    state.SetLabel(mpg123_current_decoder(handle) ? mpg123_current_decoder(handle) : "");

    std::vector<unsigned char> pcm(1u << 20);
    uint64_t samples = 0;
    for (auto _ : state) {
        samples = 0;
        for (const Archive::Clip& clip : archive->clips) {
            mpg123_open_feed(handle);
            const unsigned char* input = clip.data;
            size_t inputSize = clip.length;
            for (;;) {
                size_t done = 0;
                const int result = mpg123_decode(handle, input, inputSize, pcm.data(), pcm.size(), &done);
                input = nullptr;
                inputSize = 0;
                samples += done / 2;
                if (result != MPG123_OK && result != MPG123_NEW_FORMAT)
                    break;
            }
            mpg123_close(handle);
        }
        benchmark::DoNotOptimize(pcm.data());
    }
    mpg123_delete(handle);
    state.counters["realtime"] = benchmark::Counter(samples / kSampleRate, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["samples"] = (double)samples;
    state.counters["clips"] = (double)archive->clips.size();
}

const bool registered = [] {
    mpg123_init();
    for (const bench::EditionFiles& edition : bench::Editions()) {
        const std::string path = bench::DataPath(edition.program, "voice.dat");
        std::shared_ptr<Archive> archive = bench::FileExists(path) ? ReadArchive(path) : nullptr;
        if (!archive) {
            fprintf(stderr, "decode: no readable %s\n", path.c_str());
            continue;
        }
        const std::string program = edition.program;
        benchmark::RegisterBenchmark(("DecodeClip/" + program).c_str(), DecodeWithLibmad, archive)
            ->Unit(benchmark::kMillisecond);
        // The library's own choice (its fastest decoder for this processor), and its portable
        // C decoder for a like-for-like view of the arithmetic.
        benchmark::RegisterBenchmark(("Mpg123/" + program).c_str(), DecodeWithMpg123, archive, std::string())
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Mpg123/" + program + "/generic").c_str(), DecodeWithMpg123, archive,
                                     std::string("generic"))
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
