#include "runtime/arrayops.h"

#include "runtime/handlers.h"
#include "runtime/libsupport.h"
#include "runtime/operators.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstring>
#include <numbers>
#include <vector>

namespace
{
// Extents from the size arguments of zeros and ones.
std::vector<int> sizeArgs(int nrhs, mxArray* prhs[], const char* function)
{
    std::vector<double> wanted;
    if (nrhs == 1)
    {
        const mclValues v(prhs[0], function);
        for (int i = 0; i < v.size(); ++i)
            wanted.push_back(v.re(i));
        if (wanted.size() == 1)
            wanted.push_back(wanted[0]);
    }
    else
    {
        for (int i = 0; i < nrhs; ++i)
            wanted.push_back(mclScalarArg(prhs[i], function, "Size argument"));
    }
    while (wanted.size() < 2)
        wanted.push_back(1.0);
    std::vector<int> dims;
    for (double w : wanted)
    {
        if (std::isnan(w))
            mclRaiseError("Size vector must be a row vector with real elements.");
        dims.push_back(w <= 0.0 ? 0 : static_cast<int>(std::min(w, 2147483647.0)));
    }
    return dims;
}

mxArray* filled(int nrhs, mxArray* prhs[], const char* function, double value)
{
    mxArray* out = mcl::newDoubleArray(sizeArgs(nrhs, prhs, function), false);
    std::fill_n(mclGetPr(out), mxGetNumberOfElements(out), value);
    return out;
}

// Joins arrays along dimension k (0 rows, 1 columns): in every block of the result the
// arrays' blocks of prod(dims[0..k]) elements follow each other.
class Joiner
{
public:
    Joiner(int k, int nrhs, mxArray* prhs[]) : k_(k)
    {
        for (int i = 0; i < nrhs; ++i)
            check(prhs[i]);
        for (int i = 0; i < nrhs; ++i)
            if (!mxIsEmpty(prhs[i]))
                parts_.push_back(prhs[i]);
        if (parts_.empty())
            for (int i = 0; i < nrhs; ++i)
                if (mxGetM(prhs[i]) != 0 || mxGetN(prhs[i]) != 0)
                    parts_.push_back(prhs[i]);
    }

    mxArray* join() const
    {
        if (parts_.empty())
        {
            const int none[2] = {0, 0};
            return mclCreateNumericArray(2, none, resultClass(), mxREAL);
        }
        std::vector<int> dims = padded(parts_[0]);
        dims[k_] = 0;
        for (const mxArray* p : parts_)
        {
            std::vector<int> d = padded(p);
            dims[k_] += d[k_];
            d[k_] = dims[k_];
            if (d != dims)
                mclRaiseError(k_ == 0 ? "All columns of the joined arrays must agree."
                                      : "All rows of the joined arrays must agree.");
        }
        mxArray* out = mclCreateNumericArray(static_cast<int>(dims.size()), dims.data(),
                                             resultClass(), anyComplex() ? mxCOMPLEX : mxREAL);
        try
        {
            copyInto(out, dims);
        }
        catch (...)
        {
            mxDestroyArray(out);
            throw;
        }
        mclSetLogical(out, allLogical());
        return out;
    }

private:
    static void check(const mxArray* a)
    {
        const mxClassID id = mxGetClassID(a);
        if (!a || (id != mxDOUBLE_CLASS && id != mxCHAR_CLASS && id != mxCELL_CLASS))
            mclRaiseError("Concatenation of undefined values.");
    }

    std::vector<int> padded(const mxArray* a) const
    {
        std::vector<int> d = mcl::dimsOf(a);
        d.resize(std::max<std::size_t>(d.size(), k_ + 1), 1);
        return d;
    }

    mxClassID resultClass() const
    {
        bool cell = false, chars = false;
        for (const mxArray* p : parts_)
        {
            cell = cell || mxIsCell(p);
            chars = chars || mxIsChar(p);
        }
        if (cell && std::any_of(parts_.begin(), parts_.end(),
                                [](const mxArray* p) { return !mxIsCell(p); }))
            mclRaiseError("Cell arrays can only be joined with cell arrays.");
        return cell ? mxCELL_CLASS : (chars ? mxCHAR_CLASS : mxDOUBLE_CLASS);
    }

    bool anyComplex() const { return std::any_of(parts_.begin(), parts_.end(), mxIsComplex); }

    bool allLogical() const
    {
        return !parts_.empty() && std::all_of(parts_.begin(), parts_.end(), mxIsLogical);
    }

    void copyInto(mxArray* out, const std::vector<int>& dims) const
    {
        std::size_t outer = 1;
        for (std::size_t i = k_ + 1; i < dims.size(); ++i)
            outer *= static_cast<std::size_t>(dims[i]);
        std::size_t at = 0;
        for (std::size_t o = 0; o < outer; ++o)
        {
            for (const mxArray* p : parts_)
            {
                const std::size_t block = mxGetNumberOfElements(p) / outer;
                for (std::size_t e = 0; e < block; ++e)
                    copyElement(out, at + e, p, o * block + e);
                at += block;
            }
        }
    }

    static void copyElement(mxArray* out, std::size_t to, const mxArray* from, std::size_t i)
    {
        if (mxIsCell(out))
        {
            mclSetCell(out, static_cast<int>(to),
                       mclDuplicateArray(mclGetCell(from, static_cast<int>(i))));
            return;
        }
        const double value = mxIsChar(from) ? mclGetChars(from)[i] : mclGetPr(from)[i];
        if (mxIsChar(out))
        {
            mclGetChars(out)[to] = static_cast<mxChar>(value);
            return;
        }
        mclGetPr(out)[to] = value;
        if (mclGetPi(out))
            mclGetPi(out)[to] = mclGetPi(from) ? mclGetPi(from)[i] : 0.0;
    }

    std::size_t k_;
    std::vector<const mxArray*> parts_;
};

// Layout of a reduction along one dimension: element (i, j, o) of slice (i, o) lies at
// i + inner * (j + length * o).
struct Slices
{
    Slices(const mxArray* x, int dim) : dims(mcl::dimsOf(x))
    {
        const std::size_t k = static_cast<std::size_t>(dim - 1);
        dims.resize(std::max(dims.size(), k + 1), 1);
        for (std::size_t i = 0; i < dims.size(); ++i)
        {
            if (i < k)
                inner *= dims[i];
            else if (i > k)
                outer *= dims[i];
        }
        length = dims[k];
        dims[k] = 1;
    }
    int index(int slice, int j) const
    {
        return slice % inner + inner * (j + length * (slice / inner));
    }
    std::vector<int> dims; // of the result
    int inner = 1, outer = 1, length = 1;
};

int reductionDim(const mxArray* x, const mxArray* dim, const char* function)
{
    return dim ? mclDimArg(dim, function) : mclDefaultDim(x);
}

bool isPlainEmpty(const mxArray* x, const mxArray* dim)
{
    return !dim && mxGetNumberOfDimensions(x) == 2 && mxGetM(x) == 0 && mxGetN(x) == 0;
}

void reductionArgs(int nlhs, int nrhs, mxArray* prhs[], const char* function)
{
    mclCheckArgCount(nlhs, nrhs, 1, 2, 1);
    mclValues(prhs[0], function);
}

mxArray* sumOf(const mxArray* x, const mxArray* dim)
{
    const mclValues v(x, "sum");
    if (isPlainEmpty(x, dim))
        return mlfScalar(0.0);
    const Slices s(x, reductionDim(x, dim, "sum"));
    mxArray* out = mcl::newDoubleArray(s.dims, v.complex());
    for (int slice = 0; slice < s.inner * s.outer; ++slice)
    {
        std::complex<double> total = 0.0;
        for (int j = 0; j < s.length; ++j)
            total += v.at(s.index(slice, j));
        mclGetPr(out)[slice] = total.real();
        if (v.complex())
            mclGetPi(out)[slice] = total.imag();
    }
    return out;
}

mxArray* anyOf(const mxArray* x, const mxArray* dim)
{
    const mclValues v(x, "any");
    mxArray* out = nullptr;
    if (isPlainEmpty(x, dim))
        return mclCreateLogicalScalar(false);
    const Slices s(x, reductionDim(x, dim, "any"));
    out = mcl::newDoubleArray(s.dims, false);
    for (int slice = 0; slice < s.inner * s.outer; ++slice)
    {
        bool found = false;
        for (int j = 0; j < s.length && !found; ++j)
        {
            const std::complex<double> z = v.at(s.index(slice, j));
            found = !std::isnan(z.real()) && !std::isnan(z.imag()) && z != 0.0;
        }
        mclGetPr(out)[slice] = found ? 1.0 : 0.0;
    }
    mclSetLogical(out, true);
    return out;
}

// True when a should replace the extreme b found so far (strictly, so the first of equal
// extremes stays). Complex values compare by magnitude, then by angle.
bool beats(std::complex<double> a, std::complex<double> b, bool complex, bool largest)
{
    double ka = a.real(), kb = b.real();
    if (complex && std::abs(a) != std::abs(b))
    {
        ka = std::abs(a);
        kb = std::abs(b);
    }
    else if (complex)
    {
        ka = std::arg(a);
        kb = std::arg(b);
    }
    return largest ? ka > kb : ka < kb;
}

bool isNaN(std::complex<double> z)
{
    return std::isnan(z.real()) || std::isnan(z.imag());
}

// The two-argument form against the reductions, for max and min alike.
mxArray* maxOrMin(mxArray** index, const mxArray* a, const mxArray* b, const mxArray* dim,
                  bool largest)
{
    const char* name = largest ? "MAX" : "MIN";
    if (!a)
        mclRaiseError("Not enough input arguments.");
    if (b && !(mxIsEmpty(b) && dim))
    {
        if (index)
            mclRaiseError("%s with two matrices to compare and two output arguments is not "
                          "supported.",
                          name);
        if (dim)
            mclRaiseError("%s with two matrices to compare and a working dimension is not "
                          "supported.",
                          name);
        return largest ? mclElementwiseMax(a, b) : mclElementwiseMin(a, b);
    }
    return largest ? mclMaxOfArray(index, a, dim) : mclMinOfArray(index, a, dim);
}

using Binary = mxArray* (*)(const mxArray*, const mxArray*);

void binaryEntry(Binary f, int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    mclCheckArgCount(nlhs, nrhs, 1, 2, 2);
    plhs[0] = f(prhs[0], prhs[1]);
}

mxArray* extremeOf(mxArray** index, const mxArray* x, const mxArray* dim, bool largest)
{
    const char* function = largest ? "max" : "min";
    const mclValues v(x, function);
    Slices s(x, reductionDim(x, dim, function));
    if (s.length == 0)
        s.dims[static_cast<std::size_t>(reductionDim(x, dim, function) - 1)] = 0;
    if (isPlainEmpty(x, dim))
        s.dims = {0, 0};
    const int count = s.length == 0 || isPlainEmpty(x, dim) ? 0 : s.inner * s.outer;
    mcl::ArrayPtr kept(mcl::newDoubleArray(s.dims, v.complex()));
    mxArray* where = index ? mcl::newDoubleArray(s.dims, false) : nullptr;
    mxArray* out = kept.release();
    for (int slice = 0; slice < count; ++slice)
    {
        int best = 0;
        for (int j = 1; j < s.length; ++j)
        {
            const std::complex<double> candidate = v.at(s.index(slice, j));
            const std::complex<double> current = v.at(s.index(slice, best));
            if (!isNaN(candidate) &&
                (isNaN(current) || beats(candidate, current, v.complex(), largest)))
                best = j;
        }
        mclGetPr(out)[slice] = v.re(s.index(slice, best));
        if (v.complex())
            mclGetPi(out)[slice] = v.im(s.index(slice, best));
        if (where)
            mclGetPr(where)[slice] = best + 1.0;
    }
    if (index)
        *index = where;
    return out;
}
} // namespace

void mlxZeros(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    mclCheckArgCount(nlhs, nrhs, 1, 32);
    plhs[0] = filled(nrhs, prhs, "zeros", 0.0);
}

void mlxOnes(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    mclCheckArgCount(nlhs, nrhs, 1, 32);
    plhs[0] = filled(nrhs, prhs, "ones", 1.0);
}

void mlxHorzcat(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    mclCheckArgCount(nlhs, nrhs, 1, nrhs);
    plhs[0] = Joiner(1, nrhs, prhs).join();
}

void mlxVertcat(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    mclCheckArgCount(nlhs, nrhs, 1, nrhs);
    plhs[0] = Joiner(0, nrhs, prhs).join();
}

void mlxSum(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    reductionArgs(nlhs, nrhs, prhs, "sum");
    plhs[0] = sumOf(prhs[0], nrhs > 1 ? prhs[1] : nullptr);
}

void mlxAny(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    reductionArgs(nlhs, nrhs, prhs, "any");
    plhs[0] = anyOf(prhs[0], nrhs > 1 ? prhs[1] : nullptr);
}

mxArray* mclMaxOfArray(mxArray** index, const mxArray* x, const mxArray* dim)
{
    return extremeOf(index, x, dim, true);
}

mxArray* mclMinOfArray(mxArray** index, const mxArray* x, const mxArray* dim)
{
    return extremeOf(index, x, dim, false);
}

mxArray* mlfMax(mxArray** index, const mxArray* a, const mxArray* b, const mxArray* dim)
{
    return maxOrMin(index, a, b, dim, true);
}

mxArray* mlfMin(mxArray** index, const mxArray* a, const mxArray* b, const mxArray* dim)
{
    return maxOrMin(index, a, b, dim, false);
}

void mlxTimes(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    binaryEntry(mlfTimes, nlhs, plhs, nrhs, prhs);
}

void mlxRdivide(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    binaryEntry(mlfRdivide, nlhs, plhs, nrhs, prhs);
}

void mlxPower(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    binaryEntry(mlfPower, nlhs, plhs, nrhs, prhs);
}

void mlxLength(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    mclCheckArgCount(nlhs, nrhs, 1, 1, 1);
    const std::vector<int> dims = mcl::dimsOf(prhs[0]);
    const bool empty = std::find(dims.begin(), dims.end(), 0) != dims.end();
    plhs[0] = mlfScalar(empty ? 0.0 : *std::max_element(dims.begin(), dims.end()));
}

void mlxPi(int nlhs, mxArray* plhs[], int nrhs, mxArray*[])
{
    mclCheckArgCount(nlhs, nrhs, 1, 0);
    plhs[0] = mlfScalar(std::numbers::pi);
}
