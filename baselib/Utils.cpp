#include "baselib/Utils.h"

#include <climits>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The whole path of the running executable, however long; empty when it cannot be read.
std::string ExecutablePath()
{
    std::string path(256, '\0');
    for (;;) {
        ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
        if (length < 0)
            return std::string();
        if (static_cast<size_t>(length) < path.size()) {
            path.resize(static_cast<size_t>(length));
            return path;
        }
        path.resize(path.size() * 2);  // possibly cut: try again with more room
    }
}

std::string EnvironmentOr(const char* name, const std::string& fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? std::string(value) : fallback;
}

std::string HomeFolder()
{
    const char* home = std::getenv("HOME");
    return home != nullptr ? std::string(home) : std::string();
}

std::string DataHome()
{
    std::string home = HomeFolder();
    return EnvironmentOr("XDG_DATA_HOME", home.empty() ? std::string() : home + "/.local/share");
}

std::string ConfigHome()
{
    std::string home = HomeFolder();
    return EnvironmentOr("XDG_CONFIG_HOME", home.empty() ? std::string() : home + "/.config");
}

// A folder of user-dirs.dirs (the format xdg-user-dirs-update writes):
//   XDG_DESKTOP_DIR="$HOME/Desktop"
// Only "$HOME/..." and absolute values are valid. Returns fallback when the key is not there.
std::string UserFolder(const std::string& key, const std::string& fallback)
{
    std::string config = ConfigHome();
    if (config.empty())
        return fallback;
    std::ifstream file(config + "/user-dirs.dirs");
    std::string line;
    std::string prefix = key + "=\"";
    while (std::getline(file, line)) {
        if (line.compare(0, prefix.size(), prefix) != 0 || line.size() < prefix.size() + 1 || line.back() != '"')
            continue;
        std::string value = line.substr(prefix.size(), line.size() - prefix.size() - 1);
        if (value.compare(0, 5, "$HOME") == 0)
            return HomeFolder().empty() ? std::string() : HomeFolder() + value.substr(5);
        if (!value.empty() && value[0] == '/')
            return value;
    }
    return fallback;
}

bool IsFolder(const std::string& path)
{
    struct stat info;
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Days from 1970-01-01 to the given civil date (proleptic Gregorian calendar).
long long DaysFromCivil(long long year, unsigned month, unsigned day)
{
    year -= month <= 2 ? 1 : 0;
    long long era = (year >= 0 ? year : year - 399) / 400;
    auto yearOfEra = static_cast<unsigned>(year - era * 400);
    unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long long>(dayOfEra) - 719468;
}

long long SecondsOf(const SYSTEMTIME& time)
{
    return DaysFromCivil(time.wYear, time.wMonth, time.wDay) * 86400LL + time.wHour * 3600LL + time.wMinute * 60LL
           + time.wSecond;
}

}  // namespace

String CUtils::GetCurrDirPath()
{
    String path(ExecutablePath().c_str());
    int length = path.GetLength();
    if (length == 0)
        return path;
    // The last separator after the first unit; without one, the first unit alone (for an
    // absolute path, the root).
    for (int i = length - 1; i >= 1; --i) {
        if (path[i] == u'/')
            return path.Left(i + 1);
    }
    return path.Left(1);
}

String CUtils::GetFullPath(const char16_t* name)
{
    return GetCurrDirPath() + name;
}

String CUtils::GetProgramFilesPath()
{
    return GetSpecialPath(0);
}

String CUtils::GetFavoritesPath()
{
    return GetSpecialPath(1);
}

String CUtils::GetMyDocumentsPath()
{
    return GetSpecialPath(2);
}

String CUtils::GetFontsPath()
{
    return GetSpecialPath(3);
}

String CUtils::GetStartupPath()
{
    return GetSpecialPath(4);
}

String CUtils::GetPersonalFolderPath()
{
    return GetSpecialPath(5);
}

String CUtils::GetRecentPath()
{
    return GetSpecialPath(6);
}

String CUtils::GetSpecialPath(int kind)
{
    std::string folder;
    std::string dataHome = DataHome();
    std::string home = HomeFolder();
    switch (kind) {
    case 0:
        folder = dataHome.empty() ? std::string() : dataHome + "/applications";
        break;
    case 2:
        folder = UserFolder("XDG_DESKTOP_DIR", home.empty() ? std::string() : home + "/Desktop");
        break;
    case 3:
        folder = dataHome.empty() ? std::string() : dataHome + "/fonts";
        break;
    case 4: {
        std::string config = ConfigHome();
        folder = config.empty() ? std::string() : config + "/autostart";
        break;
    }
    case 5:
        folder = UserFolder("XDG_DOCUMENTS_DIR", home);
        break;
    case 6:
        folder = dataHome.empty() ? std::string() : dataHome + "/RecentDocuments";
        break;
    default:  // 1 (favorites) has no counterpart on this platform
        break;
    }
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return IsFolder(folder) ? String(folder.c_str()) : String();
}

int CUtils::GetTimeDiffInSeconds(SYSTEMTIME* start, SYSTEMTIME* end)
{
    if (start == nullptr || end == nullptr)
        return 0;
    long long seconds = SecondsOf(*end) - SecondsOf(*start);
    if (seconds > INT_MAX)
        return INT_MAX;
    if (seconds < INT_MIN)
        return INT_MIN;
    return static_cast<int>(seconds);
}
