#pragma once

#include <cstdint>

// A calendar date and clock time, field by field (the layout of the platform's SYSTEMTIME).
struct SYSTEMTIME {
    uint16_t wYear;
    uint16_t wMonth;  // 1..12
    uint16_t wDayOfWeek;  // 0 = Sunday; not used for arithmetic
    uint16_t wDay;  // 1..31
    uint16_t wHour;
    uint16_t wMinute;
    uint16_t wSecond;
    uint16_t wMilliseconds;
};
