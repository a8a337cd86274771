#include "tools/phrasetools/FileIo.h"

#include <cstdio>
#include <fstream>
#include <sstream>

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream text;
    text << in.rdbuf();
    bytes = text.str();
    return !in.bad();
}

bool WriteFileIfChanged(const std::string& path, const std::string& bytes)
{
    std::string existing;
    if (ReadWholeFile(path, existing) && existing == bytes)
        return true;
    std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", temporary.c_str());
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::fprintf(stderr, "cannot replace %s\n", path.c_str());
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
