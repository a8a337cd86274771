#pragma once
// Writes one formatted line (printf rules, ASCII) to the debug log at `level`.
#include "shell/log/DebugLog.h"

void LogLine(int level, const char* format, ...) __attribute__((format(printf, 2, 3)));

// True when the log would write lines below level 0. The wave player writes its exit and stop
// traces only then, so in normal runs they cost nothing.
bool LogTracesBelowZero();
