// The memory of reading a large text file: a raw response of about 60 MB opened as the
// speaker document opens it, and a master point file of the same size. Each figure is the
// kernel's peak of the resident memory during the step (VmHWM, reset before it), above
// the resident memory before it, in bytes per byte of the file.
#include "bench/ProcessMemory.h"
#include "document/HeadlessAppServices.h"
#include "document/MasterPointGrid.h"
#include "document/MasterPtFile.h"
#include "document/MorvaneDoc.h"
#include "document/RawResponseFile.h"
#include "graph/CFormat.h"
#include "graph/Mode.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <string>
#include <unistd.h>

namespace
{
constexpr std::size_t kFileBytes = 60000000;

enum ETextCase
{
    kEmptyLines = 0,  // nothing but line feeds
    kWrittenRows = 1, // three columns as the program writes them, CR LF
    kDenseRows = 2,   // two short columns, "<whole Hz> 0", LF: the most points per byte
};

// The body of the file: at least kFileBytes of lines of the case.
std::string CaseText(int which, const std::string& heading)
{
    std::string text = heading;
    text.reserve(kFileBytes + 64);
    for (long i = 0; text.size() < kFileBytes; ++i)
    {
        if (which == kEmptyLines)
            text += '\n';
        else if (which == kWrittenRows)
            text += FormatC("  %8.4f, %9.5f, %9.5f\r\n", 1.0 + 0.001 * double(i), -3.5, 45.0);
        else
            text += FormatC("%ld 0\n", i + 1);
    }
    return text;
}

// The case's file in the temporary folder, removed with the object.
class CCaseFile
{
public:
    CCaseFile(int which, const std::string& heading)
        : m_strPath((std::filesystem::temp_directory_path() /
                     ("morvane_bench_text_" + std::to_string(::getpid()) + ".txt"))
                        .string())
    {
        const std::string text = CaseText(which, heading);
        std::ofstream(m_strPath, std::ios::binary).write(text.data(), std::streamsize(text.size()));
        m_nBytes = double(text.size());
    }
    ~CCaseFile() { std::remove(m_strPath.c_str()); }
    CCaseFile(const CCaseFile&) = delete;
    CCaseFile& operator=(const CCaseFile&) = delete;

    const std::string& Path() const { return m_strPath; }
    double Bytes() const { return m_nBytes; }

private:
    std::string m_strPath;
    double m_nBytes = 0.0;
};

const char* const kRawHeading = "\"Raw Response\"\r\n  \"Hz\" \"Mag (dB)\" \"deg\"\r\n";

// Runs the step and sets the counters: its peak and what stays resident after it, per
// byte of the file.
template <class Step> void MeasureStep(benchmark::State& state, const CCaseFile& file, Step step)
{
    malloc_trim(0);
    const double base = bench::Resident();
    bench::ResetPeak();
    const double points = step();
    state.counters["peak_B_per_file_B"] = (bench::Peak() - base) / file.Bytes();
    state.counters["kept_B_per_file_B"] = (bench::Resident() - base) / file.Bytes();
    state.counters["file_MB"] = file.Bytes() / 1e6;
    state.counters["points"] = points;
}

// One run (a peak is measured once), timed in seconds.
void Once(benchmark::internal::Benchmark* b)
{
    b->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
}

void EachFileOnce(benchmark::internal::Benchmark* b)
{
    Once(b->Arg(kEmptyLines)->Arg(kWrittenRows)->Arg(kDenseRows));
}

// The raw response file read as the document reads it: OpenForRead, Parse, Close.
void BM_RawResponseReadMemory(benchmark::State& state)
{
    const CCaseFile file(int(state.range(0)), kRawHeading);
    for (auto _ : state)
        MeasureStep(state, file,
                    [&file]
                    {
                        CMode phaseColumn;
                        CRawResponseFile raw(&phaseColumn);
                        std::string path = file.Path();
                        mwMatrix frequencies, magnitudes, phases;
                        if (raw.OpenForRead(path))
                            raw.Parse(&frequencies, &magnitudes, &phases);
                        raw.Close();
                        return double(frequencies.NumberOfElements());
                    });
}
BENCHMARK(BM_RawResponseReadMemory)->Apply(EachFileOnce);

// File > Open of the raw response on a headless document: the reading, then the response,
// its phase and log frequencies the document builds from the points (no windows).
void BM_RawResponseOpenMemory(benchmark::State& state)
{
    const CCaseFile file(int(state.range(0)), kRawHeading);
    for (auto _ : state)
    {
        CHeadlessAppServices app;
        auto doc = std::make_unique<CMorvaneDoc>(app);
        doc->OnNewDocument();
        MeasureStep(state, file,
                    [&]
                    {
                        doc->OpenRawResponseFile(file.Path());
                        return double(doc->m_nRawPoints);
                    });
    }
}
BENCHMARK(BM_RawResponseOpenMemory)->Apply(EachFileOnce);

// A master point file of a desired response section and then the case's lines, read into
// the three grids of the master point editor as File > Open Master Point File does.
void BM_MasterPointReadMemory(benchmark::State& state)
{
    const CCaseFile file(int(state.range(0)), "Desired Response\r\n");
    for (auto _ : state)
        MeasureStep(state, file,
                    [&file]
                    {
                        CMemoryMasterPointGrid desired, upper(true), lower(true);
                        CMasterPtFile master;
                        std::string path = file.Path();
                        if (master.OpenForRead(path))
                        {
                            master.ReadSection(CMasterPtFile::kDesiredResponse, &desired);
                            master.ReadSection(CMasterPtFile::kUpperTolerance, &upper);
                            master.ReadSection(CMasterPtFile::kLowerTolerance, &lower);
                        }
                        master.Close();
                        return double(desired.GetDataRows());
                    });
}
BENCHMARK(BM_MasterPointReadMemory)->Arg(kEmptyLines)->Apply(Once);
} // namespace
