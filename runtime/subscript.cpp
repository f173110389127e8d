#include "runtime/subscript.h"

#include "runtime/colon.h"
#include "runtime/handlers.h"
#include "runtime/operand.h"

#include <cmath>

namespace mcl
{
namespace
{
[[noreturn]] void beyond(Bounds bounds)
{
    if (bounds == Bounds::Delete)
        mclRaiseError("Index of element to remove exceeds matrix dimensions.");
    mclRaiseError("Index exceeds matrix dimensions.");
}

bool isRow(const std::vector<int>& dims)
{
    return dims.size() == 2 && dims[0] == 1;
}

void refuseCells(const mxArray* subscript)
{
    if (mxIsCell(subscript))
        mclRaiseError("Function 'subsindex' is not defined for values of class 'cell'.");
}
} // namespace

Selection resolve(const mxArray* subscript, std::size_t extent, Bounds bounds)
{
    Selection s;
    if (mlfIsColonIndex(subscript))
    {
        s.colon = true;
        s.positions.resize(extent);
        for (std::size_t i = 0; i < extent; ++i)
            s.positions[i] = i;
        s.shape = {static_cast<int>(extent), 1};
        s.end = extent;
        return s;
    }
    refuseCells(subscript);
    const Operand x(subscript, "subsindex");
    if (x.isLogical())
    {
        for (std::size_t i = 0; i < x.count(); ++i)
            if (x.re(i) != 0.0)
                s.positions.push_back(i);
        const int k = static_cast<int>(s.positions.size());
        s.shape = isRow(x.dims()) ? std::vector<int>{1, k} : std::vector<int>{k, 1};
    }
    else
    {
        s.positions.reserve(x.count());
        for (std::size_t i = 0; i < x.count(); ++i)
        {
            const double v = x.re(i);
            if (!(v >= 1.0) || v != std::floor(v) || v > 2147483647.0)
                mclRaiseError("Subscript indices must either be real positive integers or "
                              "logicals.");
            s.positions.push_back(static_cast<std::size_t>(v) - 1);
        }
        s.shape = x.dims();
    }
    for (std::size_t p : s.positions)
        s.end = std::max(s.end, p + 1);
    if (s.end > extent && bounds != Bounds::Grow)
        beyond(bounds);
    return s;
}

std::size_t countSelected(const mxArray* subscript, std::size_t extent)
{
    if (mlfIsColonIndex(subscript))
        return extent;
    refuseCells(subscript);
    if (!mxIsLogical(subscript))
        return static_cast<std::size_t>(mxGetNumberOfElements(subscript));
    const double* re = mclGetPr(subscript);
    std::size_t n = 0;
    for (int i = 0; i < mxGetNumberOfElements(subscript); ++i)
        n += re[i] != 0.0 ? 1 : 0;
    return n;
}

std::vector<std::size_t> extentsFor(const std::vector<int>& dims, std::size_t n)
{
    std::vector<std::size_t> e(n, 1);
    for (std::size_t d = 0; d < dims.size(); ++d)
        e[std::min(d, n - 1)] *= static_cast<std::size_t>(dims[d]);
    return e;
}

void copyElement(mxArray* dst, std::size_t j, const mxArray* src, std::size_t i)
{
    if (mxIsCell(dst))
    {
        mclSetCell(dst, static_cast<int>(j),
                   mclDuplicateArray(mclGetCell(src, static_cast<int>(i))));
        return;
    }
    double re = 0.0;
    double im = 0.0;
    if (const mxChar* c = mclGetChars(src))
        re = c[i];
    else
    {
        re = mclGetPr(src)[i];
        im = mclGetPi(src) ? mclGetPi(src)[i] : 0.0;
    }
    if (mxChar* c = mclGetChars(dst))
    {
        c[j] = re >= 65535.0 ? 65535 : (re > 0.0 ? static_cast<mxChar>(re) : 0);
        return;
    }
    mclGetPr(dst)[j] = re;
    if (double* dim = mclGetPi(dst))
        dim[j] = im;
}

mxArray* newArrayOf(mxClassID id, const std::vector<int>& dims, bool complex, bool logical)
{
    const bool numeric = id != mxCHAR_CLASS && id != mxCELL_CLASS;
    mxArray* a = mclCreateNumericArray(static_cast<int>(dims.size()), dims.data(),
                                       numeric ? mxDOUBLE_CLASS : id,
                                       complex && numeric ? mxCOMPLEX : mxREAL);
    mclSetLogical(a, logical && numeric);
    return a;
}

bool isPlaceholder(const mxArray* a)
{
    return !a || mxGetClassID(a) == mxUNINITIALIZED_CLASS;
}
} // namespace mcl
