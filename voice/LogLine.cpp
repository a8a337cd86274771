#include "voice/LogLine.h"

#include <cstdarg>
#include <cstdio>

void LogLine(int level, const char* format, ...)
{
    char text[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    WriteLog(GetDebugLog(), String(text), level);
}

bool LogTracesBelowZero()
{
    DebugLog* log = GetDebugLog();
    return log && log->m_threshold < 0;
}
