// Feeds arbitrary text to the device data line reader. Every line must end in CR LF and
// hold no other carriage return or line feed (a lone carriage return ends a line), and
// joining and splitting again, or writing the lines as a file and reading it back, must
// give the same lines: what is opened means after a save what it meant before.
// The lines then go through the register read-back, whose words must decode within the
// 24-bit word's range, and the rewrite of the filter block, which keeps every line that
// is neither a section line nor part of an old block. A text that the open and the editor
// take (FindDeviceDataFault) has every register line read back.
#include "device/DeviceDataCheck.h"
#include "device/DeviceDataReadBack.h"
#include "device/DeviceDataText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{
void CheckWords(const CMatrixPtrArray& list)
{
    for (int k = 0; k < list.GetSize(); ++k)
        for (int i = 1; i <= 3; ++i)
        {
            const double v = list.GetAt(k).RealElement(i);
            if (!std::isfinite(v) || v < -8.0 || v >= 8.0)
                std::abort();
        }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines = SplitDeviceDataText(text);
    for (const std::string& line : lines)
        if (line.size() < 2 || line.compare(line.size() - 2, 2, "\r\n") != 0 ||
            line.find_first_of("\r\n") != line.size() - 2)
            std::abort();
    if (SplitDeviceDataText(JoinDeviceDataLines(lines)) != lines ||
        DeviceDataFileText(lines) != JoinDeviceDataLines(lines))
        std::abort();

    CMatrixPtrArray listA, listB;
    std::vector<std::string> refused;
    const int pairs = CollectCoefficientLines(lines, 7, listA, listB, &refused);
    if (pairs != listA.GetSize() || pairs != listB.GetSize())
        std::abort();
    // A text that the open and the editor take has every register line read back.
    if (FindDeviceDataFault(lines, EqDataRules(48000)).empty() && !refused.empty())
        std::abort();
    CheckWords(listA);
    CheckWords(listB);

    const std::size_t before = lines.size();
    std::vector<std::string> warnings;
    ReplaceFilterBlockInPlace(lines, CFilterBlock{}, 7, warnings);
    if (lines.size() > before + 1)
        std::abort();
    return 0;
}
