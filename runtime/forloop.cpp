#include "runtime/forloop.h"

#include "runtime/colon.h"
#include "runtime/handlers.h"

#include <cstring>

void mclForStart(mclForLoopIterator* iter, mxArray* a, mxArray* b, mxArray* c)
{
    mclDestroyForLoopIterator(iter);
    iter->started = 1;
    if (!a || mxGetClassID(a) == mxUNINITIALIZED_CLASS)
        mclRaiseError("Undefined value in the range of a for loop.");
    iter->columns = b ? mlfColon(a, b, c) : mclDuplicateArray(a);
    iter->count = mxIsEmpty(iter->columns) ? 0 : mxGetN(iter->columns);
}

int mclForNext(mclForLoopIterator* iter, mxArray** var)
{
    if (!iter->started || iter->next >= iter->count)
        return 0;
    const int k = iter->next++;
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
