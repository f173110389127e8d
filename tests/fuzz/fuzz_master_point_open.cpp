// File > Open Master Point File as the program runs it: the speaker document's command
// (CMorvaneDoc::OnFileOpenMasterPointFile) with the master point editor's three grids in
// memory, the file dialog answering a file of the fuzzed bytes.
//
// A refused file is reported as a File Read Error at a line of it and leaves the three
// grids and the file record as they were. An accepted file fills the grids: the desired
// grid ends in its one new-entry row, every point a frequency from 0.001 Hz to 10 MHz and
// an amplitude from -1000 dB to 1000 dB; the lines that hold no point are named in one
// message, and there is no other. Saved with Save As Master Point File and opened again,
// every grid holds the same points (rows of 0 Hz and 0 dB are not written, so they are not
// compared), without a message.
#include "document/HeadlessAppServices.h"
#include "document/MasterPointGrid.h"
#include "document/MorvaneDoc.h"
#include "tests/document/MasterPointTyping.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace
{
std::string Folder()
{
    static const std::string folder = FuzzFolder("mptopen");
    return folder;
}

using Cells = std::vector<std::vector<std::string>>;

Cells CellsOf(const CMemoryMasterPointGrid& grid)
{
    Cells cells(std::size_t(grid.GetRows()));
    for (int r = 0; r < grid.GetRows(); ++r)
        for (int c = 0; c < grid.GetCols(); ++c)
            cells[std::size_t(r)].push_back(grid.Cell(r, c));
    return cells;
}

// The points that a save writes, in grid order.
std::vector<std::pair<double, double>> WrittenPoints(const CMemoryMasterPointGrid& grid)
{
    std::vector<std::pair<double, double>> points;
    for (int r = 1; r < grid.GetRows(); ++r)
    {
        const double f = grid.GetFrequency(r);
        const double a = grid.GetAmplitude(r);
        if (f != 0.0 || a != 0.0)
            points.emplace_back(f, a);
    }
    return points;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SilenceFuzzReports();
    const std::string path = Folder() + "/opened.mpt";
    const std::string again = Folder() + "/saved.mpt";
    WriteFuzzFile(path, data, size);

    CFuzzServices services(Folder());
    CRecordingMessageBox& messages = services.messages;
    CScriptedFileDialogs& dialogs = services.dialogs;
    {
        CHeadlessAppServices app;
        auto doc = std::make_unique<CMorvaneDoc>(app);
        if (!app.OpenMasterPointEditor(false))
            std::abort();
        TypeMasterPoints(app.desiredGrid, {{100.0, 0.0}, {1000.0, -3.0}});
        TypeMasterPoints(app.upperGrid, {{100.0, 3.0}});
        doc->m_MasterPointFile.SetName(Folder() + "/before.mpt");
        CMemoryMasterPointGrid* const grids[] = {&app.desiredGrid, &app.upperGrid,
                                                 &app.lowerGrid};
        std::vector<Cells> before;
        for (const CMemoryMasterPointGrid* grid : grids)
            before.push_back(CellsOf(*grid));

        dialogs.answers = {path};
        doc->OnFileOpenMasterPointFile();
        // The file is readable: only a File Read Error refuses it, and only an opened file
        // names the lines that hold no point.
        const bool bNoted =
            messages.texts.size() == 1 &&
            messages.texts[0].find("Lines that hold no point gave no row: ") != std::string::npos;
        if (messages.texts.size() > 1 || (!messages.texts.empty() && !bNoted) ||
            (bNoted && !app.fileReadErrors.empty()))
            std::abort();
        messages.texts.clear();
        if (!app.fileReadErrors.empty())
        {
            const auto& report = app.fileReadErrors[0];
            if (report.file != path || report.nLine < 1 || report.error.empty() ||
                doc->m_MasterPointFile.GetName() != Folder() + "/before.mpt")
                std::abort();
            for (std::size_t i = 0; i < before.size(); ++i)
                if (CellsOf(*grids[i]) != before[i])
                    std::abort();
        }
        else
        {
            if (doc->m_MasterPointFile.GetName() != path)
                std::abort();
            // One new-entry row, the last; finite points before it.
            const CMemoryMasterPointGrid& desired = app.desiredGrid;
            for (int r = 1; r < desired.GetRows(); ++r)
                if ((desired.Cell(r, 0) == "*") != (r == desired.GetRows() - 1))
                    std::abort();
            std::vector<std::vector<std::pair<double, double>>> points;
            for (const CMemoryMasterPointGrid* grid : grids)
            {
                points.push_back(WrittenPoints(*grid));
                for (const auto& [f, a] : points.back())
                    if (!(f >= 0.001 && f <= 1e7) || !(a >= -1000.0 && a <= 1000.0))
                        std::abort();
            }
            dialogs.answers.push_back(again);
            if (!doc->OnFileSaveAsMasterPointFile())
                std::abort();
            dialogs.answers.push_back(again);
            doc->OnFileOpenMasterPointFile();
            if (!app.fileReadErrors.empty() || !messages.texts.empty())
                std::abort();
            for (std::size_t i = 0; i < points.size(); ++i)
                if (WrittenPoints(*grids[i]) != points[i])
                    std::abort();
        }
    }
    return 0;
}
