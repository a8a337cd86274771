#pragma once

#include <cstdint>

// A colour as red, green and blue in one 32-bit value, red in the low byte (0x00BBGGRR).
using ColorRef = uint32_t;

constexpr ColorRef Rgb(unsigned red, unsigned green, unsigned blue)
{
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}
constexpr unsigned RedOf(ColorRef c) { return c & 0xFFu; }
constexpr unsigned GreenOf(ColorRef c) { return (c >> 8) & 0xFFu; }
constexpr unsigned BlueOf(ColorRef c) { return (c >> 16) & 0xFFu; }

constexpr ColorRef ColorBlack = Rgb(0, 0, 0);
constexpr ColorRef ColorWhite = Rgb(255, 255, 255);
constexpr ColorRef ColorYellow = Rgb(255, 255, 0);
constexpr ColorRef ColorBlue = Rgb(0, 0, 255);
