// File > Open Filter Parameter File as the program runs it: the speaker document's command
// (CMorvaneDoc::OnFileOpenFilterParameterFile) with the seventeen filter grids of the
// filter editor in memory (the editor's pages load the lists into their grids and read
// them back, as the filter sheet does), the file dialog answering a file of the fuzzed
// bytes.
//
// A refused file is reported as a File Read Error at a line of it and leaves the lists,
// the grids and the file record as they were. An accepted file fills the lists with
// filters that a reader may take (AllTakeable: finite parameters, whole output orders as
// the file wrote them, sections that a sample rate designs, six-decimal texts that read
// back as the same filter, lines that read back whole: AllReadWhole), names in one message
// the filters the document's rate cannot design, and fills the grids from
// the lists, and the grids number new rows and orders no higher than kMaxFilterNumber;
// saved with Save As Filter Parameters (which reads the grids first) and opened again, the
// grids hold the same filter rows and the lists the same filters.
#include "filters/FilterLists.h"
#include "filters/FilterParameterFile.h"
#include "tests/document/FilterGridApp.h"
#include "tests/fuzz/FilterRoundTrip.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace
{
constexpr int kFs = 48000;

std::string Folder()
{
    static const std::string folder = FuzzFolder("paropen");
    return folder;
}

// The message an open gives when it takes the lists: none, or the one naming the filters
// that their own sample rate cannot design.
std::vector<std::string> NoticeOf(CFilterLists& lists, std::size_t& nUndesigned)
{
    std::vector<std::string> faults;
    lists.ForEach(
        [&](EFilterKind, auto& list)
        {
            for (int i = 0; i < list.GetSize(); ++i)
                if (std::string fault = FilterDesignFault(*list.GetAt(i)); !fault.empty())
                    faults.push_back(fault);
        });
    nUndesigned = faults.size();
    if (faults.empty())
        return {};
    return {FiltersAboveSampleRateMessage(faults, kFs)};
}

std::string ListsText(CFilterLists& lists)
{
    std::ostringstream out;
    CFilterParameterFile::WriteFilters(lists, out);
    return out.str();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SilenceFuzzReports();
    const std::string path = Folder() + "/opened.par";
    const std::string again = Folder() + "/saved.par";
    WriteFuzzFile(path, data, size);

    CFuzzServices services(Folder());
    CRecordingMessageBox& messages = services.messages;
    CScriptedFileDialogs& dialogs = services.dialogs;
    {
        CFilterGridApp app;
        auto doc = std::make_unique<CMorvaneDoc>(app);
        app.SetMorvaneDoc(doc.get());
        doc->m_nSamplingFrequency = kFs;
        // Filters in the grids before the open: a refused file must leave them.
        std::istringstream start("EQ-3, -3.000000, 100.000000, 1000.000000, No, Yes, 3\n"
                                 "HPB-1, 40.000000, Yes, 1\n");
        CFilterParameterFile::ReadFilters(doc->m_FilterLists, start, kFs);
        app.OpenFilterEditor();
        app.ReloadFilterGrids();
        doc->m_ParameterFile.SetName(Folder() + "/before.par");
        const auto cellsBefore = app.Cells();
        const std::string listsBefore = ListsText(doc->m_FilterLists);

        dialogs.answers = {path};
        doc->OnFileOpenFilterParameterFile();
        // The file is readable: only a File Read Error may refuse it. A file taken may name,
        // in one message, the filters it brings that kFs cannot design.
        std::size_t nUndesigned = 0;
        if (messages.texts != NoticeOf(doc->m_FilterLists, nUndesigned) ||
            (!messages.texts.empty() && !app.fileReadErrors.empty()))
            std::abort();
        messages.texts.clear();
        if (!app.fileReadErrors.empty())
        {
            const auto& report = app.fileReadErrors[0];
            if (report.file != path || report.nLine < 1 || report.error.empty() ||
                doc->m_ParameterFile.GetName() != Folder() + "/before.par" ||
                app.Cells() != cellsBefore || ListsText(doc->m_FilterLists) != listsBefore)
                std::abort();
        }
        else
        {
            if (doc->m_ParameterFile.GetName() != path || doc->m_FiltersInGridMode.IsOff() ||
                CFilterGridRows::GetNextOutputOrder() > kMaxFilterNumber)
                std::abort();
            if (!AllTakeable(doc->m_FilterLists) || !AllReadWhole(doc->m_FilterLists))
                std::abort();
            const auto cells = app.Cells();
            if (doc->m_FilterLists.GetTotalCount() == 0)
            {
                // No filter is nothing to write: the save names the file and writes none.
                doc->OnFileSaveAsFilterParameters();
                if (messages.texts.size() != 1 || doc->m_ParameterFile.GetName() != path)
                    std::abort();
                return 0;
            }
            dialogs.answers.push_back(again);
            doc->OnFileSaveAsFilterParameters();
            if (doc->m_ParameterFile.GetName() != again || !messages.texts.empty())
                std::abort();
            // The save read the grids, which gave orders to filters without one.
            const std::string listsSaved = ListsText(doc->m_FilterLists);
            dialogs.answers.push_back(again);
            doc->OnFileOpenFilterParameterFile();
            // The same filters come back, the grids having renamed any whose name another
            // filter had: the notice names as many.
            std::size_t nAgain = 0;
            if (!app.fileReadErrors.empty() || messages.texts != NoticeOf(doc->m_FilterLists, nAgain) ||
                nAgain != nUndesigned || app.Cells() != cells ||
                ListsText(doc->m_FilterLists) != listsSaved || !AllTakeable(doc->m_FilterLists) ||
                !AllReadWhole(doc->m_FilterLists))
                std::abort();
        }
    }
    return 0;
}
