// Complex arithmetic of the run-time, written out so that the hot loops stay inline and
// the rounding is the same wherever the same operation is made.
#pragma once

#include <cmath>
#include <complex>

namespace numerics
{
using Complex = std::complex<double>;

inline Complex Times(Complex x, Complex y)
{
    return {x.real() * y.real() - x.imag() * y.imag(), x.real() * y.imag() + x.imag() * y.real()};
}

// Quotient with the scaling that keeps x/y finite wherever it is representable.
inline Complex Divide(Complex x, Complex y)
{
    const double yr = y.real();
    const double yi = y.imag();
    if (std::fabs(yr) >= std::fabs(yi))
    {
        const double r = yi / yr;
        const double den = yr + yi * r;
        return {(x.real() + x.imag() * r) / den, (x.imag() - x.real() * r) / den};
    }
    const double r = yr / yi;
    const double den = yi + yr * r;
    return {(x.real() * r + x.imag()) / den, (x.imag() * r - x.real()) / den};
}

// Numerator and denominator of a biquad at one point z = c + j·s of the unit circle:
// polyval(b, z) and polyval(a, z) by Horner's rule.
struct CBiquadPoint
{
    double nr, ni; // polyval(b, z)
    double dr, di; // polyval(a, z)
};

inline CBiquadPoint BiquadAt(const double (&b)[3], const double (&a)[3], double c, double s)
{
    const double nr1 = b[0] * c + b[1];
    const double ni1 = b[0] * s;
    const double dr1 = a[0] * c + a[1];
    const double di1 = a[0] * s;
    return {nr1 * c - ni1 * s + b[2], nr1 * s + ni1 * c, dr1 * c - di1 * s + a[2],
            dr1 * s + di1 * c};
}

// p1·z^(L−1) + ... + pL by Horner's rule.
template <typename Coefficients> Complex Polyval(const Coefficients& p, Complex z)
{
    Complex y = 0.0;
    bool first = true;
    for (double c : p)
    {
        y = first ? Complex(c, 0.0) : Times(y, z) + c;
        first = false;
    }
    return y;
}
} // namespace numerics
