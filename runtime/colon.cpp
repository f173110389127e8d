#include "runtime/colon.h"

#include "runtime/handlers.h"
#include "runtime/operand.h"

#include <cmath>
#include <limits>

namespace
{
constexpr double kEps = 2.220446049250313e-16;

mxArray* row(std::size_t n)
{
    if (n > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        mclRaiseError("Maximum variable size allowed by the program is exceeded.");
    return mclCreateDoubleMatrix(1, static_cast<int>(n), mxREAL);
}

// The number of steps from a to b, allowing for rounding in the general case.
double stepCount(double a, double d, double b, double tol)
{
    if (a == std::floor(a) && d == 1.0)
        return std::floor(b) - a;
    if (a == std::floor(a) && d == std::floor(d))
    {
        const double q = std::floor(a / d);
        const double r = a - q * d;
        return std::floor((b - r) / d) - q;
    }
    double n = std::round((b - a) / d);
    if ((d > 0 ? 1.0 : -1.0) * (a + n * d - b) > tol)
        n -= 1.0;
    return n;
}

mxArray* range(double a, double d, double b)
{
    if (!std::isfinite(a) || !std::isfinite(d) || !std::isfinite(b))
        return mlfScalar(std::numeric_limits<double>::quiet_NaN());
    if (d == 0.0 || (a < b && d < 0.0) || (b < a && d > 0.0))
        return row(0);
    const double tol = 2.0 * kEps * std::max(std::fabs(a), std::fabs(b));
    const double sig = d > 0 ? 1.0 : -1.0;
    const double steps = stepCount(a, d, b, tol);
    if (steps >= static_cast<double>(std::numeric_limits<int>::max()))
        mclRaiseError("Maximum variable size allowed by the program is exceeded.");
    const auto n = static_cast<std::size_t>(steps);
    double c = a + static_cast<double>(n) * d;
    if (sig * (c - b) > -tol)
        c = b;
    mxArray* v = row(n + 1);
    double* p = mclGetPr(v);
    for (std::size_t k = 0; k <= n / 2; ++k)
    {
        p[k] = a + static_cast<double>(k) * d;
        p[n - k] = c - static_cast<double>(k) * d;
    }
    if (n % 2 == 0)
        p[n / 2] = (a + c) / 2.0;
    return v;
}

bool firstOf(const mxArray* x, double& out)
{
    const mcl::Operand op(x, "colon");
    if (op.count() == 0)
        return false;
    out = op.re(0);
    return true;
}
} // namespace

mxArray* mlfColon(const mxArray* first, const mxArray* second, const mxArray* third)
{
    double a = 0.0;
    double d = 1.0;
    double b = 0.0;
    const bool ok = third ? firstOf(first, a) && firstOf(second, d) && firstOf(third, b)
                          : firstOf(first, a) && firstOf(second, b);
    return ok ? range(a, d, b) : row(0);
}

void mlxColon(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    if (nlhs > 1)
        mclRaiseError("Too many output arguments.");
    if (nrhs > 3)
        mclRaiseError("Too many input arguments.");
    if (nrhs == 1)
        mclRaiseError("Not enough input arguments.");
    mxArray* result = nrhs == 0 ? mlfCreateColonIndex()
                                : mlfColon(prhs[0], prhs[1], nrhs == 3 ? prhs[2] : nullptr);
    if (nlhs < 1 || !plhs)
        mxDestroyArray(result);
    else
        plhs[0] = result;
}

mxArray* mlfCreateColonIndex()
{
    return mclCreateString(":");
}

int mlfIsColonIndex(const mxArray* a)
{
    const mxChar* c = mclGetChars(a);
    return c && mxGetNumberOfElements(a) == 1 && c[0] == ':' ? 1 : 0;
}
