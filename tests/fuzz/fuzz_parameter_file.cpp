// Feeds arbitrary bytes to the filter parameter file reader. Every filter read is designed
// through its list's coefficient collection (the numerics may refuse values with the
// matrix layer's error) and written back; what is written must read back and write again
// to the same text. A file that opening takes (no foreign text, no refused line) holds
// only filters a reader may take (AllTakeable), whose lines as written read back field by
// field through the one parse of numbers and of Yes/No (AllReadWhole); written and checked
// again, it is taken again, as the same filters (the same text) that are still takeable:
// what the program took reads back as what it wrote, or was refused where it came in.
#include "filters/FilterLists.h"
#include "filters/FilterParameterFile.h"
#include "graph/Assert.h"
#include "matrix/handler.h"
#include "matrix/mwexcept.h"
#include "tests/fuzz/FilterRoundTrip.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace
{
void Quiet(const char*, const char*, int) {}
void QuietPrint(const char*) {}

constexpr int kFs = 48000;

void Read(CFilterLists& lists, const std::string& text)
{
    std::istringstream in(text);
    CFilterParameterFile::ReadFilters(lists, in, kFs);
}

std::string Written(CFilterLists& lists)
{
    std::ostringstream out;
    CFilterParameterFile::WriteFilters(lists, out);
    return out.str();
}

// The file as opening checks it: neither foreign nor refused at a line.
bool Opens(const std::string& text)
{
    return CFilterParameterFile::FindForeignText(text) == 0 &&
           CFilterParameterFile::FindRefusedLine(text, kFs) == 0;
}

// Opened, saved and opened again.
void CheckRoundTrip(const std::string& text)
{
    if (!Opens(text))
        return;
    CFilterLists taken;
    Read(taken, text);
    if (!AllTakeable(taken) || !AllReadWhole(taken))
        std::abort();
    const std::string written = Written(taken);
    if (!Opens(written))
        std::abort();
    CFilterLists again;
    Read(again, written);
    if (again.GetTotalCount() != taken.GetTotalCount() || !AllTakeable(again) ||
        !AllReadWhole(again) || Written(again) != written)
        std::abort();
}

std::string ReadAndWrite(const std::string& text)
{
    CFilterLists lists;
    Read(lists, text);
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
    return Written(lists);
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
    CheckRoundTrip(text);
    return 0;
}
