// Indexed assignment: storing, growing, deleting and distributing several values.
#include "runtime/colon.h"
#include "runtime/handlers.h"
#include "runtime/indexlevels.h"
#include "runtime/operand.h"

#include <algorithm>

namespace mcl
{
namespace
{
struct Plan
{
    mxClassID id;
    bool complex;
    bool logical;
};

// An array that takes the class of whatever is first stored into it.
bool isFresh(const mxArray* a)
{
    return isPlaceholder(a) || (mxIsDouble(a) && !mxIsLogical(a) && mxGetNumberOfElements(a) == 0);
}

Plan planFor(const mxArray* a, const mxArray* v)
{
    const mxClassID vid = isPlaceholder(v) ? mxDOUBLE_CLASS : mxGetClassID(v);
    if (isFresh(a))
        return {vid, mxIsComplex(v), mxIsLogical(v)};
    if (mxIsCell(a) && vid != mxCELL_CLASS)
        mclRaiseError("Conversion to cell from %s is not possible.", classNameOf(v));
    if (!mxIsCell(a) && vid == mxCELL_CLASS)
        mclRaiseError("Conversion to %s from cell is not possible.", classNameOf(a));
    return {mxGetClassID(a), mxIsComplex(a) || mxIsComplex(v), mxIsLogical(a) && mxIsLogical(v)};
}

std::vector<int> nonSingleton(const std::vector<int>& dims)
{
    std::vector<int> out;
    for (int d : dims)
        if (d != 1)
            out.push_back(d);
    return out;
}

Selection wholeRange(std::size_t extent)
{
    Selection s;
    s.colon = true;
    for (std::size_t i = 0; i < extent; ++i)
        s.positions.push_back(i);
    s.end = extent;
    return s;
}

std::vector<int> toDims(const std::vector<std::size_t>& extents)
{
    return std::vector<int>(extents.begin(), extents.end());
}

// Copies every element of src (seen with the given extents) to the same place in dst.
void copyAll(mxArray* dst, const std::vector<std::size_t>& dstExtents, const mxArray* src,
             const std::vector<std::size_t>& srcExtents)
{
    std::vector<Selection> all;
    for (std::size_t e : srcExtents)
        all.push_back(wholeRange(e));
    forEachSelected(all, dstExtents,
                    [&](std::size_t k, std::size_t linear) { copyElement(dst, linear, src, k); });
}

// The grown shape of a linear assignment reaching position end.
std::vector<int> grownByLinear(const std::vector<int>& dims, std::size_t end)
{
    const int n = static_cast<int>(end);
    if (dims.size() == 2 && dims[0] == 0 && dims[1] == 0)
        return {1, n};
    if (dims.size() == 2 && dims[0] == 1)
        return {1, n};
    if (dims.size() == 2 && dims[1] == 1)
        return {n, 1};
    mclRaiseError("In an assignment  A(I) = B, a matrix A cannot be resized.");
}

mxArray* assignParen(mxArray* a, const std::vector<const mxArray*>& subs, const mxArray* value)
{
    ArrayPtr emptyValue;
    ArrayPtr valueCopy;
    if (isPlaceholder(value))
        value = (emptyValue.reset(mclCreateDoubleMatrix(0, 0, mxREAL)), emptyValue.get());
    else if (value == a)
        value = (valueCopy.reset(mclDuplicateArray(value)), valueCopy.get());
    if (subs.empty())
        return mclDuplicateArray(value);
    const Plan plan = planFor(a, value);
    const std::vector<int> dims = isPlaceholder(a) ? std::vector<int>{0, 0} : dimsOf(a);
    const std::size_t count = countOf(dims);
    const std::size_t valueCount = static_cast<std::size_t>(mxGetNumberOfElements(value));
    std::vector<int> valueDims = dimsOf(value);
    const std::size_t n = subs.size();
    std::vector<std::size_t> extents = extentsFor(dims, n);
    std::vector<std::size_t> grown = extents;
    std::vector<Selection> sels;
    std::vector<int> newDims = dims;
    for (std::size_t k = 0; k < n; ++k)
    {
        if (n > 1 && count == 0 && extents[k] == 0 && mlfIsColonIndex(subs[k]))
            sels.push_back(
                wholeRange(valueCount == 1 ? 1 : (k < valueDims.size() ? valueDims[k] : 1)));
        else
            sels.push_back(resolve(subs[k], extents[k], Bounds::Grow));
        grown[k] = std::max(extents[k], sels[k].end);
    }
    if (grown != extents)
    {
        if (n == 1)
            newDims = grownByLinear(dims, grown[0]);
        else if (n < dims.size())
            mclRaiseError("Attempt to grow array along ambiguous dimension.");
        else
            newDims = toDims(grown);
    }
    std::vector<int> counts;
    for (const Selection& s : sels)
        counts.push_back(static_cast<int>(s.positions.size()));
    if (valueCount != 1 && n == 1 && valueCount != countOf(counts))
        mclRaiseError("In an assignment  A(I) = B, the number of elements in B and I must be "
                      "the same.");
    if (valueCount != 1 && n > 1 && nonSingleton(valueDims) != nonSingleton(counts))
        mclRaiseError("Subscripted assignment dimension mismatch.");
    const bool inPlace = !isPlaceholder(a) && newDims == dims && plan.id == mxGetClassID(a) &&
                         plan.logical == mxIsLogical(a) && (mxIsComplex(a) || !plan.complex);
    ArrayPtr fresh;
    if (!inPlace)
    {
        fresh.reset(newArrayOf(plan.id, newDims, plan.complex, plan.logical));
        if (!isPlaceholder(a))
            copyAll(fresh.get(), n == 1 ? std::vector<std::size_t>{countOf(newDims)} : grown, a,
                    extents);
    }
    mxArray* dst = inPlace ? a : fresh.get();
    forEachSelected(sels, n == 1 ? std::vector<std::size_t>{countOf(newDims)} : grown,
                    [&](std::size_t k, std::size_t linear)
                    { copyElement(dst, linear, value, valueCount == 1 ? 0 : k); });
    return inPlace ? a : fresh.release();
}

// Positions 0..extent-1 not in the selection.
Selection complement(const Selection& s, std::size_t extent)
{
    std::vector<char> gone(extent, 0);
    for (std::size_t p : s.positions)
        gone[p] = 1;
    Selection keep;
    for (std::size_t i = 0; i < extent; ++i)
        if (!gone[i])
            keep.positions.push_back(i);
    return keep;
}

// Deletes the selected elements; null when nothing is deleted.
mxArray* deleteParen(const mxArray* a, const std::vector<const mxArray*>& subs)
{
    const std::vector<int> dims = isPlaceholder(a) ? std::vector<int>{0, 0} : dimsOf(a);
    const mxClassID id = isPlaceholder(a) ? mxDOUBLE_CLASS : mxGetClassID(a);
    const std::size_t n = std::max<std::size_t>(subs.size(), 1);
    const std::vector<std::size_t> extents = extentsFor(dims, n);
    std::vector<Selection> sels;
    for (std::size_t k = 0; k < subs.size(); ++k)
        sels.push_back(resolve(subs[k], extents[k], Bounds::Delete));
    if (sels.empty() || (n == 1 && sels[0].colon))
        return newArrayOf(id, {0, 0}, false, false);
    std::vector<std::size_t> partial;
    for (std::size_t k = 0; k < n; ++k)
    {
        if (sels[k].positions.empty())
            return nullptr;
        if (complement(sels[k], extents[k]).positions.size() != 0)
            partial.push_back(k);
    }
    if (partial.size() > 1)
        mclRaiseError("A null assignment can have only one non-colon index.");
    const std::size_t along = partial.empty() ? 0 : partial[0];
    std::vector<Selection> keep;
    for (std::size_t k = 0; k < n; ++k)
        keep.push_back(k == along ? complement(sels[k], extents[k]) : wholeRange(extents[k]));
    std::vector<std::size_t> kept = extents;
    kept[along] = keep[along].positions.size();
    std::vector<int> newDims = toDims(kept);
    if (n == 1)
    {
        const bool column = dims.size() == 2 && dims[1] == 1 && dims[0] != 1;
        const int r = static_cast<int>(kept[0]);
        newDims = column ? std::vector<int>{r, 1} : std::vector<int>{1, r};
    }
    ArrayPtr r(newArrayOf(id, newDims, mxIsComplex(a), mxIsLogical(a)));
    forEachSelected(keep, extents,
                    [&](std::size_t k, std::size_t linear) { copyElement(r.get(), k, a, linear); });
    return r.release();
}

std::size_t product(const std::vector<std::size_t>& counts)
{
    std::size_t n = 1;
    for (std::size_t c : counts)
        n *= c;
    return n;
}

mxArray* assignBrace(mxArray* a, const Level& level, const mxArray* value)
{
    if (!isFresh(a) && !mxIsCell(a))
        mclRaiseError("Cell contents assignment to a non-cell array object.");
    const std::size_t selected = product(selectedCounts(a, level));
    if (selected != 1)
        mclRaiseError("Expected one output from a curly brace or dot indexing expression, but "
                      "there were %d results.",
                      static_cast<int>(selected));
    ArrayPtr wrapper(mclCreateCellMatrix(1, 1));
    if (value && !isPlaceholder(value))
        mclSetCell(wrapper.get(), 0, mclDuplicateArray(value));
    return assignParen(a, level.subscripts, wrapper.get());
}

// True when every position the level selects already exists in a.
bool selectsExisting(const mxArray* a, const Level& level)
{
    const std::vector<int> dims = isPlaceholder(a) ? std::vector<int>{0, 0} : dimsOf(a);
    const std::size_t n = level.subscripts.size();
    if (n == 0)
        return true;
    const std::vector<std::size_t> extents = extentsFor(dims, n);
    for (std::size_t k = 0; k < n; ++k)
        if (resolve(level.subscripts[k], extents[k], Bounds::Grow).end > extents[k])
            return false;
    return true;
}

// Assigns value through levels[0..count) of a; returns a (changed in place) or a new array.
mxArray* assignLevels(mxArray* a, const Level* levels, std::size_t count, const mxArray* value)
{
    const Level& first = levels[0];
    if (first.kind == kFieldLevel)
        raiseFieldError();
    if (count == 1)
    {
        if (first.kind == mclBRACE_INDEX)
            return assignBrace(a, first, value);
        if (value)
            return assignParen(a, first.subscripts, value);
        mxArray* r = deleteParen(a, first.subscripts);
        return r ? r : a;
    }
    ArrayPtr part(selectsExisting(a, first) && !isPlaceholder(a)
                      ? readLevel(a, first)
                      : mclCreateDoubleMatrix(0, 0, mxREAL));
    mxArray* changed = assignLevels(part.get(), levels + 1, count - 1, value);
    if (changed != part.get())
        part.reset(changed);
    return first.kind == mclBRACE_INDEX ? assignBrace(a, first, part.get())
                                        : assignParen(a, first.subscripts, part.get());
}

// The values of a multiple assignment as one array shaped like the selection: a cell
// array of the values for cells, else the values' 1-by-1 elements.
mxArray* gatherValues(mxArray** values, const std::vector<std::size_t>& counts, bool cells)
{
    std::vector<int> dims = toDims(counts);
    if (dims.size() < 2)
        dims = {1, static_cast<int>(product(counts))};
    const std::size_t n = countOf(dims);
    bool complex = false;
    for (std::size_t k = 0; k < n && !cells; ++k)
    {
        if (mxGetNumberOfElements(values[k]) != 1 || mxIsCell(values[k]))
            mclRaiseError("Subscripted assignment dimension mismatch.");
        complex = complex || mxIsComplex(values[k]);
    }
    ArrayPtr v(newArrayOf(cells ? mxCELL_CLASS : mxDOUBLE_CLASS, dims, complex, false));
    for (std::size_t k = 0; k < n; ++k)
    {
        if (cells)
            mclSetCell(v.get(), static_cast<int>(k), values[k]);
        else
        {
            copyElement(v.get(), k, values[k], 0);
            mxDestroyArray(values[k]);
        }
        values[k] = nullptr;
    }
    return v.release();
}
} // namespace
} // namespace mcl

void mclComplexAssign(mclIndexDef* def, const mxArray* value, int)
{
    const mcl::Levels& levels = mcl::levelsOf(def);
    mxArray* a = *def->target;
    mxArray* result = levels.empty()
                          ? (value ? mclDuplicateArray(value) : mclCreateDoubleMatrix(0, 0, mxREAL))
                          : mcl::assignLevels(a, levels.data(), levels.size(), value);
    if (result != a)
        *def->target = result;
}

void mclMultiAssign(mclIndexDef* def, mxArray** values, int count)
{
    mcl::Levels levels = mcl::levelsOf(def);
    if (levels.empty() || levels.back().kind == mcl::kFieldLevel)
        mcl::raiseFieldError();
    mxArray* a = *def->target;
    const std::vector<std::size_t> counts = mcl::lastLevelCounts(a, levels);
    if (static_cast<std::size_t>(std::max(count, 0)) < mcl::product(counts))
        mclRaiseError("Too many output arguments.");
    bool cells = levels.back().kind == mclBRACE_INDEX;
    if (!cells)
    {
        mcl::ArrayPtr part;
        for (std::size_t i = 0; i + 1 < levels.size(); ++i)
            part.reset(mcl::readLevel(part ? part.get() : a, levels[i]));
        cells = mxIsCell(part ? part.get() : a);
    }
    mcl::ArrayPtr gathered(mcl::gatherValues(values, counts, cells));
    levels.back().kind = mclPAREN_INDEX;
    mxArray* result = mcl::assignLevels(a, levels.data(), levels.size(), gathered.get());
    if (result != a)
        *def->target = result;
}
