#include "tests/editions/ProgramFolder.h"

#include "baselib/String.h"
#include "baselib/Utils.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace editiontest {

namespace {

std::string Utf8(const String& text)
{
    std::string out;
    for (const char16_t* p = text.GetString(); *p; ++p)
        out.push_back(static_cast<char>(*p));   // program folders are ASCII paths
    return out;
}

} // namespace

ProgramFolder::ProgramFolder(std::string dataDir, std::vector<std::string> files)
    : m_dataDir(std::move(dataDir)), m_folder(Utf8(CUtils::GetCurrDirPath())), m_files(std::move(files))
{
    m_ready = true;
    for (const std::string& name : m_files) {
        if (!fs::exists(fs::path(m_dataDir) / name)) {
            m_ready = false;
            m_missing += name + " ";
        }
    }
    RestoreAll();
    ResetFavorites();
}

ProgramFolder::~ProgramFolder() { RestoreAll(); }

std::string ProgramFolder::PathOf(const std::string& name) const { return m_folder + name; }

void ProgramFolder::ResetFavorites()
{
    std::ofstream(PathOf("favorites.dat"), std::ios::binary | std::ios::trunc);
}

std::vector<int> ProgramFolder::ReadFavorites() const
{
    std::ifstream in(PathOf("favorites.dat"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<int> ids;
    for (size_t i = 0; i + 4 <= bytes.size(); i += 4) {
        const auto b = [&](size_t k) { return static_cast<uint32_t>(static_cast<unsigned char>(bytes[i + k])); };
        ids.push_back(static_cast<int>(b(0) | (b(1) << 8) | (b(2) << 16) | (b(3) << 24)));
    }
    return ids;
}

void ProgramFolder::Remove(const std::string& name)
{
    std::error_code ignored;
    fs::remove(PathOf(name), ignored);
}

void ProgramFolder::Replace(const std::string& name, const std::string& bytes)
{
    Remove(name);
    std::ofstream(PathOf(name), std::ios::binary) << bytes;
}

void ProgramFolder::RestoreAll()
{
    for (const std::string& name : m_files) {
        Remove(name);
        std::error_code ignored;
        fs::create_symlink(fs::path(m_dataDir) / name, PathOf(name), ignored);
    }
}

} // namespace editiontest
