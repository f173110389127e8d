// The memory of reading a text file: whatever its lines hold (empty lines, one huge line,
// good rows, rows refused at the end), reading it costs at most five times its size at the
// peak. Every block of the program is counted here, the C++ heap through a replaced
// operator new and the matrices through the run-time's allocation functions, so this test
// is a program of its own.
#include "document/FilterCoeffFile.h"
#include "document/MasterPointGrid.h"
#include "document/MasterPtFile.h"
#include "document/RawResponseFile.h"
#include "graph/CFormat.h"
#include "graph/Mode.h"
#include "runtime/memory.h"
#include "tests/document/TempFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <malloc.h>
#include <new>
#include <string>

namespace
{
std::atomic<long long> g_nLiveBytes{0};
std::atomic<long long> g_nPeakBytes{0};

// The blocks of the replaced operator new come from malloc, so free is their match.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void Count(void* block)
{
    if (!block)
        return;
    const long long live = g_nLiveBytes += (long long)malloc_usable_size(block);
    long long peak = g_nPeakBytes;
    while (live > peak && !g_nPeakBytes.compare_exchange_weak(peak, live))
    {
    }
}

void Uncount(void* block)
{
    if (block)
        g_nLiveBytes -= (long long)malloc_usable_size(block);
}

void* CountedMalloc(std::size_t size)
{
    void* block = std::malloc(size);
    Count(block);
    return block;
}

void* CountedCalloc(std::size_t count, std::size_t size)
{
    void* block = std::calloc(count, size);
    Count(block);
    return block;
}

void* CountedRealloc(void* block, std::size_t size)
{
    Uncount(block);
    void* moved = std::realloc(block, size);
    Count(moved ? moved : block);
    return moved;
}

void CountedFree(void* block)
{
    Uncount(block);
    std::free(block);
}

// The most memory held at once while the step runs, above what was held before it.
long long PeakBytesOf(const std::function<void()>& step)
{
    mlfSetLibraryAllocFcns(CountedCalloc, CountedFree, CountedRealloc, CountedMalloc);
    const long long before = g_nLiveBytes;
    g_nPeakBytes = before;
    step();
    mclResetLibraryAllocFcns();
    return g_nPeakBytes - before;
}
} // namespace

void* operator new(std::size_t size)
{
    void* block = CountedMalloc(size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    return block;
}

void* operator new[](std::size_t size)
{
    return operator new(size);
}

// The run-time makes its arrays with the nothrow form: it is replaced too, so that every
// block reaches the replaced operator delete from the same malloc.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return CountedMalloc(size ? size : 1);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return CountedMalloc(size ? size : 1);
}

void operator delete(void* block) noexcept
{
    CountedFree(block);
}

void operator delete[](void* block) noexcept
{
    CountedFree(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    CountedFree(block);
}

void operator delete[](void* block, std::size_t) noexcept
{
    CountedFree(block);
}

namespace
{
// About 4 MB of each kind of text: enough lines that the cost of each would show.
constexpr std::size_t kBytes = std::size_t(4) << 20;
constexpr double kMaxBytesPerFileByte = 5.0;

const std::string kRawHeader = "\"Raw Response\"\r\n  \"Hz\" \"Mag (dB)\" \"deg\"\r\n";

// The heading, then the line made by line(i) for i = 0, 1, ... until kBytes are reached.
std::string Text(const std::string& heading, const std::function<std::string(long)>& line)
{
    std::string text = heading;
    for (long i = 0; text.size() < kBytes; ++i)
        text += line(i);
    return text;
}

struct CRawCase
{
    const char* name;
    std::string text;
    int nPoints;    // read, or 0 when the file is refused
    int nErrorLine; // of the refusal
};

std::vector<CRawCase> RawCases()
{
    const auto same = [](const char* line) { return [line](long) { return std::string(line); }; };
    const std::string written =
        Text(kRawHeader, [](long i)
             { return FormatC("  %8.4f, %9.5f, %9.5f\r\n", 1.0 + 0.001 * double(i), -3.5, 45.0); });
    const std::string dense = Text(kRawHeader, [](long i) { return FormatC("%ld 0\n", i + 1); });
    // One row of two million numbers: its tokens are walked, not listed.
    const std::string huge = Text(kRawHeader, same("1 "));
    const auto lines = [](const std::string& text)
    { return int(std::count(text.begin(), text.end(), '\n')); };
    return {
        {"empty lines", Text(kRawHeader, same("\n")), 0, 3},
        {"empty CR LF lines", Text(kRawHeader, same("\r\n")), 0, 3},
        {"blank lines", Text(kRawHeader, same(" \t \n")), 0, 3},
        {"rows as written", written, lines(written) - 2, 0},
        {"short rows", dense, lines(dense) - 2, 0},
        // A single point, its numbers beyond the frequency and the magnitude not read:
        // refused at the line after it.
        {"one huge row", huge, 0, 4},
        {"rows of one frequency", Text(kRawHeader, same("1 2\n")), 0, 4},
        {"rows refused at the end", dense + "x\n", 0, lines(dense) + 1},
    };
}

TEST(TextFileMemory, ARawResponseCostsAtMostFiveTimesItsSize)
{
    TempFolder folder;
    for (const CRawCase& c : RawCases())
    {
        SCOPED_TRACE(c.name);
        std::string path = folder.Path("response.txt");
        WriteFileBytes(path, c.text);
        CMode phaseColumn;
        bool bRead = false;
        int nPoints = 0;
        int nErrorLine = 0;
        // As the document opens it: read, the columns handed over, the file closed.
        const long long peak = PeakBytesOf(
            [&]
            {
                CRawResponseFile file(&phaseColumn);
                mwMatrix frequencies, magnitudes, phases;
                bRead = file.OpenForRead(path);
                if (bRead)
                    file.Parse(&frequencies, &magnitudes, &phases);
                file.Close();
                nPoints = frequencies.NumberOfElements();
                nErrorLine = file.GetErrorLine();
            });
        EXPECT_EQ(bRead, c.nPoints > 0);
        EXPECT_EQ(nPoints, c.nPoints);
        EXPECT_EQ(nErrorLine, c.nErrorLine);
        EXPECT_LE(double(peak), kMaxBytesPerFileByte * double(c.text.size()));
    }
}

TEST(TextFileMemory, MasterPointAndCoefficientFilesOfEmptyLinesCostAtMostFiveTimesTheirSize)
{
    TempFolder folder;
    std::string masterPath = folder.Path("points.mpt");
    const std::string master = Text("Desired Response\r\n", [](long) { return "\n"; }) +
                               "100, 1\r\nUpper Tolerance\r\n\n\nLower Tolerance\r\n";
    WriteFileBytes(masterPath, master);
    int nPoints = 0;
    const long long masterPeak = PeakBytesOf(
        [&]
        {
            CMemoryMasterPointGrid desired, upper(true), lower(true);
            CMasterPtFile file;
            if (file.OpenForRead(masterPath))
            {
                file.ReadSection(CMasterPtFile::kDesiredResponse, &desired);
                file.ReadSection(CMasterPtFile::kUpperTolerance, &upper);
                file.ReadSection(CMasterPtFile::kLowerTolerance, &lower);
            }
            file.Close();
            nPoints = desired.GetDataRows();
        });
    EXPECT_EQ(nPoints, 1);
    EXPECT_LE(double(masterPeak), kMaxBytesPerFileByte * double(master.size()));

    std::string coeffPath = folder.Path("filters.flt");
    const std::string coeff = Text("", [](long) { return "\n"; }) + "\n";
    WriteFileBytes(coeffPath, coeff);
    bool bValid = true;
    const long long coeffPeak = PeakBytesOf(
        [&]
        {
            FilterCoeffFile file(nullptr);
            bValid = file.OpenForRead(coeffPath) && file.Validate();
            file.Close();
        });
    EXPECT_FALSE(bValid);
    EXPECT_LE(double(coeffPeak), kMaxBytesPerFileByte * double(coeff.size()));
}
} // namespace
