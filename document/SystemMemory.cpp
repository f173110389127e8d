#include "document/SystemMemory.h"

#include <algorithm>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>

namespace
{
constexpr std::uint64_t kUnknown = std::numeric_limits<std::uint64_t>::max();

// "MemAvailable:  22447632 kB" of /proc/meminfo.
std::uint64_t KernelAvailable()
{
    std::ifstream meminfo("/proc/meminfo");
    std::string key;
    std::uint64_t kiB = 0;
    std::string unit;
    while (meminfo >> key >> kiB >> unit)
        if (key == "MemAvailable:")
            return kiB * 1024;
    return kUnknown;
}

// A number from a control group file; kUnknown for "max" or no file.
std::uint64_t ReadCount(const std::string& path)
{
    std::ifstream file(path);
    std::uint64_t value = 0;
    return file >> value ? value : kUnknown;
}

// The limit of the unified control group hierarchy less what the group uses.
std::uint64_t GroupAvailable()
{
    std::ifstream groups("/proc/self/cgroup");
    std::string line;
    while (std::getline(groups, line))
    {
        if (line.rfind("0::", 0) != 0)
            continue;
        const std::string folder = "/sys/fs/cgroup" + line.substr(3);
        const std::uint64_t limit = ReadCount(folder + "/memory.max");
        const std::uint64_t used = ReadCount(folder + "/memory.current");
        if (limit == kUnknown || used == kUnknown)
            return kUnknown;
        return limit > used ? limit - used : 0;
    }
    return kUnknown;
}
} // namespace

std::uint64_t SystemAvailableMemory()
{
    return std::min(KernelAvailable(), GroupAvailable());
}
