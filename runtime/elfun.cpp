#include "runtime/elfun.h"

#include "runtime/handlers.h"
#include "runtime/libsupport.h"
#include "runtime/unary.h"

#include <cmath>
#include <complex>
#include <cstring>
#include <numbers>

namespace
{
using cplx = std::complex<double>;

using mcl::UnaryOp;

bool notNegative(double x)
{
    return !(x < 0.0);
}

template <double (*f)(double)> cplx bothParts(cplx z)
{
    return {f(z.real()), f(z.imag())};
}

cplx signOf(cplx z)
{
    return z == 0.0 ? cplx(0.0) : z / std::abs(z);
}
double signOf(double x)
{
    return x > 0.0 ? 1.0 : (x < 0.0 ? -1.0 : x);
}

const UnaryOp kAbs{"abs", nullptr, nullptr, nullptr, [](cplx z) { return std::abs(z); }};
const UnaryOp kAngle{"angle", nullptr, nullptr, nullptr, [](cplx z) { return std::arg(z); }};
const UnaryOp kReal{"real", nullptr, nullptr, nullptr, [](cplx z) { return z.real(); }};
const UnaryOp kImag{"imag", nullptr, nullptr, nullptr, [](cplx z) { return z.imag(); }};
const UnaryOp kIsfinite{"isfinite",
                        nullptr,
                        nullptr,
                        nullptr,
                        [](cplx z)
                        { return double(std::isfinite(z.real()) && std::isfinite(z.imag())); },
                        true};
const UnaryOp kIsinf{"isinf",
                     nullptr,
                     nullptr,
                     nullptr,
                     [](cplx z) { return double(std::isinf(z.real()) || std::isinf(z.imag())); },
                     true};
const UnaryOp kIsnan{"isnan",
                     nullptr,
                     nullptr,
                     nullptr,
                     [](cplx z) { return double(std::isnan(z.real()) || std::isnan(z.imag())); },
                     true};

const UnaryOp kCos{"cos", [](double x) { return std::cos(x); }, [](cplx z) { return std::cos(z); }};
const UnaryOp kSin{"sin", [](double x) { return std::sin(x); }, [](cplx z) { return std::sin(z); }};
const UnaryOp kTan{"tan", [](double x) { return std::tan(x); }, [](cplx z) { return std::tan(z); }};
const UnaryOp kCosh{"cosh", [](double x) { return std::cosh(x); },
                    [](cplx z) { return std::cosh(z); }};
const UnaryOp kSinh{"sinh", [](double x) { return std::sinh(x); },
                    [](cplx z) { return std::sinh(z); }};
const UnaryOp kAsinh{"asinh", [](double x) { return std::asinh(x); },
                     [](cplx z) { return std::asinh(z); }};
const UnaryOp kExp{"exp", [](double x) { return std::exp(x); }, [](cplx z) { return std::exp(z); }};
const UnaryOp kSqrt{"sqrt", [](double x) { return std::sqrt(x); },
                    [](cplx z) { return std::sqrt(z); }, notNegative};
const UnaryOp kLog10{"log10", [](double x) { return std::log10(x); },
                     [](cplx z) { return std::log10(z); }, notNegative};
const UnaryOp kLog2{"log2", [](double x) { return std::log2(x); },
                    [](cplx z) { return std::log(z) / std::numbers::ln2; }, notNegative};
const UnaryOp kPow2{"pow2", [](double x) { return std::exp2(x); },
                    [](cplx z) { return std::exp(z * std::numbers::ln2); }};
const UnaryOp kSign{"sign", [](double x) { return signOf(x); }, [](cplx z) { return signOf(z); }};
const UnaryOp kFix{"fix", [](double x) { return std::trunc(x); }, bothParts<std::trunc>};
const UnaryOp kFloor{"floor", [](double x) { return std::floor(x); }, bothParts<std::floor>};
const UnaryOp kCeil{"ceil", [](double x) { return std::ceil(x); }, bothParts<std::ceil>};
const UnaryOp kRound{"round", [](double x) { return std::round(x); }, bothParts<std::round>};

// A library function's own argument: undefined ones are refused, unlike an operand's.
mxArray* applyUnary(const UnaryOp& op, const mxArray* x)
{
    return mcl::applyUnary(mclDefined(x, op.name), op);
}

void unaryEntry(const UnaryOp& op, int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    mclCheckArgCount(nlhs, nrhs, 1, 1, 1);
    plhs[0] = applyUnary(op, prhs[0]);
}

mxArray* logicalScalar(bool v)
{
    return mclCreateLogicalScalar(v);
}

// Copies the elements of a two-dimensional array into the transposed layout.
mxArray* transposed(const mxArray* x, bool conjugate)
{
    if (mxGetNumberOfDimensions(x) > 2)
        mclRaiseError("Transpose on ND array is not defined.");
    const int m = mxGetM(x), n = mxGetN(x);
    const int dims[2] = {n, m};
    const mxClassID id = mxGetClassID(x);
    if (id != mxDOUBLE_CLASS && id != mxCHAR_CLASS && id != mxCELL_CLASS)
        mclRaiseError("Function 'transpose' is not defined for undefined values.");
    mxArray* out = mclCreateNumericArray(2, dims, id, mxIsComplex(x) ? mxCOMPLEX : mxREAL);
    mclSetLogical(out, mxIsLogical(x));
    const auto at = [m, n](int i) { return (i % n) * m + i / n; }; // source of element i
    if (id == mxCHAR_CLASS)
    {
        for (int i = 0; i < m * n; ++i)
            mclGetChars(out)[i] = mclGetChars(x)[at(i)];
    }
    else if (id == mxCELL_CLASS)
    {
        try
        {
            for (int i = 0; i < m * n; ++i)
                mclSetCell(out, i, mclDuplicateArray(mclGetCell(x, at(i))));
        }
        catch (...)
        {
            mxDestroyArray(out);
            throw;
        }
    }
    else
    {
        for (int i = 0; i < m * n; ++i)
        {
            mclGetPr(out)[i] = mclGetPr(x)[at(i)];
            if (mclGetPi(x))
                mclGetPi(out)[i] = conjugate ? -mclGetPi(x)[at(i)] : mclGetPi(x)[at(i)];
        }
    }
    return out;
}
} // namespace

namespace mcl
{
namespace
{
bool needsComplex(const UnaryOp& op, const Operand& v)
{
    if (v.isComplex())
        return true;
    if (!op.inDomain)
        return false;
    for (std::size_t i = 0; i < v.count(); ++i)
        if (!op.inDomain(v.re(i)))
            return true;
    return false;
}
} // namespace

mxArray* applyUnary(const mxArray* x, const UnaryOp& op)
{
    const Operand v(x, op.name);
    const bool complex = !op.toReal && needsComplex(op, v);
    ArrayPtr out(newDoubleArray(v.dims(), complex));
    double* re = mclGetPr(out.get());
    double* im = mclGetPi(out.get());
    for (std::size_t i = 0; i < v.count(); ++i)
    {
        if (op.toReal)
        {
            re[i] = op.toReal(v.at(i));
            continue;
        }
        if (!complex)
        {
            re[i] = op.real(v.re(i));
            continue;
        }
        const Complex z = op.complex(v.at(i));
        re[i] = z.real();
        im[i] = z.imag();
    }
    mclSetLogical(out.get(), op.toReal && op.logical);
    dropZeroImaginary(out.get());
    return out.release();
}
} // namespace mcl

#define MCL_UNARY_ENTRY(Name, op)                                                                  \
    void mlx##Name(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])                           \
    {                                                                                              \
        unaryEntry(op, nlhs, plhs, nrhs, prhs);                                                    \
    }

MCL_UNARY_ENTRY(Abs, kAbs)
MCL_UNARY_ENTRY(Angle, kAngle)
MCL_UNARY_ENTRY(Asinh, kAsinh)
MCL_UNARY_ENTRY(Ceil, kCeil)
MCL_UNARY_ENTRY(Cos, kCos)
MCL_UNARY_ENTRY(Cosh, kCosh)
MCL_UNARY_ENTRY(Exp, kExp)
MCL_UNARY_ENTRY(Finite, kIsfinite)
MCL_UNARY_ENTRY(Fix, kFix)
MCL_UNARY_ENTRY(Floor, kFloor)
MCL_UNARY_ENTRY(Imag, kImag)
MCL_UNARY_ENTRY(Isfinite, kIsfinite)
MCL_UNARY_ENTRY(Isinf, kIsinf)
MCL_UNARY_ENTRY(Isnan, kIsnan)
MCL_UNARY_ENTRY(Log10, kLog10)
MCL_UNARY_ENTRY(Log2, kLog2)
MCL_UNARY_ENTRY(Real, kReal)
MCL_UNARY_ENTRY(Round, kRound)
MCL_UNARY_ENTRY(Sign, kSign)
MCL_UNARY_ENTRY(Sin, kSin)
MCL_UNARY_ENTRY(Sinh, kSinh)
MCL_UNARY_ENTRY(Sqrt, kSqrt)
MCL_UNARY_ENTRY(Tan, kTan)

mxArray* mlfAbs(mxArray* x)
{
    return applyUnary(kAbs, x);
}
mxArray* mlfAngle(mxArray* x)
{
    return applyUnary(kAngle, x);
}
mxArray* mlfLog10(mxArray* x)
{
    return applyUnary(kLog10, x);
}
mxArray* mlfSqrt(mxArray* x)
{
    return applyUnary(kSqrt, x);
}

void mlxPow2(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    mclCheckArgCount(nlhs, nrhs, 1, 2, 1);
    if (nrhs == 1)
    {
        plhs[0] = applyUnary(kPow2, prhs[0]);
        return;
    }
    const mclValues f(prhs[0], "pow2"), e(prhs[1], "pow2");
    if (f.size() != 1 && e.size() != 1 && mcl::dimsOf(prhs[0]) != mcl::dimsOf(prhs[1]))
        mclRaiseError("Matrix dimensions must agree.");
    mxArray* out = mclCreateLike(f.size() == 1 ? prhs[1] : prhs[0], false);
    for (int i = 0; i < mxGetNumberOfElements(out); ++i)
        mclGetPr(out)[i] = f.re(f.size() == 1 ? 0 : i) * std::exp2(e.re(e.size() == 1 ? 0 : i));
    plhs[0] = out;
}

void mlxIschar(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    mclCheckArgCount(nlhs, nrhs, 1, 1, 1);
    plhs[0] = logicalScalar(mxIsChar(prhs[0]));
}

void mlxLogical(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    mclCheckArgCount(nlhs, nrhs, 1, 1, 1);
    const mclValues v(prhs[0], "logical");
    if (v.complex())
        mclRaiseError("Complex values cannot be converted to logicals.");
    mxArray* out = mclCreateLike(prhs[0], false);
    for (int i = 0; i < v.size(); ++i)
    {
        if (std::isnan(v.re(i)))
        {
            mxDestroyArray(out);
            mclRaiseError("NaN's cannot be converted to logicals.");
        }
        mclGetPr(out)[i] = v.re(i) != 0.0 ? 1.0 : 0.0;
    }
    mclSetLogical(out, true);
    plhs[0] = out;
}

void mlxStrcmp(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    mclCheckArgCount(nlhs, nrhs, 1, 2, 2);
    const mxArray* a = prhs[0];
    const mxArray* b = prhs[1];
    const bool equal =
        mxIsChar(a) && mxIsChar(b) && mcl::dimsOf(a) == mcl::dimsOf(b) &&
        (mxIsEmpty(a) || std::memcmp(mclGetChars(a), mclGetChars(b),
                                     sizeof(mxChar) * mxGetNumberOfElements(a)) == 0);
    plhs[0] = logicalScalar(equal);
}

void mlxTranspose(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    mclCheckArgCount(nlhs, nrhs, 1, 1, 1);
    plhs[0] = transposed(prhs[0], false);
}

void mlxCtranspose(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    mclCheckArgCount(nlhs, nrhs, 1, 1, 1);
    plhs[0] = transposed(prhs[0], true);
}
