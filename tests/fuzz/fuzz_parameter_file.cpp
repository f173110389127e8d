// Feeds arbitrary bytes to the filter parameter file reader. Every filter read is designed
// through its list's coefficient collection (the numerics may refuse values with the
// matrix layer's error) and written back; what is written must read back and write again
// to the same text.
#include "filters/FilterLists.h"
#include "filters/FilterParameterFile.h"
#include "graph/Assert.h"
#include "matrix/handler.h"
#include "matrix/mwexcept.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace
{
void Quiet(const char*, const char*, int) {}
void QuietPrint(const char*) {}

constexpr int kFs = 48000;

std::string ReadAndWrite(const std::string& text)
{
    CFilterLists lists;
    std::istringstream in(text);
    CFilterParameterFile::ReadFilters(lists, in, kFs);
    lists.ForEach(
        [](EFilterKind, auto& list)
        {
            CMatrixPtrArray a;
            CMatrixPtrArray b;
            try
            {
                list.GetActiveCoefficients(a, b);
            }
            catch (const mwException&)
            {
            }
        });
    std::ostringstream out;
    CFilterParameterFile::WriteFilters(lists, out);
    return out.str();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    mclSetAssertionHandler(&Quiet);
    mwSetPrintHandler(&QuietPrint);
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string once = ReadAndWrite(text);
    if (ReadAndWrite(once) != once)
        std::abort();
    return 0;
}
