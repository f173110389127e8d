#include "matrix/matmtxif.h"

#include "matrix/runerr.h"
#include "matrix/wrappers.h"
#include "runtime/assertion.h"
#include "runtime/operators.h"

namespace
{
constexpr const char* kSource = "matmtxif";

using mlfBinary = mxArray* (*)(const mxArray*, const mxArray*);
using mlfUnary = mxArray* (*)(const mxArray*);

bool isMarkerArray(const mxArray* a)
{
    return a == mwNotSupplied.GetData() || a == mwUninitialized.GetData();
}

mwMatrix result(mxArray* res)
{
    MW_ASSERT(res != 0, kSource);
    return mwMatrix(res, 1);
}

mwMatrix apply(const mwMatrix& o1, const mwMatrix& o2, mlfBinary f)
{
    mxArray* o1d = o1.GetData();
    mxArray* o2d = o2.GetData();
    MW_ASSERT(o1d != 0, kSource);
    MW_ASSERT(o2d != 0, kSource);
    return result(f(o1d, o2d));
}

// A comparison: by identity when a marker takes part (sameResult for one and the same
// array, its negation otherwise), else by the run-time.
mwMatrix compare(const mwMatrix& o1, const mwMatrix& o2, mlfBinary f, int sameResult)
{
    mxArray* o1d = o1.GetData();
    mxArray* o2d = o2.GetData();
    MW_ASSERT(o1d != 0, kSource);
    MW_ASSERT(o2d != 0, kSource);
    if (isMarkerArray(o1d) || isMarkerArray(o2d))
        return mwMatrix(o1d == o2d ? sameResult : 1 - sameResult);
    return result(f(o1d, o2d));
}

mwMatrix apply(const mwMatrix& o1, mlfUnary f)
{
    MW_ASSERT(o1.GetData() != 0, kSource);
    return result(f(o1.GetData()));
}
} // namespace

mwMatrix operator*(const mwMatrix& a, const mwMatrix& b)
{
    return apply(a, b, mlfMtimes);
}
mwMatrix operator+(const mwMatrix& a, const mwMatrix& b)
{
    return apply(a, b, mlfPlus);
}
mwMatrix operator-(const mwMatrix& a, const mwMatrix& b)
{
    return apply(a, b, mlfMinus);
}
mwMatrix operator/(const mwMatrix& a, const mwMatrix& b)
{
    return apply(a, b, mlfMrdivide);
}
mwMatrix operator^(const mwMatrix& a, const mwMatrix& b)
{
    return apply(a, b, mlfMpower);
}
mwMatrix operator|(const mwMatrix& a, const mwMatrix& b)
{
    return apply(a, b, mlfOr);
}
mwMatrix operator&(const mwMatrix& a, const mwMatrix& b)
{
    return apply(a, b, mlfAnd);
}
mwMatrix operator>(const mwMatrix& a, const mwMatrix& b)
{
    return compare(a, b, mlfGt, 0);
}
mwMatrix operator<(const mwMatrix& a, const mwMatrix& b)
{
    return compare(a, b, mlfLt, 0);
}
mwMatrix operator>=(const mwMatrix& a, const mwMatrix& b)
{
    return compare(a, b, mlfGe, 1);
}
mwMatrix operator<=(const mwMatrix& a, const mwMatrix& b)
{
    return compare(a, b, mlfLe, 1);
}
mwMatrix operator==(const mwMatrix& a, const mwMatrix& b)
{
    return compare(a, b, mlfEq, 1);
}
mwMatrix operator!=(const mwMatrix& a, const mwMatrix& b)
{
    return compare(a, b, mlfNeq, 0);
}
mwMatrix operator-(const mwMatrix& a)
{
    return apply(a, mlfUnaryminus);
}
mwMatrix operator!(const mwMatrix& a)
{
    return apply(a, mlfNot);
}
mwMatrix operator-(const mwSubMatrix& a)
{
    return -mwMatrix(a);
}
mwMatrix operator!(const mwSubMatrix& a)
{
    return !mwMatrix(a);
}

mwMatrix reallog10(const mwMatrix& x)
{
    const mwMatrix r = log10(x);
    const mwMatrix c = any(any(imag(r)));
    if (static_cast<double>(c) != 0.0)
        throw mwRangeError("reallog10() with complex result.", __LINE__, kSource);
    return r;
}
