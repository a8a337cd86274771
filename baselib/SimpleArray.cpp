#include "baselib/SimpleArray.h"

unsigned long CalculateArraySize(unsigned long n)
{
    if (n == 0)
        return 1;
    unsigned long size = 1;
    for (; n != 0; n >>= 1) {
        size <<= 1;
        if (size >= kMaxArraySize)
            return kMaxArraySize;
    }
    return size;
}
