#pragma once
// Where a program keeps its favorites file.
//
// The favorites live in "favorites.dat" in the program's folder. A system-wide install puts
// that folder where the user cannot write, and every save would then fail and lose the list.
// In that case the file lives in a folder of the same name under the user's data directory
// instead ($XDG_DATA_HOME, else ~/.local/share): /usr/lib/velora/favorites.dat becomes
// ~/.local/share/velora/favorites.dat, in the same format. The first time, that folder is
// created and the installed favorites.dat, when there is one, is copied into it.
//
// A folder counts as writable when a file can be created in it: the save creates
// "favorites.dat.new" beside the list and renames it over the old one, so the check creates
// (and removes) that very file. Asking for permission bits would be wrong for root, who may
// write to a mode-0555 folder but not to a read-only file system. The check goes through
// CFile, so a test can make a folder unwritable with SetFileOpenFilter.

#include "baselib/String.h"

class CFavoritesLocation
{
public:
    // The file to read and write for installedPath, the full path of "favorites.dat" in the
    // program's folder. Returns installedPath when its folder is writable, and also when there
    // is no user data directory (no usable $XDG_DATA_HOME and no $HOME): saves then fail and
    // say so, as before. Otherwise returns the per-user path, after creating its folder and
    // seeding it from installedPath when the user has no file yet.
    static String Resolve(const String& installedPath);

    // The per-user path for installedPath ("" without a user data directory); creates nothing.
    static String GetUserPath(const String& installedPath);

    // True when the file a save of path writes first (path + ".new") can be created, that is
    // when the folder of path takes new files. Leaves no file behind.
    static bool CanSaveAt(const String& path);
};
