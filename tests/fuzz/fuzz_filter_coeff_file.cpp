// Feeds arbitrary text to the coefficient file validator and, when it passes, reads the
// rows: every row pair has the same length of at least two.
#include "document/DocumentServices.h"
#include "document/FilterCoeffFile.h"
#include "filters/MatrixPtrArray.h"
#include "graph/Assert.h"

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
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    mclSetAssertionHandler(&Quiet);
    CountingReport report;
    FilterCoeffFile file(&report);
    file.OpenText(std::string(data, data + size), "fuzz.flt");
    if (!file.Validate())
    {
        if (report.count != 1)
            std::abort();
        return 0;
    }
    const int n = file.GetRowCount();
    CMatrixPtrArray b, a;
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
            a.GetAt(i).NumberOfElements() != b.GetAt(i).NumberOfElements())
            std::abort();
    return 0;
}
