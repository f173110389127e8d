// The frequency axis of the loudness designs: 300 logarithmically equal steps from the
// speaker document's lower frequency limit to half its sampling frequency.
#pragma once

#include <vector>

struct CLoudnessFrequencyAxis
{
    static constexpr int kPoints = 300;
    std::vector<double> frequency;    // Hz; the first and last exactly the band's ends
    std::vector<double> logFrequency; // log10 of frequency
};

// lowerLimit and samplingFrequency in Hz; both must be positive with lowerLimit below
// half the sampling frequency, otherwise the axis is empty.
CLoudnessFrequencyAxis BuildLoudnessFrequencyAxis(int lowerLimit, int samplingFrequency);
