// Feeds arbitrary text to the master point reader: a text that is no master point file is
// refused at a line, otherwise every section goes into a grid, every stored point is a
// frequency from 0.001 Hz to 10 MHz and an amplitude from -1000 dB to 1000 dB, and the
// writer puts them out so that they read back as the same points, to the six decimals
// written.
#include "document/MasterPointGrid.h"
#include "document/MasterPtFile.h"
#include "graph/Assert.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
void Quiet(const char*, const char*, int) {}

struct CPointRow
{
    double f, a;
};

// The points of a grid's data rows; a point outside what a master point holds stops the run.
std::vector<CPointRow> CheckedPoints(const CMemoryMasterPointGrid& grid)
{
    if (grid.Cell(grid.GetRows() - 1, 0) != "*")
        std::abort();
    std::vector<CPointRow> points;
    for (int row = 1; row + 1 < grid.GetRows(); ++row)
    {
        const double f = grid.GetFrequency(row), a = grid.GetAmplitude(row);
        if (!(f >= 0.001 && f <= 1e7) || !(a >= -1000.0 && a <= 1000.0))
            std::abort();
        points.push_back({f, a});
    }
    return points;
}

bool ReadAll(const std::string& text, CMemoryMasterPointGrid (&grids)[3])
{
    CMasterPtFile file;
    if (!file.OpenText(text, "fuzz.mpt"))
    {
        // A text that is no master point file is refused at a line of it.
        if (file.GetErrorLine() < 1 || file.GetError().empty())
            std::abort();
        return false;
    }
    for (int section = 1; section <= 3; ++section)
        file.ReadSection(section, &grids[section - 1]);
    file.Close();
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    mclSetAssertionHandler(&Quiet);
    CMemoryMasterPointGrid grids[3];
    if (!ReadAll(std::string(data, data + size), grids))
        return 0;
    CMasterPtFile writer;
    std::string path = "/dev/null";
    writer.OpenForWrite(path, false);
    std::vector<CPointRow> taken[3];
    for (int section = 1; section <= 3; ++section)
    {
        taken[section - 1] = CheckedPoints(grids[section - 1]);
        if (!writer.WriteSection(section, &grids[section - 1]))
            std::abort();
    }

    // What is written reads back as the same points, to the six decimals of "%lf".
    CMemoryMasterPointGrid again[3];
    if (!ReadAll(writer.GetText(), again))
        std::abort();
    for (int section = 0; section < 3; ++section)
    {
        const std::vector<CPointRow> back = CheckedPoints(again[section]);
        if (back.size() != taken[section].size())
            std::abort();
        for (std::size_t i = 0; i < back.size(); ++i)
            if (!(std::fabs(back[i].f - taken[section][i].f) <= 0.50001e-6) ||
                !(std::fabs(back[i].a - taken[section][i].a) <= 0.50001e-6))
                std::abort();
    }
    return 0;
}
