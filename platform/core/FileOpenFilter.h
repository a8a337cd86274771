#pragma once

// A test hook on CFile::Open: while a filter is installed, every open asks it first and fails
// (returns false, as for a missing file) when the filter answers false. Upper layers use it to
// prove they cope with files that cannot be opened or created.

#include "baselib/String.h"

#include <functional>

using FileOpenFilter = std::function<bool(const String& path, unsigned flags)>;

// Installs filter (an empty one removes it) and returns the previous one.
FileOpenFilter SetFileOpenFilter(FileOpenFilter filter);
