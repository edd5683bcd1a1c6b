#pragma once

#include <cstddef>

// Bytes the process has allocated from the heap right now (glibc's accounting).
class HeapUsage {
public:
    static std::size_t inUse();
};
