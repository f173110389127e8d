// The loudness designs and the device data through the application window: the QZX2202
// register lines 21/22 in generated device data, the ".LD241X" and ".LD606X" files written
// through the file dialog, the QZX2410/QZX6060 plot law following the device, and a picture
// of each family's window with three filters.
#include "tests/shell/LoudnessWindowFixture.h"

#include "shell/filtereditor/FilterEditGrid.h"
#include "shell/filtereditor/FilterPage.h"
#include "shell/filtereditor/UserCreatedFilters.h"
#include "tests/shell/GridTyping.h"

#include <QDialog>

namespace
{
using A = CMorvaneApp;
using P = CCreateLoudnessPage;
constexpr ELoudnessFamily k2202 = ELoudnessFamily::QZX2202;
constexpr ELoudnessFamily k241X = ELoudnessFamily::QZX241X;

std::string LoudnessGolden(const char* name)
{
    return ReadFileBytes(std::string(MORVANE_LOUDNESS_DATA_DIR) + "/" + name);
}

// The golden lines of a loudness data file, CR LF kept.
std::vector<std::string> LoudnessGoldenLines(const char* name)
{
    const std::string text = LoudnessGolden(name);
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        lines.push_back(text.substr(start, end + 2 - start));
    return lines;
}
} // namespace

TEST_F(LoudnessWindowTest, GeneratedQZX2202DataCarriesTheLoudnessLines)
{
    // A peaking filter in the speaker's grids.
    ASSERT_TRUE(app->ExecuteCommand(A::ID_DEVICE_QZX2202));
    ASSERT_TRUE(app->ExecuteCommand(A::ID_EDIT_FILTER_PARAMETERS));
    CFilterEditGrid& eq = app->GetFilterEditor()->Page(0).Grid();
    TypeIntoCell(eq, 1, 1, "-6");
    TypeIntoCell(eq, 1, 2, "200");
    TypeIntoCell(eq, 1, 3, "1000");
    ASSERT_TRUE(app->m_pMorvaneDoc->m_FiltersInGridMode.IsOn());

    // The loudness coefficients of the golden lines: B0 1, B1 -1, B2 0.5, A1 0, A2 0.
    OnNextSheet({{kLoudnessCoeff,
                  {{P::IDC_COEFF_1, "1"},
                   {P::IDC_COEFF_1 + 1, "-1"},
                   {P::IDC_COEFF_1 + 2, "0.5"},
                   {P::IDC_COEFF_1 + 3, "0"},
                   {P::IDC_COEFF_1 + 4, "0"}}}});
    ASSERT_TRUE(app->ExecuteCommand(A::ID_DESIGN_QZX2202_LOUDNESS));
    ASSERT_EQ(Manager(k2202).List(kLoudnessCoeff)->GetSize(), 1);
    // Added to the data file from the grid before any data exists: the lines wait.
    ASSERT_TRUE(
        Popup(*Grid(k2202, kLoudnessCoeff), 1, CLoudnessGridRows::ID_LOUDNESS_ADD_TO_DATA_FILE));
    EXPECT_TRUE(app->m_pMorvaneDoc->m_DeviceDataLines.empty());

    // Generate from the loudness window: the editor shows the lines, OK.
    OnNextModal<QDialog>([](QDialog& editor) { editor.accept(); });
    ASSERT_TRUE(app->GetCommandState(CLoudnessDoc::ID_EDIT_GENERATE_DEVICE_DATA).bEnabled);
    ASSERT_TRUE(app->ExecuteCommand(CLoudnessDoc::ID_EDIT_GENERATE_DEVICE_DATA));
    const std::vector<std::string>& lines = app->m_pMorvaneDoc->m_DeviceDataLines;
    const std::vector<std::string> golden = LoudnessGoldenLines("qzx2202_merged_appended.txt");
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[lines.size() - 2], golden[2]);
    EXPECT_EQ(lines[lines.size() - 1], golden[3]);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.rfind("21", 0) == 0; }),
              1);
    EXPECT_TRUE(app->m_pMorvaneDoc->m_EqFileStatus.m_AcceptedMode.IsOn());

    // Saved from the loudness window: the file holds them too.
    const std::string path = (Folder() / "speaker.eq").string();
    m_Dialogs.answers = {path};
    ASSERT_TRUE(app->ExecuteCommand(CLoudnessDoc::ID_FILE_SAVE_AS_DEVICE_DATA));
    const std::string saved = ReadFileBytes(path);
    EXPECT_NE(saved.find(golden[2]), std::string::npos);
    EXPECT_NE(saved.find(golden[3]), std::string::npos);

    // Turned off: the next generation keeps none.
    ASSERT_TRUE(app->ExecuteCommand(CLoudnessDoc::ID_TURN_OFF_LOUDNESS_ADDITION));
    OnNextModal<QDialog>([](QDialog& editor) { editor.accept(); });
    ASSERT_TRUE(app->ExecuteCommand(CLoudnessDoc::ID_EDIT_GENERATE_DEVICE_DATA));
    EXPECT_EQ(app->m_pMorvaneDoc->m_DeviceDataLines.back(), "$8 -70.0 Mixer2\r\n");
}

TEST_F(LoudnessWindowTest, TheQZX2410AndQZX6060LoudnessFiles)
{
    // The QZX2410 layout: B0 0.5, all others 0, added to the data file graphically.
    OnNextSheet({{kLoudnessCoeff,
                  {{P::IDC_COEFF_1, "0.5"},
                   {P::IDC_COEFF_1 + 1, "0"},
                   {P::IDC_COEFF_1 + 2, "0"},
                   {P::IDC_COEFF_1 + 3, "0"},
                   {P::IDC_COEFF_1 + 4, "0"}}}});
    Open(A::ID_DEVICE_QZX2410, A::ID_DESIGN_QZX2410_LOUDNESS);
    CLoudnessView* view = View(k241X);
    ASSERT_TRUE(view && view->GetCurves().size() == 1);
    view->resize(900, 600);
    Paint(*view);
    ASSERT_TRUE(app->ExecuteCommand(CLoudnessViewModes::ID_SELECT_FILTER_TO_ADD));
    EXPECT_TRUE(app->GetCommandState(CLoudnessViewModes::ID_SELECT_FILTER_TO_ADD).bChecked);
    Click(*view, PixelOf(*view, *view->GetCurves()[0], 150));
    EXPECT_FALSE(app->GetCommandState(CLoudnessViewModes::ID_SELECT_FILTER_TO_ADD).bChecked);
    ASSERT_TRUE(Manager(k241X).AddToDataFileMode().IsOn());

    const std::string ld241x = (Folder() / "loudness.LD241X").string();
    m_Dialogs.answers = {ld241x};
    ASSERT_TRUE(app->ExecuteCommand(CLoudnessDoc::ID_FILE_SAVE_AS_LD241X));
    ASSERT_EQ(m_Dialogs.requests.size(), 1u);
    EXPECT_EQ(m_Dialogs.requests[0].defaultExtension, ".LD241X");
    EXPECT_EQ(ReadFileBytes(ld241x), LoudnessGolden("loudness_qzx2410.LD241X"));

    // The QZX6060 layout, chosen in the same window: B0 0.5, A1 0.25 with the typed scaling.
    ASSERT_TRUE(app->ExecuteCommand(A::ID_DEVICE_QZX6060));
    OnNextSheet({{kLoudnessCoeff,
                  {{P::IDC_COEFF_1, "0.5"},
                   {P::IDC_COEFF_1 + 1, "0"},
                   {P::IDC_COEFF_1 + 2, "0"},
                   {P::IDC_COEFF_1 + 3, "0.25"},
                   {P::IDC_COEFF_1 + 4, "0"},
                   {P::IDC_LOG_SPACE_GAIN, "-0.5"},
                   {P::IDC_LOG_SPACE_OFFSET, "0.25"},
                   {P::IDC_GAIN, "1"},
                   {P::IDC_OFFSET, "-1"}}}});
    ASSERT_TRUE(app->ExecuteCommand(CLoudnessDoc::ID_CREATE_LOUDNESS_FILTERS));
    CLoudnessGrid& grid = *Grid(k241X, kLoudnessCoeff);
    ASSERT_EQ(Rows(grid), (std::vector<std::string>{"LDC-1", "LDC-2"}));
    ASSERT_TRUE(Popup(grid, 2, CLoudnessGridRows::ID_LOUDNESS_ADD_TO_DATA_FILE));
    const std::string ld606x = (Folder() / "loudness.LD606X").string();
    m_Dialogs.answers.push_back(ld606x);
    // Either item saves the selected device's file.
    ASSERT_TRUE(app->ExecuteCommand(CLoudnessDoc::ID_FILE_SAVE_AS_LD241X));
    ASSERT_EQ(m_Dialogs.requests.size(), 2u);
    EXPECT_EQ(m_Dialogs.requests[1].defaultExtension, ".LD606X");
    EXPECT_EQ(ReadFileBytes(ld606x), LoudnessGolden("loudness_qzx6060.LD606X"));
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(LoudnessWindowTest, TheSharedWindowFollowsTheQZX2410AndQZX6060PlotLaws)
{
    // A broad 6 dB peak (H = 2 at its centre) plotted with gain 1 and volume 0.5: the
    // QZX2410 law gives |0.5 + (2 - 1)| = 1.5 (3.5 dB) there, the QZX6060 law
    // |0.5 (1 + (2 - 1))| = 1 (0 dB).
    OnNextSheet({{kLoudnessEQBased,
                  {{P::IDC_EQ_GAIN, "6"},
                   {P::IDC_BANDWIDTH, "20000"},
                   {P::IDC_CENTER_FREQUENCY, "1000"},
                   {P::IDC_PLOT_VOLUME, "0.5"}}}});
    Open(A::ID_DEVICE_QZX2410, A::ID_DESIGN_QZX2410_LOUDNESS);
    CLoudnessView* view = View(k241X);
    ASSERT_TRUE(view && view->GetCurves().size() == 1);
    const CCurve& before = *view->GetCurves()[0];
    const long mid = before.GetTotalPoints() / 2;
    const double y2410 = before.m_pDblPt[mid].y;
    ASSERT_TRUE(app->ExecuteCommand(A::ID_DEVICE_QZX6060));
    ASSERT_EQ(view->GetCurves().size(), 1u);
    const double y6060 = view->GetCurves()[0]->m_pDblPt[mid].y;
    EXPECT_GT(std::fabs(y6060 - y2410), 0.5);
    // Back: the QZX2410 curve again, and the colours start over.
    ASSERT_TRUE(app->ExecuteCommand(A::ID_DEVICE_QZX2410));
    EXPECT_DOUBLE_EQ(view->GetCurves()[0]->m_pDblPt[mid].y, y2410);
    EXPECT_EQ(Manager(k241X).ColorIndex(), 1);
}

TEST_F(LoudnessWindowTest, PicturesOfBothWindowsWithThreeFilters)
{
    OnNextSheet(
        {{kLoudnessEQBased,
          {{P::IDC_EQ_GAIN, "9"}, {P::IDC_BANDWIDTH, "80"}, {P::IDC_CENTER_FREQUENCY, "100"}}},
         {kLoudnessTrebleBased, {{P::IDC_TREBLE_GAIN, "6"}, {P::IDC_CUT_FREQUENCY, "6000"}}},
         {kLoudnessBassBased, {{P::IDC_BASS_GAIN, "-8"}, {P::IDC_CUT_FREQUENCY, "200"}}}});
    Open(A::ID_DEVICE_QZX2202, A::ID_DESIGN_QZX2202_LOUDNESS);
    ASSERT_EQ(View(k2202)->GetCurves().size(), 3u);
    QCoreApplication::processEvents();
    SaveScreenshot(*app->m_pMainFrame, "loudness_qzx2202_window.png");
    // The fitted range holds every curve whole.
    for (const CCurve* curve : View(k2202)->GetCurves())
        EXPECT_EQ(curve->GetClippedCount(), curve->GetTotalPoints());

    OnNextSheet({{kLoudnessEQBased,
                  {{P::IDC_EQ_GAIN, "12"},
                   {P::IDC_BANDWIDTH, "300"},
                   {P::IDC_CENTER_FREQUENCY, "2000"},
                   {P::IDC_PLOT_GAIN, "0.5"}}},
                 {kLoudnessBassBased, {{P::IDC_BASS_GAIN, "10"}, {P::IDC_CUT_FREQUENCY, "150"}}},
                 {kLoudnessBaseTypeCoeff,
                  {{P::IDC_COEFF_1, "0.9"},
                   {P::IDC_COEFF_1 + 1, "-1.6"},
                   {P::IDC_COEFF_1 + 2, "0.75"},
                   {P::IDC_COEFF_1 + 3, "-1.7"},
                   {P::IDC_COEFF_1 + 4, "0.75"}}}});
    Open(A::ID_DEVICE_QZX6060, A::ID_DESIGN_QZX6060_LOUDNESS);
    ASSERT_EQ(View(k241X)->GetCurves().size(), 3u);
    for (const CCurve* curve : View(k241X)->GetCurves())
        EXPECT_EQ(curve->GetClippedCount(), curve->GetTotalPoints());
    QCoreApplication::processEvents();
    SaveScreenshot(*app->m_pMainFrame, "loudness_qzx241x_window.png");
    ASSERT_TRUE(app->ExecuteCommand(A::ID_EDIT_QZX241X_LOUDNESS_FILTERS));
    SaveScreenshot(*EditWindow(k241X), "loudness_qzx241x_edit_window.png");

    OnNextModal<CCreateQZX2410LoudnessFilter>(
        [](CCreateQZX2410LoudnessFilter& sheet)
        {
            sheet.Tabs()->setCurrentIndex(kLoudnessBaseTypeCoeff);
            SaveScreenshot(sheet, "loudness_qzx241x_create_sheet.png");
            sheet.reject();
        });
    ASSERT_TRUE(app->ExecuteCommand(CLoudnessDoc::ID_CREATE_LOUDNESS_FILTERS));
}
