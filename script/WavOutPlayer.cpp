#include "script/WavOutPlayer.h"

#include <cstdint>
#include <type_traits>

#include "voice/WavOut.h"

static_assert(std::is_same_v<int, int32_t>, "clip numbers are handed on without conversion");

PhrasePlayer PlayThrough(CWavOut& wavOut)
{
    return [&wavOut](const int* clips, int count) {
        if (count > 0)
            wavOut.Play(clips, static_cast<uint32_t>(count));
    };
}
