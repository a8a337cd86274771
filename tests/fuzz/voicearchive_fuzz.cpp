// The voice archive loader and its clip reading on arbitrary bytes: the input is written as
// "voice.dat", opened, and every clip number in its index (and one that is not) is played.
#include "platform/core/MessageBox.h"
#include "voice/SoundFile.h"

#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/voicearchive_fuzz." + std::to_string(getpid()) + ".dat";
    static const bool quiet = [] {
        SetMessageBoxHandler([](const String&, const String&, unsigned) { return IDOK; });
        return true;
    }();
    (void)quiet;

    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    CSoundFile archive(String(path.c_str()));
    std::vector<int32_t> numbers;
    for (size_t at = 44; at + 12 <= size && numbers.size() < 8; at += 12)
        numbers.push_back(static_cast<int32_t>(data[at] | data[at + 1] << 8 | data[at + 2] << 16 |
                                               static_cast<uint32_t>(data[at + 3]) << 24));
    numbers.push_back(-1);
    for (int32_t number : numbers)
        archive.Play(&number, 1);
    archive.Play(numbers.data(), static_cast<uint32_t>(numbers.size()));
    return 0;
}
