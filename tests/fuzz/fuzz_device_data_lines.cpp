// Feeds arbitrary text to the device data line reader. Every line must end in CR LF and
// hold no other line break, and joining and splitting again must give the same lines.
#include "device/DeviceDataText.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = SplitDeviceDataText(text);
    for (const std::string& line : lines)
        if (line.size() < 2 || line.compare(line.size() - 2, 2, "\r\n") != 0 ||
            line.find('\n') != line.size() - 1)
            std::abort();
    if (SplitDeviceDataText(JoinDeviceDataLines(lines)) != lines)
        std::abort();
    return 0;
}
