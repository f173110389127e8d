#include "graph/ResourceString.h"

#include <algorithm>
#include <iterator>

namespace
{
struct CStringEntry
{
    unsigned id;
    const char* text;
};

// The string table, sorted by identifier.
constexpr CStringEntry kStringTable[] = {
    {154, ".crv"}, {156, "Curve Files (*.crv) |*.crv||"}, {203, "Yes"}, {204, "No"}, {205, "YES"},
};
} // namespace

std::string LoadResourceString(unsigned id)
{
    const auto it =
        std::lower_bound(std::begin(kStringTable), std::end(kStringTable), id,
                         [](const CStringEntry& e, unsigned key) { return e.id < key; });
    return it != std::end(kStringTable) && it->id == id ? it->text : std::string();
}

CHelpString::CHelpString(unsigned id) : CResourceString(id), m_Buffer(begin(), end())
{
    m_Buffer.push_back('\0');
}
