#pragma once
// The voice archive "voice.dat". All integers little-endian.
//
//   offset  size    field
//   0       36      not interpreted (the archive builder's signature and version)
//   36      4       entry count N, signed 32-bit
//   40      4       data base offset B, unsigned 32-bit
//   44      12 * N  index: N VoiceIndexEntry records, in any order
//   ...             clip data
//
// VoiceIndexEntry: clip number (32-bit), clip offset relative to B (unsigned 32-bit), clip length
// in bytes (unsigned 32-bit). Clip bytes are B + offset .. B + offset + length - 1, one MPEG audio
// stream, mono at 22050 samples per second. The first entry of a clip number wins.
#include <cstdint>

struct VoiceArchiveHeader {
    static constexpr uint32_t kSize = 44;
    static constexpr uint32_t kEntryCountOffset = 36;
    static constexpr uint32_t kDataBaseOffset = 40;

    uint8_t bytes[kSize];  // kept whole, as read

    int32_t EntryCount() const { return static_cast<int32_t>(ReadUint32(bytes + kEntryCountOffset)); }
    uint32_t DataBase() const { return ReadUint32(bytes + kDataBaseOffset); }

    static uint32_t ReadUint32(const uint8_t* p)
    {
        return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
               static_cast<uint32_t>(p[3]) << 24;
    }
};

struct VoiceIndexEntry {
    static constexpr uint32_t kSize = 12;

    int32_t clipNumber;
    uint32_t offset;
    uint32_t length;

    static VoiceIndexEntry FromBytes(const uint8_t* p)
    {
        return {static_cast<int32_t>(VoiceArchiveHeader::ReadUint32(p)), VoiceArchiveHeader::ReadUint32(p + 4),
                VoiceArchiveHeader::ReadUint32(p + 8)};
    }
};
