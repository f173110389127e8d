#include "runtime/relational.h"

#include "runtime/handlers.h"

#include <algorithm>
#include <cstddef>

namespace
{
// Real part of element i of a double or char array.
double realAt(const mxArray* a, std::size_t i)
{
    if (const mxChar* chars = mclGetChars(a))
        return chars[i];
    return mclGetPr(a)[i];
}

void requireComparable(const mxArray* a, const char* op)
{
    if (!a)
        mclRaiseError("Not enough input arguments.");
    if (mxIsCell(a))
        mclRaiseError("Function '%s' is not defined for values of class 'cell'.", op);
}

bool sameShape(const mxArray* a, const mxArray* b)
{
    const int n = mxGetNumberOfDimensions(a);
    return n == mxGetNumberOfDimensions(b) &&
           std::equal(mxGetDimensions(a), mxGetDimensions(a) + n, mxGetDimensions(b));
}

// Applies cmp to the real parts of a and b with scalar expansion.
template <class Compare>
mxArray* compareElements(const mxArray* a, const mxArray* b, const char* op, Compare cmp)
{
    requireComparable(a, op);
    requireComparable(b, op);
    const bool aScalar = mxGetNumberOfElements(a) == 1;
    const bool bScalar = mxGetNumberOfElements(b) == 1;
    if (!aScalar && !bScalar && !sameShape(a, b))
        mclRaiseError("Matrix dimensions must agree.");
    const mxArray* shape = aScalar && !bScalar ? b : a;
    mxArray* out = mclCreateNumericArray(mxGetNumberOfDimensions(shape), mxGetDimensions(shape),
                                         mxDOUBLE_CLASS, mxREAL);
    mclSetLogical(out, true);
    double* pr = mclGetPr(out);
    const std::size_t n = static_cast<std::size_t>(mxGetNumberOfElements(out));
    for (std::size_t i = 0; i < n; ++i)
        pr[i] = cmp(realAt(a, aScalar ? 0 : i), realAt(b, bScalar ? 0 : i)) ? 1.0 : 0.0;
    return out;
}
} // namespace

mxArray* mlfGt(const mxArray* a, const mxArray* b)
{
    return compareElements(a, b, ">", [](double x, double y) { return x > y; });
}
