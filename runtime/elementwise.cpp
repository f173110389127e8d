// The one element-wise mechanism behind every two-operand element operation, and the
// unary operations built on the same operand views.
#include "runtime/elementwise.h"

#include "runtime/handlers.h"
#include "runtime/operand.h"
#include "runtime/operators.h"
#include "runtime/unary.h"

#include <cmath>
#include <numeric>

namespace mcl
{
namespace
{
// The shape of an element-wise result, or the dimension error.
std::vector<int> resultDims(const Operand& a, const Operand& b)
{
    if (a.isScalar())
        return b.dims();
    if (b.isScalar() || a.dims() == b.dims())
        return a.dims();
    mclRaiseError("Matrix dimensions must agree.");
}

bool needsComplex(const BinaryOp& op, const Operand& a, const Operand& b, std::size_t n)
{
    if (a.isComplex() || b.isComplex())
    {
        if (!op.complex)
            mclRaiseError("%s", op.complexError);
        return true;
    }
    if (!op.goesComplex)
        return false;
    const std::size_t sa = a.isScalar() ? 0 : 1;
    const std::size_t sb = b.isScalar() ? 0 : 1;
    for (std::size_t i = 0; i < n; ++i)
        if (op.goesComplex(a.re(i * sa), b.re(i * sb)))
            return true;
    return false;
}
} // namespace

namespace
{
long g_operatorCalls = 0;
} // namespace

void countOperatorCall()
{
    ++g_operatorCalls;
}

mxArray* applyBinary(const mxArray* left, const mxArray* right, const BinaryOp& op)
{
    countOperatorCall();
    const Operand a(left, op.name);
    const Operand b(right, op.name);
    const std::vector<int> dims = resultDims(a, b);
    const std::size_t n = countOf(dims);
    const bool complex = needsComplex(op, a, b, n);
    ArrayPtr result(newDoubleArray(dims, complex && !op.logical));
    double* re = mclGetPr(result.get());
    double* im = mclGetPi(result.get());
    const std::size_t sa = a.isScalar() ? 0 : 1;
    const std::size_t sb = b.isScalar() ? 0 : 1;
    for (std::size_t i = 0; i < n; ++i)
    {
        if (!complex)
        {
            re[i] = op.real(a.re(i * sa), b.re(i * sb));
            continue;
        }
        const Complex z = op.complex(a.at(i * sa), b.at(i * sb));
        re[i] = z.real();
        if (im)
            im[i] = z.imag();
    }
    if (op.logical)
        mclSetLogical(result.get(), true);
    else
        dropZeroImaginary(result.get());
    return result.release();
}

bool truthOf(Complex z)
{
    if (std::isnan(z.real()) || std::isnan(z.imag()))
        mclRaiseError("NaN's cannot be converted to logicals.");
    return z.real() != 0.0 || z.imag() != 0.0;
}
} // namespace mcl

using mcl::Complex;

namespace
{
double bit(bool b)
{
    return b ? 1.0 : 0.0;
}

// Integral powers of a complex base by repeated squaring, so that (1i)^2 is exactly -1.
Complex complexPower(Complex a, Complex b)
{
    const double e = b.real();
    if (b.imag() == 0.0 && e == std::floor(e) && std::fabs(e) <= 1024.0)
    {
        Complex result = 1.0;
        Complex base = a;
        for (long n = static_cast<long>(std::fabs(e)); n > 0; n >>= 1)
        {
            if (n & 1)
                result *= base;
            base *= base;
        }
        return e < 0 ? 1.0 / result : result;
    }
    return std::pow(a, b);
}

bool negativeToFraction(double a, double b)
{
    return a < 0.0 && std::isfinite(b) && b != std::floor(b);
}

double modulus(double a, double b)
{
    if (b == 0.0)
        return a;
    double r = std::fmod(a, b);
    if (r != 0.0 && ((r < 0.0) != (b < 0.0)))
        r += b;
    return r;
}

double leastCommonMultiple(double a, double b)
{
    if (!(a > 0.0 && b > 0.0) || a != std::floor(a) || b != std::floor(b) || a > 9.0e15 ||
        b > 9.0e15)
        mclRaiseError("Input arguments must contain positive integers.");
    const auto x = static_cast<long long>(a);
    const auto y = static_cast<long long>(b);
    return static_cast<double>(x / std::gcd(x, y)) * static_cast<double>(y);
}

// Orders complex elements by magnitude, then by angle; NaN sorts below every number.
bool complexLess(Complex a, Complex b)
{
    const double ma = std::abs(a);
    const double mb = std::abs(b);
    return ma != mb ? ma < mb : std::arg(a) < std::arg(b);
}

bool isNan(Complex z)
{
    return std::isnan(z.real()) || std::isnan(z.imag());
}

// The larger (Larger) or smaller of two complex elements; NaN loses against a number.
template <bool Larger> Complex pick(Complex a, Complex b)
{
    if (isNan(a))
        return b;
    if (isNan(b))
        return a;
    return complexLess(a, b) == Larger ? b : a;
}

constexpr const char* kComplexMod = "Arguments must be real.";

// One row per operation: the real kernel, the complex kernel (null refuses complex
// operands), the test that sends real operands to complex arithmetic, logical results.
const mcl::BinaryOp kPlus{"plus", [](double a, double b) { return a + b; },
                          [](Complex a, Complex b) { return a + b; }};
const mcl::BinaryOp kMinus{"minus", [](double a, double b) { return a - b; },
                           [](Complex a, Complex b) { return a - b; }};
const mcl::BinaryOp kTimes{"times", [](double a, double b) { return a * b; },
                           [](Complex a, Complex b) { return a * b; }};
const mcl::BinaryOp kRdivide{"rdivide", [](double a, double b) { return a / b; },
                             [](Complex a, Complex b) { return a / b; }};
const mcl::BinaryOp kPower{"power", [](double a, double b) { return std::pow(a, b); }, complexPower,
                           negativeToFraction};
const mcl::BinaryOp kMod{"mod", modulus, nullptr, nullptr, false, kComplexMod};
const mcl::BinaryOp kLcm{"lcm", leastCommonMultiple, nullptr, nullptr, false, kComplexMod};
const mcl::BinaryOp kMax{"max", [](double a, double b) { return std::fmax(a, b); }, pick<true>};
const mcl::BinaryOp kMin{"min", [](double a, double b) { return std::fmin(a, b); }, pick<false>};
const mcl::BinaryOp kLt{"lt", [](double a, double b) { return bit(a < b); },
                        [](Complex a, Complex b) { return Complex(bit(a.real() < b.real())); },
                        nullptr, true};
const mcl::BinaryOp kGt{"gt", [](double a, double b) { return bit(a > b); },
                        [](Complex a, Complex b) { return Complex(bit(a.real() > b.real())); },
                        nullptr, true};
const mcl::BinaryOp kLe{"le", [](double a, double b) { return bit(a <= b); },
                        [](Complex a, Complex b) { return Complex(bit(a.real() <= b.real())); },
                        nullptr, true};
const mcl::BinaryOp kGe{"ge", [](double a, double b) { return bit(a >= b); },
                        [](Complex a, Complex b) { return Complex(bit(a.real() >= b.real())); },
                        nullptr, true};
const mcl::BinaryOp kEq{"eq", [](double a, double b) { return bit(a == b); },
                        [](Complex a, Complex b) { return Complex(bit(a == b)); }, nullptr, true};
const mcl::BinaryOp kNeq{"ne", [](double a, double b) { return bit(a != b); },
                         [](Complex a, Complex b) { return Complex(bit(a != b)); }, nullptr, true};
// Both operands are always tested, as the operators of the language do element by element:
// a value that has no truth (not-a-number) is an error on either side.
template <class T> bool BothTrue(T a, T b)
{
    const bool x = mcl::truthOf(a);
    const bool y = mcl::truthOf(b);
    return x && y;
}
template <class T> bool EitherTrue(T a, T b)
{
    const bool x = mcl::truthOf(a);
    const bool y = mcl::truthOf(b);
    return x || y;
}
const mcl::BinaryOp kAnd{"and", [](double a, double b) { return bit(BothTrue(a, b)); },
                         [](Complex a, Complex b) { return Complex(bit(BothTrue(a, b))); },
                         nullptr, true};
const mcl::BinaryOp kOr{"or", [](double a, double b) { return bit(EitherTrue(a, b)); },
                        [](Complex a, Complex b) { return Complex(bit(EitherTrue(a, b))); },
                        nullptr, true};

const mcl::UnaryOp kNegate{"uminus", [](double x) { return -x; }, [](Complex z) { return -z; }};
const mcl::UnaryOp kNot{
    "not", nullptr, nullptr, nullptr, [](Complex z) { return bit(!mcl::truthOf(z)); }, true};
} // namespace

mxArray* mlfPlus(const mxArray* a, const mxArray* b)
{
    return mcl::applyBinary(a, b, kPlus);
}
mxArray* mlfMinus(const mxArray* a, const mxArray* b)
{
    return mcl::applyBinary(a, b, kMinus);
}
mxArray* mlfTimes(const mxArray* a, const mxArray* b)
{
    return mcl::applyBinary(a, b, kTimes);
}
mxArray* mlfRdivide(const mxArray* a, const mxArray* b)
{
    return mcl::applyBinary(a, b, kRdivide);
}
mxArray* mlfPower(const mxArray* a, const mxArray* b)
{
    return mcl::applyBinary(a, b, kPower);
}
mxArray* mlfMod(const mxArray* a, const mxArray* b)
{
    return mcl::applyBinary(a, b, kMod);
}
mxArray* mlfLcm(const mxArray* a, const mxArray* b)
{
    return mcl::applyBinary(a, b, kLcm);
}
mxArray* mclElementwiseMax(const mxArray* a, const mxArray* b)
{
    return mcl::applyBinary(a, b, kMax);
}
mxArray* mclElementwiseMin(const mxArray* a, const mxArray* b)
{
    return mcl::applyBinary(a, b, kMin);
}
mxArray* mlfLt(const mxArray* a, const mxArray* b)
{
    return mcl::applyBinary(a, b, kLt);
}
mxArray* mlfGt(const mxArray* a, const mxArray* b)
{
    return mcl::applyBinary(a, b, kGt);
}
mxArray* mlfLe(const mxArray* a, const mxArray* b)
{
    return mcl::applyBinary(a, b, kLe);
}
mxArray* mlfGe(const mxArray* a, const mxArray* b)
{
    return mcl::applyBinary(a, b, kGe);
}
mxArray* mlfEq(const mxArray* a, const mxArray* b)
{
    return mcl::applyBinary(a, b, kEq);
}
mxArray* mlfNeq(const mxArray* a, const mxArray* b)
{
    return mcl::applyBinary(a, b, kNeq);
}
mxArray* mlfAnd(const mxArray* a, const mxArray* b)
{
    return mcl::applyBinary(a, b, kAnd);
}
mxArray* mlfOr(const mxArray* a, const mxArray* b)
{
    return mcl::applyBinary(a, b, kOr);
}
mxArray* mlfNot(const mxArray* a)
{
    mcl::countOperatorCall();
    return mcl::applyUnary(a, kNot);
}
mxArray* mlfUnaryminus(const mxArray* a)
{
    mcl::countOperatorCall();
    return mcl::applyUnary(a, kNegate);
}

long mclOperatorCallCount()
{
    return mcl::g_operatorCalls;
}

int mlfTobool(const mxArray* a)
{
    mcl::countOperatorCall();
    const mcl::Operand x(a, "logical");
    if (x.count() == 0)
        return 0;
    for (std::size_t i = 0; i < x.count(); ++i)
        if (!mcl::truthOf(x.at(i)))
            return 0;
    return 1;
}
