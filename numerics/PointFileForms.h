// The statements shared by the point file readers filio81 and filio_p81: two header lines,
// then points of two or three numbers read with the run-time's fscanf ("%g, %g" or
// "%g, %g, %g" applied again and again until the first text that does not fit).
#pragma once

#include "numerics/DesignerValues.h"
#include "numerics/engine/NumericsError.h"

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

namespace numerics
{
// A file that cannot be opened for reading.
class CPointFileNotOpened : public CNumericsError
{
public:
    using CNumericsError::CNumericsError;
};

// Opens a file through the run-time and closes it when it goes, also on an error.
class CPointFile
{
public:
    // Raises CPointFileNotOpened, its text naming the reader and the file.
    CPointFile(const mwMatrix& name, const char* reader);
    ~CPointFile();
    CPointFile(const CPointFile&) = delete;
    CPointFile& operator=(const CPointFile&) = delete;

    // The numbers after the two header lines, perPoint to a point. Raises CNumericsError
    // when the last point has fewer numbers.
    std::vector<double> Numbers(int perPoint);

private:
    std::string m_name;
    const char* m_reader;
    mwMatrix m_fid;
};

// The numbers of the file named by input 1, perPoint to a point; output 1 the first of
// each point, output 3 the number of points. Returns the numbers.
template <typename Fn> std::vector<double> ReadPoints(CFrame<Fn>& f, int perPoint)
{
    std::vector<double> d = CPointFile(f.In(1), Fn::kInfo.name).Numbers(perPoint);
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
