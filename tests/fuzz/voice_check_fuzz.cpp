// The voice check on arbitrary bytes as an edition's "voice.dat", beside a fixed phrase book
// whose three translations ask for clips 1, 2 and 3: the check must report, never crash or
// read out of bounds, whatever the index and the clips hold.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "phrasebook/PhraseBook.h"
#include "tools/phrasetools/BookBuilder.h"
#include "tools/phrasetools/BookFile.h"
#include "tools/phrasetools/PhraseSource.h"
#include "tools/phrasetools/VoiceCheck.h"

namespace {

bool WriteBytes(const std::string& path, const void* data, size_t size)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

// Makes the folder and its phrase book once; empty when that fails.
std::string MakeFolder()
{
    std::string dir = "/tmp/voice_check_fuzz." + std::to_string(getpid());
    if (system(("mkdir -p " + dir).c_str()) != 0)
        return std::string();
    PhraseSources sources;
    std::vector<SourceError> errors;
    ParseFile("fuzz.txt",
              "major: Basic\nsub: Greetings\n\n@1\nen: One.\nko: 네\n\n@2\nen: Two.\nko: 안녕하세요\n\n"
              "@3\nen: Three.\nko: 감사합니다\n",
              sources, errors);
    Resolve(sources, errors);
    CPhraseBook book;
    std::string bytes, error;
    if (!BuildPhraseBook(sources, BookKind::Korean, nullptr, book, errors) ||
        !SerializePhraseBook(book, bytes, error) || !WriteBytes(dir + "/phrases.dat", bytes.data(), bytes.size()))
        return std::string();
    return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string dir = MakeFolder();
    if (dir.empty() || !WriteBytes(dir + "/voice.dat", data, size))
        return 0;
    VoiceCheckInputs inputs;
    inputs.edition = VoiceEdition::Serrak;
    inputs.dir = dir;
    inputs.limits = DefaultClipLimits(VoiceEdition::Serrak);
    RunVoiceCheck(inputs);
    return 0;
}
