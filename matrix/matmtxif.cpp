#include "matrix/matmtxif.h"

#include "runtime/assertion.h"
#include "runtime/operators.h"

namespace
{
constexpr const char* kSource = "matmtxif";

using mlfRelation = mxArray* (*)(const mxArray*, const mxArray*);

bool isMarkerArray(const mxArray* a)
{
    return a == mwNotSupplied.GetData() || a == mwUninitialized.GetData();
}

// A comparison: by identity when a marker takes part (sameResult for one and the same
// array, its negation otherwise), else by the run-time.
mwMatrix compare(const mwMatrix& o1, const mwMatrix& o2, mlfRelation f, int sameResult)
{
    mxArray* o1d = o1.GetData();
    mxArray* o2d = o2.GetData();
    MW_ASSERT(o1d != 0, kSource);
    MW_ASSERT(o2d != 0, kSource);
    if (isMarkerArray(o1d) || isMarkerArray(o2d))
        return mwMatrix(o1d == o2d ? sameResult : 1 - sameResult);
    mxArray* res = f(o1d, o2d);
    MW_ASSERT(res != 0, kSource);
    return mwMatrix(res, 1);
}
} // namespace

mwMatrix operator>(const mwMatrix& a, const mwMatrix& b)
{
    return compare(a, b, mlfGt, 0);
}
