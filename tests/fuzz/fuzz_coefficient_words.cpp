// Feeds arbitrary text to the readers of the 24-bit and 28-bit coefficient words. A word
// that is accepted must come back as the same value when written and read again.
#include "device/CoefficientWords.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{
void CheckRoundTrip(const std::string& text, bool (*read)(const std::string&, double*),
                    std::string (*write)(double, bool*))
{
    double value = 0.0;
    if (!read(text, &value))
        return;
    bool saturated = true;
    const std::string again = write(value, &saturated);
    double back = 0.0;
    if (saturated || !read(again, &back) || back != value)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckRoundTrip(text, &Hex24ToCoefficient, &CoefficientToHex24);
    CheckRoundTrip(text, &Hex28ToCoefficient, &CoefficientToHex28);
    return 0;
}
