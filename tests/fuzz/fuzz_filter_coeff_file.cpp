// Feeds arbitrary text to the coefficient file validator and, when it passes, reads the
// rows: every row pair has the same length of at least two, an a0 that is not 0 (nor
// written as 0), and its response is a finite number over the check grid
// (HasFiniteResponse). The rows taken are written as a save
// writes them and read again: the file passes the validator again, with the same rows to
// the file's fifteen decimals, and writes again to the same text.
#include "document/DocumentServices.h"
#include "document/FilterCoeffFile.h"
#include "filters/FilterDesignCheck.h"
#include "filters/MatrixPtrArray.h"
#include "graph/Assert.h"
#include "graph/CFormat.h"
#include "graph/Convert.h"
#include "tests/fuzz/CoefficientRows.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{
void Quiet(const char*, const char*, int) {}

class CountingReport : public IFileReadErrorReport
{
public:
    void ShowFileReadError(const std::string&, int nLine, const std::string& error) override
    {
        if (nLine < 0 || error.empty())
            std::abort();
        ++count;
    }
    int count = 0;
};

// The rows of a valid text, b rows then a rows; false when the validator refuses it.
bool ReadRows(const std::string& text, CMatrixPtrArray& b, CMatrixPtrArray& a)
{
    CountingReport report;
    FilterCoeffFile file(&report);
    file.OpenText(text, "fuzz.flt");
    if (!file.Validate())
    {
        if (report.count != 1)
            std::abort();
        return false;
    }
    const int n = file.GetRowCount();
    file.SkipToNumeratorRows();
    for (int i = 0; i < n; ++i)
        file.ReadCoefficientRow(b);
    file.SkipToDenominatorRows();
    for (int i = 0; i < n; ++i)
        file.ReadCoefficientRow(a);
    file.Close();
    if (b.GetSize() != n || a.GetSize() != n)
        std::abort();
    // Every filter: rows of the same length of two or more, an a0 that is not 0, also as
    // the file's fifteen decimals write it, and a finite response.
    for (int i = 0; i < n; ++i)
        if (b.GetAt(i).NumberOfElements() < 2 ||
            a.GetAt(i).NumberOfElements() != b.GetAt(i).NumberOfElements() ||
            a.GetAt(i).RealElement(1) == 0.0 ||
            ReadBackValue(a.GetAt(i).RealElement(1), "  %18.15lf ") == 0.0 ||
            !HasFiniteResponse(a.GetAt(i), b.GetAt(i)))
            std::abort();
    return true;
}

// The text a save writes of the rows.
std::string Written(const CMatrixPtrArray& b, const CMatrixPtrArray& a)
{
    static const std::string path = FuzzFolder("flt") + "/written.flt";
    std::string chosen = path;
    FilterCoeffFile file(nullptr);
    if (!file.OpenForWrite(chosen) || !file.Write(a, b))
        std::abort();
    std::string text = file.GetText();
    file.Close();
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    mclSetAssertionHandler(&Quiet);
    CMatrixPtrArray b, a;
    if (!ReadRows(std::string(data, data + size), b, a))
        return 0;
    const std::string written = Written(b, a);
    CMatrixPtrArray bAgain, aAgain;
    if (!ReadRows(written, bAgain, aAgain) || !SameRows(b, bAgain) || !SameRows(a, aAgain) ||
        Written(bAgain, aAgain) != written)
        std::abort();
    return 0;
}
