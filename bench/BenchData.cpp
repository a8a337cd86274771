#include "bench/BenchData.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace bench {

const std::vector<EditionFiles>& Editions()
{
    static const std::vector<EditionFiles> editions = {
        {"Velora", "phrases.dat", nullptr, "ch.idx", "ch.fon"},
        {"Miravel", "phenjp.dat", "phenkata.dat", "jp.idx", "jp.fon"},
        {"Serrak", "phrases.dat", nullptr, nullptr, nullptr},
    };
    return editions;
}

std::string DataRoot()
{
    const char* root = std::getenv("PHRASEBOOK_BENCH_DATA");
    return root && *root ? root : PHRASEBOOK_BENCH_DATA_DEFAULT;
}

std::string DataPath(const char* program, const char* file)
{
    return DataRoot() + "/" + program + "/" + file;
}

std::string WorkFolder()
{
    static const std::string folder = [] {
        const std::string path = PHRASEBOOK_BENCH_WORK;
        mkdir(path.c_str(), 0755);
        return path;
    }();
    return folder;
}

bool FileExists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    bytes.clear();
    uint8_t chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

bool WriteWholeFile(const std::string& path, const void* bytes, size_t size)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool ok = std::fwrite(bytes, 1, size, file) == size;
    return std::fclose(file) == 0 && ok;
}

String ToSystemString(const std::string& utf8)
{
    return String(utf8.c_str());
}

double Median(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

}  // namespace bench
