#include "baselib/Tessel.h"

int nTessel = 0;

int fnTessel()
{
    return 42;
}

CTessel::CTessel() = default;

CTessel& CTessel::operator=(const CTessel&) = default;
