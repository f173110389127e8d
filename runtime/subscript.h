// Internal to the run-time: subscripts resolved into 0-based positions, and the
// element-by-element copying that indexing needs across classes.
#pragma once

#include "runtime/mxarray.h"

#include <cstddef>
#include <vector>

namespace mcl
{
// What one subscript selects along an extent.
struct Selection
{
    std::vector<std::size_t> positions; // 0-based, in subscript order
    bool colon = false;                 // the bare ':'
    std::vector<int> shape;             // the shape the positions take in a linear read
    std::size_t end = 0;                // largest position + 1, 0 when none
};

enum class Bounds
{
    Read,   // beyond the extent: "Index exceeds matrix dimensions."
    Grow,   // beyond the extent is allowed
    Delete, // beyond the extent: "Index of element to remove exceeds matrix dimensions."
};

Selection resolve(const mxArray* subscript, std::size_t extent, Bounds bounds);

// The number of elements a subscript selects without checking it (':' selects extent).
std::size_t countSelected(const mxArray* subscript, std::size_t extent);

// The extents seen by n subscripts: the first n-1 dimensions, then the product of the rest
// (one subscript sees the element count).
std::vector<std::size_t> extentsFor(const std::vector<int>& dims, std::size_t n);

// Visits every combination of the selections in column-major order with the linear
// position it has in an array of the given extents.
template <class Visit>
void forEachSelected(const std::vector<Selection>& sels, const std::vector<std::size_t>& extents,
                     Visit visit)
{
    const std::size_t n = sels.size();
    std::size_t total = 1;
    for (const Selection& s : sels)
        total *= s.positions.size();
    if (total == 0)
        return;
    std::vector<std::size_t> at(n, 0);
    for (std::size_t k = 0; k < total; ++k)
    {
        std::size_t linear = 0;
        std::size_t stride = 1;
        for (std::size_t d = 0; d < n; ++d)
        {
            linear += sels[d].positions[at[d]] * stride;
            stride *= extents[d];
        }
        visit(k, linear);
        for (std::size_t d = 0; d < n && ++at[d] == sels[d].positions.size(); ++d)
            at[d] = 0;
    }
}

// Copies element i of src into element j of dst, converting between double and char;
// cells receive copies of the source's cells.
void copyElement(mxArray* dst, std::size_t j, const mxArray* src, std::size_t i);

// A new zero-filled array of the class (cells empty), shape and complexity given.
mxArray* newArrayOf(mxClassID id, const std::vector<int>& dims, bool complex, bool logical);

// True for null, uninitialized and shared marker arrays: never written in place.
bool isPlaceholder(const mxArray* a);
} // namespace mcl
