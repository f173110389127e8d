#include "bench/ProcessMemory.h"

#include <fstream>
#include <string>

namespace
{
// A "VmRSS:" or "VmHWM:" line of /proc/self/status, in bytes.
double StatusBytes(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == key)
        {
            double kiB = 0.0;
            status >> kiB;
            return kiB * 1024.0;
        }
    return 0.0;
}
} // namespace

namespace bench
{
double Resident()
{
    return StatusBytes("VmRSS:");
}

double Peak()
{
    return StatusBytes("VmHWM:");
}

void ResetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}
} // namespace bench
