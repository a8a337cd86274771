#pragma once

// Library-level exports kept for binary compatibility with programs built against earlier
// versions of libtessel.so; they play no part in the phrase book.

#include "baselib/TesselExport.h"

// Returns 42.
TESSEL_API int fnTessel();
// Initially 0.
extern TESSEL_API int nTessel;

class TESSEL_API CTessel {
public:
    CTessel();
    CTessel& operator=(const CTessel& other);
};
