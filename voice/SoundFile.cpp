#include "voice/SoundFile.h"

#include "platform/core/MessageBox.h"
#include "voice/DecodeClip.h"
#include "voice/LogLine.h"

#include <memory>
#include <new>

namespace {

const char kOpenError[] = "Open Voice File Error";
const char kCorrupted[] = "Your Application data file is corrupted. Please reinstall your application.";

}  // namespace

CSoundFile::CSoundFile() = default;

CSoundFile::CSoundFile(const String& path)
{
    OpenArchive(path);
}

CSoundFile::~CSoundFile()
{
    CloseArchive();
}

void CSoundFile::OpenArchive(const String& path)
{
    CloseArchive();
    m_path = path;
    m_usable = true;
    LoadArchive(0);
    if (!m_usable)
        CloseArchive();
}

bool CSoundFile::ReportCorrupted()
{
    m_usable = false;
    ShowMessageBox(String(kCorrupted), String(), MB_OK);
    LogLine(3, "%s", kCorrupted);
    return false;
}

bool CSoundFile::LoadArchive(uint32_t expectedLength)
{
    if (!m_file.Open(m_path, CFile::modeRead)) {
        m_usable = false;
        ShowMessageBox(String(kOpenError), String(), MB_OK);
        LogLine(3, "%s", kOpenError);
        return false;
    }
    m_fileLength = m_file.GetLength();
    if (expectedLength != 0 && expectedLength != m_fileLength) {
        // The file stays open and usable: the caller decides what a wrong length means.
        ShowMessageBox(String(kCorrupted), String(), MB_OK);
        LogLine(3, "%s", kCorrupted);
        return false;
    }

    // The index of an earlier load never outlives the header it came with: a reload whose index
    // is empty or refused must not leave old entries pointing into the new file.
    delete[] m_index;
    m_index = nullptr;
    m_entryCount = 0;
    if (m_file.Read(m_header.bytes, VoiceArchiveHeader::kSize) != VoiceArchiveHeader::kSize)
        return ReportCorrupted();
    // A count of 0 or less is an empty index. A count the file cannot hold is refused before
    // anything is allocated for it.
    const int32_t count = m_header.EntryCount();
    if (count <= 0)
        return true;
    const uint64_t indexEnd = VoiceArchiveHeader::kSize + static_cast<uint64_t>(count) * VoiceIndexEntry::kSize;
    if (indexEnd > m_fileLength)
        return ReportCorrupted();

    m_index = new (std::nothrow) VoiceIndexEntry[count];
    // The index is read whole, with one read, and parsed from memory: at start-up an entry per
    // read would cost a system call per clip. indexEnd lies within the 32-bit file length, so
    // the index size fits in 32 bits.
    const auto indexSize = static_cast<uint32_t>(indexEnd - VoiceArchiveHeader::kSize);
    std::unique_ptr<uint8_t[]> records(new (std::nothrow) uint8_t[indexSize]);
    if (!m_index || !records)
        return ReportCorrupted();
    if (m_file.Read(records.get(), indexSize) != indexSize)
        return ReportCorrupted();
    for (int32_t i = 0; i < count; ++i)
        m_index[i] = VoiceIndexEntry::FromBytes(records.get() + static_cast<size_t>(i) * VoiceIndexEntry::kSize);
    m_entryCount = count;
    return true;
}

void CSoundFile::GetIdxMap(int32_t clipNumber, const VoiceIndexEntry** entry) const
{
    LogLine(0, "CSoundFile::GetIdxMap(%d)", clipNumber);
    for (int32_t i = 0; i < m_entryCount; ++i) {
        if (m_index[i].clipNumber == clipNumber) {
            *entry = &m_index[i];
            return;
        }
    }
}

bool CSoundFile::LiesInFile(const VoiceIndexEntry& entry) const
{
    const uint64_t end = static_cast<uint64_t>(m_header.DataBase()) + entry.offset + entry.length;
    return end <= m_fileLength;
}

bool CSoundFile::ReadClip(CByteBuffer* clip)
{
    if (!m_usable)
        return false;
    clip->m_length = m_file.Read(clip->m_pData, clip->m_length);
    return clip->m_length > 0;
}

CByteBuffer* CSoundFile::Play(const int32_t* clipNumbers, uint32_t count)
{
    LogLine(0, "CSoundFile::Play(%d, %d)", count > 0 ? clipNumbers[0] : 0, static_cast<int>(count));
    if (count == 0 || !clipNumbers)
        return nullptr;

    if (!m_workBuffer) {
        m_workBuffer = new (std::nothrow) CByteBuffer(kWorkBufferSize);
        if (!m_workBuffer || !m_workBuffer->m_pData) {
            delete m_workBuffer;
            m_workBuffer = nullptr;
            return nullptr;
        }
        m_workBuffer->m_length = 0;
    }
    m_workBuffer->Clear();
    // Pointed at this archive's buffer on every request, so that the sink never refers to the
    // buffer of another (possibly destroyed) archive object.
    PcmSink& sink = GetPcmSink();
    sink.destination = m_workBuffer->m_pData;
    sink.bytesWritten = 0;
    sink.capacity = kWorkBufferSize;

    for (uint32_t i = 0; i < count; ++i) {
        const VoiceIndexEntry* entry = nullptr;
        GetIdxMap(clipNumbers[i], &entry);
        if (!entry)
            return nullptr;
        if (!LiesInFile(*entry)) {
            LogLine(3, "Voice clip %d lies outside the voice file", clipNumbers[i]);
            return nullptr;
        }
        CByteBuffer* clip = new (std::nothrow) CByteBuffer(entry->length);
        if (!clip || !clip->m_pData) {
            delete clip;
            return nullptr;
        }
        if (!m_file.Seek(m_header.DataBase() + entry->offset) || !ReadClip(clip)) {
            delete clip;
            return nullptr;
        }
        m_workBuffer->m_length = DecodeClip(clip->m_pData, clip->m_length);
        LogLine(0, "wave length=%d", static_cast<int>(m_workBuffer->m_length));
        delete clip;
    }
    return m_workBuffer;
}

void CSoundFile::CloseArchive()
{
    if (m_workBuffer) {
        PcmSink& sink = GetPcmSink();
        if (sink.destination == m_workBuffer->m_pData) {
            sink.destination = nullptr;
            sink.capacity = 0;
            sink.bytesWritten = 0;
        }
        delete m_workBuffer;
        m_workBuffer = nullptr;
    }
    delete[] m_index;
    m_index = nullptr;
    m_entryCount = 0;
    m_usable = false;
    if (m_file.IsOpen())
        m_file.Close();
}
