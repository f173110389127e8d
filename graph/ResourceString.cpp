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
// clang-format off
constexpr CStringEntry kStringTable[] = {
    {154, ".crv"},
    {156, "Curve Files (*.crv) |*.crv||"},
    {179, "TS-"},
    {190, "?"},
    {191, "Error"},
    {193, "EQ-"},
    {194, "BS-"},
    {195, "HPB-"},
    {196, "HPLR-"},
    {197, "LPB-"},
    {198, "LPLR-"},
    {199, "NT-"},
    {201, "C1HP-"},
    {202, "C1LP-"},
    {203, "Yes"},
    {204, "No"},
    {205, "YES"},
    {206, ".par"},
    {207, "Parameter Files (*.par) |*.par||"},
    {208, "*.par"},
    {236, "B1HP-"},
    {237, "B1LP-"},
    {238, "LOPT-"},
    {239, "HIPT-"},
    {240, "VQHP-"},
    {241, "VQLP-"},
    {272, ".drc"},
    {273, "DRC EQ Files (*.drc) |*.drc| All Files (*.*) |*.*||"},
    {281, "Compression"},
    {285, "ALPS-"},
    {298, "Expansion"},
    {299, ".DR241X"},
    {300, "QZX241X DRC Files (*.DR241X) |*.DR241X| All Files (*.*) |*.*||"},
    {301, ".LD241X"},
    {302, "QZX241X LOUDNESS EQ Files (*.LD241X) |*.LD241X| All Files (*.*) |*.*||"},
    {304, "QZX606X LOUDNESS EQ Files (*.LD606X) |*.LD606X| All Files (*.*) |*.*||"},
    {305, ".LD606X"},
    {308, "QZX606X DRC Files (*.DRC606X) |*.DRC606X| All Files (*.*) |*.*||"},
    {309, ".DRC606X"},
};
// clang-format on
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
