#pragma once

// The debug log: "log.log" in the program's folder, recreated by the first GetDebugLog of a run.
//
// File form: the byte-order mark FF FE, then each written line as UTF-16 little-endian units
// without terminator, followed by CR LF (0D 00 0A 00). No time stamp, level or prefix.
// Levels: 0 and 1 tracing, 2 details, 3 failures. The threshold is 3: only failures are written.
//
// Callers write through WriteLog(GetDebugLog(), text, level); when the file cannot be created
// GetDebugLog returns null (and tries again on the next call) and WriteLog does nothing.
// Safe to call from the user-interface thread and the wave output thread at once.

#include "baselib/String.h"
#include "platform/core/File.h"

class DebugLog {
public:
    DebugLog() = default;
    virtual ~DebugLog() = default;
    DebugLog(const DebugLog&) = delete;
    DebugLog& operator=(const DebugLog&) = delete;

    CFile m_file;
    int m_threshold = 3;
};

// The process-wide log, created on first use. path (ignored once the log exists) replaces the
// default "log.log" next to the program. Returns null when the file cannot be created.
DebugLog* GetDebugLog(const String* path = nullptr);

// Writes text and CR LF when level reaches the log's threshold; a null log writes nothing.
// A failed write is not reported.
void WriteLog(DebugLog* log, const String& text, int level);

// Closes and forgets the process-wide log, so the next GetDebugLog recreates it. For shutdown
// and tests; no WriteLog may run at the same time.
void ReleaseDebugLog();
