// Feeds arbitrary text to the master point reader: a text that is no master point file is
// refused at a line of it, otherwise every section goes into a grid. Each section's rows
// are its point lines as written: lines whose first field is a number, their first two
// fields read whole (every field of the line a finite number), in bounds: a frequency
// from 0.001 Hz to 10 MHz and an amplitude from -1000 dB to 1000 dB. Blank lines and notes
// give no row, and the notes are named exactly when there are some. The writer puts the
// points out so that they read back as the same points, to the six decimals written.
#include "document/MasterPointGrid.h"
#include "document/MasterPtFile.h"
#include "document/TextFile.h"
#include "graph/Assert.h"
#include "tests/fuzz/StrictRow.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
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

double SixDecimals(double v)
{
    char text[400];
    std::snprintf(text, sizeof text, "%lf", v);
    return std::strtod(text, nullptr);
}

// Whether the line is a section name.
bool IsSectionName(const CMasterPtFile& file, std::string_view line)
{
    return !file.IsPointLine(line);
}

// The points of a section as its lines write them, and whether the file holds notes.
std::vector<CPointRow> WrittenPoints(const std::string& text, int section, bool& bNotes)
{
    static const char* const kNames[] = {"desired response", "upper tolerance", "lower tolerance"};
    const CMasterPtFile file;
    std::vector<CPointRow> points;
    bool bIn = false, bFound = false;
    bNotes = false;
    for (const std::string_view line : CTextLines(text))
    {
        if (IsBlankLine(line))
            continue;
        if (IsSectionName(file, line))
        {
            std::string lower(line);
            for (char& c : lower)
                c = char(std::tolower(static_cast<unsigned char>(c)));
            bIn = !bFound && lower == kNames[section - 1];
            bFound = bFound || bIn;
            continue;
        }
        if (!IsNumberLine(line))
        {
            bNotes = true;
            continue;
        }
        const std::optional<std::vector<double>> fields = StrictFields(line);
        if (!fields || fields->size() < 2)
            std::abort();
        if (bIn)
            points.push_back({(*fields)[0], (*fields)[1]});
    }
    return points;
}

bool ReadAll(const std::string& text, CMemoryMasterPointGrid (&grids)[3], std::string* pNote)
{
    CMasterPtFile file;
    if (!file.OpenText(text, "fuzz.mpt"))
    {
        // A text that is no master point file is refused at a line of it.
        const std::size_t nLines = CTextLines(text).size();
        if (file.GetErrorLine() < 1 ||
            std::size_t(file.GetErrorLine()) > std::max<std::size_t>(nLines, 1) ||
            file.GetError().empty())
            std::abort();
        return false;
    }
    for (int section = 1; section <= 3; ++section)
        file.ReadSection(section, &grids[section - 1]);
    if (pNote)
        *pNote = file.GetSkippedLinesNote();
    file.Close();
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    mclSetAssertionHandler(&Quiet);
    const std::string text(data, data + size);
    CMemoryMasterPointGrid grids[3];
    std::string note;
    if (!ReadAll(text, grids, &note))
        return 0;
    // Every row is a point line of its section, read as written.
    for (int section = 1; section <= 3; ++section)
    {
        bool bNotes = false;
        const std::vector<CPointRow> written = WrittenPoints(text, section, bNotes);
        const std::vector<CPointRow> taken = CheckedPoints(grids[section - 1]);
        if (written.size() != taken.size() || bNotes == note.empty())
            std::abort();
        // A grid holds six decimals.
        for (std::size_t i = 0; i < taken.size(); ++i)
            if (SixDecimals(written[i].f) != taken[i].f || SixDecimals(written[i].a) != taken[i].a)
                std::abort();
    }
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
    if (!ReadAll(writer.GetText(), again, nullptr))
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
