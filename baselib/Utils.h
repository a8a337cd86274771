#pragma once

// CUtils: locating files. Every data file of a program lives in the program's folder, the folder
// of the running executable (never the process's working directory), found through GetFullPath.
//
// Special folders on Linux, taken from the XDG user folders; each getter returns the path
// without a trailing '/', or an empty String when the folder does not exist (none is created):
//   GetProgramFilesPath    the applications menu folder   $XDG_DATA_HOME/applications
//   GetFavoritesPath       (no counterpart)               always empty
//   GetMyDocumentsPath     the desktop folder             XDG_DESKTOP_DIR of user-dirs.dirs
//   GetFontsPath           the user's fonts folder        $XDG_DATA_HOME/fonts
//   GetStartupPath         programs started at log-in     $XDG_CONFIG_HOME/autostart
//   GetPersonalFolderPath  the user's documents folder    XDG_DOCUMENTS_DIR of user-dirs.dirs
//   GetRecentPath          recent documents               $XDG_DATA_HOME/RecentDocuments
// $XDG_DATA_HOME defaults to ~/.local/share and $XDG_CONFIG_HOME to ~/.config; an unset
// XDG_DESKTOP_DIR means ~/Desktop and an unset XDG_DOCUMENTS_DIR means the home folder.

#include "baselib/String.h"
#include "baselib/SystemTime.h"
#include "baselib/TesselExport.h"

class TESSEL_API CUtils {
public:
    // The folder of the running executable, ending with '/' (the whole path, however long).
    // Empty when the executable cannot be found.
    static String GetCurrDirPath();
    // GetCurrDirPath() followed by name: a plain concatenation, no separator added, no cleaning.
    static String GetFullPath(const char16_t* name);

    static String GetProgramFilesPath();
    static String GetFavoritesPath();
    static String GetMyDocumentsPath();
    static String GetFontsPath();
    static String GetStartupPath();
    static String GetPersonalFolderPath();
    static String GetRecentPath();

    // Seconds from start to end (negative when end is earlier), from the date and time fields;
    // milliseconds are ignored. Clamped to the range of int; 0 when either pointer is null.
    static int GetTimeDiffInSeconds(SYSTEMTIME* start, SYSTEMTIME* end);

protected:
    // kind 0..6 in the order of the getters above; any other kind gives an empty String.
    static String GetSpecialPath(int kind);
};
