// Feeds arbitrary text to the raw response reader. A refused file is refused at a line,
// with a message, the phase-column mode left as it was; a decimal comma is named only on a
// line that holds a comma between two digits. An accepted file gives one point per row
// that is not blank, each read as the row writes it: every field of the row a whole finite
// number in C notation, the columns' values the row's first numbers, bit for bit, and no
// comma between two digits in a row whose numbers blanks or tabs separate.
// Frequencies and magnitudes are ones a measurement holds, phases finite; written back
// and read again the file gives the same points in the same order, to the decimals
// written.
#include "document/RawResponseFile.h"
#include "document/TextLines.h"
#include "graph/Assert.h"
#include "graph/Mode.h"
#include "tests/fuzz/StrictRow.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace
{
void Quiet(const char*, const char*, int) {}

std::vector<double> Values(const mwMatrix& m)
{
    std::vector<double> v(std::size_t(m.NumberOfElements()));
    if (!v.empty())
        m.CopyRealTo(v.data());
    return v;
}

bool IsBlank(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// The rows after the title and column header that are not blank.
std::vector<std::string> Rows(const std::string& text)
{
    std::vector<std::string> rows;
    int nLine = 0;
    for (const std::string_view line : CTextLines(text))
        if (++nLine > 2 && !IsBlank(line))
            rows.emplace_back(line);
    return rows;
}

// Equal to the decimals written: half a unit of the last decimal, and the ulps a value
// that large has (44444441000.000046 written as 44444441000.00005 is one ulp away).
bool Near(double read, double taken, int decimals)
{
    const double tolerance =
        0.50001 * std::pow(10.0, -decimals) + 2.0 * DBL_EPSILON * std::fabs(taken);
    return std::fabs(read - taken) <= tolerance;
}

void CheckRefusal(const CRawResponseFile& file, const std::string& text, const CMode& mode,
                  int stateBefore)
{
    if (file.GetErrorLine() < 1 || file.GetError().empty() || mode.GetState() != stateBefore)
        std::abort();
    if (file.GetError().find("decimal comma") == std::string::npos)
        return;
    int nLine = 0;
    for (const std::string_view line : CTextLines(text))
        if (++nLine == file.GetErrorLine() && !HoldsDecimalComma(line))
            std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    mclSetAssertionHandler(&Quiet);
    const std::string text(data, data + size);
    CMode mode;
    mode.SetState(size % 2);
    const int stateBefore = mode.GetState();
    CRawResponseFile file(&mode);
    if (!file.OpenText(text, "fuzz.raw"))
    {
        CheckRefusal(file, text, mode, stateBefore);
        return 0;
    }
    mwMatrix f, m, p;
    file.Parse(&f, &m, &p);
    file.Close();
    const int n = f.NumberOfElements();
    if (n < 1 || m.NumberOfElements() != n || (mode.IsOn() && p.NumberOfElements() != n))
        std::abort();
    const std::vector<double> fv = Values(f), mv = Values(m);
    const std::vector<double> pv0 = mode.IsOn() ? Values(p) : std::vector<double>();

    // Each point is its row as written.
    const std::vector<std::string> rows = Rows(text);
    if (rows.size() != std::size_t(n))
        std::abort();
    for (std::size_t i = 0; i < rows.size(); ++i)
    {
        const std::optional<std::vector<double>> fields = StrictFields(rows[i]);
        const std::size_t nColumns = mode.IsOn() ? 3 : 2;
        if (!fields || fields->size() < nColumns || (*fields)[0] != fv[i] ||
            (*fields)[1] != mv[i] || (mode.IsOn() && (*fields)[2] != pv0[i]))
            std::abort();
        if (BlankSeparated(rows[i]) && HoldsDecimalComma(rows[i]))
            std::abort();
    }
    for (int i = 0; i < n; ++i)
    {
        // A first row at 0 Hz stays 0 until opening repairs it; none is below 0 Hz.
        const double fi = fv[std::size_t(i)];
        if (!std::isfinite(fi) || (!(fi >= 0.001 && fi <= 10e6) && !(i == 0 && fi == 0.0)) ||
            !(std::fabs(mv[std::size_t(i)]) <= 1000.0))
            std::abort();
    }
    if (mode.IsOff())
        p = mwMatrix(n, 1, mwMatrix::kZeros);
    const std::vector<double> pv = Values(p);
    for (const double phase : pv)
        if (!std::isfinite(phase))
            std::abort();

    // What is written reads back in phase mode with the same point count.
    CRawResponseFile writer(&mode);
    std::string path = "/dev/null";
    writer.OpenForWrite(path);
    if (!writer.Write(f, m, p))
        std::abort();
    CRawResponseFile again(&mode);
    if (!again.OpenText(writer.GetText(), "again.raw") || again.GetPointCount() != n ||
        !mode.IsOn())
        std::abort();
    mwMatrix f2, m2, p2;
    again.Parse(&f2, &m2, &p2);
    const std::vector<double> fv2 = Values(f2), mv2 = Values(m2), pv2 = Values(p2);
    for (std::size_t i = 0; i < fv.size(); ++i)
        if (!Near(fv2[i], fv[i], 4) || !Near(mv2[i], mv[i], 5) || !Near(pv2[i], pv[i], 5))
            std::abort();
    return 0;
}
