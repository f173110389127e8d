#include "shell/NamedColorTable.h"

namespace
{
struct CColorEntry
{
    const char* name;
    std::uint8_t red, green, blue;
};

constexpr CColorEntry kColors[kNamedColorCount] = {
    {"Red", 255, 0, 0},
    {"Green", 0, 255, 0},
    {"Blue", 0, 0, 255},
    {"Pink", 255, 128, 92},
    {"Yellow", 255, 255, 0},
    {"Purple", 255, 0, 255},
    {"Dark Green", 0, 128, 0},
    {"Cyan", 0, 255, 255},
    {"Blueish Green", 0, 113, 113},
    {"Light Purple", 163, 70, 255},
    {"Dark Yellow", 238, 207, 32},
    {"Medium Green", 70, 167, 56},
    {"Dark Blue", 63, 51, 172},
    {"Gold", 234, 182, 26},
};
} // namespace

CNamedColorList BuildNamedColorTable()
{
    CNamedColorList colors;
    for (const CColorEntry& c : kColors)
        colors.push_back(std::make_unique<CNamedColor>(c.name, c.red, c.green, c.blue));
    return colors;
}
