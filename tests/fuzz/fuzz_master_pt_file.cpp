// Feeds arbitrary text to the master point reader: a text that is no master point file is
// refused at a line, otherwise every section goes into a grid, and every stored point is
// a pair of finite numbers that the writer can put out again.
#include "document/MasterPointGrid.h"
#include "document/MasterPtFile.h"
#include "graph/Assert.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{
void Quiet(const char*, const char*, int) {}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    mclSetAssertionHandler(&Quiet);
    CMasterPtFile file;
    // A text that is no master point file is refused at a line of it.
    if (!file.OpenText(std::string(data, data + size), "fuzz.mpt"))
    {
        if (file.GetErrorLine() < 1 || file.GetError().empty())
            std::abort();
        return 0;
    }
    CMemoryMasterPointGrid grids[3];
    for (int section = 1; section <= 3; ++section)
        file.ReadSection(section, &grids[section - 1]);
    file.Close();
    CMasterPtFile writer;
    std::string path = "/dev/null";
    writer.OpenForWrite(path, false);
    for (int section = 1; section <= 3; ++section)
    {
        const CMemoryMasterPointGrid& grid = grids[section - 1];
        if (grid.Cell(grid.GetRows() - 1, 0) != "*")
            std::abort();
        for (int row = 1; row + 1 < grid.GetRows(); ++row)
            if (!std::isfinite(grid.GetFrequency(row)) || !std::isfinite(grid.GetAmplitude(row)))
                std::abort();
        writer.WriteSection(section, &grid);
    }
    return 0;
}
