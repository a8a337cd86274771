#include "bench/ProcStatus.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

long ReadProcStatusKb(const char* field)
{
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    const size_t length = std::strlen(field);
    char line[256];
    long value = -1;
    // A line longer than the buffer arrives in pieces; only a piece that starts a line is
    // matched, so the tail of a long line (a list of groups, say) is never taken for a field.
    bool atLineStart = true;
    while (std::fgets(line, sizeof line, status)) {
        if (atLineStart && std::strncmp(line, field, length) == 0 && line[length] == ':') {
            value = std::strtol(line + length + 1, nullptr, 10);
            break;
        }
        atLineStart = std::strchr(line, '\n') != nullptr;
    }
    std::fclose(status);
    return value;
}
