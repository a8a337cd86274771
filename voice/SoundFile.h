#pragma once
// CSoundFile: the voice archive "voice.dat" (layout in voice/VoiceArchiveFormat.h), and the PCM
// of a phrase's clips decoded into one reused work buffer.
//
// Opened once at start-up and kept open; only the 44-byte header and the index are held in
// memory (each read with one read call), each clip is read with one seek and one read when it
// is played. A missing or corrupt
// archive is reported to the user once, at open; every later Play then returns null.
// Only one Play may run at a time (the PCM sink of DecodeClip is process-wide).
#include "baselib/String.h"
#include "platform/core/File.h"
#include "voice/ByteBuffer.h"
#include "voice/VoiceArchiveFormat.h"
#include "voice/WaveFormat.h"

class CSoundFile : public CWaveFormat {
public:
    // Size of the PCM work buffer: just under 15 seconds of 16-bit mono at 22050 Hz.
    static constexpr uint32_t kWorkBufferSize = 660680;

    // Touches no file.
    CSoundFile();
    // The same as OpenArchive(path).
    explicit CSoundFile(const String& path);
    ~CSoundFile() override;
    CSoundFile(const CSoundFile&) = delete;
    CSoundFile& operator=(const CSoundFile&) = delete;

    // Opens and loads the archive; on failure the archive is closed and IsUsable() is false.
    void OpenArchive(const String& path);
    // Loads the open path; `expectedLength` 0 skips the length check. True on success.
    bool LoadArchive(uint32_t expectedLength);
    // The first index entry of `clipNumber`; leaves *entry unchanged when there is none.
    void GetIdxMap(int32_t clipNumber, const VoiceIndexEntry** entry) const;
    // Reads clip->m_length bytes at the file position into the clip buffer, when the archive is
    // usable; the clip's length becomes the bytes read. True when more than 0 bytes were read.
    bool ReadClip(CByteBuffer* clip);
    // The decoded PCM of the clips, in order, in the work buffer; null when count is 0, a clip is
    // missing, lies outside the file or cannot be read, or the work buffer cannot be allocated.
    // The buffer stays valid until the next Play or CloseArchive.
    CByteBuffer* Play(const int32_t* clipNumbers, uint32_t count);
    void CloseArchive();

    bool IsUsable() const { return m_usable; }
    const VoiceArchiveHeader& GetHeader() const { return m_header; }
    int32_t GetEntryCount() const { return m_entryCount; }

private:
    bool ReportCorrupted();
    bool LiesInFile(const VoiceIndexEntry& entry) const;

    CFile m_file;
    String m_path;
    bool m_usable = false;
    VoiceArchiveHeader m_header{};
    VoiceIndexEntry* m_index = nullptr;
    int32_t m_entryCount = 0;  // entries held in m_index
    uint32_t m_fileLength = 0;
    CByteBuffer* m_workBuffer = nullptr;
};
