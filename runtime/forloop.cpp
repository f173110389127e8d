#include "runtime/forloop.h"

#include "runtime/handlers.h"
#include "runtime/libsupport.h"

#include <cmath>
#include <cstring>

namespace
{
// Count of a:step:last by the language's rule, with a small allowance so that a last value
// reached up to rounding still counts.
int rangeCount(double first, double step, double last)
{
    if (std::isnan(first) || std::isnan(step) || std::isnan(last) || step == 0.0 ||
        (step > 0.0 && first > last) || (step < 0.0 && first < last))
        return 0;
    const double q = (last - first) / step;
    if (!std::isfinite(q) || q >= 2147483646.0)
        mclRaiseError("Maximum variable size allowed by the program is exceeded.");
    return static_cast<int>(std::floor(q + 1e-10 * std::max(1.0, std::abs(q)))) + 1;
}
} // namespace

void mclForStart(mclForLoopIterator* iter, mxArray* a, mxArray* b, mxArray* c)
{
    mclDestroyForLoopIterator(iter);
    iter->started = 1;
    if (!b && !c)
    {
        if (!a || mxGetClassID(a) == mxUNINITIALIZED_CLASS)
            mclRaiseError("Undefined value in the range of a for loop.");
        iter->columns = mclDuplicateArray(a);
        iter->count = mxIsEmpty(a) ? 0 : mxGetN(a);
        return;
    }
    mxArray* last = c ? c : b;
    if (mxIsEmpty(a) || mxIsEmpty(last) || (c && mxIsEmpty(b)))
        return;
    iter->first = mclScalarArg(a, "colon", "The first value");
    iter->step = c ? mclScalarArg(b, "colon", "The step") : 1.0;
    iter->count = rangeCount(iter->first, iter->step, mclScalarArg(last, "colon", "The end"));
}

int mclForNext(mclForLoopIterator* iter, mxArray** var)
{
    if (!iter->started || iter->next >= iter->count)
        return 0;
    const int k = iter->next++;
    if (!iter->columns)
    {
        *var = mlfScalar(iter->first + k * iter->step);
        return 1;
    }
    const mxArray* from = iter->columns;
    const int m = mxGetM(from);
    const int dims[2] = {m, 1};
    mxArray* column =
        mclCreateNumericArray(2, dims, mxGetClassID(from), mxIsComplex(from) ? mxCOMPLEX : mxREAL);
    mclSetLogical(column, mxIsLogical(from));
    for (int i = 0; i < m; ++i)
    {
        const int at = k * m + i;
        if (mxIsCell(from))
            mclSetCell(column, i, mclDuplicateArray(mclGetCell(from, at)));
        else if (mxIsChar(from))
            mclGetChars(column)[i] = mclGetChars(from)[at];
        else
            mclGetPr(column)[i] = mclGetPr(from)[at];
        if (mclGetPi(from))
            mclGetPi(column)[i] = mclGetPi(from)[at];
    }
    *var = column;
    return 1;
}

void mclDestroyForLoopIterator(mclForLoopIterator* iter)
{
    if (!iter)
        return;
    mxDestroyArray(iter->columns);
    std::memset(static_cast<void*>(iter), 0, sizeof *iter);
}
