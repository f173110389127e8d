// Index definitions, indexed reads, element counts, size and end.
#include "runtime/handlers.h"
#include "runtime/indexlevels.h"
#include "runtime/operand.h"

#include <cmath>
#include <new>

namespace mcl
{
namespace
{
Levels& ensureLevels(mclIndexDef* def)
{
    if (!def->levels)
        def->levels = new Levels;
    return *static_cast<Levels*>(def->levels);
}

bool isVector(const std::vector<int>& dims)
{
    return dims.size() == 2 && (dims[0] == 1 || dims[1] == 1);
}

// A strict vector: one extent 1 and the other not, so that a read keeps its orientation.
bool isProperVector(const std::vector<int>& dims)
{
    return dims.size() == 2 && ((dims[0] == 1) != (dims[1] == 1));
}

mxArray* readParen(const mxArray* a, const std::vector<const mxArray*>& subs)
{
    ArrayPtr placeholder;
    if (isPlaceholder(a))
    {
        placeholder.reset(mclCreateDoubleMatrix(0, 0, mxREAL));
        a = placeholder.get();
    }
    if (subs.empty())
        return mclDuplicateArray(a);
    const std::vector<int> dims = dimsOf(a);
    const std::vector<std::size_t> extents = extentsFor(dims, subs.size());
    std::vector<Selection> sels;
    for (std::size_t k = 0; k < subs.size(); ++k)
        sels.push_back(resolve(subs[k], extents[k], Bounds::Read));
    std::vector<int> shape;
    if (subs.size() > 1)
        for (const Selection& s : sels)
            shape.push_back(static_cast<int>(s.positions.size()));
    else if (!sels[0].colon && isProperVector(dims) && isVector(sels[0].shape))
    {
        const int k = static_cast<int>(sels[0].positions.size());
        shape = dims[0] == 1 ? std::vector<int>{1, k} : std::vector<int>{k, 1};
    }
    else
        shape = sels[0].shape;
    ArrayPtr r(newArrayOf(mxGetClassID(a), shape, mxIsComplex(a), mxIsLogical(a)));
    forEachSelected(sels, extents,
                    [&](std::size_t k, std::size_t linear) { copyElement(r.get(), k, a, linear); });
    dropZeroImaginary(r.get());
    return r.release();
}
} // namespace

const Levels& levelsOf(const mclIndexDef* def)
{
    static const Levels none;
    return def && def->levels ? *static_cast<const Levels*>(def->levels) : none;
}

void raiseFieldError()
{
    mclRaiseError("Attempt to reference field of non-structure array.");
}

mxArray* readLevel(const mxArray* a, const Level& level)
{
    if (level.kind == kFieldLevel)
        raiseFieldError();
    if (level.kind == mclPAREN_INDEX)
        return readParen(a, level.subscripts);
    if (!mxIsCell(a))
        mclRaiseError("Cell contents reference from a non-cell array object.");
    ArrayPtr cells(readParen(a, level.subscripts));
    if (mxGetNumberOfElements(cells.get()) != 1)
    {
        mclSetCommaList(cells.get(), true);
        return cells.release();
    }
    const mxArray* only = mclGetCell(cells.get(), 0);
    return only ? mclDuplicateArray(only) : mclCreateDoubleMatrix(0, 0, mxREAL);
}

std::vector<std::size_t> selectedCounts(const mxArray* a, const Level& level)
{
    const std::vector<int> dims = dimsOf(a);
    const std::size_t n = level.subscripts.size();
    std::vector<std::size_t> counts;
    if (n == 0)
        return counts;
    const std::vector<std::size_t> extents = extentsFor(dims, n);
    for (std::size_t k = 0; k < n; ++k)
        counts.push_back(countSelected(level.subscripts[k], extents[k]));
    return counts;
}
std::vector<std::size_t> lastLevelCounts(const mxArray* a, const Levels& levels)
{
    if (levels.empty() || levels.back().kind == kFieldLevel)
        return {};
    ArrayPtr current;
    for (std::size_t i = 0; i + 1 < levels.size(); ++i)
        current.reset(readLevel(current ? current.get() : a, levels[i]));
    return selectedCounts(current ? current.get() : a, levels.back());
}
} // namespace mcl

void mclInitIndex(mclIndexDef* def)
{
    def->levels = nullptr;
    def->target = nullptr;
}

void mclAddIndex(mclIndexDef* def, int kind, int count, mxArray* const* subscripts)
{
    mcl::Level level;
    level.kind = kind == mclBRACE_INDEX ? mclBRACE_INDEX : mclPAREN_INDEX;
    level.subscripts.assign(subscripts, subscripts + (count > 0 ? count : 0));
    mcl::ensureLevels(def).push_back(std::move(level));
}

void mclAddFieldToLastIndex(mclIndexDef* def, const char* field)
{
    mcl::Level level;
    level.kind = mcl::kFieldLevel;
    level.field = field ? field : "";
    mcl::ensureLevels(def).push_back(std::move(level));
}

void mclCopyIndexDef(mclIndexDef* dst, const mclIndexDef* src)
{
    dst->target = src->target;
    dst->levels = src->levels ? new mcl::Levels(mcl::levelsOf(src)) : nullptr;
}

void mclDestroyIndexDef(mclIndexDef* def, int)
{
    delete static_cast<mcl::Levels*>(def->levels);
    def->levels = nullptr;
}

mxArray* mclComplexRef(const mxArray* a, const mclIndexDef* def)
{
    const mcl::Levels& levels = mcl::levelsOf(def);
    if (levels.empty())
        return mclDuplicateArray(a);
    mcl::ArrayPtr current;
    for (const mcl::Level& level : levels)
        current.reset(mcl::readLevel(current ? current.get() : a, level));
    return current.release();
}

int mclGetNumberOfIndexedElements(const mclIndexDef* def)
{
    std::size_t n = 1;
    for (std::size_t c :
         mcl::lastLevelCounts(def->target ? *def->target : nullptr, mcl::levelsOf(def)))
        n *= c;
    return static_cast<int>(n);
}

namespace
{
// A positive integer argument (a dimension number or a subscript count).
std::size_t positiveInteger(const mxArray* a)
{
    const mcl::Operand x(a, "size");
    const double v = x.count() == 1 ? x.re(0) : 0.0;
    if (!(v >= 1.0) || v != std::floor(v) || v > 2147483647.0)
        mclRaiseError("Dimension argument must be a positive integer scalar within indexing "
                      "range.");
    return static_cast<std::size_t>(v);
}

void setOutput(int nlhs, mxArray* plhs[], int k, mxArray* value)
{
    if (k < std::max(nlhs, 1) && plhs)
        plhs[k] = value;
    else
        mxDestroyArray(value);
}

std::vector<int> shapeOf(const mxArray* a)
{
    return mcl::isPlaceholder(a) ? std::vector<int>{0, 0} : mcl::dimsOf(a);
}
} // namespace

void mlxSize(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    if (nrhs < 1)
        mclRaiseError("Not enough input arguments.");
    if (nrhs > 2)
        mclRaiseError("Too many input arguments.");
    const std::vector<int> dims = shapeOf(prhs[0]);
    if (nrhs == 2)
    {
        if (nlhs > 1)
            mclRaiseError("Too many output arguments.");
        const std::size_t d = positiveInteger(prhs[1]);
        setOutput(nlhs, plhs, 0, mlfScalar(d <= dims.size() ? dims[d - 1] : 1));
        return;
    }
    if (nlhs <= 1)
    {
        mxArray* row = mclCreateDoubleMatrix(1, static_cast<int>(dims.size()), mxREAL);
        for (std::size_t i = 0; i < dims.size(); ++i)
            mclGetPr(row)[i] = dims[i];
        setOutput(nlhs, plhs, 0, row);
        return;
    }
    const std::vector<std::size_t> extents = mcl::extentsFor(dims, static_cast<std::size_t>(nlhs));
    for (int k = 0; k < nlhs; ++k)
        setOutput(nlhs, plhs, k, mlfScalar(static_cast<double>(extents[k])));
}

void mlxEnd(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    if (nrhs != 3)
        mclRaiseError(nrhs < 3 ? "Not enough input arguments." : "Too many input arguments.");
    if (nlhs > 1)
        mclRaiseError("Too many output arguments.");
    const std::size_t k = positiveInteger(prhs[1]);
    const std::size_t n = positiveInteger(prhs[2]);
    const std::vector<std::size_t> extents = mcl::extentsFor(shapeOf(prhs[0]), std::max(k, n));
    setOutput(nlhs, plhs, 0, mlfScalar(static_cast<double>(extents[k - 1])));
}
