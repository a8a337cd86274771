#pragma once

// The message box call of the platform layer, with a replaceable handler.
//
// ShowMessageBox hands text, title and type to the installed handler and returns its answer.
// Without a handler it writes "title: text" to standard error and answers IDOK. The Qt layer
// installs the real dialog; tests install a recording handler. The call is safe from any thread;
// the handler runs on the calling thread.

#include "baselib/String.h"

#include <functional>

enum : unsigned { MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ICONWARNING = 0x30, MB_ICONINFORMATION = 0x40 };
enum : int { IDOK = 1, IDCANCEL = 2 };

int ShowMessageBox(const String& text, const String& title, unsigned type);

using MessageBoxHandler = std::function<int(const String& text, const String& title, unsigned type)>;
// Installs handler (an empty one restores the standard-error default); returns the previous one.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
