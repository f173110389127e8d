#include "bench/SpeakerModel.h"

#include "numerics/engine/Freqz.h"

#include <cmath>
#include <numbers>

namespace bench
{
namespace
{
using numerics::Complex;

struct CBiquad
{
    double b[3];
    double a[3];
};

// Second-order sections of the audio cookbook, normalised so that a0 = 1.
CBiquad Normalised(double b0, double b1, double b2, double a0, double a1, double a2)
{
    return {{b0 / a0, b1 / a0, b2 / a0}, {1.0, a1 / a0, a2 / a0}};
}

double Alpha(double f0, double q, double fs)
{
    return std::sin(2.0 * std::numbers::pi * f0 / fs) / (2.0 * q);
}

CBiquad Peak(double gainDb, double f0, double q, double fs)
{
    const double A = std::pow(10.0, gainDb / 40.0);
    const double alpha = Alpha(f0, q, fs);
    const double c = std::cos(2.0 * std::numbers::pi * f0 / fs);
    return Normalised(1 + alpha * A, -2 * c, 1 - alpha * A, 1 + alpha / A, -2 * c, 1 - alpha / A);
}

CBiquad Pass(bool high, double f0, double q, double fs)
{
    const double alpha = Alpha(f0, q, fs);
    const double c = std::cos(2.0 * std::numbers::pi * f0 / fs);
    const double edge = high ? (1 + c) / 2 : (1 - c) / 2;
    const double middle = high ? -(1 + c) : 1 - c;
    return Normalised(edge, middle, edge, 1 + alpha, -2 * c, 1 - alpha);
}

std::vector<Complex> Chain(const std::vector<double>& freq, double fs,
                           std::initializer_list<CBiquad> sections, double gain)
{
    std::vector<Complex> h(freq.size(), Complex(gain, 0.0));
    const auto grid = numerics::CFrequencyGrid::For(freq, fs);
    for (const CBiquad& s : sections)
        numerics::MultiplyBiquadResponse(s.b, s.a, *grid, h);
    return h;
}
} // namespace

std::vector<double> LogGrid(int points, double from, double to)
{
    std::vector<double> f(static_cast<std::size_t>(points));
    for (int i = 0; i < points; ++i)
        f[std::size_t(i)] = from * std::pow(to / from, double(i) / (points - 1));
    return f;
}

std::vector<double> LinearGrid(int points, double from, double to)
{
    std::vector<double> f(static_cast<std::size_t>(points));
    for (int i = 0; i < points; ++i)
        f[std::size_t(i)] = from + (to - from) * double(i) / (points - 1);
    return f;
}

std::vector<Complex> TwoWaySpeaker(const std::vector<double>& freq, double fs)
{
    const auto woofer =
        Chain(freq, fs,
              {Pass(true, 45, 0.8, fs), Pass(false, 2200, 0.5, fs), Pass(false, 2200, 0.5, fs),
               Peak(5, 700, 3, fs), Peak(-4, 1400, 5, fs)},
              1.0);
    const auto tweeter = Chain(
        freq, fs, {Pass(true, 2200, 0.5, fs), Pass(true, 2200, 0.5, fs), Peak(4, 9000, 2, fs)},
        std::pow(10.0, 2.0 / 20.0));
    std::vector<Complex> sum(freq.size());
    for (std::size_t i = 0; i < freq.size(); ++i)
        sum[i] = woofer[i] + tweeter[i];
    return sum;
}
std::vector<double> CaseGrid(int which)
{
    return which == 2 ? LinearGrid(10000, 2.5, 25000.0)
                      : LogGrid(which == 0 ? 300 : 1000, 20.0, 20000.0);
}
} // namespace bench
