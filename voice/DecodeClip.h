#pragma once
// MP3 decoding of one voice clip with libmad's synchronous decoder, into the process-wide PCM sink.
//
// DecodeClip appends the clip's samples as signed 16-bit little-endian PCM at
// destination + bytesWritten; it never resets the sink, so the clips of one request follow each
// other. A stereo clip is stored interleaved, left first. Samples that do not fit in the capacity
// are dropped (a stereo pair may be split: left kept, right dropped). The first decoding error
// that libmad reports writes one line to standard error and ends the clip; what was decoded
// before it stays. Not re-entrant: one decode at a time.
#include <cstdint>

struct PcmSink {
    uint32_t bytesWritten;
    uint32_t capacity;
    uint8_t* destination;  // null: nothing is stored
};

// The one sink of the process.
PcmSink& GetPcmSink();

// Decodes `length` bytes at `clip` and returns the sink's bytes written afterwards.
uint32_t DecodeClip(const uint8_t* clip, uint32_t length);

// A libmad fixed-point sample (28 fraction bits, 1.0 = 0x10000000) as a 16-bit sample: rounded
// by half a 16-bit step, clipped to [-1.0, 1.0), then shifted right by 13 bits.
int16_t ScaleSample(int32_t sample);
