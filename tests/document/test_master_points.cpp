// Master points without a screen: the grid's rows, the tolerance grids filled from the
// desired grid, aligned deletion, and the document's commands on the editor's grids
// (building the curves, taking the points back from the curves, the ".mpt" file).
#include "document/MasterPointEditing.h"
#include "document/MasterPointGrid.h"
#include "tests/document/DocumentFixture.h"
#include "tests/document/MasterPointTyping.h"

#include <cmath>
#include <utility>
#include <vector>

namespace
{
using Points = std::vector<std::pair<double, double>>;

void Type(CMasterPtGridRows& grid, const Points& points)
{
    TypeMasterPoints(grid, points);
}

Points RowsOf(const CMasterPtGridRows& grid)
{
    Points points;
    for (int r = 1; r <= grid.GetDataRows(); ++r)
        points.emplace_back(grid.GetFrequency(r), grid.GetAmplitude(r));
    return points;
}

std::vector<std::string> Column0(const CMemoryMasterPointGrid& grid)
{
    std::vector<std::string> cells;
    for (int r = 0; r < grid.GetRows(); ++r)
        cells.push_back(grid.Cell(r, 0));
    return cells;
}
} // namespace

TEST(MasterPtGridRows, NewEntryRowMovesDownAsPointsAreTyped)
{
    CMemoryMasterPointGrid grid;
    EXPECT_EQ(Column0(grid), (std::vector<std::string>{"Point", "1", "*"}));
    EXPECT_EQ(grid.Cell(0, 1), "Frequency");
    EXPECT_EQ(grid.Cell(0, 2), "Amplitude");
    EXPECT_FALSE(grid.PrepareRowForEdit(1));
    EXPECT_TRUE(grid.PrepareRowForEdit(2));
    EXPECT_EQ(Column0(grid), (std::vector<std::string>{"Point", "1", "2", "*"}));
    EXPECT_EQ(grid.GetDataRows(), 2);

    CMemoryMasterPointGrid tolerance(true);
    EXPECT_EQ(tolerance.GetRows(), 2);
    EXPECT_FALSE(tolerance.PrepareRowForEdit(1));
    EXPECT_FALSE(tolerance.SetNewEntryMarker(2));
    tolerance.SetPointNumber(1, 1);
    EXPECT_FALSE(tolerance.DeleteRowAsked(1)); // read-only grids refuse deletion
    EXPECT_EQ(tolerance.GetRows(), 2);
}

TEST(MasterPtGridRows, DeletingPointOneBlanksItsRowAndOthersGo)
{
    CMemoryMasterPointGrid grid;
    Type(grid, {{100, 0}, {200, 1}, {300, 2}, {400, 3}});
    EXPECT_FALSE(grid.DeleteRowAsked(5)); // the "*" row
    EXPECT_FALSE(grid.DeleteRowAsked(0));
    EXPECT_TRUE(grid.DeleteRowAsked(3));
    EXPECT_EQ(grid.m_DeletedRows, (std::vector<int>{3}));
    EXPECT_EQ(Column0(grid), (std::vector<std::string>{"Point", "1", "2", "3", "*"}));
    EXPECT_EQ(RowsOf(grid), (Points{{100, 0}, {200, 1}, {400, 3}}));
    EXPECT_TRUE(grid.DeleteRowAsked(1));
    EXPECT_EQ(grid.GetDataRows(), 3);
    EXPECT_EQ(grid.Cell(1, 1), " ");
    EXPECT_FALSE(grid.IsCompleteRow(1));
    EXPECT_EQ(CurvePoints(grid).size(), 2u);
}

TEST(MasterPointEditing, ToleranceGridsTakeCompleteDesiredRowsWithTheirOffset)
{
    CMemoryMasterPointGrid desired, upper(true), lower(true);
    Type(desired, {{100, 0}, {1000, 2}});
    EXPECT_TRUE(FillOffsetGrid(desired, upper, 3.0));
    EXPECT_TRUE(FillOffsetGrid(desired, lower, -3.0));
    EXPECT_EQ(RowsOf(upper), (Points{{100, 3}, {1000, 5}}));
    EXPECT_EQ(RowsOf(lower), (Points{{100, -3}, {1000, -1}}));
    EXPECT_FALSE(FillOffsetGrid(desired, upper, 3.0));

    // A hand edit of the upper grid survives extension; rebuilding discards it.
    upper.SetAmplitude(2, 9.0);
    desired.PrepareRowForEdit(3);
    desired.SetFrequency(3, 5000.0); // no amplitude yet: not copied
    desired.PrepareRowForEdit(4);
    desired.SetFrequency(4, 8000.0);
    desired.SetAmplitude(4, -1.0);
    EXPECT_TRUE(FillOffsetGrid(desired, upper, 3.0));
    ASSERT_EQ(upper.GetDataRows(), 4);
    EXPECT_EQ(upper.GetAmplitude(2), 9.0);
    EXPECT_TRUE(upper.AreValuesEmpty(3));
    EXPECT_EQ(upper.Cell(3, 0), "3");
    EXPECT_EQ(upper.GetAmplitude(4), 2.0);
    // Once the desired row is complete, the still empty tolerance row takes it.
    desired.SetAmplitude(3, 1.0);
    EXPECT_TRUE(FillOffsetGrid(desired, upper, 3.0));
    EXPECT_EQ(upper.GetAmplitude(3), 4.0);

    desired.DeletePoint(1);
    OffsetPoints(desired, upper, 3.0);
    EXPECT_EQ(upper.GetDataRows(), 4);
    EXPECT_TRUE(upper.AreValuesEmpty(1)); // an incomplete row is not made a 0 Hz point
    EXPECT_EQ(upper.GetAmplitude(2), 5.0);
}

TEST(MasterPointEditing, ToleranceGridsFollowDeletionsOnlyWhileAligned)
{
    CMemoryMasterPointGrid desired, upper(true), lower(true);
    Type(desired, {{100, 0}, {200, 1}, {300, 2}, {400, 3}, {500, 4}});
    FillOffsetGrid(desired, upper, 3.0);
    FillOffsetGrid(desired, lower, -3.0);
    lower.SetPointNumber(6, 6); // one row more than the desired grid: not aligned
    desired.DeletePoint(3);
    EXPECT_TRUE(DeleteMatchingRow(3, desired, upper));
    EXPECT_FALSE(DeleteMatchingRow(3, desired, lower));
    EXPECT_EQ(RowsOf(upper), (Points{{100, 3}, {200, 4}, {400, 6}, {500, 7}}));
    EXPECT_EQ(lower.GetDataRows(), 6);

    // Deleting point 1 keeps its (blanked) row, and the tolerance grid follows.
    desired.DeletePoint(1);
    EXPECT_TRUE(DeleteMatchingRow(1, desired, upper));
    EXPECT_EQ(upper.GetDataRows(), 4);
    EXPECT_TRUE(upper.AreValuesEmpty(1));
}

TEST(MasterPointEditing, CurvePointsAreInFrequencyOrder)
{
    CMemoryMasterPointGrid grid;
    Type(grid, {{1000, 2}, {100, 0}, {0, 5}, {1000, 4}, {10000, -1}});
    const std::vector<CDoublePoint> points = CurvePoints(grid);
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(points[0], (CDoublePoint{100, 0}));
    EXPECT_EQ(points[1], (CDoublePoint{1000, 2}));
    EXPECT_EQ(points[2], (CDoublePoint{1000, 4}));
    EXPECT_EQ(points[3], (CDoublePoint{10000, -1}));
    EXPECT_EQ(CountDistinctFrequencies(points), 3);
}

namespace
{
// A document with a flat raw response from 20 Hz to 20 kHz shown in the views.
class MasterPointDocTest : public DocumentTest
{
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        std::string text = "title\nheader\n";
        for (int i = 0; i <= 30; ++i)
            text += std::to_string(20.0 * std::pow(10.0, i / 10.0)) + " 0 0\n";
        ASSERT_TRUE(Open("speaker.raw", text));
        ShowRawCurves();
        doc->m_dUpperToleranceDb = 3.0;
        doc->m_dLowerToleranceDb = -3.0;
    }
    // The value of a document curve at the raw point nearest to f.
    double At(const mwMatrix& curve, double f) const
    {
        const std::vector<double> x = Values(doc->m_RawFrequencies);
        const std::vector<double> y = Values(curve);
        std::size_t best = 0;
        for (std::size_t i = 0; i < x.size(); ++i)
            if (std::abs(std::log10(x[i] / f)) < std::abs(std::log10(x[best] / f)))
                best = i;
        return y[best];
    }
};
} // namespace

TEST_F(MasterPointDocTest, GeneratedCurvesJoinThePointsInFrequencyOrder)
{
    EXPECT_FALSE(doc->OnUpdateEditGenerateCurvesFromMasterPoints().bEnabled);
    ASSERT_TRUE(app.OpenMasterPointEditor(false));
    Type(app.desiredGrid, {{2000, -6}, {20, 0}, {200, 0}});
    ASSERT_TRUE(doc->OnUpdateEditGenerateCurvesFromMasterPoints().bEnabled);
    const std::size_t nFilterHints = filter.hints.size();
    ASSERT_TRUE(doc->OnEditGenerateCurvesFromMasterPoints());
    EXPECT_NEAR(At(doc->m_DesiredResponse, 20), 0.0, 1e-9);
    EXPECT_NEAR(At(doc->m_DesiredResponse, 200), 0.0, 1e-9);
    EXPECT_NEAR(At(doc->m_DesiredResponse, 2000), -6.0, 1e-9);
    EXPECT_NEAR(At(doc->m_UpperTolerance, 2000), -3.0, 1e-9);
    EXPECT_NEAR(At(doc->m_LowerTolerance, 200), -3.0, 1e-9);
    EXPECT_EQ(response.curves[IResponseView::kDesiredCurve]->GetMasterPointCount(), 3);
    EXPECT_EQ(response.hints.back(), kHintSettingsApplied);
    EXPECT_EQ(filter.hints.size(), nFilterHints); // the filter view is the sender
    // The exit question offers the desired response file, and the calculation may run.
    EXPECT_TRUE(doc->m_DesiredCurveFile.m_ChangedMode.IsOn());
    EXPECT_TRUE(doc->OnUpdateCalculateModifiedResponse().bEnabled);
    EXPECT_TRUE(doc->m_MasterPointFile.m_ChangedMode.IsOn()); // the tolerance grids grew
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(MasterPointDocTest, CurvesNeedTwoFrequenciesOnEveryPage)
{
    ASSERT_TRUE(app.OpenMasterPointEditor(false));
    const std::vector<double> before = Values(doc->m_DesiredResponse);
    struct
    {
        const char* what;
        Points desired;
        Points upper; // typed over the extension
        const char* page;
    } const cases[] = {
        {"one point", {{100, 0}}, {}, "Desired Response Pts."},
        {"one frequency twice", {{100, 0}, {100, 3}}, {}, "Desired Response Pts."},
        {"no point", {}, {}, "Desired Response Pts."},
        {"an upper grid of one frequency",
         {{100, 0}, {1000, 0}},
         {{1000, 3}, {1000, 3}},
         "Upper Tolerance Pts."},
    };
    for (const auto& c : cases)
    {
        messages.texts.clear();
        ClearAllGrids({app.desiredGrid, app.upperGrid, app.lowerGrid});
        Type(app.desiredGrid, c.desired);
        int r = 0;
        for (const auto& [f, a] : c.upper)
        {
            ++r;
            app.upperGrid.SetPointNumber(r, r);
            app.upperGrid.SetFrequency(r, f);
            app.upperGrid.SetAmplitude(r, a);
        }
        doc->m_DesiredCurveFile.Clear();
        EXPECT_FALSE(doc->OnEditGenerateCurvesFromMasterPoints()) << c.what;
        ASSERT_EQ(messages.texts.size(), 1u) << c.what;
        EXPECT_NE(messages.texts[0].find(c.page), std::string::npos) << messages.texts[0];
        EXPECT_EQ(Values(doc->m_DesiredResponse), before) << c.what;
        EXPECT_TRUE(doc->m_DesiredCurveFile.IsOff()) << c.what;
        EXPECT_EQ(response.resets[IResponseView::kDesiredCurve], 0) << c.what;
    }
}

TEST_F(MasterPointDocTest, CopyingTheCurvesMasterPointsFillsTheGrids)
{
    CCurve& desired = *response.curves[IResponseView::kDesiredCurve];
    desired.AddMasterPoint(2.0, -1.0);
    desired.AddMasterPoint(3.0, 2.0);
    Type(app.desiredGrid, {{50, 1}, {60, 1}, {70, 1}});
    doc->OnEditCopyMasterPointsToGrid();
    EXPECT_EQ(app.editorCalls.back(), "open master points");
    EXPECT_EQ(RowsOf(app.desiredGrid), (Points{{100, -1}, {1000, 2}}));
    EXPECT_EQ(app.desiredGrid.Cell(3, 0), "*");
    // A curve without master points leaves the heading and the grid's empty row.
    EXPECT_EQ(app.upperGrid.GetRows(), 2);
    EXPECT_TRUE(doc->m_MasterPointFile.m_ChangedMode.IsOn());

    // Without an editor the command stops.
    app.masterPointEditorAvailable = false;
    app.masterPointEditorCreated = false;
    doc->m_MasterPointFile.Clear();
    doc->OnEditCopyMasterPointsToGrid();
    EXPECT_TRUE(doc->m_MasterPointFile.IsOff());
}

TEST_F(MasterPointDocTest, MasterPointFileRoundTripsThroughTheGrids)
{
    EXPECT_FALSE(doc->OnUpdateFileSaveMasterPointFile().bEnabled);
    ASSERT_TRUE(app.OpenMasterPointEditor(false));
    EXPECT_TRUE(doc->OnUpdateFileSaveMasterPointFile().bEnabled);
    Type(app.desiredGrid, {{100, 0}, {1000, -3}});
    FillOffsetGrid(app.desiredGrid, app.upperGrid, 2.0);
    FillOffsetGrid(app.desiredGrid, app.lowerGrid, -2.5);
    doc->m_MasterPointFile.MarkNewContent();
    const std::string path = folder.Path("design.mpt");
    dialogs.answers = {path};
    ASSERT_TRUE(doc->OnFileSaveAsMasterPointFile());
    EXPECT_EQ(doc->m_MasterPointFile.GetName(), path);
    EXPECT_TRUE(doc->m_MasterPointFile.m_ChangedMode.IsOff());
    EXPECT_GE(app.masterPointCommits, 1); // open edits are committed before writing
    EXPECT_EQ(ReadFileBytes(path), "Desired Response\r\n100.000000, 0.000000\r\n"
                                   "1000.000000, -3.000000\r\n"
                                   "Upper Tolerance\r\n100.000000, 2.000000\r\n"
                                   "1000.000000, -1.000000\r\n"
                                   "Lower Tolerance\r\n100.000000, -2.500000\r\n"
                                   "1000.000000, -5.500000\r\n");

    ClearAllGrids({app.desiredGrid, app.upperGrid, app.lowerGrid});
    doc->m_MasterPointFile.MarkNewContent();
    dialogs.answers.push_back(path);
    doc->OnFileOpenMasterPointFile();
    EXPECT_EQ(app.editorCalls.back(), "open master points, first page");
    EXPECT_EQ(RowsOf(app.desiredGrid), (Points{{100, 0}, {1000, -3}}));
    EXPECT_EQ(RowsOf(app.lowerGrid), (Points{{100, -2.5}, {1000, -5.5}}));
    EXPECT_TRUE(doc->m_MasterPointFile.m_ChangedMode.IsOff());

    // Save writes to the record's name without asking.
    app.desiredGrid.SetAmplitude(1, 4.0);
    const std::size_t nRequests = dialogs.requests.size();
    ASSERT_TRUE(doc->OnFileSaveMasterPointFile());
    EXPECT_EQ(dialogs.requests.size(), nRequests);
    EXPECT_NE(ReadFileBytes(path).find("100.000000, 4.000000"), std::string::npos);
}

TEST_F(MasterPointDocTest, OpeningStopsWhenTheEditorCannotBeMade)
{
    const std::string path = folder.Path("points.mpt");
    WriteFileBytes(path, "Desired Response\n100, 1\n1000, 2\n");
    app.masterPointEditorAvailable = false;
    dialogs.answers = {path};
    doc->OnFileOpenMasterPointFile();
    EXPECT_FALSE(app.masterPointEditorCreated);
    EXPECT_NE(doc->m_MasterPointFile.GetName(), path);
    EXPECT_TRUE(doc->m_MasterPointFile.IsOff());
}

TEST_F(MasterPointDocTest, AFileOfAnotherKindIsRefusedAtItsLineAndTheGridsStay)
{
    ASSERT_TRUE(app.OpenMasterPointEditor(false));
    Type(app.desiredGrid, {{100, 0}, {1000, -3}});
    FillOffsetGrid(app.desiredGrid, app.upperGrid, 2.0);
    const std::string named = doc->m_MasterPointFile.GetName();
    const struct
    {
        const char* text;
        int nLine;
    } cases[] = {
        {"title\nheader\n100 -6 90\n1000 0 170\n", 3}, // a measurement
        {"\r\n  \nEQ-1, 6, 2, 100, No, Yes, 1\n", 3},  // a parameter file
        {"100, 1\nDesired Response\n200, 2\n", 1},     // points before any section
        {"", 1},
    };
    for (const auto& c : cases)
    {
        const std::string path = folder.Path("other.mpt");
        WriteFileBytes(path, c.text);
        app.fileReadErrors.clear();
        app.editorCalls.clear();
        dialogs.answers.push_back(path);
        doc->OnFileOpenMasterPointFile();
        ASSERT_EQ(app.fileReadErrors.size(), 1u) << c.text;
        EXPECT_EQ(app.fileReadErrors[0].file, path);
        EXPECT_EQ(app.fileReadErrors[0].nLine, c.nLine) << c.text;
        EXPECT_NE(app.fileReadErrors[0].error.find("no master point file"), std::string::npos);
        EXPECT_TRUE(app.editorCalls.empty());
        EXPECT_EQ(RowsOf(app.desiredGrid), (Points{{100, 0}, {1000, -3}}));
        EXPECT_EQ(RowsOf(app.upperGrid), (Points{{100, 2}, {1000, -1}}));
        EXPECT_EQ(doc->m_MasterPointFile.GetName(), named);
    }
}

// A point no curve can hold, in a file, a grid or a save: the file is not opened and the
// grids stay; Grid to Curves names the point and changes no curve; the save keeps the
// older file.
TEST_F(MasterPointDocTest, PointsBeyondWhatACurveHoldsGetInByNoWay)
{
    ASSERT_TRUE(app.OpenMasterPointEditor(false));
    Type(app.desiredGrid, {{100, 0}, {1000, -3}});
    const std::string path = folder.Path("points.mpt");
    const char* const kNoPoint = "This line is no master point";
    const struct
    {
        const char* line;
        const char* error;
    } refused[] = {{"1000.000000, nan", kNoPoint},
                   {"1000.000000, inf", kNoPoint},
                   {"1000.000000, 1e400", kNoPoint},
                   {"nan, 1.000000", kNoPoint},
                   {"1e308, 1.000000", kNoPoint},
                   {"1000.000000, 1e300", kNoPoint},
                   {"1000, 85,5", "The number \"85,5\" holds a decimal comma"},
                   {"1000", kNoPoint},
                   {"1000, 2, dB", kNoPoint}};
    for (const auto& c : refused)
    {
        WriteFileBytes(path, std::string("Desired Response\r\n100.000000, 1.000000\r\n") + c.line +
                                 "\r\n2000.000000, 2.000000\r\n");
        app.fileReadErrors.clear();
        dialogs.answers.push_back(path);
        doc->OnFileOpenMasterPointFile();
        ASSERT_EQ(app.fileReadErrors.size(), 1u) << c.line;
        EXPECT_EQ(app.fileReadErrors[0].nLine, 3) << c.line;
        EXPECT_EQ(app.fileReadErrors[0].error.rfind(c.error, 0), 0u) << c.line;
        EXPECT_EQ(RowsOf(app.desiredGrid), (Points{{100, 0}, {1000, -3}})) << c.line;
    }

    const std::vector<double> before = Values(doc->m_DesiredResponse);
    const char* const kOutOfRange =
        "The curves were not changed.  A master point needs a frequency from 0.001 Hz to 10 MHz "
        "and an amplitude from -1000 dB to 1000 dB.  Out of range: point 2 in \"Desired Response "
        "Pts.\".";
    const char* const kIncomplete =
        "The curves were not changed.  A master point needs a frequency from 0.001 Hz to 10 MHz "
        "and an amplitude from -1000 dB to 1000 dB; a point without either is left out.  "
        "Incomplete point 2 in \"Desired Response Pts.\".";
    const struct
    {
        const char* amplitude;
        const char* message;
    } cases[] = {{"1e300", kOutOfRange}, {"-1000.5", kOutOfRange}, {"nan", kIncomplete}};
    for (const auto& c : cases)
    {
        const char* const amplitude = c.amplitude;
        app.desiredGrid.SetTextMatrix(2, 2, amplitude);
        messages.texts.clear();
        EXPECT_FALSE(doc->OnEditGenerateCurvesFromMasterPoints());
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_EQ(messages.texts[0], c.message) << amplitude;
        EXPECT_EQ(Values(doc->m_DesiredResponse), before);

        WriteFileBytes(path, "older");
        messages.texts.clear();
        doc->m_MasterPointFile.SetName(path);
        EXPECT_FALSE(doc->OnFileSaveMasterPointFile());
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_EQ(messages.texts[0],
                  "The master point file was not saved: point 2 of \"Desired Response\" is not "
                  "a frequency from 0.001 Hz to 10 MHz with an amplitude from -1000 dB to "
                  "1000 dB, and a file holding it would not open again.  An older file of that "
                  "name is left as it was.");
        EXPECT_EQ(ReadFileBytes(path), "older");
    }
}

// A tolerance offset that carries a desired point beyond the widest level makes a point
// that is out of range, not one that is incomplete; no curve changes.
TEST_F(MasterPointDocTest, AnOffsetBeyondTheWidestLevelIsNamedOutOfRange)
{
    ASSERT_TRUE(app.OpenMasterPointEditor(false));
    Type(app.desiredGrid, {{100, 950}, {1000, 960}});
    doc->m_dUpperToleranceDb = 100.0;
    const std::vector<double> before = Values(doc->m_UpperTolerance);
    messages.texts.clear();
    EXPECT_FALSE(doc->OnEditGenerateCurvesFromMasterPoints());
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0],
              "The curves were not changed.  A master point needs a frequency from 0.001 Hz to "
              "10 MHz and an amplitude from -1000 dB to 1000 dB.  Out of range: point 1 in "
              "\"Upper Tolerance Pts.\".");
    EXPECT_EQ(Values(doc->m_UpperTolerance), before);
}

// A stored file with notes and further numbers on its point lines opens with the points
// it holds; the lines that hold no point are named in one message after the grids are
// filled, and give no row.
TEST_F(MasterPointDocTest, NotesAreNamedAndPointLinesReadAsWritten)
{
    ASSERT_TRUE(app.OpenMasterPointEditor(false));
    Type(app.desiredGrid, {{100, 0}, {1000, -3}});
    const std::string path = folder.Path("woofer.mpt");
    WriteFileBytes(path, "; woofer, measured 2019\r\n"
                         "Desired Response\r\n"
                         "100.000000, 85.000000, 1\r\n"
                         "Upper Tolerance \r\n"
                         "1000.000000, 84.000000\r\n"
                         "Upper Tolerance\r\n"
                         "100.000000, 88.000000\r\n");
    messages.texts.clear();
    dialogs.answers = {path};
    doc->OnFileOpenMasterPointFile();
    EXPECT_TRUE(app.fileReadErrors.empty());
    EXPECT_EQ(RowsOf(app.desiredGrid), (Points{{100, 85}, {1000, 84}}));
    EXPECT_EQ(RowsOf(app.upperGrid), (Points{{100, 88}}));
    EXPECT_EQ(doc->m_MasterPointFile.GetName(), path);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0],
              "The master point file was opened.  Lines that hold no point gave no row: lines "
              "1 and 4.  A point line begins with its frequency, such as 1000.000000, "
              "-3.000000; any other text is read as a note.");
}

TEST_F(MasterPointDocTest, AMissingSectionLeavesOnlyTheNewEntryRow)
{
    ASSERT_TRUE(app.OpenMasterPointEditor(false));
    Type(app.desiredGrid, {{100, 0}, {1000, -3}});
    const std::string path = folder.Path("upper only.mpt");
    WriteFileBytes(path, "\r\nUpper Tolerance\r\n100.000000, 2.000000\r\n");
    dialogs.answers = {path};
    doc->OnFileOpenMasterPointFile();
    EXPECT_TRUE(app.fileReadErrors.empty());
    EXPECT_EQ(Column0(app.desiredGrid), (std::vector<std::string>{"Point", "*"}));
    EXPECT_EQ(RowsOf(app.upperGrid), (Points{{100, 2}}));
    EXPECT_EQ(doc->m_MasterPointFile.GetName(), path);
}
