// Feeds arbitrary text to the raw response reader. An accepted file gives columns of
// one finite value per point, frequencies and magnitudes a measurement can hold and finite
// phases; written back and read again it gives the same points in the same order, to the
// decimals written.
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
    const std::vector<double> fv = Values(f), mv = Values(m);
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
        if (!(std::fabs(fv2[i] - fv[i]) <= 0.50001e-4) ||
            !(std::fabs(mv2[i] - mv[i]) <= 0.50001e-5) ||
            !(std::fabs(pv2[i] - pv[i]) <= 0.50001e-5))
            std::abort();
    return 0;
}
