#include "phrasebook/FavoritesLocation.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <system_error>

#include "baselib/WideChar.h"
#include "platform/core/File.h"

namespace {

// The file SaveFavorites writes before renaming it over the list; the check creates it too.
const char16_t kSaveTemporarySuffix[] = u".new";

// Everything up to and including the last '/' ("" when there is none).
String FolderOf(const String& path)
{
    int slash = path.ReverseFind(u'/');
    return slash < 0 ? String() : path.Left(slash + 1);
}

// The name of the last folder of path: "velora" for /usr/lib/velora/favorites.dat.
String FolderNameOf(const String& path)
{
    String folder = FolderOf(path);
    if (folder.GetLength() < 2)
        return String();
    String withoutSlash = folder.Left(folder.GetLength() - 1);
    return withoutSlash.Mid(withoutSlash.ReverseFind(u'/') + 1);
}

// An absolute folder from the environment, without a trailing '/'; "" when unset, empty or
// relative (a relative XDG folder is to be ignored).
String AbsoluteFolderFromEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    if (!value || value[0] != '/')
        return String();
    String folder(FromAnsiString(value).c_str());
    while (folder.GetLength() > 1 && folder[folder.GetLength() - 1] == u'/')
        folder = folder.Left(folder.GetLength() - 1);
    return folder;
}

String UserDataFolder()
{
    String dataHome = AbsoluteFolderFromEnvironment("XDG_DATA_HOME");
    if (!dataHome.IsEmpty())
        return dataHome;
    String home = AbsoluteFolderFromEnvironment("HOME");
    if (home.IsEmpty())
        return String();
    return home + u"/.local/share";
}

bool FileExists(const String& path)
{
    CFile file;
    return file.Open(path, CFile::modeRead);
}

// Copies from into to whole or not at all: the bytes go to a file beside the target, which is
// renamed into place once complete. False when from cannot be read or to cannot be written.
bool CopyWholeFile(const String& from, const String& to)
{
    CFile source;
    if (!source.Open(from, CFile::modeRead))
        return false;
    const uint32_t length = source.GetLength();
    std::unique_ptr<unsigned char[]> bytes(new (std::nothrow) unsigned char[length ? length : 1]);
    if (!bytes || source.Read(bytes.get(), length) != length)
        return false;
    source.Close();

    const String temporary = to + kSaveTemporarySuffix;
    CFile target;
    if (!target.Open(temporary, CFile::modeWrite | CFile::modeCreate))
        return false;
    bool written = length == 0 || target.Write(bytes.get(), length);
    target.Close();
    if (written && std::rename(ToAnsiString(temporary).c_str(), ToAnsiString(to).c_str()) == 0)
        return true;
    std::remove(ToAnsiString(temporary).c_str());
    return false;
}

}  // namespace

bool CFavoritesLocation::CanSaveAt(const String& path)
{
    const String probe = path + kSaveTemporarySuffix;
    CFile file;
    if (!file.Open(probe, CFile::modeWrite | CFile::modeCreate))
        return false;
    file.Close();
    std::remove(ToAnsiString(probe).c_str());
    return true;
}

String CFavoritesLocation::GetUserPath(const String& installedPath)
{
    String dataFolder = UserDataFolder();
    String programFolderName = FolderNameOf(installedPath);
    if (dataFolder.IsEmpty() || programFolderName.IsEmpty())
        return String();
    int slash = installedPath.ReverseFind(u'/');
    return dataFolder + u"/" + programFolderName + u"/" + installedPath.Mid(slash + 1);
}

String CFavoritesLocation::Resolve(const String& installedPath)
{
    if (CanSaveAt(installedPath))
        return installedPath;
    String userPath = GetUserPath(installedPath);
    if (userPath.IsEmpty())
        return installedPath;

    std::error_code ignored;
    std::filesystem::create_directories(ToAnsiString(FolderOf(userPath)), ignored);
    // The user's own list, once there is one, is never replaced by the installed file.
    if (!FileExists(userPath) && FileExists(installedPath))
        CopyWholeFile(installedPath, userPath);
    return userPath;
}
