// Feeds arbitrary bytes to the point file readers' parser, two and three numbers to a
// point. Whatever is read, written back in the file's layout, must read back the same.
#include "numerics/engine/PointFile.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace
{
std::string Layout(const std::vector<double>& numbers, int perPoint)
{
    std::string text = "header\nheader\n";
    for (std::size_t i = 0; i < numbers.size(); ++i)
    {
        char buffer[64];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, numbers[i]).ptr;
        text.append(buffer, end);
        text += (i + 1) % std::size_t(perPoint) == 0 ? "\n" : ", ";
    }
    return text;
}

bool Same(double x, double y)
{
    return std::isnan(x) ? std::isnan(y) : x == y && std::signbit(x) == std::signbit(y);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const int perPoint : {2, 3})
    {
        const std::vector<double> numbers = numerics::ParsePointNumbers(text, perPoint);
        const std::vector<double> again =
            numerics::ParsePointNumbers(Layout(numbers, perPoint), perPoint);
        if (again.size() != numbers.size())
            std::abort();
        for (std::size_t i = 0; i < numbers.size(); ++i)
            if (!Same(numbers[i], again[i]))
                std::abort();
    }
    return 0;
}
