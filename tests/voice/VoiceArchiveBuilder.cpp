#include "tests/voice/VoiceArchiveBuilder.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

void AppendUint32(Bytes& bytes, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<uint8_t>(value >> shift));
}

}  // namespace

Bytes BuildVoiceArchive(const std::vector<FixtureClip>& clips, uint32_t gapBeforeData)
{
    // The archive starts as the signature (zero-padded to its 36 bytes), made in one piece:
    // inserting it into an empty vector drew a false overflow warning from GCC 12.
    const char signature[36] = "PBVOICE test fixture";
    Bytes archive(signature, signature + sizeof signature);
    const uint32_t dataBase = 44 + 12 * static_cast<uint32_t>(clips.size()) + gapBeforeData;
    AppendUint32(archive, static_cast<uint32_t>(clips.size()));
    AppendUint32(archive, dataBase);
    uint32_t offset = 0;
    for (const FixtureClip& clip : clips) {
        AppendUint32(archive, static_cast<uint32_t>(clip.number));
        AppendUint32(archive, offset);
        AppendUint32(archive, static_cast<uint32_t>(clip.bytes.size()));
        offset += static_cast<uint32_t>(clip.bytes.size());
    }
    archive.resize(dataBase, 0);
    for (const FixtureClip& clip : clips)
        archive.insert(archive.end(), clip.bytes.begin(), clip.bytes.end());
    return archive;
}

void PatchUint32(Bytes& bytes, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.at(offset + i) = static_cast<uint8_t>(value >> (8 * i));
}

Bytes ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string MakeTempFolder()
{
    char folder[] = "/tmp/phrasebook-voice-XXXXXX";
    if (!mkdtemp(folder))
        throw std::runtime_error("mkdtemp failed");
    return folder;
}

std::string FixtureClipPath(const std::string& name)
{
    return std::string(PHRASEBOOK_TEST_CLIPS_DIR) + "/" + name + ".mp3";
}

Bytes FixtureClipBytes(const std::string& name)
{
    return ReadWholeFile(FixtureClipPath(name));
}

std::vector<int16_t> DecodeWithMpg123(const std::string& path)
{
    const std::string command = "mpg123 -q -s '" + path + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        throw std::runtime_error("cannot run mpg123");
    std::vector<int16_t> samples;
    int16_t chunk[4096];
    size_t got;
    while ((got = fread(chunk, sizeof chunk[0], 4096, pipe)) > 0)
        samples.insert(samples.end(), chunk, chunk + got);
    if (pclose(pipe) != 0)
        throw std::runtime_error("mpg123 failed on " + path);
    return samples;
}
