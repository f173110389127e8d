#include "matrix/dblmtrx.h"

#include "matrix/libinit.h"
#include "matrix/logicerr.h"
#include "matrix/matmtxif.h"
#include "matrix/runerr.h"
#include "matrix/wrappers.h"
#include "runtime/assertion.h"
#include "runtime/elmat.h"
#include "runtime/handlers.h"
#include "runtime/memory.h"
#include "runtime/printarray.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace
{
constexpr const char* kSource = "dblmtrx";

// Lines of the checks and throw sites that reports name.
constexpr int kNotScalarLine = 607;
constexpr int kComplexLine = 614;
constexpr int kDefaultCheckLine = 639;
constexpr int kElementSizeLine = 644;
constexpr int kStringCheckLine = 650;
constexpr int kNullDataLine = 670;
constexpr int kCopyCheckLine = 672;
constexpr int kArrayCheckLine = 689;
constexpr int kRealElementLine = 702;
constexpr int kElementLine = 726;

mxArray* uninitializedEmpty()
{
    const int dims[2] = {0, 0};
    return mclCreateNumericArray(2, dims, mxUNINITIALIZED_CLASS, mxREAL);
}

// The number of elements of a rows-by-cols block; the run-time's size error when the
// count does not fit an int (the run-time's element counts are ints).
std::size_t blockCount(int rows, int cols)
{
    const std::size_t n = rows > 0 && cols > 0 ? static_cast<std::size_t>(rows) * cols : 0;
    if (n > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        mclRaiseError("Maximum variable size allowed by the program is exceeded.");
    return n;
}

// The block build: a real or complex double matrix over blocks that the array takes over.
// The blocks are freed when the array cannot be made, since the caller has handed them on.
// A missing real block of a matrix with elements is made of zeros, so that every double
// array with elements has its real block.
mxArray* buildFromBlocks(int rows, int cols, double* re, double* im)
{
    mxArray* a = nullptr;
    try
    {
        const std::size_t n = blockCount(rows, cols);
        if (!re && n > 0)
            re = static_cast<double*>(mclCalloc(n, sizeof(double)));
        mlfInitFcn();
        a = mclCreateDoubleMatrix(0, 0, mxREAL);
        mlfCleanupFcn();
    }
    catch (...)
    {
        mxFree(re);
        mxFree(im);
        throw;
    }
    mxSetM(a, rows);
    mxSetN(a, cols);
    mclSetPr(a, re);
    mclSetPi(a, im);
    return a;
}

// A new mclMalloc block of rows*cols doubles converted from from, or null for null.
template <class T> double* convertedBlock(int rows, int cols, const T* from)
{
    if (!from)
        return nullptr;
    const std::size_t n = blockCount(rows, cols);
    auto* block = static_cast<double*>(mclMalloc(n * sizeof(double)));
    for (std::size_t i = 0; i < n; ++i)
        block[i] = static_cast<double>(from[i]);
    return block;
}

// Builds from blocks converted from T.
template <class T> mxArray* buildConverted(int rows, int cols, const T* re, const T* im)
{
    double* r = convertedBlock(rows, cols, re);
    double* i = nullptr;
    try
    {
        i = convertedBlock(rows, cols, im);
    }
    catch (...)
    {
        mxFree(r);
        throw;
    }
    return buildFromBlocks(rows, cols, r, i);
}

mxArray* buildByKind(int rows, int cols, int kind)
{
    if (rows < 0 || cols < 0)
        return buildFromBlocks(0, 0, nullptr, nullptr);
    if (kind == mwMatrix::kZeros)
        return buildFromBlocks(
            rows, cols, static_cast<double*>(mclCalloc(blockCount(rows, cols), sizeof(double))),
            nullptr);
    const mwMatrix m(rows);
    const mwMatrix n(cols);
    switch (kind)
    {
    case mwMatrix::kEye:
        return mlfEye(m.GetData(), n.GetData());
    case mwMatrix::kOnes:
        return mlfOnes(m.GetData(), n.GetData());
    case mwMatrix::kRand:
        return mlfRand(m.GetData(), n.GetData());
    case mwMatrix::kRandn:
        return mlfRandn(m.GetData(), n.GetData());
    case mwMatrix::kMagic:
        return mlfMagic(m.GetData());
    default:
        return nullptr;
    }
}

// The check that a constructor made or took a record.
void checkData(const MatrixRef* data, int line)
{
    MW_ASSERT_AT(data != 0, kSource, line);
}

// Truncation toward zero that stays defined for every double.
int truncatedInt(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (v <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}
} // namespace

// Construction.

mwMatrix::mwMatrix() : m_ref(nullptr)
{
    Attach(uninitializedEmpty(), 1);
    checkData(m_ref, kDefaultCheckLine);
}

mwMatrix::mwMatrix(const char* text) : m_ref(nullptr)
{
    Attach(mclCreateString(text), 1);
    checkData(m_ref, kStringCheckLine);
}

mwMatrix::mwMatrix(const mwMatrix& m) : m_ref(nullptr)
{
    if (!m.m_ref)
        mwLogicError("Null matrix data.", kNullDataLine, kSource).Throw();
    m_ref = m.m_ref;
    m_ref->AddRef();
    checkData(m_ref, kCopyCheckLine);
}

mwMatrix::mwMatrix(mxArray* a, int owns) : m_ref(nullptr)
{
    if (a)
        Attach(a, owns);
    else
        Attach(uninitializedEmpty(), 1);
    checkData(m_ref, kArrayCheckLine);
}

mwMatrix::mwMatrix(double v) : m_ref(nullptr)
{
    Attach(mlfScalar(v), 1);
}

mwMatrix::mwMatrix(double re, double im) : m_ref(nullptr)
{
    Attach(mlfComplexScalar(re, im), 1);
}

mwMatrix::mwMatrix(int v) : m_ref(nullptr)
{
    Attach(mlfScalar(v), 1);
}

mwMatrix::mwMatrix(int rows, int cols, double* re, double* im, int copy) : m_ref(nullptr)
{
    Attach(copy ? buildConverted(rows, cols, re, im) : buildFromBlocks(rows, cols, re, im), 1);
}

mwMatrix::mwMatrix(int rows, int cols, const int* re, const int* im) : m_ref(nullptr)
{
    Attach(buildConverted(rows, cols, re, im), 1);
}

mwMatrix::mwMatrix(int rows, int cols, const unsigned short* re, const unsigned short* im)
    : m_ref(nullptr)
{
    Attach(buildConverted(rows, cols, re, im), 1);
}

mwMatrix::mwMatrix(int rows, int cols, int kind) : m_ref(nullptr)
{
    if (mxArray* a = buildByKind(rows, cols, kind))
        Attach(a, 1);
}

mwMatrix::mwMatrix(mxArray* a, int owns, int keep) : mwMatrix(a, owns)
{
    if (keep)
        m_ref->AddRef();
}

mwMatrix::mwMatrix(MatrixRef* ref) : m_ref(ref)
{
    if (m_ref)
        m_ref->AddRef();
}

mwMatrix::~mwMatrix()
{
    Drop(MatrixRef::OnFault::Report);
}

void* mwMatrix::operator new(std::size_t size)
{
    return mclMalloc(size);
}

void mwMatrix::operator delete(void* block)
{
    mxFree(block);
}

void mwMatrix::Attach(mxArray* a, int owns)
{
    m_ref = MatrixRef::Create(a, owns);
}

void mwMatrix::Drop(MatrixRef::OnFault onFault)
{
    MatrixRef* ref = m_ref;
    m_ref = nullptr;
    if (ref && ref->Release() == 0)
        MatrixRef::Free(ref, onFault);
}

// Assignment family.

mwMatrix& mwMatrix::Share(const mwMatrix& source)
{
    if (this == &source)
        return *this;
    MatrixRef* ref = source.m_ref;
    if (ref)
        ref->AddRef();
    Drop(MatrixRef::OnFault::Throw);
    m_ref = ref;
    return *this;
}

mwMatrix& mwMatrix::operator=(const mwMatrix& source)
{
    mclErrorIfUnassigned(source.GetData());
    if (!source.IsInitialized())
        warning(mwMatrix("Reference to uninitialized variable"));
    else if (mclIsCommaList(source.GetData()))
        error(mwMatrix("Illegal right hand side in assignment. Too many elements."));
    return Share(source);
}

mwMatrix& mwMatrix::AssignOutput(const mwMatrix& source)
{
    if (source.IsNotSupplied())
        return *this;
    return Share(source.IsInitialized() ? source : empty());
}

mwMatrix& mwMatrix::AssignCell(const mwMatrix& source)
{
    if (source.IsInitialized())
    {
        Share(source);
        UnpackCommaList();
    }
    return *this;
}

mwMatrix& mwMatrix::AssignAndDisplay(const mwMatrix& source)
{
    if (source.IsInitialized())
    {
        Share(source);
        const mwMatrix shown(*this);
        mclPrintArray(shown.GetData(), "ans");
        UnpackCommaList();
    }
    return *this;
}

// Keeps only the last element of a comma list. The element is taken out of the list when
// this handle is its only holder, and copied otherwise, so that other holders of the list
// keep all of it.
void mwMatrix::UnpackCommaList()
{
    mxArray* list = GetData();
    const int n = mxGetNumberOfElements(list);
    if (!mclIsCommaList(list) || n == 0)
        return;
    mxArray* last = mclGetCell(list, n - 1);
    if (m_ref->Count() == 1)
        mclSetCell(list, n - 1, nullptr);
    else
        last = mclDuplicateArray(last);
    Share(mwMatrix(last, 1));
}

// Copy on write.

void mwMatrix::MakeUnique()
{
    if (m_ref && m_ref->Count() > 1)
    {
        mwMatrix own(mclDuplicateArray(GetData()), 1);
        Share(own);
    }
    else
        mclUnshareArray(GetData(), 0);
}

mxArray* mwMatrix::ReleaseData()
{
    if (!m_ref)
        return nullptr;
    if (m_ref->Count() > 1)
        return mclDuplicateArray(GetData());
    mxArray* a = m_ref->GiveAway();
    MatrixRef::Free(m_ref, MatrixRef::OnFault::Throw);
    m_ref = nullptr;
    return a;
}

// Queries.

bool mwMatrix::IsInitialized() const
{
    return GetData() && mxGetClassID(GetData()) != mxUNINITIALIZED_CLASS;
}

int mwMatrix::Size(int dim) const
{
    const mxArray* a = GetData();
    if (!a || dim < 1)
        return 0;
    if (dim > mxGetNumberOfDimensions(a))
        return 1;
    return mxGetDimensions(a)[dim - 1];
}

int mwMatrix::NumberOfDimensions() const
{
    return mxGetNumberOfDimensions(GetData());
}

int mwMatrix::NumberOfElements() const
{
    return GetData() ? mxGetNumberOfElements(GetData()) : 0;
}

bool mwMatrix::IsEmpty() const
{
    const int n = NumberOfDimensions();
    const int* dims = mxGetDimensions(GetData());
    for (int i = 0; i < n; ++i)
        if (dims[i] != 0)
            return false;
    return true;
}

int mwMatrix::GetDimensions(int* out, int n) const
{
    const int d = NumberOfDimensions();
    const int* dims = mxGetDimensions(GetData());
    for (int i = 0; i < n; ++i)
        out[i] = i < d ? dims[i] : 1;
    for (int i = n; i < d && n > 0; ++i)
        out[n - 1] *= dims[i];
    return d;
}

int mwMatrix::MatchesValue(double v, int all) const
{
    const double* pr = mclGetPr(GetData());
    const int n = NumberOfElements();
    if (!pr || n == 0)
        return 0;
    int matches = 0;
    for (int i = 0; i < n; ++i)
        matches += pr[i] == v ? 1 : 0;
    if (all)
        return matches == n ? all : 0;
    return matches > 0 ? 1 : 0;
}

void mwMatrix::PrintArray(const char* name) const
{
    mclPrintArray(GetData(), name);
}

// Conversions.

mwMatrix::operator double() const
{
    const mxArray* a = GetData();
    const int rows = mxGetM(a);
    const int cols = mxGetN(a);
    if (rows == 0 || cols == 0)
        return 0.0;
    if (rows != 1 || cols != 1)
        mwDomainError(
            mwFormatMessage("Only 1-by-1 matrices can be cast to doubles. Matrix is %d-by-%d.",
                            rows, cols),
            kNotScalarLine, kSource)
            .Throw();
    if (const double* pi = mclGetPi(a))
    {
        if (truncatedInt(mwMatrix(std::fabs(pi[0])) > eps()) == 1)
            mwDomainError("Only non-complex matrices can be cast to doubles.", kComplexLine,
                          kSource)
                .Throw();
    }
    const int size = mxGetElementSize(a);
    if (size == 8 && mclGetPr(a))
        return mclGetPr(a)[0];
    if (size == 2 && mclGetChars(a))
        return static_cast<std::int16_t>(mclGetChars(a)[0]);
    mwLogicError(mwFormatMessage("Can't convert matrix to scalar, unknown element size: %d.", size),
                 kElementSizeLine, kSource)
        .Throw();
}

namespace
{
// Checks a 1-based element number against the matrix seen as rows by (all further
// extents) and returns the 0-based offset.
int elementOffset(const mwMatrix& m, int i, int line)
{
    int dims[2];
    m.GetDimensions(dims, 2);
    const long long count = static_cast<long long>(dims[0]) * dims[1];
    if (i < mwIndexBase || i > count)
        mwDomainError(mwFormatMessage("Index (%d) out of range (%d:%d).", i, mwIndexBase,
                                      static_cast<int>(count)),
                      line, kSource)
            .Throw();
    return i - mwIndexBase;
}

std::size_t planeCount(const mxArray* a)
{
    return blockCount(mxGetM(a), mxGetN(a));
}
} // namespace

double mwMatrix::RealElement(int i) const
{
    const int k = elementOffset(*this, i, kRealElementLine);
    const double* pr = mclGetPr(GetData());
    return pr ? pr[k] : 0.0;
}

double mwMatrix::Element(double* imag, int i) const
{
    const int k = elementOffset(*this, i, kElementLine);
    const mxArray* a = GetData();
    if (!a)
        return 0.0;
    if (imag)
    {
        const double* pi = mclGetPi(a);
        *imag = pi ? pi[k] : 0.0;
    }
    const double* pr = mclGetPr(a);
    return pr ? pr[k] : 0.0;
}

void mwMatrix::CopyIntTo(int* out) const
{
    const double* pr = mclGetPr(GetData());
    const std::size_t n = pr ? planeCount(GetData()) : 0;
    for (std::size_t i = 0; i < n; ++i)
        out[i] = truncatedInt(pr[i]);
}

void mwMatrix::CopyRealTo(double* out) const
{
    if (const double* pr = mclGetPr(GetData()))
        std::memcpy(out, pr, planeCount(GetData()) * sizeof(double));
}

void mwMatrix::CopyComplexTo(double* re, double* im) const
{
    CopyRealTo(re);
    if (const double* pi = mclGetPi(GetData()))
        std::memcpy(im, pi, planeCount(GetData()) * sizeof(double));
}

// A matrix that is already complex keeps its imaginary parts; only double arrays can
// take an imaginary block.
void mwMatrix::MakeComplex()
{
    mxArray* a = GetData();
    if (!a || !mxIsDouble(a) || mxIsComplex(a))
        return;
    mclSetPi(a, static_cast<double*>(mclCalloc(planeCount(a), sizeof(double))));
}

mwMatrix* mwMatrix::Clone(int withReal, int withImag) const
{
    const mxArray* a = GetData();
    if (!m_ref)
        return nullptr;
    return new mwMatrix(mxGetM(a), mxGetN(a), withReal ? mclGetPr(a) : nullptr,
                        withImag ? mclGetPi(a) : nullptr, 1);
}

// Markers.

bool mwMatrix::IsNotSupplied() const
{
    return m_ref == mwNotSupplied.m_ref;
}

bool mwMatrix::IsUnassigned() const
{
    return GetData() && GetData() == mwUnassigned.GetData();
}

void mwMatrix::SetNotSupplied()
{
    Share(mwNotSupplied);
}

void mwMatrix::SetUnassigned()
{
    Share(mwUnassigned);
}

void mwMatrix::SetUninitialized()
{
    Share(mwMatrix(mclGetUninitializedArray(), 0));
}

// Companion functions.

mwMatrix warning(const mwMatrix& message)
{
    return mwCallMlx(mlxWarning, 1, {&message});
}

mwMatrix eps()
{
    return mwCallMlx(mlxEps, 1, {});
}

mwMatrix empty()
{
    mlfInitFcn();
    mxArray* a = mclCreateDoubleMatrix(0, 0, mxREAL);
    mlfCleanupFcn();
    return mwMatrix(a, 1);
}
