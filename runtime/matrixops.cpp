// Matrix product, right division and matrix power. Dense column-major kernels written once
// for real and complex elements.
#include "runtime/elementwise.h"
#include "runtime/handlers.h"
#include "runtime/operand.h"
#include "runtime/operators.h"

#include <cmath>
#include <cstdlib>
#include <type_traits>
#include <vector>

using mcl::Complex;

namespace
{
double conjOf(double x)
{
    return x;
}
Complex conjOf(Complex x)
{
    return std::conj(x);
}

template <class T> struct Dense
{
    int rows = 0;
    int cols = 0;
    std::vector<T> v; // column-major
    T& at(int i, int j) { return v[static_cast<std::size_t>(j) * rows + i]; }
    const T& at(int i, int j) const { return v[static_cast<std::size_t>(j) * rows + i]; }
};

template <class T> Dense<T> make(int rows, int cols)
{
    return {rows, cols, std::vector<T>(static_cast<std::size_t>(rows) * cols, T(0))};
}

template <class T> T elementOf(const mcl::Operand& x, std::size_t i);
template <> double elementOf<double>(const mcl::Operand& x, std::size_t i)
{
    return x.re(i);
}
template <> Complex elementOf<Complex>(const mcl::Operand& x, std::size_t i)
{
    return x.at(i);
}

void require2d(const mcl::Operand& x)
{
    if (x.dims().size() > 2)
        mclRaiseError("Input arguments must be 2-D.");
}

template <class T> Dense<T> load(const mcl::Operand& x, bool transposed = false)
{
    require2d(x);
    Dense<T> d = transposed ? make<T>(x.cols(), x.rows()) : make<T>(x.rows(), x.cols());
    for (int j = 0; j < x.cols(); ++j)
        for (int i = 0; i < x.rows(); ++i)
        {
            const T e = elementOf<T>(x, static_cast<std::size_t>(j) * x.rows() + i);
            (transposed ? d.at(j, i) : d.at(i, j)) = e;
        }
    return d;
}

void storeElement(double* re, double*, std::size_t k, double e)
{
    re[k] = e;
}
void storeElement(double* re, double* im, std::size_t k, Complex e)
{
    re[k] = e.real();
    im[k] = e.imag();
}

template <class T> mxArray* store(const Dense<T>& d, bool transposed = false)
{
    const std::vector<int> dims =
        transposed ? std::vector<int>{d.cols, d.rows} : std::vector<int>{d.rows, d.cols};
    mxArray* a = mcl::newDoubleArray(dims, !std::is_same_v<T, double>);
    double* re = mclGetPr(a);
    double* im = mclGetPi(a);
    for (int j = 0; j < d.cols; ++j)
        for (int i = 0; i < d.rows; ++i)
        {
            const std::size_t k = transposed ? static_cast<std::size_t>(i) * d.cols + j
                                             : static_cast<std::size_t>(j) * d.rows + i;
            storeElement(re, im, k, d.at(i, j));
        }
    mcl::dropZeroImaginary(a);
    return a;
}

template <class T> Dense<T> multiply(const Dense<T>& a, const Dense<T>& b)
{
    Dense<T> c = make<T>(a.rows, b.cols);
    for (int j = 0; j < b.cols; ++j)
        for (int k = 0; k < a.cols; ++k)
        {
            const T s = b.at(k, j);
            for (int i = 0; i < a.rows; ++i)
                c.at(i, j) += a.at(i, k) * s;
        }
    return c;
}

template <class T> Dense<T> identity(int n)
{
    Dense<T> d = make<T>(n, n);
    for (int i = 0; i < n; ++i)
        d.at(i, i) = T(1);
    return d;
}

// Solves a x = b for square a by LU with partial pivoting; warns once when a pivot is 0.
template <class T> Dense<T> solveSquare(Dense<T> a, Dense<T> b)
{
    const int n = a.rows;
    bool singular = false;
    for (int k = 0; k < n; ++k)
    {
        int p = k;
        for (int i = k + 1; i < n; ++i)
            if (std::abs(a.at(i, k)) > std::abs(a.at(p, k)))
                p = i;
        if (p != k)
        {
            for (int j = 0; j < n; ++j)
                std::swap(a.at(k, j), a.at(p, j));
            for (int j = 0; j < b.cols; ++j)
                std::swap(b.at(k, j), b.at(p, j));
        }
        if (a.at(k, k) == T(0))
        {
            singular = true;
            continue;
        }
        for (int i = k + 1; i < n; ++i)
        {
            const T f = a.at(i, k) / a.at(k, k);
            if (f == T(0))
                continue;
            for (int j = k; j < n; ++j)
                a.at(i, j) -= f * a.at(k, j);
            for (int j = 0; j < b.cols; ++j)
                b.at(i, j) -= f * b.at(k, j);
        }
    }
    if (singular)
        mclRaiseWarning("Matrix is singular to working precision.");
    for (int j = 0; j < b.cols; ++j)
        for (int i = n - 1; i >= 0; --i)
        {
            T s = b.at(i, j);
            for (int k = i + 1; k < n; ++k)
                s -= a.at(i, k) * b.at(k, j);
            b.at(i, j) = s / a.at(i, i);
        }
    return b;
}

// Least squares (or, for fewer equations than unknowns, the basic solution with the
// trailing unknowns 0) of a x = b through Householder reflections.
template <class T> Dense<T> solveLeastSquares(Dense<T> a, Dense<T> b)
{
    const int m = a.rows;
    const int n = a.cols;
    const int steps = std::min(m, n);
    for (int k = 0; k < steps; ++k)
    {
        double norm = 0.0;
        for (int i = k; i < m; ++i)
            norm += std::norm(a.at(i, k));
        norm = std::sqrt(norm);
        if (norm == 0.0)
            continue;
        const T x0 = a.at(k, k);
        const T phase = std::abs(x0) == 0.0 ? T(1) : x0 / std::abs(x0);
        const T alpha = -phase * norm;
        std::vector<T> v(static_cast<std::size_t>(m - k));
        for (int i = k; i < m; ++i)
            v[i - k] = a.at(i, k);
        v[0] -= alpha;
        double vnorm = 0.0;
        for (const T& e : v)
            vnorm += std::norm(e);
        auto reflect = [&](Dense<T>& d, int col)
        {
            T s = T(0);
            for (int i = k; i < m; ++i)
                s += conjOf(v[i - k]) * d.at(i, col);
            s = s * (2.0 / vnorm);
            for (int i = k; i < m; ++i)
                d.at(i, col) -= v[i - k] * s;
        };
        for (int j = k; j < n; ++j)
            reflect(a, j);
        for (int j = 0; j < b.cols; ++j)
            reflect(b, j);
    }
    double largest = 0.0;
    for (int k = 0; k < steps; ++k)
        largest = std::max(largest, std::abs(a.at(k, k)));
    const double tol = std::max(m, n) * largest * 2.220446049250313e-16;
    int rank = 0;
    for (int k = 0; k < steps; ++k)
        rank += std::abs(a.at(k, k)) > tol ? 1 : 0;
    if (rank < steps)
        mclRaiseWarning("Rank deficient, rank = %d, tol = %.4e.", rank, tol);
    Dense<T> x = make<T>(n, b.cols);
    for (int j = 0; j < b.cols; ++j)
        for (int i = steps - 1; i >= 0; --i)
        {
            if (std::abs(a.at(i, i)) <= tol)
                continue;
            T s = b.at(i, j);
            for (int k = i + 1; k < steps; ++k)
                s -= a.at(i, k) * x.at(k, j);
            x.at(i, j) = s / a.at(i, i);
        }
    return x;
}

template <class T> mxArray* rightDivide(const mcl::Operand& b, const mcl::Operand& a)
{
    // x a = b is a.' x.' = b.'
    Dense<T> at = load<T>(a, true);
    Dense<T> bt = load<T>(b, true);
    Dense<T> xt = at.rows == at.cols ? solveSquare(std::move(at), std::move(bt))
                                     : solveLeastSquares(std::move(at), std::move(bt));
    return store(xt, true);
}

template <class T> mxArray* integerPower(const mcl::Operand& a, long p)
{
    Dense<T> base = load<T>(a);
    const int n = base.rows;
    if (p < 0)
        base = solveSquare(base, identity<T>(n));
    Dense<T> result = identity<T>(n);
    for (unsigned long k = static_cast<unsigned long>(std::labs(p)); k > 0; k >>= 1)
    {
        if (k & 1)
            result = multiply(result, base);
        if (k > 1)
            base = multiply(base, base);
    }
    return store(result);
}
} // namespace

mxArray* mlfMtimes(const mxArray* left, const mxArray* right)
{
    mcl::countOperatorCall();
    const mcl::Operand a(left, "mtimes");
    const mcl::Operand b(right, "mtimes");
    if (a.isScalar() || b.isScalar())
        return mlfTimes(left, right);
    require2d(a);
    require2d(b);
    if (a.cols() != b.rows())
        mclRaiseError("Inner matrix dimensions must agree.");
    if (a.isComplex() || b.isComplex())
        return store(multiply(load<Complex>(a), load<Complex>(b)));
    return store(multiply(load<double>(a), load<double>(b)));
}

mxArray* mlfMrdivide(const mxArray* numerator, const mxArray* divisor)
{
    mcl::countOperatorCall();
    const mcl::Operand b(numerator, "mrdivide");
    const mcl::Operand a(divisor, "mrdivide");
    if (a.isScalar())
        return mlfRdivide(numerator, divisor);
    require2d(a);
    require2d(b);
    if (a.cols() != b.cols())
        mclRaiseError("Matrix dimensions must agree.");
    if (a.isComplex() || b.isComplex())
        return rightDivide<Complex>(b, a);
    return rightDivide<double>(b, a);
}

mxArray* mlfMpower(const mxArray* left, const mxArray* right)
{
    mcl::countOperatorCall();
    const mcl::Operand a(left, "mpower");
    const mcl::Operand p(right, "mpower");
    if (a.isScalar() && p.isScalar())
        return mlfPower(left, right);
    if (!p.isScalar() || a.dims().size() > 2)
        mclRaiseError("Inputs must be a scalar and a square matrix.");
    if (a.rows() != a.cols())
        mclRaiseError("Matrix must be square.");
    const double e = p.re(0);
    if (p.im(0) != 0.0 || e != std::floor(e) || std::fabs(e) > 2147483647.0)
        mclRaiseError("Matrix power needs an integer exponent.");
    const long k = static_cast<long>(e);
    return a.isComplex() ? integerPower<Complex>(a, k) : integerPower<double>(a, k);
}
