#include "platform/core/MessageBox.h"

#include <cstdio>
#include <mutex>

namespace {

std::mutex g_handlerMutex;
MessageBoxHandler g_handler;

int WriteToStandardError(const String& text, const String& title, unsigned)
{
    std::fprintf(stderr, "%s: %s\n", ToAnsiString(title.GetString()).c_str(), ToAnsiString(text.GetString()).c_str());
    return IDOK;
}

}  // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    std::lock_guard<std::mutex> lock(g_handlerMutex);
    MessageBoxHandler previous = std::move(g_handler);
    g_handler = std::move(handler);
    return previous;
}

int ShowMessageBox(const String& text, const String& title, unsigned type)
{
    // Called outside the lock: a handler runs a modal dialog and may show another box.
    MessageBoxHandler handler;
    {
        std::lock_guard<std::mutex> lock(g_handlerMutex);
        handler = g_handler;
    }
    return handler ? handler(text, title, type) : WriteToStandardError(text, title, type);
}
