// DecodeClip on arbitrary bytes: whatever the input, no sample lands outside the sink's area.
// The first input byte chooses a small capacity now and then, so the capacity rules are reached.
// Every decoding error writes a line to standard error: run with -close_fd_mask=2.
#include "voice/DecodeClip.h"

#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const uint32_t capacity = size > 0 && (data[0] & 1) ? data[0] : 660680;
    std::vector<uint8_t> area(capacity);
    PcmSink& sink = GetPcmSink();
    sink = PcmSink{0, capacity, area.data()};
    const uint32_t total = DecodeClip(data, static_cast<uint32_t>(size));
    if (total > capacity || total % 2 != 0)
        std::abort();
    sink = PcmSink{0, 0, nullptr};
    return 0;
}
