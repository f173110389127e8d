// Feeds arbitrary text to the raw response reader. An accepted file gives columns of
// one finite value per point; written back and read again it gives the same columns.
#include "document/RawResponseFile.h"
#include "graph/Assert.h"
#include "graph/Mode.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
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
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    mclSetAssertionHandler(&Quiet);
    CMode mode;
    CRawResponseFile file(&mode);
    if (!file.OpenText(std::string(data, data + size), "fuzz.raw"))
        return 0;
    mwMatrix f, m, p;
    file.Parse(&f, &m, &p);
    file.Close();
    const int n = f.NumberOfElements();
    if (n < 1 || m.NumberOfElements() != n || (mode.IsOn() && p.NumberOfElements() != n))
        std::abort();
    for (double v : Values(f))
        if (!std::isfinite(v))
            std::abort();
    if (mode.IsOff())
        p = mwMatrix(n, 1, mwMatrix::kZeros);

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
    return 0;
}
