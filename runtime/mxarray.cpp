#include "runtime/mxarray.h"

#include "runtime/handlers.h"
#include "runtime/memory.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <vector>

struct mxArray_tag
{
    mxClassID classID = mxDOUBLE_CLASS;
    std::vector<int> dims{0, 0};
    void* pr = nullptr; // doubles, mxChars or mxArray* by class
    double* pi = nullptr;
    bool logical = false;
    bool commaList = false;
    bool shared = false; // one of the two process-wide arrays
};

namespace
{
long g_liveArrays = 0;

std::size_t countOf(const std::vector<int>& dims)
{
    std::size_t n = 1;
    for (int d : dims)
        n *= static_cast<std::size_t>(d);
    return n;
}

std::size_t elementSize(mxClassID id)
{
    switch (id)
    {
    case mxCHAR_CLASS:
        return sizeof(mxChar);
    case mxCELL_CLASS:
        return sizeof(mxArray*);
    default:
        return sizeof(double);
    }
}

// Checks a requested shape and returns its element count; negative extents count as 0.
std::vector<int> normalizedDims(int ndim, const int* dims)
{
    std::vector<int> out;
    for (int i = 0; i < ndim; ++i)
        out.push_back(dims ? std::max(dims[i], 0) : 0);
    while (out.size() < 2)
        out.push_back(out.empty() ? 0 : 1);
    while (out.size() > 2 && out.back() == 1)
        out.pop_back();
    std::size_t n = 1;
    for (int d : out)
    {
        if (d != 0 && n > static_cast<std::size_t>(std::numeric_limits<int>::max()) / d)
            mclRaiseError("Maximum variable size allowed by the program is exceeded.");
        n *= static_cast<std::size_t>(d);
    }
    return out;
}

void freeCells(mxArray* a)
{
    auto** cells = static_cast<mxArray**>(a->pr);
    if (!cells)
        return;
    const std::size_t n = countOf(a->dims);
    for (std::size_t i = 0; i < n; ++i)
        mxDestroyArray(cells[i]);
}

// Makes a new array with zero-filled blocks; reports out of memory after cleaning up.
mxArray* makeArray(mxClassID id, std::vector<int> dims, bool complex)
{
    const std::size_t n = countOf(dims);
    void* pr = nullptr;
    double* pi = nullptr;
    if (n > 0)
    {
        pr = mclTryMalloc(n * elementSize(id));
        if (complex && pr)
            pi = static_cast<double*>(mclTryMalloc(n * sizeof(double)));
        if (!pr || (complex && !pi))
        {
            mxFree(pr);
            mclRaiseOutOfMemory();
        }
        std::memset(pr, 0, n * elementSize(id));
        if (pi)
            std::memset(pi, 0, n * sizeof(double));
    }
    auto* a = new (std::nothrow) mxArray_tag;
    if (!a)
    {
        mxFree(pr);
        mxFree(pi);
        mclRaiseOutOfMemory();
    }
    a->classID = id;
    a->dims = std::move(dims);
    a->pr = pr;
    a->pi = pi;
    ++g_liveArrays;
    return a;
}

mxArray* sharedArray(mxClassID id)
{
    auto* a = new mxArray_tag;
    a->classID = id;
    a->shared = true;
    return a;
}

int clampToInt(std::size_t n)
{
    return n > static_cast<std::size_t>(std::numeric_limits<int>::max())
               ? std::numeric_limits<int>::max()
               : static_cast<int>(n);
}
} // namespace

mxArray* mclCreateNumericArray(int ndim, const int* dims, mxClassID classID,
                               mxComplexity complexity)
{
    const bool complex = complexity == mxCOMPLEX && classID != mxCHAR_CLASS &&
                         classID != mxCELL_CLASS;
    return makeArray(classID, normalizedDims(ndim, dims), complex);
}

mxArray* mclCreateDoubleMatrix(int m, int n, mxComplexity complexity)
{
    const int dims[2] = {m, n};
    return makeArray(mxDOUBLE_CLASS, normalizedDims(2, dims), complexity == mxCOMPLEX);
}

mxArray* mclCreateString(const char* text)
{
    const std::size_t len = text ? std::strlen(text) : 0;
    const int dims[2] = {len ? 1 : 0, clampToInt(len)};
    mxArray* a = makeArray(mxCHAR_CLASS, normalizedDims(2, dims), false);
    auto* chars = static_cast<mxChar*>(a->pr);
    for (std::size_t i = 0; i < len; ++i)
        chars[i] = static_cast<unsigned char>(text[i]);
    return a;
}

mxArray* mclCreateCharMatrix(int m, int n)
{
    const int dims[2] = {m, n};
    return makeArray(mxCHAR_CLASS, normalizedDims(2, dims), false);
}

mxArray* mclCreateCellMatrix(int m, int n)
{
    const int dims[2] = {m, n};
    return makeArray(mxCELL_CLASS, normalizedDims(2, dims), false);
}

mxArray* mlfScalar(double v)
{
    mxArray* a = mclCreateDoubleMatrix(1, 1, mxREAL);
    mclGetPr(a)[0] = v;
    return a;
}

mxArray* mlfComplexScalar(double re, double im)
{
    mxArray* a = mclCreateDoubleMatrix(1, 1, mxCOMPLEX);
    mclGetPr(a)[0] = re;
    mclGetPi(a)[0] = im;
    return a;
}

mxArray* mclCreateLogicalScalar(bool v)
{
    mxArray* a = mlfScalar(v ? 1.0 : 0.0);
    a->logical = true;
    return a;
}

mxArray* mclGetUninitializedArray()
{
    static mxArray* const array = sharedArray(mxUNINITIALIZED_CLASS);
    return array;
}

mxArray* mclGetUnassignedArray()
{
    static mxArray* const array = sharedArray(mxUNINITIALIZED_CLASS);
    return array;
}

void mxDestroyArray(mxArray* a)
{
    if (!a || a->shared)
        return;
    if (a->classID == mxCELL_CLASS)
        freeCells(a);
    mxFree(a->pr);
    mxFree(a->pi);
    delete a;
    --g_liveArrays;
}

mxArray* mclDuplicateArray(const mxArray* a)
{
    if (!a)
        return nullptr;
    if (a->shared)
        return const_cast<mxArray*>(a);
    mxArray* copy = makeArray(a->classID, a->dims, a->pi != nullptr);
    copy->logical = a->logical;
    copy->commaList = a->commaList;
    const std::size_t n = countOf(a->dims);
    if (a->classID == mxCELL_CLASS)
    {
        auto** from = static_cast<mxArray**>(a->pr);
        auto** to = static_cast<mxArray**>(copy->pr);
        try
        {
            for (std::size_t i = 0; i < n; ++i)
                to[i] = mclDuplicateArray(from[i]);
        }
        catch (...)
        {
            mxDestroyArray(copy);
            throw;
        }
    }
    else if (n > 0)
    {
        std::memcpy(copy->pr, a->pr, n * elementSize(a->classID));
        if (a->pi)
            std::memcpy(copy->pi, a->pi, n * sizeof(double));
    }
    return copy;
}

void mclUnshareArray(mxArray*, int) {}

int mclCppOwnsArray(mxArray*) { return 1; }

mxClassID mxGetClassID(const mxArray* a) { return a ? a->classID : mxUNKNOWN_CLASS; }

int mxGetM(const mxArray* a) { return a ? a->dims[0] : 0; }

int mxGetN(const mxArray* a)
{
    if (!a)
        return 0;
    std::size_t n = 1;
    for (std::size_t i = 1; i < a->dims.size(); ++i)
        n *= static_cast<std::size_t>(a->dims[i]);
    return clampToInt(n);
}

int mxGetNumberOfDimensions(const mxArray* a)
{
    return a ? static_cast<int>(a->dims.size()) : 2;
}

const int* mxGetDimensions(const mxArray* a)
{
    static const int none[2] = {0, 0};
    return a ? a->dims.data() : none;
}

int mxGetNumberOfElements(const mxArray* a) { return a ? clampToInt(countOf(a->dims)) : 0; }

int mxGetElementSize(const mxArray* a)
{
    return static_cast<int>(elementSize(a ? a->classID : mxDOUBLE_CLASS));
}

bool mxIsComplex(const mxArray* a) { return a && a->pi != nullptr; }
bool mxIsLogical(const mxArray* a) { return a && a->logical; }
bool mxIsChar(const mxArray* a) { return a && a->classID == mxCHAR_CLASS; }
bool mxIsCell(const mxArray* a) { return a && a->classID == mxCELL_CLASS; }
bool mxIsDouble(const mxArray* a) { return a && a->classID == mxDOUBLE_CLASS; }
bool mxIsEmpty(const mxArray* a) { return !a || countOf(a->dims) == 0; }

void mxSetM(mxArray* a, int m)
{
    if (!a || a->shared)
        return;
    const int n = mxGetN(a);
    a->dims = {std::max(m, 0), n};
}

void mxSetN(mxArray* a, int n)
{
    if (!a || a->shared)
        return;
    a->dims = {a->dims[0], std::max(n, 0)};
}

void mclSetDimensions(mxArray* a, int ndim, const int* dims)
{
    if (!a || a->shared)
        return;
    a->dims = normalizedDims(ndim, dims);
}

void mclSetLogical(mxArray* a, bool logical)
{
    if (a && !a->shared)
        a->logical = logical;
}

double* mclGetPr(const mxArray* a)
{
    return a && a->classID != mxCHAR_CLASS && a->classID != mxCELL_CLASS
               ? static_cast<double*>(a->pr)
               : nullptr;
}

double* mclGetPi(const mxArray* a) { return a ? a->pi : nullptr; }

void mclSetPr(mxArray* a, double* block)
{
    if (!a || a->shared)
        return;
    if (a->classID == mxCELL_CLASS)
        freeCells(a);
    if (a->pr != block)
        mxFree(a->pr);
    a->pr = block;
    if (a->classID != mxUNINITIALIZED_CLASS)
        a->classID = mxDOUBLE_CLASS;
}

void mclSetPi(mxArray* a, double* block)
{
    if (!a || a->shared)
        return;
    if (a->pi != block)
        mxFree(a->pi);
    a->pi = block;
}

mxChar* mclGetChars(const mxArray* a)
{
    return a && a->classID == mxCHAR_CLASS ? static_cast<mxChar*>(a->pr) : nullptr;
}

bool mclIsCommaList(const mxArray* a) { return a && a->commaList; }

void mclSetCommaList(mxArray* a, bool isList)
{
    if (a && a->classID == mxCELL_CLASS)
        a->commaList = isList;
}

mxArray* mclGetCell(const mxArray* a, int i)
{
    if (!mxIsCell(a) || i < 0 || i >= mxGetNumberOfElements(a))
        mclRaiseError("Index exceeds matrix dimensions.");
    return static_cast<mxArray**>(a->pr)[i];
}

void mclSetCell(mxArray* a, int i, mxArray* value)
{
    if (!mxIsCell(a) || i < 0 || i >= mxGetNumberOfElements(a))
        mclRaiseError("Index exceeds matrix dimensions.");
    auto** cells = static_cast<mxArray**>(a->pr);
    if (cells[i] != value)
        mxDestroyArray(cells[i]);
    cells[i] = value;
}

mxArray** mclGetCells(const mxArray* a)
{
    return mxIsCell(a) ? static_cast<mxArray**>(a->pr) : nullptr;
}

int mclGetString(const mxArray* a, char* out, int size)
{
    const mxChar* chars = mclGetChars(a);
    const int n = chars ? mxGetNumberOfElements(a) : 0;
    if (out && size > 0)
    {
        const int copied = std::min(n, size - 1);
        for (int i = 0; i < copied; ++i)
            out[i] = chars[i] < 256 ? static_cast<char>(chars[i]) : '?';
        out[copied] = '\0';
    }
    return n;
}

long mclLiveArrayCount() { return g_liveArrays; }
