// Internal to the run-time: the levels of an index definition and the one-level reads that
// both the reading and the assigning side of the indexing engine use.
#pragma once

#include "runtime/indexing.h"
#include "runtime/subscript.h"

#include <string>
#include <vector>

namespace mcl
{
enum : int
{
    kFieldLevel = 2,
};

struct Level
{
    int kind = mclPAREN_INDEX;
    std::vector<const mxArray*> subscripts;
    std::string field; // for a field level
};

using Levels = std::vector<Level>;

const Levels& levelsOf(const mclIndexDef* def);

// The elements one parenthesis or brace level selects in a, as a new array.
mxArray* readLevel(const mxArray* a, const Level& level);

// How many elements each subscript of the level selects in a (':' counts the extent).
std::vector<std::size_t> selectedCounts(const mxArray* a, const Level& level);

// The counts of selectedCounts for the last level, applied to what the levels before it
// select in a; empty (one element) for no level or a field level.
std::vector<std::size_t> lastLevelCounts(const mxArray* a, const Levels& levels);

[[noreturn]] void raiseFieldError();
} // namespace mcl
