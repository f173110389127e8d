#include "loudness/LoudnessFrequencyAxis.h"

#include <cmath>

CLoudnessFrequencyAxis BuildLoudnessFrequencyAxis(int lowerLimit, int samplingFrequency)
{
    CLoudnessFrequencyAxis axis;
    const int N = CLoudnessFrequencyAxis::kPoints;
    const double fStart = double(lowerLimit);
    const double fEnd = double(samplingFrequency) / 2.0;
    if (!(fStart > 0.0 && fStart < fEnd))
        return axis;
    const double ratio = std::pow(10.0, (std::log10(fEnd) - std::log10(fStart)) / (N - 1));
    axis.frequency.resize(N);
    axis.frequency[0] = fStart;
    axis.frequency[N - 1] = fEnd;
    // Each power directly, so that no rounding accumulates along the axis.
    for (int i = 1; i < N - 1; ++i)
        axis.frequency[std::size_t(i)] = std::pow(ratio, double(i)) * fStart;
    axis.logFrequency.resize(N);
    for (int i = 0; i < N; ++i)
        axis.logFrequency[std::size_t(i)] = std::log10(axis.frequency[std::size_t(i)]);
    return axis;
}
