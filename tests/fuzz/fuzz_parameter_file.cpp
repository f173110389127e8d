// Feeds arbitrary bytes to the filter parameter file reader. Whatever is read is written
// back; what is written must read back and write again to the same text.
#include "filters/FilterLists.h"
#include "filters/FilterParameterFile.h"
#include "graph/Assert.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace
{
void Quiet(const char*, const char*, int) {}

constexpr int kFs = 48000;

std::string ReadAndWrite(const std::string& text)
{
    CFilterLists lists;
    std::istringstream in(text);
    CFilterParameterFile::ReadFilters(lists, in, kFs);
    std::ostringstream out;
    CFilterParameterFile::WriteFilters(lists, out);
    return out.str();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    mclSetAssertionHandler(&Quiet);
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string once = ReadAndWrite(text);
    if (ReadAndWrite(once) != once)
        std::abort();
    return 0;
}
