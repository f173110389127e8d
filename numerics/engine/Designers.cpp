#include "numerics/engine/Designers.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace numerics
{
namespace
{
constexpr double pi = std::numbers::pi;

struct CTriple
{
    double x[3];
};

// s = k·(1 − z⁻¹)/(1 + z⁻¹), multiplied through by (1 + z⁻¹)², of a triple in s², s, 1.
CTriple Bilinear(const CTriple& r, double k)
{
    const double k2 = k * k;
    return {{((r.x[0] * k2) + r.x[2]) + (r.x[1] * k), (((-2.0) * r.x[0]) * k2) + (2.0 * r.x[2]),
             (((-r.x[1]) * k) + (r.x[0] * k2)) + r.x[2]}};
}

// The numerator over the denominator's first element, then the denominator over its own.
template <int N> void Normalise(double (&b)[N], double (&a)[N])
{
    const double a0 = a[0];
    for (double& v : b)
        v = v / a0;
    const double own = a[0];
    for (double& v : a)
        v = v / own;
}

CBiquad Section(const CTriple& numerator, const CTriple& denominator, double k)
{
    const CTriple n = Bilinear(numerator, k);
    const CTriple d = Bilinear(denominator, k);
    CBiquad s{{n.x[0], n.x[1], n.x[2]}, {d.x[0], d.x[1], d.x[2]}};
    Normalise(s.b, s.a);
    return s;
}

// The prewarped bilinear constant that maps fc onto the analog ω = 2π·fc.
double WarpConstant(double fc, double fs)
{
    return ((2.0 * pi) * fc) / std::tan((pi * fc) / fs);
}

// c and d of the second-order all-pass: c from the bandwidth, d from the centre.
struct CAllPassCoefficients
{
    double c;
    double d;
};

CAllPassCoefficients AllPassCoefficients(double fb, double fc, double fs)
{
    const double t = std::tan((pi * fb) / fs);
    const double den = 1.0 + t;
    const double c = (1.0 - t) / den;
    const double d = -std::cos(((2.0 * pi) * fc) / fs);
    return {c, d};
}

double FirstOrderAllPass(double fc, double fs)
{
    const double t = std::tan((pi * fc) / fs);
    const double den = t + 1.0;
    return (t - 1.0) / den;
}

CBiquad Product(const CBiquad& first, const CFirstOrder& second)
{
    // conv of [x1 x2] and [y1 y2]: [x1·y1, x1·y2 + x2·y1, x2·y2].
    const auto conv = [](const double* x, const double* y, double* out)
    {
        out[0] = x[0] * y[0];
        out[1] = x[0] * y[1] + x[1] * y[0];
        out[2] = x[1] * y[1];
    };
    CBiquad s{};
    conv(first.b, second.b, s.b);
    conv(first.a, second.a, s.a);
    return s;
}

double FromDecibels(double gain)
{
    return std::pow(10.0, gain / 20.0);
}
} // namespace

CBiquad AllPass(double fb, double fc, double fs)
{
    const CAllPassCoefficients ap = AllPassCoefficients(fb, fc, fs);
    const double e = ap.d * (1.0 + ap.c);
    return {{ap.c, e, 1.0}, {1.0, e, ap.c}};
}

CBiquad Notch(double bw, double fc, double fs)
{
    const CBiquad ap = AllPass(bw, fc, fs);
    CBiquad s{{}, {ap.a[0], ap.a[1], ap.a[2]}};
    for (int i = 0; i < 3; ++i)
        s.b[i] = 0.5 * (ap.b[i] + ap.a[i]);
    return s;
}

CBiquad FirstOrderButterworth(double fc, double fs, EPass pass)
{
    const double w = (2.0 * pi) * fc;
    const double P1 = pass == EPass::Low ? 0.0 : 1.0;
    const double P0 = pass == EPass::Low ? w : 0.0;
    const double Q1 = 1.0;
    const double Q0 = w;
    const double K = WarpConstant(fc, fs);
    CBiquad s{{P1 * K + P0, (-P1) * K + P0, 0.0}, {Q1 * K + Q0, (-Q1) * K + Q0, 0.0}};
    Normalise(s.b, s.a);
    return s;
}

CFirstOrder FirstOrderBassShelf(double fc, double V0, double fs)
{
    const double alpha = FirstOrderAllPass(fc, fs);
    const double V0alpha = V0 * alpha;
    const double b0 = (((1.0 - alpha) + V0) + V0alpha) / 2.0;
    const double b1 = (((alpha - 1.0) + V0alpha) + V0) / 2.0;
    return {{b0, b1}, {1.0, alpha}};
}

CFirstOrder FirstOrderTrebleShelf(double fc, double g, double fs)
{
    const double alpha = FirstOrderAllPass(fc, fs);
    const double galpha = g * alpha;
    const double b0 = (((1.0 + alpha) + g) - galpha) / 2.0;
    const double b1 = (((1.0 + alpha) + galpha) - g) / 2.0;
    return {{b0, b1}, {1.0, alpha}};
}

CBiquad Shelf(EShelf shelf, double fc, double fs, double G)
{
    const double r = std::sqrt(2.0) / 2.0;
    const double twoR = 2.0 * r;
    const double gdB = 20.0 * std::log10(G);
    double Gc;
    if (gdB > -6.0 && gdB < 6.0)
        Gc = std::sqrt(G);
    else if (G > 1.0)
        Gc = G / std::sqrt(2.0);
    else
        Gc = G * std::sqrt(2.0);
    const double quotient = ((Gc * Gc) - 1.0) / ((G * G) - (Gc * Gc));
    // At 0 dB, and within rounding of it, the quotient has no value (0/0, or x/0 when G² and
    // Gc² round together): the section is the identity that it tends to there.
    if (!std::isfinite(quotient) && gdB > -6.0 && gdB < 6.0)
        return kIdentitySection;
    const double p = std::pow(quotient, 0.25);
    const double q = std::sqrt(G) * p;
    const double t = std::tan(pi * ((fc / fs) - (1.0 / 4.0)));
    const bool bass = shelf == EShelf::Bass;
    const double U = bass ? 1.0 + t : 1.0 - t;
    const double W = bass ? 1.0 - t : 1.0 + t;
    const double U2 = U * U;
    const double W2 = W * W;
    const double p2 = p * p;
    const double q2 = q * q;
    const double D = ((p2 * U2) + (((twoR * p) * U) * W)) + W2;
    const double b0 = (((q2 * U2) + (((twoR * q) * U) * W)) + W2) / D;
    const double b2 = (((q2 * U2) - (((twoR * q) * U) * W)) + W2) / D;
    const double a2 = (((p2 * U2) - (((twoR * p) * U) * W)) + W2) / D;
    const double b1 = bass ? (2.0 * ((q2 * U2) - W2)) / D : (2.0 * (W2 - (q2 * U2))) / D;
    const double a1 = bass ? (2.0 * ((p2 * U2) - W2)) / D : (2.0 * (W2 - (p2 * U2))) / D;
    return {{b0, b1, b2}, {1.0, a1, a2}};
}

CBiquad SecondOrderPass(EPrototype prototype, double fc, double fs, double Q, EPass pass)
{
    const double w = (2.0 * pi) * fc;
    const double w2 = w * w;
    const CTriple N = pass == EPass::Low ? CTriple{{0.0, 0.0, w2}} : CTriple{{1.0, 0.0, 0.0}};
    double P2 = 0.0;
    switch (prototype)
    {
    case EPrototype::Butterworth:
        P2 = std::sqrt(2.0) * w;
        break;
    case EPrototype::LinkwitzRiley:
        P2 = 2.0 * w;
        break;
    case EPrototype::VariableQ:
        P2 = w / Q;
        break;
    }
    return Section(N, CTriple{{1.0, P2, w2}}, WarpConstant(fc, fs));
}

CBiquad Chebyshev(double fc, double fs, double ripple, EPass pass)
{
    const bool rippleBelow = ripple > 0.0; // sign(ripple) > 0
    const double r = std::fabs(ripple);
    if (r == 0.0)
        return kIdentitySection;
    const double wc = (2.0 * pi) * fc;
    const double eps = std::sqrt(std::pow(10.0, r / 10.0) - 1.0);
    const double v = std::asinh(1.0 / eps) / 2.0;
    const double theta1 = (3.0 * pi) / 4.0;
    const double theta2 = (5.0 * pi) / 4.0;
    const std::complex<double> p1(std::sinh(v) * std::cos(theta1), std::cosh(v) * std::sin(theta1));
    const std::complex<double> p2(std::sinh(v) * std::cos(theta2), std::cosh(v) * std::sin(theta2));
    const double sigma = -(p1 + p2).real();
    const double rho = (p1.real() * p2.real()) - (p1.imag() * p2.imag());
    const double k = rippleBelow ? rho / std::sqrt(1.0 + (eps * eps)) : rho;
    const double wc2 = wc * wc;
    const bool low = pass == EPass::Low;
    const CTriple N = low ? CTriple{{0.0, 0.0, k * wc2}} : CTriple{{k / rho, 0.0, 0.0}};
    const CTriple P =
        low ? CTriple{{1.0, sigma * wc, rho * wc2}} : CTriple{{1.0, (sigma * wc) / rho, wc2 / rho}};
    return Section(N, P, WarpConstant(fc, fs));
}

CBiquad LowPlateau(double gain, double fL, double fU, double fs)
{
    const CBiquad butterworth = FirstOrderButterworth(fL, fs, EPass::High);
    const double g = FromDecibels(gain);
    return Product(butterworth, FirstOrderBassShelf(fU, g, fs));
}

CBiquad HighPlateau(double gain, double fL, double fU, double fs)
{
    const CBiquad butterworth = FirstOrderButterworth(fU, fs, EPass::Low);
    const double g = FromDecibels(gain);
    return Product(butterworth, FirstOrderTrebleShelf(fL, g, fs));
}
} // namespace numerics
