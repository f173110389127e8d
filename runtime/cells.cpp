#include "runtime/cells.h"

#include "runtime/handlers.h"
#include "runtime/operand.h"

#include <cmath>
#include <vector>

namespace
{
void appendExtents(std::vector<int>& dims, const mxArray* a)
{
    const mcl::Operand x(a, "cell");
    for (std::size_t i = 0; i < x.count(); ++i)
    {
        const double v = x.re(i);
        if (std::isnan(v) || v != std::floor(v) || v > 2147483647.0)
            mclRaiseError("Size vector must be a row vector with integer elements.");
        dims.push_back(v > 0.0 ? static_cast<int>(v) : 0);
    }
}
} // namespace

mxArray* mlfCell(const mxArray* m, const mxArray* n, const mxArray* p)
{
    std::vector<int> dims;
    if (m)
        appendExtents(dims, m);
    if (n)
        appendExtents(dims, n);
    if (p)
        appendExtents(dims, p);
    if (dims.size() == 1)
        dims.push_back(dims[0]);
    return mclCreateNumericArray(static_cast<int>(dims.size()), dims.data(), mxCELL_CLASS, mxREAL);
}

int mclUnpackCommaList(mxArray** out, const mxArray* list, int start, int copy)
{
    if (!mclIsCommaList(list))
    {
        if (start > 0)
            return 0;
        out[0] = copy ? mclDuplicateArray(list) : const_cast<mxArray*>(list);
        return 1;
    }
    const int n = mxGetNumberOfElements(list);
    int written = 0;
    for (int i = std::max(start, 0); i < n; ++i, ++written)
    {
        mxArray* cell = mclGetCell(list, i);
        if (!copy)
            out[written] = cell;
        else
            out[written] = cell ? mclDuplicateArray(cell) : mclCreateDoubleMatrix(0, 0, mxREAL);
    }
    return written;
}

mxArray* mclCreateSharedCopy(const mxArray* a)
{
    return mclDuplicateArray(a);
}

void* mclGetData(const mxArray* a)
{
    if (void* chars = mclGetChars(a))
        return chars;
    if (void* cells = mclGetCells(a))
        return cells;
    return mclGetPr(a);
}
