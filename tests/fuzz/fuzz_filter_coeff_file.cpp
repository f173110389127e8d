// Feeds arbitrary text to the coefficient file validator and, when it passes, reads the
// rows: every row pair has the same length of at least two, and its response is a finite
// number over the check grid (HasFiniteResponse). The rows taken are written as a save
// writes them and read again: the file passes the validator again, with the same rows to
// the file's fifteen decimals, and writes again to the same text.
#include "document/DocumentServices.h"
#include "document/FilterCoeffFile.h"
#include "filters/FilterDesignCheck.h"
#include "filters/MatrixPtrArray.h"
#include "graph/Assert.h"
#include "graph/CFormat.h"
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
    for (int i = 0; i < n; ++i)
        if (b.GetAt(i).NumberOfElements() < 2 ||
            a.GetAt(i).NumberOfElements() != b.GetAt(i).NumberOfElements() ||
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

// Row k of both lists is the same to the file's fifteen decimals.
bool SameRows(const CMatrixPtrArray& x, const CMatrixPtrArray& y)
{
    if (x.GetSize() != y.GetSize())
        return false;
    for (int k = 0; k < x.GetSize(); ++k)
    {
        const int n = x.GetAt(k).NumberOfElements();
        if (y.GetAt(k).NumberOfElements() != n)
            return false;
        for (int i = 1; i <= n; ++i)
            if (FormatC("%.15lf", x.GetAt(k).RealElement(i)) !=
                FormatC("%.15lf", y.GetAt(k).RealElement(i)))
                return false;
    }
    return true;
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
