#pragma once
// Test fixtures for the voice archive: builds the bytes of a "voice.dat" from clips (layout in
// voice/VoiceArchiveFormat.h), and reads the MP3 clips that the build encodes with lame from the
// Debian-shipped ALSA test sounds.
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

struct FixtureClip {
    int32_t number;
    Bytes bytes;
};

// Header (36 signature bytes, count, data base), index in the given order, then the clips.
// `gapBeforeData` bytes of zero lie between the index and the data base.
Bytes BuildVoiceArchive(const std::vector<FixtureClip>& clips, uint32_t gapBeforeData = 0);

// Overwrites the little-endian 32-bit value at `offset`.
void PatchUint32(Bytes& bytes, size_t offset, uint32_t value);

Bytes ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const Bytes& bytes);

// A fresh folder under /tmp, removed by the caller (or left for inspection on failure).
std::string MakeTempFolder();

// "Front_Center", "Front_Left", "Rear_Right" (mono, 22050 Hz) and "Stereo" (Front_Left in the
// left channel, silence in the right).
std::string FixtureClipPath(const std::string& name);
Bytes FixtureClipBytes(const std::string& name);

// The clip decoded by mpg123, as 16-bit samples (interleaved when stereo).
std::vector<int16_t> DecodeWithMpg123(const std::string& path);
