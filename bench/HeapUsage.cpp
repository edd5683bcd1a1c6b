#include "HeapUsage.h"

#include <malloc.h>

std::size_t HeapUsage::inUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}
