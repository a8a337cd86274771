// DecodeClip on arbitrary bytes: whatever the input, no sample lands outside the sink's area.
// The first input byte chooses a small capacity now and then, so the capacity rules are reached.
// Every decoding error writes a line to standard error: run with -close_fd_mask=2.
//
// libmad itself is not instrumented, so the target reports how much was decoded (frames, and
// whether the sink filled up) through libFuzzer's extra counters: inputs that decode further
// count as new coverage, and the fuzzer grows real frames instead of staying at a few bytes.
#include "voice/DecodeClip.h"

#include <cstdlib>
#include <vector>

namespace {

constexpr size_t kFrameBuckets = 256;
__attribute__((used, section("__libfuzzer_extra_counters"))) uint8_t g_decodedCounters[kFrameBuckets * 2];

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const bool smallArea = size > 0 && (data[0] & 1);
    const uint32_t capacity = smallArea ? data[0] : 1u << 16;
    std::vector<uint8_t> area(capacity);
    PcmSink& sink = GetPcmSink();
    sink = PcmSink{0, capacity, area.data()};
    const uint32_t total = DecodeClip(data, static_cast<uint32_t>(size));
    if (total > capacity || total % 2 != 0)
        std::abort();
    sink = PcmSink{0, 0, nullptr};

    const size_t frames = total / 1152 < kFrameBuckets ? total / 1152 : kFrameBuckets - 1;
    g_decodedCounters[(smallArea ? kFrameBuckets : 0) + frames] = 1;
    if (total % 1152 != 0)
        g_decodedCounters[kFrameBuckets - 1] = 1;
    return 0;
}
