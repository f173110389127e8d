// Saving without a screen: the filter parameter file commands, the raw response save that
// would replace the measurement, and closing the document with the "Save Files On Exit?"
// question (nothing unsaved, No, Yes with files unticked or renamed, cancel, a saver that
// fails, the modified response, both holders of device data).
#include "document/MasterPointEditing.h"
#include "filters/FilterGridRows.h"
#include "tests/document/DocumentFixture.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>

namespace
{
namespace fs = std::filesystem;

const std::string kRaw = "t\nh\n100 -6 90\n1000 0 170\n10000 6 190\n";

CDigEQFilter* AddEQ(CMorvaneDoc& doc, double centre, int order)
{
    CDigEQFilterParams params;
    params.m_Gain = mwMatrix(-3.0);
    params.m_Bandwidth = mwMatrix(100.0);
    params.m_CenterFrequency = mwMatrix(centre);
    params.m_SampleRate = mwMatrix(48000.0);
    CDigEQFilter* pFilter = doc.m_FilterLists.m_EQFilters.Add(std::make_unique<CDigEQFilter>());
    pFilter->SetParameters(params);
    pFilter->SetLabelNumber(order);
    pFilter->SetOutputOrder(order);
    return pFilter;
}

// The one message that names the files left unwritten, as the user reads it: a paragraph
// "Nothing was written to "name": reason" per file (by its row's label when it has no
// name), then the sentence on the older files, where any is there (kept, as given).
std::string NothingWritten(const std::vector<std::pair<std::string, std::string>>& files,
                           const std::string& kept)
{
    std::string text;
    for (const auto& [name, reason] : files)
    {
        text += text.empty() ? "" : "\n\n";
        if (name.rfind("the ", 0) == 0)
            text += "Nothing was written for " + name + ": " + reason;
        else
            text += "Nothing was written to \"" + name + "\": " + reason;
    }
    return kept.empty() ? text : text + "\n\n" + kept;
}
const char kOlderFileKept[] = "An older file of that name is left as it was.";
const char kOlderFilesKept[] = "Older files of those names are left as they were.";

const char kNoActiveFilter[] =
    "no filter is active in the grids, and there is no calculated or restart filter.";
const char kNoDesiredCurves[] = "there are no desired response curves.";
const char kGridsHoldNoFilters[] = "the filter grids hold no filters (Copy Generated Filters to "
                                   "Edit Grid puts calculated filters there).";

// Device data holders that record the saves.
class FakeDeviceData : public IDeviceDataFiles
{
public:
    bool GetSelectedHolder(EHolder& holder) const override
    {
        holder = selected;
        return bSelected;
    }
    bool IsUnsaved(EHolder holder) const override { return unsaved.at(holder); }
    bool HasData(EHolder holder) const override { return hasData.at(holder); }
    std::string GetFileName(EHolder holder) const override { return names.at(holder); }
    bool SaveTo(EHolder holder, const std::string& path) override
    {
        saves.push_back({holder, path});
        if (onSave)
            onSave();
        unsaved[holder] = false;
        return true;
    }
    bool bSelected = true;
    EHolder selected = kEqData;
    std::map<EHolder, bool> unsaved{{kEqData, false}, {kFamilyData, false}};
    std::map<EHolder, bool> hasData{{kEqData, true}, {kFamilyData, true}};
    std::map<EHolder, std::string> names{{kEqData, "/d/spk.eq"}, {kFamilyData, "/d/spk.EQ241X"}};
    std::vector<std::pair<EHolder, std::string>> saves;
    std::function<void()> onSave;
};

class SaveFilesTest : public DocumentTest
{
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        app.m_pDeviceDataFiles = &devices;
        ASSERT_TRUE(Open("spk.raw", kRaw));
        ShowRawCurves();
    }
    // Desired and bound curves in the view, as the user made them.
    void MakeDesiredCurves()
    {
        for (auto which :
             {IResponseView::kDesiredCurve, IResponseView::kUpperBound, IResponseView::kLowerBound})
            SetCurvePoints(*response.curves[which], {{2, 0}, {3, 0}, {4, 0}}, response.area,
                           response.window);
        doc->m_DesiredCurveFile.MarkNewContent();
    }
    void ShowModifiedCurve()
    {
        SetCurvePoints(*response.curves[IResponseView::kModifiedCurve], {{2, -1}, {3, 0}, {4, 1}},
                       response.area, response.window);
        SetCurvePoints(*phase.curves[IPhaseView::kModifiedCurve], {{2, 5}, {3, 6}, {4, 7}},
                       response.area, phase.window);
    }
    // Something of every kind to save; the question's choice as it was filled.
    void MakeEverythingUnsaved()
    {
        doc->m_RawFile.MarkNewContent();
        MakeDesiredCurves();
        ASSERT_TRUE(app.OpenMasterPointEditor(false));
        app.desiredGrid.PrepareRowForEdit(1);
        app.desiredGrid.SetFrequency(1, 100.0);
        app.desiredGrid.SetAmplitude(1, 1.0);
        doc->m_MasterPointFile.MarkNewContent();
        doc->m_FilterLists.m_EQFilters.RemoveAll();
        AddEQ(*doc, 1000.0, 1);
        doc->m_FiltersInGridMode.TurnOn();
        doc->m_ParameterFile.MarkNewContent();
        doc->m_CoefficientFile.MarkNewContent();
        ShowModifiedCurve();
        doc->m_ModifiedRawFile.MarkNewContent();
        devices.unsaved[IDeviceDataFiles::kEqData] = true;
    }
    bool Exists(const std::string& name) const { return fs::exists(folder.Path(name)); }
    // Files of an earlier save at the names given, each holding its own name.
    void WriteOlderFiles(const std::vector<std::string>& names)
    {
        for (const std::string& name : names)
            WriteFileBytes(folder.Path(name), "older " + name);
    }
    bool IsOlderFile(const std::string& name) const
    {
        return Exists(name) && ReadFileBytes(folder.Path(name)) == "older " + name;
    }

    FakeDeviceData devices;
};
} // namespace

TEST_F(SaveFilesTest, ParameterFileOpensOnlyThroughItsDialog)
{
    AddEQ(*doc, 500.0, 7);
    doc->m_FiltersInGridMode.TurnOn();
    EXPECT_TRUE(doc->OnUpdateFileSaveFilterParameters().bEnabled);
    doc->OnFileSaveFilterParameters(); // to the companion name, without a dialog
    EXPECT_TRUE(dialogs.requests.empty());
    ASSERT_TRUE(Exists("spk.par"));
    EXPECT_TRUE(doc->m_ParameterFile.m_ChangedMode.IsOff());

    // Opening asks even though the companion file exists; a cancel changes nothing.
    doc->m_FilterLists.m_EQFilters.RemoveAll();
    doc->OnFileOpenFilterParameterFile();
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_FALSE(dialogs.requests[0].save);
    EXPECT_EQ(dialogs.requests[0].filter, "Parameter Files (*.par) |*.par||");
    EXPECT_TRUE(doc->m_FilterLists.m_EQFilters.IsEmpty());
    EXPECT_TRUE(app.editorCalls.empty());

    CFilterGridRows::SetNextOutputOrder(40);
    doc->m_FiltersInGridMode.TurnOff();
    doc->m_ParameterFile.MarkNewContent();
    dialogs.answers = {"", folder.Path("spk.par")};
    doc->OnFileOpenFilterParameterFile();
    ASSERT_EQ(doc->m_FilterLists.m_EQFilters.GetSize(), 1);
    EXPECT_EQ(doc->m_FilterLists.m_EQFilters.GetAt(0)->GetLabel(), "EQ-7");
    EXPECT_TRUE(doc->m_FiltersInGridMode.IsOn());
    EXPECT_TRUE(doc->m_ParameterFile.m_ChangedMode.IsOff());
    // The grids show the loaded lists before the editor is shown, and count on from
    // the file's output orders.
    EXPECT_EQ(app.editorCalls,
              (std::vector<std::string>{"reload filter grids", "open filter editor"}));
    EXPECT_EQ(CFilterGridRows::GetNextOutputOrder(), 7);

    // Both dialogs start in the working folder; a confirmed one moves it to the folder
    // chosen, a cancelled one leaves it.
    EXPECT_EQ(dialogs.requests[0].initialDirectory, folder.Root());
    EXPECT_EQ(dialogs.requests[0].defaultExtension, ".par");
    fs::create_directories(folder.Path("sub"));
    dialogs.answers.push_back(folder.Path("sub/other.par"));
    doc->OnFileSaveAsFilterParameters();
    EXPECT_TRUE(dialogs.requests.back().save);
    EXPECT_TRUE(dialogs.requests.back().overwritePrompt);
    EXPECT_EQ(doc->m_ParameterFile.GetName(), folder.Path("sub/other.par"));
    EXPECT_EQ(directory->Get(), folder.Path("sub"));
    EXPECT_EQ(ReadFileBytes(folder.Path("sub/other.par")), ReadFileBytes(folder.Path("spk.par")));
    dialogs.answers.push_back("");
    doc->OnFileSaveAsFilterParameters();
    EXPECT_EQ(dialogs.requests.back().initialDirectory, folder.Path("sub"));
    EXPECT_EQ(directory->Get(), folder.Path("sub"));
    EXPECT_EQ(doc->m_ParameterFile.GetName(), folder.Path("sub/other.par"));
    doc->m_FiltersInGridMode.TurnOff();
    EXPECT_FALSE(doc->OnUpdateFileSaveFilterParameters().bEnabled);
}

TEST_F(SaveFilesTest, ResampledResponseReplacesTheMeasurementOnlyWhenTheUserAgrees)
{
    const std::string measurement = ReadFileBytes(folder.Path("spk.raw"));
    doc->OnEditLogSampleRawCurve();
    ShowRawCurves();
    doc->OnFileSaveRawResponse();
    ASSERT_EQ(app.questions.size(), 1u);
    EXPECT_NE(app.questions[0].find(folder.Path("spk.raw")), std::string::npos);
    EXPECT_EQ(ReadFileBytes(folder.Path("spk.raw")), measurement);
    // Save Output Files goes on with the other files.
    MakeDesiredCurves();
    doc->OnFileSaveOutputFiles();
    EXPECT_EQ(app.questions.size(), 2u);
    EXPECT_EQ(ReadFileBytes(folder.Path("spk.raw")), measurement);
    EXPECT_TRUE(Exists("spk.crv"));

    app.questionAnswer = true;
    doc->OnFileSaveRawResponse();
    EXPECT_NE(ReadFileBytes(folder.Path("spk.raw")), measurement);
    // The file now holds the shown response: saving it again asks nothing.
    doc->OnFileSaveRawResponse();
    EXPECT_EQ(app.questions.size(), 3u);

    // A response saved as another file is that file's own.
    doc->OnEditSmoothRawCurve();
    dialogs.answers = {folder.Path("smooth.raw")};
    doc->OnFileSaveAsRawResponse();
    doc->OnFileSaveRawResponse();
    EXPECT_EQ(app.questions.size(), 3u);
}

TEST_F(SaveFilesTest, NothingUnsavedClosesWithoutAQuestion)
{
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_TRUE(app.saveFilesShown.empty());
    // An unsaved modified response that the views do not show is nothing to save.
    doc->m_ModifiedRawFile.MarkNewContent();
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_TRUE(app.saveFilesShown.empty());
}

TEST_F(SaveFilesTest, NoAndCancelSaveNothing)
{
    MakeEverythingUnsaved();
    for (int answer : {0, 2})
    {
        app.saveFilesAnswer = answer;
        EXPECT_EQ(doc->SaveModified(), answer == 0) << answer;
        EXPECT_FALSE(Exists("spk.crv"));
        EXPECT_FALSE(Exists("spk.mpt"));
        EXPECT_TRUE(devices.saves.empty());
        for (const CFileRecord* record :
             {&doc->m_RawFile, &doc->m_DesiredCurveFile, &doc->m_MasterPointFile,
              &doc->m_ParameterFile, &doc->m_CoefficientFile, &doc->m_ModifiedRawFile})
            EXPECT_TRUE(record->m_ChangedMode.IsOn()) << answer;
    }
    const CSaveFilesChoice& shown = app.saveFilesShown.back();
    for (int i = 0; i < CSaveFilesChoice::kOtherDeviceData; ++i)
        EXPECT_TRUE(shown.files[std::size_t(i)].bSave) << i;
    EXPECT_EQ(shown.files[CSaveFilesChoice::kMasterPoints].name, folder.Path("spk.mpt"));
    EXPECT_EQ(shown.files[CSaveFilesChoice::kModifiedResponse].name, folder.Path("spkMod.raw"));
    EXPECT_EQ(shown.files[CSaveFilesChoice::kDeviceData].name, "/d/spk.eq");
    EXPECT_FALSE(shown.bOtherDeviceDataShown);
}

TEST_F(SaveFilesTest, YesSavesTheTickedFilesUnderTheNamesShown)
{
    MakeEverythingUnsaved();
    app.onSaveFiles = [this](CSaveFilesChoice& choice)
    {
        choice.files[CSaveFilesChoice::kRawResponse].bSave = false;
        choice.files[CSaveFilesChoice::kModifiedResponse].bSave = false;
        choice.files[CSaveFilesChoice::kMasterPoints].name = folder.Path("renamed.mpt");
        choice.files[CSaveFilesChoice::kDeviceData].name = "/d/renamed.eq";
        return 1;
    };
    // The device data comes last: every other ticked file is written by then.
    devices.onSave = [this]
    {
        for (const char* name : {"spk.crv", "spk.flt", "spk.par", "renamed.mpt"})
            EXPECT_TRUE(Exists(name)) << name;
    };
    const std::string measurement = ReadFileBytes(folder.Path("spk.raw"));
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_EQ(ReadFileBytes(folder.Path("spk.raw")), measurement);
    EXPECT_FALSE(Exists("spkMod.raw"));
    EXPECT_TRUE(doc->m_RawFile.m_ChangedMode.IsOn());
    EXPECT_TRUE(doc->m_ModifiedRawFile.m_ChangedMode.IsOn());
    EXPECT_EQ(doc->m_MasterPointFile.GetName(), folder.Path("renamed.mpt"));
    EXPECT_NE(ReadFileBytes(folder.Path("renamed.mpt")).find("100.000000, 1.000000"),
              std::string::npos);
    for (const CFileRecord* record : {&doc->m_DesiredCurveFile, &doc->m_MasterPointFile,
                                      &doc->m_ParameterFile, &doc->m_CoefficientFile})
        EXPECT_TRUE(record->m_ChangedMode.IsOff());
    ASSERT_EQ(devices.saves.size(), 1u);
    EXPECT_EQ(devices.saves[0].second, "/d/renamed.eq");
    // The coefficient file goes to its full name, not into the current folder.
    EXPECT_TRUE(Exists("spk.flt"));
}

TEST_F(SaveFilesTest, AFailedSaveKeepsTheDocumentOpenAndItsMarks)
{
    MakeEverythingUnsaved();
    const std::string badName = folder.Path("missing/spk.par");
    app.onSaveFiles = [&](CSaveFilesChoice& choice)
    {
        choice.files[CSaveFilesChoice::kFilterParameters].name = badName;
        return 1;
    };
    EXPECT_FALSE(doc->SaveModified());
    ASSERT_EQ(messages.texts.size(), 1u);
    // Saved before the failure: done. The failed file and those after it: still unsaved.
    EXPECT_TRUE(doc->m_DesiredCurveFile.m_ChangedMode.IsOff());
    EXPECT_TRUE(doc->m_ModifiedRawFile.m_ChangedMode.IsOff());
    EXPECT_TRUE(doc->m_ParameterFile.m_ChangedMode.IsOn());
    EXPECT_EQ(doc->m_ParameterFile.GetName(), folder.Path("spk.par"));
    EXPECT_TRUE(doc->m_MasterPointFile.m_ChangedMode.IsOn());
    EXPECT_FALSE(Exists("spk.mpt"));
    EXPECT_TRUE(devices.saves.empty());
}

TEST_F(SaveFilesTest, ATickedFileWithNothingToWriteIsNamedAndTheOlderFileKept)
{
    using EFile = CSaveFilesChoice::EFile;
    const std::vector<std::string> kSaved = {"spk.crv", "spk.flt", "spkMod.raw", "spk.par",
                                             "spk.mpt"};
    const struct
    {
        const char* what;
        EFile file;
        std::function<void()> takeContent; // what leaves the file nothing to write
        std::string shown;                 // the name, or "the " and the row's label
        std::string reason;
        std::string onDisk; // the older file that must stay as it was
        // A second file the same change leaves with nothing to write.
        std::string alsoShown = {}, alsoReason = {}, alsoOnDisk = {};
    } cases[] = {
        {"no filter in the lists", CSaveFilesChoice::kFilterCoefficients,
         [this] { doc->m_FilterLists.m_EQFilters.RemoveAll(); }, folder.Path("spk.flt"),
         kNoActiveFilter, "spk.flt", folder.Path("spk.par"), kGridsHoldNoFilters, "spk.par"},
        {"an inactive filter", CSaveFilesChoice::kFilterCoefficients,
         [this] { doc->m_FilterLists.m_EQFilters.GetAt(0)->m_ActiveMode.TurnOff(); },
         folder.Path("spk.flt"), kNoActiveFilter, "spk.flt"},
        // New curves were confirmed and not yet built: the old ones are gone.
        {"no desired curves", CSaveFilesChoice::kDesiredResponse,
         [this] { doc->m_DesiredCurveFile.TurnOff(); }, folder.Path("spk.crv"), kNoDesiredCurves,
         "spk.crv"},
        {"a modified response not shown", CSaveFilesChoice::kModifiedResponse,
         [this] { response.curves[IResponseView::kModifiedCurve] = std::make_unique<CCurve>(); },
         folder.Path("spkMod.raw"), "the response view shows no modified response curve.",
         "spkMod.raw"},
        {"no master point editor", CSaveFilesChoice::kMasterPoints,
         [this] { app.masterPointEditorCreated = false; }, folder.Path("spk.mpt"),
         "there are no master points: the master point editor was never opened.", "spk.mpt"},
        {"no raw response opened", CSaveFilesChoice::kRawResponse,
         [this]
         {
             doc->m_RawFile.Clear();
             doc->m_RawFile.SetName("");
         },
         "the Raw Response File", "no raw response file was opened.", ""},
        {"device data with nothing in it", CSaveFilesChoice::kDeviceData,
         [this] { devices.hasData[IDeviceDataFiles::kEqData] = false; }, "/d/spk.eq",
         "no device data was generated, opened or typed, and the filter grids hold no filters "
         "to generate it from.",
         ""},
        {"the DSP target", CSaveFilesChoice::kDeviceData,
         [this]
         {
             devices.bSelected = false;
             devices.unsaved[IDeviceDataFiles::kEqData] = false;
         },
         "the QZX2xxx Data File",
         "the DSP target has no device program data, and no other device's data is unsaved.", ""},
    };
    for (const auto& c : cases)
    {
        devices = FakeDeviceData();
        doc->m_RawFile.SetName(folder.Path("spk.raw"));
        MakeEverythingUnsaved();
        WriteOlderFiles(kSaved);
        c.takeContent();
        messages.texts.clear();
        // Whatever the question ticked, the user ticks the file.
        app.onSaveFiles = [&c](CSaveFilesChoice& choice)
        {
            choice.files[c.file].bSave = true;
            return 1;
        };
        EXPECT_TRUE(doc->SaveModified()) << c.what;
        std::vector<std::pair<std::string, std::string>> named = {{c.shown, c.reason}};
        if (!c.alsoShown.empty())
            named.push_back({c.alsoShown, c.alsoReason});
        // The older file is named kept only where there is one (not "/d/spk.eq").
        const int nOnDisk = int(!c.onDisk.empty()) + int(!c.alsoOnDisk.empty());
        const std::string kept = nOnDisk == 0   ? ""
                                 : nOnDisk == 1 ? kOlderFileKept
                                                : kOlderFilesKept;
        EXPECT_EQ(messages.texts, std::vector<std::string>{NothingWritten(named, kept)}) << c.what;
        // Every other ticked file is written new, and is not named.
        for (const std::string& name : kSaved)
            EXPECT_EQ(IsOlderFile(name), name == c.onDisk || name == c.alsoOnDisk)
                << c.what << ": " << name;
        EXPECT_EQ(devices.saves.size(), c.file == CSaveFilesChoice::kDeviceData ? 0u : 1u)
            << c.what;
        // Nothing was saved of the file: its record is as it was.
        const std::map<EFile, const CFileRecord*> records = {
            {CSaveFilesChoice::kFilterCoefficients, &doc->m_CoefficientFile},
            {CSaveFilesChoice::kDesiredResponse, &doc->m_DesiredCurveFile},
            {CSaveFilesChoice::kModifiedResponse, &doc->m_ModifiedRawFile},
            {CSaveFilesChoice::kMasterPoints, &doc->m_MasterPointFile},
        };
        if (records.count(c.file))
        {
            EXPECT_TRUE(records.at(c.file)->m_ChangedMode.IsOn()) << c.what;
        }
    }
}

TEST_F(SaveFilesTest, AllThatHadNothingToWriteIsNamedInOneMessageAfterTheSaving)
{
    MakeEverythingUnsaved();
    WriteOlderFiles({"spk.crv", "spk.flt", "spk.par"});
    doc->m_DesiredCurveFile.TurnOff();
    // No filter at all: nothing to write into the coefficient file nor into the parameter
    // file, whose older filters stay.
    doc->m_FilterLists.m_EQFilters.RemoveAll();
    // The message comes once every ticked file has been saved.
    std::vector<std::size_t> messagesAtDeviceSave;
    devices.onSave = [&] { messagesAtDeviceSave.push_back(messages.texts.size()); };
    app.saveFilesAnswer = 1;
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_EQ(messagesAtDeviceSave, std::vector<std::size_t>{0});
    EXPECT_EQ(messages.texts, std::vector<std::string>{
                                  NothingWritten({{folder.Path("spk.crv"), kNoDesiredCurves},
                                                  {folder.Path("spk.flt"), kNoActiveFilter},
                                                  {folder.Path("spk.par"), kGridsHoldNoFilters}},
                                                 kOlderFilesKept)});
    EXPECT_TRUE(IsOlderFile("spk.crv"));
    EXPECT_TRUE(IsOlderFile("spk.flt"));
    EXPECT_TRUE(IsOlderFile("spk.par"));

    // Before another response is opened the same; a failure later in the order keeps
    // the design, and what had nothing to write is named after the failure's message.
    MakeEverythingUnsaved();
    doc->m_FilterLists.m_EQFilters.RemoveAll();
    app.onSaveFiles = [this](CSaveFilesChoice& choice)
    {
        choice.files[CSaveFilesChoice::kMasterPoints].name = folder.Path("missing/spk.mpt");
        return 1;
    };
    messages.texts.clear();
    EXPECT_FALSE(doc->SaveUnsavedFiles(true));
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(messages.texts[1], NothingWritten({{folder.Path("spk.flt"), kNoActiveFilter},
                                                 {folder.Path("spk.par"), kGridsHoldNoFilters}},
                                                kOlderFilesKept));
    EXPECT_TRUE(IsOlderFile("spk.flt"));
    EXPECT_TRUE(IsOlderFile("spk.par"));

    // With something in every file, nothing is named.
    MakeEverythingUnsaved();
    app.onSaveFiles = nullptr;
    messages.texts.clear();
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_FALSE(IsOlderFile("spk.flt"));
}

// Of the files named with nothing to write, only those that are there are said to be left
// as they were: by name where not all of them are.
TEST_F(SaveFilesTest, OnlyOlderFilesThatAreThereAreSaidToBeKept)
{
    const std::string crv = folder.Path("spk.crv"), flt = folder.Path("spk.flt"),
                      par = folder.Path("spk.par");
    const struct
    {
        std::vector<std::string> onDisk;
        std::string kept;
    } cases[] = {
        {{}, ""},
        {{"spk.par"}, "The older file \"" + par + "\" is left as it was."},
        {{"spk.flt", "spk.par"},
         "The older files \"" + flt + "\", \"" + par + "\" are left as they were."},
        {{"spk.crv", "spk.flt", "spk.par"}, kOlderFilesKept},
    };
    for (const auto& c : cases)
    {
        MakeEverythingUnsaved();
        for (const char* name : {"spk.crv", "spk.flt", "spk.par"})
            fs::remove(folder.Path(name));
        WriteOlderFiles(c.onDisk);
        doc->m_DesiredCurveFile.TurnOff();
        doc->m_FilterLists.m_EQFilters.RemoveAll();
        app.saveFilesAnswer = 1;
        messages.texts.clear();
        EXPECT_TRUE(doc->SaveModified());
        EXPECT_EQ(messages.texts,
                  std::vector<std::string>{NothingWritten(
                      {{crv, kNoDesiredCurves}, {flt, kNoActiveFilter}, {par, kGridsHoldNoFilters}},
                      c.kept)})
            << c.onDisk.size();
        for (const std::string& name : c.onDisk)
            EXPECT_TRUE(IsOlderFile(name)) << name;
    }
}

TEST_F(SaveFilesTest, TheCoefficientCommandsNameAFileWithNothingToWrite)
{
    const struct
    {
        const char* what;
        std::function<void()> command;
    } commands[] = {
        {"Save Filter Coefficients", [this] { doc->OnFileSaveFilterCoefficients(); }},
        {"Save As Filter Coefficients", [this] { doc->OnFileSaveAsFilterCoefficients(); }},
    };
    for (const auto& c : commands)
    {
        MakeEverythingUnsaved();
        WriteOlderFiles({"spk.flt"});
        doc->m_FilterLists.m_EQFilters.GetAt(0)->m_ActiveMode.TurnOff();
        messages.texts.clear();
        dialogs.requests.clear();
        c.command();
        EXPECT_EQ(messages.texts, std::vector<std::string>{NothingWritten(
                                      {{folder.Path("spk.flt"), kNoActiveFilter}}, kOlderFileKept)})
            << c.what;
        EXPECT_TRUE(IsOlderFile("spk.flt")) << c.what;
        // Save As does not ask for a file it would not write.
        EXPECT_TRUE(dialogs.requests.empty()) << c.what;
        EXPECT_TRUE(doc->m_CoefficientFile.m_ChangedMode.IsOn()) << c.what;
    }
    // An active filter is written without a word.
    doc->m_FilterLists.m_EQFilters.GetAt(0)->m_ActiveMode.TurnOn();
    messages.texts.clear();
    doc->OnFileSaveFilterCoefficients();
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_FALSE(IsOlderFile("spk.flt"));
}

TEST_F(SaveFilesTest, SaveOutputFilesNamesWhatHadNothingToWriteInOneMessage)
{
    const std::string kGridsHoldNone = "the filter grids hold no filters (Copy Generated Filters "
                                       "to Edit Grid puts calculated filters there).";
    const struct
    {
        const char* what;
        std::function<void()> takeContent;
        std::vector<std::pair<std::string, std::string>> unwritten;
    } cases[] = {
        {"everything to write", [] {}, {}},
        {"no desired curves",
         [this] { doc->m_DesiredCurveFile.TurnOff(); },
         {{folder.Path("spk.crv"), kNoDesiredCurves}}},
        {"no active filter",
         [this] { doc->m_FilterLists.m_EQFilters.GetAt(0)->m_ActiveMode.TurnOff(); },
         {{folder.Path("spk.flt"), kNoActiveFilter}}},
        {"no filter in the grids",
         [this] { doc->m_FiltersInGridMode.TurnOff(); },
         {{folder.Path("spk.flt"), kGridsHoldNone}}},
        {"neither",
         [this]
         {
             doc->m_DesiredCurveFile.TurnOff();
             doc->m_FilterLists.m_EQFilters.RemoveAll();
         },
         {{folder.Path("spk.crv"), kNoDesiredCurves}, {folder.Path("spk.flt"), kNoActiveFilter}}},
    };
    for (const auto& c : cases)
    {
        MakeEverythingUnsaved();
        WriteOlderFiles({"spk.crv", "spk.flt"});
        const std::string measurement = ReadFileBytes(folder.Path("spk.raw"));
        WriteFileBytes(folder.Path("spk.raw"), "older spk.raw");
        c.takeContent();
        messages.texts.clear();
        doc->OnFileSaveOutputFiles();
        EXPECT_FALSE(IsOlderFile("spk.raw")) << c.what;
        const std::vector<std::string> expected =
            c.unwritten.empty()
                ? std::vector<std::string>{}
                : std::vector<std::string>{NothingWritten(
                      c.unwritten, c.unwritten.size() == 1 ? kOlderFileKept : kOlderFilesKept)};
        EXPECT_EQ(messages.texts, expected) << c.what;
        for (const char* name : {"spk.crv", "spk.flt"})
        {
            const bool bUnwritten =
                std::any_of(c.unwritten.begin(), c.unwritten.end(),
                            [&](const auto& file) { return file.first == folder.Path(name); });
            EXPECT_EQ(IsOlderFile(name), bUnwritten) << c.what << ": " << name;
        }
        WriteFileBytes(folder.Path("spk.raw"), measurement);
    }
}

TEST_F(SaveFilesTest, DeviceDataOfEitherHolderIsOffered)
{
    // The DSP target has no data of its own; unsaved ".eq" lines are offered all the same.
    devices.bSelected = false;
    devices.unsaved[IDeviceDataFiles::kEqData] = true;
    app.saveFilesAnswer = 1;
    EXPECT_TRUE(doc->SaveModified());
    ASSERT_EQ(app.saveFilesShown.size(), 1u);
    EXPECT_TRUE(app.saveFilesShown[0].files[CSaveFilesChoice::kDeviceData].bSave);
    ASSERT_EQ(devices.saves.size(), 1u);
    EXPECT_EQ(devices.saves[0].first, IDeviceDataFiles::kEqData);

    // With the family selected and both unsaved, each has its row.
    devices.bSelected = true;
    devices.selected = IDeviceDataFiles::kFamilyData;
    devices.unsaved = {{IDeviceDataFiles::kEqData, true}, {IDeviceDataFiles::kFamilyData, true}};
    devices.saves.clear();
    EXPECT_TRUE(doc->SaveModified());
    const CSaveFilesChoice& shown = app.saveFilesShown.back();
    EXPECT_TRUE(shown.bOtherDeviceDataShown);
    EXPECT_EQ(shown.files[CSaveFilesChoice::kDeviceData].name, "/d/spk.EQ241X");
    EXPECT_EQ(shown.files[CSaveFilesChoice::kOtherDeviceData].name, "/d/spk.eq");
    ASSERT_EQ(devices.saves.size(), 2u);
    EXPECT_EQ(devices.saves[0].first, IDeviceDataFiles::kFamilyData);
    EXPECT_EQ(devices.saves[1].first, IDeviceDataFiles::kEqData);

    // With the DSP target and nothing unsaved the row is empty.
    devices.bSelected = false;
    devices.unsaved[IDeviceDataFiles::kEqData] = true;
    devices.unsaved[IDeviceDataFiles::kFamilyData] = false;
    devices.unsaved[IDeviceDataFiles::kEqData] = false;
    doc->m_RawFile.MarkNewContent();
    app.saveFilesAnswer = 0;
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_TRUE(app.saveFilesShown.back().files[CSaveFilesChoice::kDeviceData].name.empty());
}

TEST_F(SaveFilesTest, AFileOfAnotherKindIsRefusedAsParametersAndTheListsStay)
{
    AddEQ(*doc, 500.0, 7);
    doc->m_FiltersInGridMode.TurnOff();
    doc->m_ParameterFile.SetName(folder.Path("spk.par"));
    const struct
    {
        std::string text;
        int nLine;
    } cases[] = {
        {kRaw, 1},
        {"\r\n   \r\nDesired Response\r\n100.000000, 1.000000\r\n", 3},
    };
    for (const auto& c : cases)
    {
        const std::string path = folder.Path("other.par");
        WriteFileBytes(path, c.text);
        app.fileReadErrors.clear();
        dialogs.answers.push_back(path);
        doc->OnFileOpenFilterParameterFile();
        ASSERT_EQ(app.fileReadErrors.size(), 1u) << c.text;
        EXPECT_EQ(app.fileReadErrors[0].file, path);
        EXPECT_EQ(app.fileReadErrors[0].nLine, c.nLine);
        EXPECT_NE(app.fileReadErrors[0].error.find("no filter parameter file"), std::string::npos);
        ASSERT_EQ(doc->m_FilterLists.GetTotalCount(), 1);
        EXPECT_EQ(doc->m_FilterLists.m_EQFilters.GetAt(0)->GetLabel(), "EQ-7");
        EXPECT_TRUE(doc->m_FiltersInGridMode.IsOff());
        EXPECT_EQ(doc->m_ParameterFile.GetName(), folder.Path("spk.par"));
        EXPECT_TRUE(app.editorCalls.empty());
    }

    // An empty file is an empty filter set.
    WriteFileBytes(folder.Path("empty.par"), "");
    dialogs.answers.push_back(folder.Path("empty.par"));
    doc->OnFileOpenFilterParameterFile();
    EXPECT_EQ(doc->m_FilterLists.GetTotalCount(), 0);
    EXPECT_TRUE(doc->m_FiltersInGridMode.IsOn());
}

// A parameter file of no filter would write an empty file over the older one's filters:
// every save of it (on closing, before another response is opened, Save, Save As) names it
// instead, asks for no path, and leaves the older file and the unsaved mark as they were.
// It says that an older file is left as it was only where there is one.
TEST_F(SaveFilesTest, NoFilterIsNothingToWriteIntoTheParameterFileOnEveryPath)
{
    const auto onlyParameters = [](CSaveFilesChoice& choice)
    {
        for (CSaveFilesChoice::CFile& file : choice.files)
            file.bSave = false;
        choice.files[CSaveFilesChoice::kFilterParameters].bSave = true;
        return 1;
    };
    const struct
    {
        const char* what;
        std::function<void()> save;
    } saves[] = {
        {"closing", [this] { EXPECT_TRUE(doc->SaveModified()); }},
        {"before opening", [this] { EXPECT_TRUE(doc->SaveUnsavedFiles(true)); }},
        {"Save", [this] { doc->OnFileSaveFilterParameters(); }},
        {"Save As", [this] { doc->OnFileSaveAsFilterParameters(); }},
    };
    // Each save with an older file there, then without one.
    for (std::size_t i = 0; i < 2 * std::size(saves); ++i)
    {
        const auto& s = saves[i % std::size(saves)];
        const bool bOlder = i < std::size(saves);
        MakeEverythingUnsaved();
        fs::remove(folder.Path("spk.par"));
        if (bOlder)
            WriteOlderFiles({"spk.par"});
        // Grid rows removed one by one leave the grids on, with no filter.
        doc->m_FilterLists.m_EQFilters.RemoveAll();
        app.onSaveFiles = onlyParameters;
        messages.texts.clear();
        dialogs.requests.clear();
        dialogs.answers = {folder.Path("spk.par")};
        s.save();
        EXPECT_EQ(messages.texts, std::vector<std::string>{NothingWritten(
                                      {{folder.Path("spk.par"), kGridsHoldNoFilters}},
                                      bOlder ? kOlderFileKept : "")})
            << s.what << bOlder;
        EXPECT_EQ(IsOlderFile("spk.par"), bOlder) << s.what;
        EXPECT_EQ(Exists("spk.par"), bOlder) << s.what;
        EXPECT_TRUE(dialogs.requests.empty()) << s.what;
        EXPECT_TRUE(doc->m_ParameterFile.m_ChangedMode.IsOn()) << s.what;
        EXPECT_EQ(doc->m_ParameterFile.GetName(), folder.Path("spk.par")) << s.what;

        // With a filter, the same save writes it.
        AddEQ(*doc, 1000.0, 1);
        messages.texts.clear();
        s.save();
        EXPECT_TRUE(messages.texts.empty()) << s.what;
        EXPECT_FALSE(IsOlderFile("spk.par")) << s.what;
        EXPECT_NE(ReadFileBytes(folder.Path("spk.par")).find("EQ-1, -3.000000"), std::string::npos)
            << s.what;
    }
}

TEST_F(SaveFilesTest, EverySaveClearsItsFilesUnsavedMark)
{
    using EFile = CSaveFilesChoice::EFile;
    const struct
    {
        const char* command;
        std::vector<std::string> answers; // of the file dialogs
        void (CMorvaneDoc::*save)();
        std::vector<EFile> saved;
    } cases[] = {
        {"Save Raw Response", {}, &CMorvaneDoc::OnFileSaveRawResponse, {CSaveFilesChoice::kRawResponse}},
        {"Save As Raw Response", {folder.Path("as.raw")}, &CMorvaneDoc::OnFileSaveAsRawResponse,
         {CSaveFilesChoice::kRawResponse}},
        {"Save Desired Response", {}, &CMorvaneDoc::OnFileSaveDesiredResponse,
         {CSaveFilesChoice::kDesiredResponse}},
        {"Save As Desired Response", {folder.Path("as.crv")},
         &CMorvaneDoc::OnFileSaveAsDesiredResponse, {CSaveFilesChoice::kDesiredResponse}},
        {"Save Filter Coefficients", {}, &CMorvaneDoc::OnFileSaveFilterCoefficients,
         {CSaveFilesChoice::kFilterCoefficients}},
        {"Save As Filter Coefficients", {folder.Path("as.flt")},
         &CMorvaneDoc::OnFileSaveAsFilterCoefficients, {CSaveFilesChoice::kFilterCoefficients}},
        {"Save As Modified Response", {folder.Path("asMod.raw")},
         &CMorvaneDoc::OnFileSaveAsModifiedResponse, {CSaveFilesChoice::kModifiedResponse}},
        {"Save Filter Parameters", {}, &CMorvaneDoc::OnFileSaveFilterParameters,
         {CSaveFilesChoice::kFilterParameters}},
        {"Save As Filter Parameters", {folder.Path("as.par")},
         &CMorvaneDoc::OnFileSaveAsFilterParameters, {CSaveFilesChoice::kFilterParameters}},
        {"Save Output Files", {}, &CMorvaneDoc::OnFileSaveOutputFiles,
         {CSaveFilesChoice::kRawResponse, CSaveFilesChoice::kDesiredResponse,
          CSaveFilesChoice::kFilterCoefficients}},
    };
    for (const auto& c : cases)
    {
        MakeEverythingUnsaved();
        dialogs.requests.clear();
        dialogs.answers = c.answers;
        (doc.get()->*c.save)();
        app.saveFilesShown.clear();
        app.saveFilesAnswer = 2;
        EXPECT_FALSE(doc->SaveModified()) << c.command;
        ASSERT_EQ(app.saveFilesShown.size(), 1u) << c.command;
        const CSaveFilesChoice& shown = app.saveFilesShown[0];
        for (int i = 0; i < CSaveFilesChoice::kOtherDeviceData; ++i)
        {
            const bool bSaved =
                std::find(c.saved.begin(), c.saved.end(), EFile(i)) != c.saved.end();
            EXPECT_EQ(shown.files[std::size_t(i)].bSave, !bSaved) << c.command << ", file " << i;
        }
    }
    // The master point file, and a desired response opened from its file.
    MakeEverythingUnsaved();
    EXPECT_TRUE(doc->OnFileSaveMasterPointFile());
    EXPECT_TRUE(doc->m_MasterPointFile.m_ChangedMode.IsOff());
    doc->m_MasterPointFile.MarkNewContent();
    dialogs.requests.clear();
    dialogs.answers = {folder.Path("as.mpt")};
    EXPECT_TRUE(doc->OnFileSaveAsMasterPointFile());
    EXPECT_TRUE(doc->m_MasterPointFile.m_ChangedMode.IsOff());
    dialogs.requests.clear();
    dialogs.answers = {folder.Path("as.crv")};
    doc->OnFileOpenDesiredResponse();
    EXPECT_TRUE(doc->m_DesiredCurveFile.IsOn());
    EXPECT_TRUE(doc->m_DesiredCurveFile.m_ChangedMode.IsOff());
}

TEST_F(SaveFilesTest, OpeningAnotherResponseAsksFirstAndCancelKeepsTheDesign)
{
    const std::string kOther = "t\nh\n50 1 0\n500 2 0\n5000 3 0\n20000 4 0\n";
    // Nothing unsaved: no question.
    ASSERT_TRUE(Open("other.raw", kOther));
    EXPECT_TRUE(app.saveFilesShown.empty());
    ASSERT_TRUE(Open("spk.raw", kRaw));
    ShowRawCurves();

    MakeEverythingUnsaved();
    app.saveFilesAnswer = 2;
    EXPECT_FALSE(doc->SaveModified());
    const CSaveFilesChoice atExit = app.saveFilesShown.back();
    EXPECT_FALSE(atExit.bBeforeOpening);

    // Cancel, and a ticked file that cannot be saved: the design stays whole.
    const auto expectDesignKept = [this](const char* step)
    {
        EXPECT_EQ(doc->m_RawFile.GetName(), folder.Path("spk.raw")) << step;
        EXPECT_EQ(doc->m_nRawPoints, 3) << step;
        EXPECT_TRUE(doc->m_DesiredCurveFile.IsOn()) << step;
        for (const CFileRecord* record :
             {&doc->m_RawFile, &doc->m_DesiredCurveFile, &doc->m_CoefficientFile,
              &doc->m_ModifiedRawFile, &doc->m_ParameterFile, &doc->m_MasterPointFile})
            EXPECT_TRUE(record->m_ChangedMode.IsOn()) << step;
        EXPECT_EQ(doc->m_FilterLists.m_EQFilters.GetSize(), 1) << step;
    };
    EXPECT_FALSE(Open("other.raw", kOther));
    ASSERT_EQ(app.saveFilesShown.size(), 2u);
    const CSaveFilesChoice& beforeOpening = app.saveFilesShown.back();
    EXPECT_TRUE(beforeOpening.bBeforeOpening);
    for (std::size_t i = 0; i < beforeOpening.files.size(); ++i)
    {
        EXPECT_EQ(beforeOpening.files[i].bSave, atExit.files[i].bSave) << i;
        EXPECT_EQ(beforeOpening.files[i].name, atExit.files[i].name) << i;
    }
    expectDesignKept("cancel");
    app.onSaveFiles = [this](CSaveFilesChoice& choice)
    {
        choice.files[CSaveFilesChoice::kRawResponse].bSave = false;
        choice.files[CSaveFilesChoice::kDesiredResponse].name = folder.Path("missing/spk.crv");
        return 1;
    };
    EXPECT_FALSE(Open("other.raw", kOther));
    expectDesignKept("failed save");
    EXPECT_EQ(messages.texts.size(), 1u);

    // Yes saves the ticked files under their old names, then the response is opened.
    app.onSaveFiles = [](CSaveFilesChoice& choice)
    {
        choice.files[CSaveFilesChoice::kRawResponse].bSave = false;
        return 1;
    };
    ASSERT_TRUE(Open("other.raw", kOther));
    for (const char* name : {"spk.crv", "spk.flt", "spk.par", "spk.mpt", "spkMod.raw"})
        EXPECT_TRUE(Exists(name)) << name;
    EXPECT_EQ(doc->m_RawFile.GetName(), folder.Path("other.raw"));
    EXPECT_EQ(doc->m_nRawPoints, 4);
    EXPECT_EQ(doc->m_ParameterFile.GetName(), folder.Path("other.par"));

    // No opens without saving; the new response is the file's own, not unsaved.
    ShowRawCurves();
    MakeEverythingUnsaved();
    app.onSaveFiles = nullptr;
    app.saveFilesAnswer = 0;
    ASSERT_TRUE(Open("spk.raw", kRaw));
    EXPECT_FALSE(Exists("other.crv"));
    EXPECT_TRUE(doc->m_RawFile.m_ChangedMode.IsOff());
    EXPECT_TRUE(doc->m_DesiredCurveFile.m_ChangedMode.IsOff());
    // The grids keep their filters, still unsaved.
    EXPECT_TRUE(doc->m_ParameterFile.m_ChangedMode.IsOn());
}

TEST_F(SaveFilesTest, SaveAsDialogsOpenWithTheNameOfTheirFile)
{
    MakeEverythingUnsaved();
    const struct
    {
        const char* command;
        std::function<void()> run;
        std::string offered;
    } cases[] = {
        {"Save As Raw Response File", [this] { doc->OnFileSaveAsRawResponse(); },
         folder.Path("spk.raw")},
        {"Save As Modified Response", [this] { doc->OnFileSaveAsModifiedResponse(); }, ""},
        {"Save As Desired Response", [this] { doc->OnFileSaveAsDesiredResponse(); },
         folder.Path("spk.crv")},
        {"Save As Master Point File", [this] { doc->OnFileSaveAsMasterPointFile(); },
         folder.Path("spk.mpt")},
        {"Save As Filter Parameters", [this] { doc->OnFileSaveAsFilterParameters(); },
         folder.Path("spk.par")},
        {"Save As Filter Coefficients", [this] { doc->OnFileSaveAsFilterCoefficients(); },
         folder.Path("spk.flt")},
    };
    for (const auto& c : cases)
    {
        const std::size_t nAsked = dialogs.requests.size();
        c.run(); // cancelled: no answer scripted
        ASSERT_EQ(dialogs.requests.size(), nAsked + 1) << c.command;
        EXPECT_TRUE(dialogs.requests.back().save) << c.command;
        EXPECT_EQ(dialogs.initialNames.back(), c.offered) << c.command;
    }
    // A name the user gave is the one offered next time.
    dialogs.answers.resize(dialogs.requests.size());
    dialogs.answers.push_back(folder.Path("other.flt"));
    doc->OnFileSaveAsFilterCoefficients();
    doc->OnFileSaveAsFilterCoefficients();
    EXPECT_EQ(dialogs.initialNames.back(), folder.Path("other.flt"));
}
