#include "HeapUsage.h"

#include <fstream>
#include <malloc.h>
#include <string>

namespace {

// A "Name:   1234 kB" line of /proc/self/status, in bytes.
std::size_t statusKilobytes(const char* name) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(name) + ":";
    while (std::getline(status, line))
        if (line.rfind(prefix, 0) == 0)
            return std::stoul(line.substr(prefix.size())) * 1024;
    return 0;
}

} // namespace

std::size_t HeapUsage::inUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

std::size_t HeapUsage::resetPeakResident() {
    malloc_trim(0); // give freed pages back so the baseline is what is really in use
    std::ofstream("/proc/self/clear_refs") << "5";
    return statusKilobytes("VmRSS");
}

std::size_t HeapUsage::peakResident() {
    return statusKilobytes("VmHWM");
}
