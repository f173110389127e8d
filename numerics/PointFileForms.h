// The statements shared by the point file readers filio81 and filio_p81.
#pragma once

#include "numerics/DesignerValues.h"
#include "numerics/engine/PointFile.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace numerics
{
// The numbers of the file named by input 1, perPoint to a point; output 1 the first of
// each point, output 3 the number of points. Returns the numbers.
template <typename Fn> std::vector<double> ReadPoints(CFrame<Fn>& f, int perPoint)
{
    std::vector<double> d = ReadPointFile(TextOf(f.In(1)), perPoint, Fn::kInfo.name);
    const std::size_t count = d.size() / std::size_t(perPoint);
    std::vector<double> freq(count);
    for (std::size_t i = 0; i < count; ++i)
        freq[i] = d[i * std::size_t(perPoint)];
    f.Out(1) = RealMatrix({int(count), count ? 1 : 0}, freq);
    f.Out(3) = mwMatrix(double(count));
    return d;
}

// A level in dB as a linear magnitude.
inline double Magnitude(double dB)
{
    return std::pow(10.0, dB / 20.0);
}
} // namespace numerics
