#pragma once
// The artwork of the programs: PNG images rendered at build time from the SVG sources in the
// art/ folders and compiled into the programs.

#include <cstddef>

struct EmbeddedArt {
    const char* name;             // the SVG's file name without ".svg"
    const unsigned char* png;
    std::size_t size;
};

// The shared artwork of editions/common/art by name; null when there is none.
const EmbeddedArt* FindCommonArt(const char* name);
