// Feeds arbitrary bytes, as a file, to the point file readers filio81 and filio_p81. A
// file is either refused with an error of the matrix layer or read into as many
// frequencies as responses, counted by the third output.
#include "numerics/MatrixValues.h"
#include "numerics/filio81.h"
#include "numerics/filio_p81.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace
{
mwLibraryInit s_libraryInit;

void Quiet(const char*) {}

template <typename Reader> void Check(const Reader& reader, const std::string& path)
{
    mwMatrix response, count;
    try
    {
        const mwMatrix freq = reader(&response, &count, path.c_str());
        const int points = freq.NumberOfElements();
        if (double(count) != points || response.NumberOfElements() != points)
            std::abort();
        numerics::ComplexValues(response);
    }
    catch (const mwException&)
    {
        // A file that cannot be read is refused, with its reason.
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("fuzz_point_file_" + std::to_string(getpid())))
            .string();
    mwSetPrintHandler(&Quiet);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    Check(filio81, path);
    Check(filio_p81, path);
    std::filesystem::remove(path);
    return 0;
}
