#pragma once
// Reading the memory figures of this process from /proc/self/status, for the benchmarks that
// report them. Plain C library calls only: the start-up probe, a library preloaded into a
// program, links this too.

// The value of the named field of /proc/self/status (for example "VmHWM", the peak resident set,
// or "VmRSS", the resident set now), in the kB the file gives; -1 when the file cannot be read
// or has no such field.
long ReadProcStatusKb(const char* field);
