#include "runtime/signal.h"

#include "runtime/handlers.h"
#include "runtime/libsupport.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace
{
using cplx = std::complex<double>;
using Signal = std::vector<cplx>;

constexpr double kPi = std::numbers::pi;

void requireArgs(std::initializer_list<const mxArray*> args)
{
    for (const mxArray* a : args)
        if (!a)
            mclRaiseError("Not enough input arguments.");
}

// In-place radix-2 transform; the length is a power of two. sign -1 forward, +1 inverse
// (unscaled).
void radix2(Signal& x, int sign)
{
    const std::size_t n = x.size();
    for (std::size_t i = 1, j = 0; i < n; ++i)
    {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(x[i], x[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1)
    {
        const double angle = sign * 2.0 * kPi / static_cast<double>(len);
        for (std::size_t start = 0; start < n; start += len)
        {
            for (std::size_t k = 0; k < len / 2; ++k)
            {
                const cplx w = std::polar(1.0, angle * static_cast<double>(k));
                const cplx u = x[start + k];
                const cplx v = x[start + k + len / 2] * w;
                x[start + k] = u + v;
                x[start + k + len / 2] = u - v;
            }
        }
    }
}

bool isPowerOfTwo(std::size_t n)
{
    return n && !(n & (n - 1));
}

// Forward transform of any length: radix 2 when it can, else Bluestein's chirp form over a
// power-of-two convolution.
Signal dft(Signal x)
{
    const std::size_t n = x.size();
    if (n <= 1)
        return x;
    if (isPowerOfTwo(n))
    {
        radix2(x, -1);
        return x;
    }
    std::size_t m = 1;
    while (m < 2 * n - 1)
        m <<= 1;
    // chirp(k) = exp(-i*pi*k^2/n); k^2 is taken modulo 2n to keep the angle exact.
    Signal chirp(n);
    for (std::size_t k = 0; k < n; ++k)
    {
        const std::size_t k2 = (k * k) % (2 * n);
        chirp[k] = std::polar(1.0, -kPi * static_cast<double>(k2) / static_cast<double>(n));
    }
    Signal a(m), b(m);
    for (std::size_t k = 0; k < n; ++k)
        a[k] = x[k] * chirp[k];
    b[0] = std::conj(chirp[0]);
    for (std::size_t k = 1; k < n; ++k)
        b[k] = b[m - k] = std::conj(chirp[k]);
    radix2(a, -1);
    radix2(b, -1);
    for (std::size_t k = 0; k < m; ++k)
        a[k] *= b[k];
    radix2(a, 1);
    for (std::size_t k = 0; k < n; ++k)
        x[k] = a[k] * chirp[k] / static_cast<double>(m);
    return x;
}

// Walks the slices of an array along one dimension: element j of slice s lies at
// first(s) + j * stride.
struct Lines
{
    Lines(const std::vector<int>& dims, int dim)
    {
        const std::size_t k = static_cast<std::size_t>(dim - 1);
        for (std::size_t i = 0; i < dims.size(); ++i)
        {
            if (i < k)
                stride *= dims[i];
            else if (i > k)
                outer *= dims[i];
        }
        length = k < dims.size() ? dims[k] : 1;
    }
    int first(int s) const { return s % stride + (s / stride) * stride * length; }
    int count() const { return stride * outer; }
    int stride = 1, outer = 1, length = 1;
};

bool isVector(const mxArray* a)
{
    return mxGetNumberOfDimensions(a) == 2 && (mxGetM(a) == 1 || mxGetN(a) == 1);
}

mxArray* fftOf(const mxArray* x, const mxArray* nArg, const mxArray* dimArg)
{
    const mclValues v(x, "fft");
    if (mxIsEmpty(x) && !nArg)
        return mclCreateLike(x, false);
    const int dim = dimArg ? mclDimArg(dimArg, "fft") : mclDefaultDim(x);
    std::vector<int> dims = mcl::dimsOf(x);
    dims.resize(std::max<std::size_t>(dims.size(), dim), 1);
    const Lines in(dims, dim);
    int n = in.length;
    if (nArg && !mxIsEmpty(nArg))
    {
        const double want = mclScalarArg(nArg, "fft", "Transform length");
        if (!(want >= 1.0) || want != std::floor(want) || want > 1e9)
            mclRaiseError("FFT length must be a positive integer scalar.");
        n = static_cast<int>(want);
    }
    dims[dim - 1] = n;
    mxArray* out = mcl::newDoubleArray(dims, true);
    const Lines to(dims, dim);
    for (int s = 0; s < in.count(); ++s)
    {
        Signal line(n);
        for (int j = 0; j < std::min(n, in.length); ++j)
            line[j] = v.at(in.first(s) + j * in.stride);
        line = dft(std::move(line));
        for (int j = 0; j < n; ++j)
        {
            mclGetPr(out)[to.first(s) + j * to.stride] = line[j].real();
            mclGetPi(out)[to.first(s) + j * to.stride] = line[j].imag();
        }
    }
    return out;
}

void storeAt(mxArray* out, int i, cplx z)
{
    mclGetPr(out)[i] = z.real();
    if (mclGetPi(out))
        mclGetPi(out)[i] = z.imag();
}

// Index of the segment of the ascending x holding value: r = the count of x not above it,
// with the last point counted in the segment before it; -1 outside.
int segmentOf(const std::vector<double>& x, double value)
{
    if (std::isnan(value) || x.size() < 2)
        return -1;
    if (value == x.back())
        return static_cast<int>(x.size()) - 2;
    const auto r = std::upper_bound(x.begin(), x.end(), value) - x.begin();
    return r > 0 && r < static_cast<long>(x.size()) ? static_cast<int>(r) - 1 : -1;
}

// Remainder of x by y with the sign of y.
double floorMod(double x, double y)
{
    double r = std::fmod(x, y);
    if (r != 0.0 && ((r < 0.0) != (y < 0.0)))
        r += y;
    return r;
}
} // namespace

void mlxFft(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    mclCheckArgCount(nlhs, nrhs, 1, 3, 1);
    plhs[0] = fftOf(prhs[0], nrhs > 1 ? prhs[1] : nullptr, nrhs > 2 ? prhs[2] : nullptr);
}

mxArray* mlfConv(mxArray* a, mxArray* b)
{
    requireArgs({a, b});
    const mclValues va(a, "conv"), vb(b, "conv");
    if (!isVector(a) || !isVector(b))
        mclRaiseError("A and B must be vectors.");
    if (va.size() == 0 || vb.size() == 0)
        return mclCreateDoubleMatrix(0, 0, mxREAL);
    const int n = va.size() + vb.size() - 1;
    const mxArray* shape = va.size() > vb.size() ? a : b;
    const bool column = mxGetN(shape) == 1 && mxGetM(shape) > 1;
    mxArray* out = mclCreateDoubleMatrix(column ? n : 1, column ? 1 : n,
                                         va.complex() || vb.complex() ? mxCOMPLEX : mxREAL);
    for (int k = 0; k < n; ++k)
    {
        cplx total = 0.0;
        for (int i = std::max(0, k - vb.size() + 1); i <= std::min(k, va.size() - 1); ++i)
            total += va.at(i) * vb.at(k - i);
        storeAt(out, k, total);
    }
    return out;
}

mxArray* mlfInterp1q(mxArray* x, mxArray* y, mxArray* xi)
{
    requireArgs({x, y, xi});
    const mclValues vx(x, "interp1q"), vy(y, "interp1q"), vxi(xi, "interp1q");
    std::vector<double> points(static_cast<std::size_t>(vx.size()));
    for (int i = 0; i < vx.size(); ++i)
        points[i] = vx.re(i);
    const int n = vx.size();
    const bool yVector = isVector(y) && vy.size() == n;
    const int series = yVector ? 1 : mxGetN(y);
    if ((!yVector && mxGetM(y) != n) || mxGetNumberOfDimensions(y) > 2)
        mclRaiseError("Y must have length(X) rows.");
    const int count = vxi.size();
    mxArray* out = mclCreateDoubleMatrix(count, series, vy.complex() ? mxCOMPLEX : mxREAL);
    for (int i = 0; i < count; ++i)
    {
        const int r = segmentOf(points, vxi.re(i));
        for (int c = 0; c < series; ++c)
        {
            if (r < 0)
            {
                storeAt(out, i + c * count, cplx(NAN, vy.complex() ? NAN : 0.0));
                continue;
            }
            const double u = (vxi.re(i) - points[r]) / (points[r + 1] - points[r]);
            const cplx y0 = vy.at(r + c * n), y1 = vy.at(r + 1 + c * n);
            storeAt(out, i + c * count, y0 + (y1 - y0) * u);
        }
    }
    if (series == 1 && count > 1 && isVector(xi))
        mclSetDimensions(out, 2, mxGetDimensions(xi));
    return out;
}

mxArray* mlfLogspace(mxArray* a, mxArray* b, mxArray* n)
{
    requireArgs({a, b});
    const double first = mclScalarArg(a, "logspace", "The first exponent");
    double last = mclScalarArg(b, "logspace", "The last exponent");
    const double wanted = n ? mclScalarArg(n, "logspace", "The number of points") : 50.0;
    if (last == kPi)
        last = std::log10(kPi);
    const int count = wanted >= 1.0 ? static_cast<int>(std::min(std::floor(wanted), 1e8)) : 0;
    mxArray* out = mclCreateDoubleMatrix(1, count, mxREAL);
    for (int k = 0; k < count - 1; ++k)
        mclGetPr(out)[k] = std::pow(10.0, first + k * (last - first) / (count - 1));
    if (count > 0)
        mclGetPr(out)[count - 1] = std::pow(10.0, last);
    return out;
}

mxArray* mlfNPolyval(int nargout, mxArray** delta, mxArray* p, mxArray* x, mxArray* s)
{
    requireArgs({p, x});
    if (nargout > 1 && delta)
        mclRaiseError(s ? "S must be a structure returned by POLYFIT."
                        : "S is required to compute error estimates.");
    const mclValues vp(p, "polyval"), vx(x, "polyval");
    mxArray* out = mclCreateLike(x, vp.complex() || vx.complex());
    for (int i = 0; i < vx.size(); ++i)
    {
        cplx y = 0.0;
        for (int k = 0; k < vp.size(); ++k)
            y = y * vx.at(i) + vp.at(k);
        storeAt(out, i, y);
    }
    return out;
}

mxArray* mlfUnwrap(mxArray* p, mxArray* tol, mxArray* dim)
{
    requireArgs({p});
    const mclValues v(p, "unwrap");
    const double cutoff = tol && !mxIsEmpty(tol) ? mclScalarArg(tol, "unwrap", "Tolerance") : kPi;
    const int d = dim ? mclDimArg(dim, "unwrap") : mclDefaultDim(p);
    mxArray* out = mclCreateLike(p, false);
    const Lines lines(mcl::dimsOf(p), d);
    for (int s = 0; s < lines.count() && v.size() > 0; ++s)
    {
        double correction = 0.0, previous = 0.0;
        bool started = false;
        for (int j = 0; j < lines.length; ++j)
        {
            const int i = lines.first(s) + j * lines.stride;
            const double value = v.re(i);
            if (!std::isfinite(value))
            {
                mclGetPr(out)[i] = value;
                continue;
            }
            if (started)
            {
                const double step = value - previous;
                double equivalent = floorMod(step + kPi, 2.0 * kPi) - kPi;
                if (equivalent == -kPi && step > 0.0)
                    equivalent = kPi;
                if (std::abs(step) >= cutoff)
                    correction += equivalent - step;
            }
            mclGetPr(out)[i] = value + correction;
            previous = value;
            started = true;
        }
    }
    return out;
}

mxArray* mlfPol2cart(mxArray** y, mxArray** zOut, mxArray* theta, mxArray* rho, mxArray* z)
{
    requireArgs({theta, rho});
    const mclValues vt(theta, "pol2cart"), vr(rho, "pol2cart");
    if (vt.size() != 1 && vr.size() != 1 && mcl::dimsOf(theta) != mcl::dimsOf(rho))
        mclRaiseError("Matrix dimensions must agree.");
    const mxArray* shape = vt.size() == 1 ? rho : theta;
    mxArray* x = mclCreateLike(shape, false);
    mxArray* sine = mclCreateLike(shape, false);
    for (int i = 0; i < mxGetNumberOfElements(x); ++i)
    {
        const double t = vt.re(vt.size() == 1 ? 0 : i);
        const double r = vr.re(vr.size() == 1 ? 0 : i);
        mclGetPr(x)[i] = r * std::cos(t);
        mclGetPr(sine)[i] = r * std::sin(t);
    }
    if (y)
        *y = sine;
    else
        mxDestroyArray(sine);
    if (zOut)
        *zOut = z ? mclDuplicateArray(z) : nullptr;
    return x;
}
