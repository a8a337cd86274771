#include "voice/DecodeClip.h"

#include <mad.h>

#include <cstdio>

namespace {

PcmSink g_pcmSink{0, 0, nullptr};

// The clip handed to libmad: its start and the bytes not yet handed over.
struct InputDescriptor {
    const uint8_t* start;
    uint32_t bytesLeft;
};

mad_flow Input(void* data, mad_stream* stream)
{
    auto* input = static_cast<InputDescriptor*>(data);
    if (input->bytesLeft == 0)
        return MAD_FLOW_STOP;
    // The whole clip at once, as read from the archive; the next call ends the decoding.
    mad_stream_buffer(stream, input->start, input->bytesLeft);
    input->bytesLeft = 0;
    return MAD_FLOW_CONTINUE;
}

// The rule of ScaleSample, inlined into the output loop below.
inline int16_t Scale(int32_t sample)
{
    // Rounding in 64 bits: near the top of the range the sum would overflow 32 bits.
    int64_t rounded = static_cast<int64_t>(sample) + (1 << (MAD_F_FRACBITS - 16));
    if (rounded >= MAD_F_ONE)
        rounded = MAD_F_ONE - 1;
    else if (rounded < -MAD_F_ONE)
        rounded = -MAD_F_ONE;
    return static_cast<int16_t>(rounded >> (MAD_F_FRACBITS + 1 - 16));
}

inline void Put(uint8_t* out, int32_t sample)
{
    const auto bits = static_cast<uint16_t>(Scale(sample));
    out[0] = static_cast<uint8_t>(bits & 0xFF);
    out[1] = static_cast<uint8_t>(bits >> 8);
}

// Stores the frame's samples (interleaved when stereo) as far as whole samples fit in the sink.
// The room is worked out once per frame rather than once per sample: this loop runs for every
// sample of every clip.
mad_flow Output(void*, const mad_header*, mad_pcm* pcm)
{
    PcmSink& sink = g_pcmSink;
    if (!sink.destination || sink.bytesWritten >= sink.capacity)
        return MAD_FLOW_CONTINUE;
    const bool stereo = pcm->channels == 2;
    const uint32_t room = (sink.capacity - sink.bytesWritten) / 2;
    const uint32_t wanted = static_cast<uint32_t>(pcm->length) * (stereo ? 2u : 1u);
    const uint32_t count = wanted < room ? wanted : room;
    uint8_t* out = sink.destination + sink.bytesWritten;
    if (stereo) {
        for (uint32_t n = 0; n < count; ++n)
            Put(out + 2 * n, pcm->samples[n & 1][n >> 1]);
    } else {
        for (uint32_t n = 0; n < count; ++n)
            Put(out + 2 * n, pcm->samples[0][n]);
    }
    sink.bytesWritten += 2 * count;
    return MAD_FLOW_CONTINUE;
}

mad_flow Error(void* data, mad_stream* stream, mad_frame*)
{
    const auto* input = static_cast<InputDescriptor*>(data);
    const auto offset = static_cast<unsigned>(stream->this_frame - input->start);
    std::fprintf(stderr, "decoding error 0x%04x (%s) at byte offset %u\n", static_cast<unsigned>(stream->error),
                 mad_stream_errorstr(stream), offset);
    return MAD_FLOW_BREAK;
}

}  // namespace

PcmSink& GetPcmSink()
{
    return g_pcmSink;
}

int16_t ScaleSample(int32_t sample)
{
    return Scale(sample);
}

uint32_t DecodeClip(const uint8_t* clip, uint32_t length)
{
    InputDescriptor input{clip, clip ? length : 0};
    mad_decoder decoder;
    mad_decoder_init(&decoder, &input, Input, nullptr, nullptr, Output, Error, nullptr);
    mad_decoder_run(&decoder, MAD_DECODER_MODE_SYNC);
    mad_decoder_finish(&decoder);
    return g_pcmSink.bytesWritten;
}
