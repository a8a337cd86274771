#pragma once
// The folder of the running test program stands in for a program's own folder: it gets links
// to the edition's data files built by the data toolchain, and a fresh favorites file. Tests
// that need a missing or damaged file replace one link and put it back afterwards.

#include <string>
#include <vector>

namespace editiontest {

class ProgramFolder {
public:
    // dataDir: the program folder laid out by the data toolchain (build/<Program>/).
    ProgramFolder(std::string dataDir, std::vector<std::string> files);
    ~ProgramFolder();

    // True when every data file exists in the data folder (the toolchain has run).
    bool IsReady() const { return m_ready; }
    const std::string& GetMissing() const { return m_missing; }

    std::string PathOf(const std::string& name) const;
    // Empties favorites.dat.
    void ResetFavorites();
    std::vector<int> ReadFavorites() const;

    void Remove(const std::string& name);
    void Replace(const std::string& name, const std::string& bytes);
    // Every data file linked again as at the start.
    void RestoreAll();

private:
    std::string m_dataDir;
    std::string m_folder;
    std::vector<std::string> m_files;
    bool m_ready = false;
    std::string m_missing;
};

} // namespace editiontest
