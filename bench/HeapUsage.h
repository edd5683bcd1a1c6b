#pragma once

#include <cstddef>

// Memory figures of this process, for the benchmarks' memory counters.
class HeapUsage {
public:
    // Bytes allocated from the heap right now (glibc's accounting).
    static std::size_t inUse();
    // Starts a new peak: resident-set size now, with the kernel's high-water mark reset to it.
    static std::size_t resetPeakResident();
    // Highest resident-set size since the last reset.
    static std::size_t peakResident();
};
