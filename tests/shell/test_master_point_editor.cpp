// The master point editor in the application window on the offscreen platform: master
// points typed into its grids become the desired and tolerance curves and a calculation
// runs on them; the tolerance pages follow the desired page; deletion keeps the grids
// aligned; an open cell edit never lands in another cell; the master point and filter
// parameter files give back the same grids and curves.
#include "tests/shell/MasterPointAppFixture.h"

#include "document/MorvaneSettings.h"
#include "filters/FilterLists.h"
#include "filters/FilterParameterFile.h"
#include "shell/QtSettingsStore.h"
#include "shell/dialogs/Settings.h"
#include "shell/dialogs/SettingsPage.h"
#include "shell/dialogs/SettingsRules.h"
#include "shell/filtereditor/UserCreatedFilters.h"
#include "shell/masterpoints/LowerToleranceMasterPoints.h"
#include "shell/masterpoints/UpperToleranceMasterPts.h"
#include "shell/ui/ResponseMDIChild.h"
#include "shell/views/FilterView.h"
#include "shell/views/MorvaneView.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>

namespace
{
std::vector<double> Values(const mwMatrix& m)
{
    std::vector<double> v(std::size_t(m.NumberOfElements()));
    if (!v.empty())
        m.CopyRealTo(v.data());
    return v;
}

CMorvaneView& ResponseView(CMorvaneDoc& doc)
{
    return *dynamic_cast<CMorvaneView*>(doc.m_pResponseView);
}
} // namespace

TEST_F(MasterPointAppTest, TypedMasterPointsBecomeCurvesAndACalculationRunsOnThem)
{
    EXPECT_FALSE(m_pApp->GetCommandState(kGenerateCurves).bEnabled);
    CEditMasterPoints& sheet = OpenEditor();
    CMiniFrame& frame = *Frame().m_pMasterPtPropFrame;
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.windowTitle(), "Edit Master Points");
    ASSERT_EQ(sheet.count(), 3);
    EXPECT_EQ(sheet.tabText(0), "Desired Response Pts.");
    EXPECT_EQ(sheet.tabText(1), "Upper Tolerance Pts.");
    EXPECT_EQ(sheet.tabText(2), "Lower Tolerance Pts.");
    EXPECT_EQ(sheet.currentIndex(), 0);
    EXPECT_EQ(sheet.DesiredPage().UpperOffsetEdit()->text(), "3");
    EXPECT_EQ(sheet.DesiredPage().LowerOffsetEdit()->text(), "-3");
    EXPECT_FALSE(m_pDoc->m_MasterPointFile.m_ChangedMode.IsOn());
    EXPECT_FALSE(m_pApp->GetCommandState(kGenerateCurves).bEnabled);

    // Typed out of frequency order; the "*" row moves down as rows are typed.
    CMasterPtEditGrid& desired = sheet.DesiredPage().Grid();
    TypePoints(desired, {{"20000", "0"}, {"20", "0"}, {"1000", "-1"}});
    EXPECT_EQ(desired.GetRows(), 5);
    EXPECT_EQ(desired.GetTextMatrix(3, 0), "3");
    EXPECT_EQ(desired.GetTextMatrix(4, 0), "*");
    EXPECT_EQ(desired.GetTextMatrix(1, 1), "20000");
    EXPECT_TRUE(m_pDoc->m_MasterPointFile.m_ChangedMode.IsOn());

    // The tolerance pages take the desired points with their offsets when shown.
    sheet.setCurrentIndex(1);
    CMasterPtEditGrid& upper = sheet.UpperPage().Grid();
    ASSERT_EQ(upper.GetDataRows(), 3);
    EXPECT_DOUBLE_EQ(upper.GetAmplitude(3), 2.0);
    sheet.setCurrentIndex(0);

    ASSERT_TRUE(m_pApp->GetCommandState(kGenerateCurves).bEnabled);
    ASSERT_TRUE(m_pApp->ExecuteCommand(kGenerateCurves));
    EXPECT_TRUE(m_Messages.texts.empty());
    const std::vector<double> desiredDb = Values(m_pDoc->m_DesiredResponse);
    ASSERT_EQ(desiredDb.size(), 300u);
    EXPECT_NEAR(desiredDb.front(), 0.0, 1e-9);
    EXPECT_NEAR(desiredDb.back(), 0.0, 1e-9);
    EXPECT_LT(*std::min_element(desiredDb.begin(), desiredDb.end()), -0.9);
    EXPECT_NEAR(Values(m_pDoc->m_LowerTolerance).front(), -3.0, 1e-9);
    // The lower page had not been shown: its grid was extended for the curves.
    EXPECT_EQ(sheet.LowerPage().Grid().GetDataRows(), 3);
    CMorvaneView& view = ResponseView(*m_pDoc);
    EXPECT_TRUE(view.m_DesiredCurve.IsVisible());
    EXPECT_EQ(view.m_DesiredCurve.GetName(), "Desired Response Curve");
    EXPECT_EQ(view.m_UpperBoundCurve.GetMasterPointCount(), 3);
    EXPECT_TRUE(m_pDoc->m_DesiredCurveFile.m_ChangedMode.IsOn());
    EXPECT_TRUE(m_pApp->GetCommandState(kCopyMasterPoints).bEnabled);

    // The curves in the response window and the editor as the user sees them, for a
    // person to look at.
    m_pApp->m_pResponseMDI->resize(900, 500);
    QCoreApplication::processEvents();
    EXPECT_TRUE(view.grab().save(QString(MORVANE_TEST_OUTPUT_DIR) + "/master_point_curves.png"));
    frame.resize(560, 420);
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame.grab().save(QString(MORVANE_TEST_OUTPUT_DIR) + "/master_point_editor.png"));

    ASSERT_TRUE(m_pApp->GetCommandState(kCalculate).bEnabled);
    ASSERT_TRUE(m_pApp->ExecuteCommand(kCalculate));
    EXPECT_FALSE(m_pDoc->m_CalculatedEQFilters.IsEmpty());
    EXPECT_EQ(Frame().GetStatusText(), "Calculation Completed");

    // The curves' master points come back into the grids, in the curves' order.
    ASSERT_TRUE(m_pApp->ExecuteCommand(kCopyMasterPoints));
    EXPECT_DOUBLE_EQ(desired.GetFrequency(1), 20.0);
    EXPECT_DOUBLE_EQ(desired.GetFrequency(3), 20000.0);
    EXPECT_DOUBLE_EQ(upper.GetAmplitude(2), 2.0);
}

TEST_F(MasterPointAppTest, TheEditorOpensWideEnoughForItsTabs)
{
    OpenEditor();
    CMiniFrame& frame = *Frame().m_pMasterPtPropFrame;
    QCoreApplication::processEvents();
    EXPECT_TRUE(
        frame.grab().save(QString(MORVANE_TEST_OUTPUT_DIR) + "/master_point_editor_as_opened.png"));
    const QTabWidget& sheet = *frame.GetSheet();
    const QTabBar& tabs = *sheet.tabBar();
    EXPECT_FALSE(sheet.usesScrollButtons());
    for (int i = 0; i < sheet.count(); ++i)
        EXPECT_LE(tabs.tabRect(i).right(), tabs.width()) << sheet.tabText(i).toStdString();
    EXPECT_GE(tabs.width(), tabs.sizeHint().width());
}

TEST_F(MasterPointAppTest, TooFewPointsChangeNoCurveAndSayWhy)
{
    CEditMasterPoints& sheet = OpenEditor();
    TypePoints(sheet.DesiredPage().Grid(), {{"100", "0"}, {"100", "2"}});
    ASSERT_TRUE(m_pApp->ExecuteCommand(kGenerateCurves));
    ASSERT_EQ(m_Messages.texts.size(), 1u);
    EXPECT_NE(m_Messages.texts[0].find("Desired Response Pts."), std::string::npos);
    EXPECT_EQ(m_pDoc->m_DesiredResponse.NumberOfElements(), 0);
    EXPECT_FALSE(ResponseView(*m_pDoc).m_DesiredCurve.IsVisible());
    EXPECT_FALSE(m_pDoc->m_DesiredCurveFile.IsOn());
}

TEST_F(MasterPointAppTest, ValueCellsTakeOnlyNumbersAndGenerateSaysWhatItCannotUse)
{
    CEditMasterPoints& sheet = OpenEditor();
    CMasterPtEditGrid& desired = sheet.DesiredPage().Grid();
    TypePoints(desired, {{"100", "0"}, {"1000", "-2"}});
    ASSERT_TRUE(m_Messages.texts.empty());
    const char* const kNumber = "Please enter a number.";
    const char* const kFrequency = "Please enter a number between 0.001 and 10000000.";
    const char* const kAmplitude = "Please enter a number between -1000 and 1000.";
    const struct
    {
        int nRow;
        int nCol;
        const char* text;
        const char* message;
    } refused[] = {
        {1, 1, "xyz", kNumber},       {2, 2, "-2 dB", kNumber},       {1, 2, "1,5", kNumber},
        {3, 1, "abc", kNumber},       {1, 1, "nan", kNumber},         {2, 2, "inf", kNumber},
        {1, 2, "1e400", kNumber},     {1, 1, "1e308", kFrequency},    {2, 1, "0.0009", kFrequency},
        {2, 1, "0", kFrequency},      {1, 1, "10000001", kFrequency}, {1, 2, "1e300", kAmplitude},
        {2, 2, "-1000.5", kAmplitude}};
    for (const auto& r : refused)
    {
        const std::string before = desired.GetTextMatrix(r.nRow, r.nCol);
        m_Messages.texts.clear();
        Type(desired, r.nRow, r.nCol, r.text);
        EXPECT_EQ(m_Messages.texts, std::vector<std::string>{r.message}) << r.text;
        EXPECT_EQ(desired.GetTextMatrix(r.nRow, r.nCol), before) << r.text;
        ExpectTypingKeptThenDrop(desired, r.text);
    }
    // The tolerance grids' cells as well.
    sheet.setCurrentIndex(1);
    CMasterPtEditGrid& upper = sheet.UpperPage().Grid();
    m_Messages.texts.clear();
    Type(upper, 2, 2, "high");
    EXPECT_EQ(m_Messages.texts, std::vector<std::string>{kNumber});
    EXPECT_DOUBLE_EQ(upper.GetAmplitude(2), 1.0);
    ExpectTypingKeptThenDrop(upper, "high");
    m_Messages.texts.clear();
    Type(upper, 2, 2, "1e300");
    EXPECT_EQ(m_Messages.texts, std::vector<std::string>{kAmplitude});
    EXPECT_DOUBLE_EQ(upper.GetAmplitude(2), 1.0);
    ExpectTypingKeptThenDrop(upper, "1e300");
    // The edges themselves are taken.
    m_Messages.texts.clear();
    Type(upper, 2, 2, "1000");
    Type(upper, 2, 1, "0.001");
    EXPECT_TRUE(m_Messages.texts.empty());
    Type(upper, 2, 2, "1");
    Type(upper, 2, 1, "1000");
    sheet.setCurrentIndex(0);

    // A point with a frequency and no amplitude would be left out of the curve: nothing
    // changes, and the message names the point and its page.
    Type(desired, 3, 1, "5000");
    m_Messages.texts.clear();
    ASSERT_TRUE(m_pApp->ExecuteCommand(kGenerateCurves));
    ASSERT_EQ(m_Messages.texts.size(), 1u);
    EXPECT_NE(m_Messages.texts[0].find("Incomplete point 3 in \"Desired Response Pts.\"."),
              std::string::npos)
        << m_Messages.texts[0];
    EXPECT_EQ(m_pDoc->m_DesiredResponse.NumberOfElements(), 0);
    EXPECT_FALSE(ResponseView(*m_pDoc).m_DesiredCurve.IsVisible());
    // Completed, the three points become the curve.
    Type(desired, 3, 2, "-4");
    m_Messages.texts.clear();
    ASSERT_TRUE(m_pApp->ExecuteCommand(kGenerateCurves));
    EXPECT_TRUE(m_Messages.texts.empty());
    EXPECT_EQ(ResponseView(*m_pDoc).m_DesiredCurve.GetMasterPointCount(), 3);
}

TEST_F(MasterPointAppTest, DeletionsAndClearingKeepTheGridsAlignedAndMarkTheDocument)
{
    CEditMasterPoints& sheet = OpenEditor();
    CMasterPtEditGrid& desired = sheet.DesiredPage().Grid();
    TypePoints(desired, {{"100", "0"}, {"200", "1"}, {"300", "2"}});
    sheet.setCurrentIndex(1);
    sheet.setCurrentIndex(2);
    sheet.setCurrentIndex(0);
    std::vector<std::string> asked;
    desired.m_AskDeletion = [&asked](const std::string& point)
    {
        asked.push_back(point);
        return true;
    };
    m_pDoc->m_MasterPointFile.m_ChangedMode.TurnOff();
    desired.setCurrentCell(1, 1);
    desired.OnRButtonDown();
    EXPECT_EQ(asked, (std::vector<std::string>{"1"}));
    EXPECT_TRUE(m_pDoc->m_MasterPointFile.m_ChangedMode.IsOn());
    // Point 1 keeps its blanked row, in the tolerance grids too.
    EXPECT_EQ(desired.GetTextMatrix(1, 1), " ");
    EXPECT_TRUE(sheet.UpperPage().Grid().AreValuesEmpty(1));
    EXPECT_TRUE(sheet.LowerPage().Grid().AreValuesEmpty(1));
    desired.setCurrentCell(2, 1);
    desired.OnRButtonDown();
    EXPECT_EQ(sheet.UpperPage().Grid().GetDataRows(), 2);
    EXPECT_DOUBLE_EQ(sheet.LowerPage().Grid().GetAmplitude(2), -1.0);

    // A right click on a tolerance grid does nothing.
    CMasterPtEditGrid& lower = sheet.LowerPage().Grid();
    lower.m_AskDeletion = [&asked](const std::string& point)
    {
        asked.push_back(point);
        return true;
    };
    lower.setCurrentCell(2, 1);
    lower.OnRButtonDown();
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(lower.GetDataRows(), 2);

    // Clear asks first.
    std::vector<std::string> questions;
    bool answer = false;
    sheet.m_Ask = [&](const std::string& question)
    {
        questions.push_back(question);
        return answer;
    };
    QPushButton* clear = sheet.DesiredPage().findChild<QPushButton*>("Clear");
    clear->click();
    EXPECT_EQ(questions, (std::vector<std::string>{"Do you want to clear all the Master Points?"}));
    EXPECT_EQ(desired.GetDataRows(), 2);
    answer = true;
    m_pDoc->m_MasterPointFile.m_ChangedMode.TurnOff();
    clear->click();
    EXPECT_EQ(desired.GetRows(), 3);
    EXPECT_EQ(lower.GetRows(), 2);
    EXPECT_TRUE(m_pDoc->m_MasterPointFile.m_ChangedMode.IsOn());
}

TEST_F(MasterPointAppTest, AnOpenCellEditNeverLandsInAnotherCell)
{
    CEditMasterPoints& sheet = OpenEditor();
    CMasterPtEditGrid& desired = sheet.DesiredPage().Grid();
    TypePoints(desired, {{"100", "0"}, {"200", "1"}, {"300", "2"}});
    desired.m_AskDeletion = [](const std::string&) { return true; };

    // An edit open on row 3 when row 2 is deleted: committed first, then the row moves.
    desired.setCurrentCell(3, 2);
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, "7");
    QCoreApplication::sendEvent(&desired, &key);
    ASSERT_TRUE(desired.IsEditing());
    EXPECT_TRUE(desired.DeleteRowAsked(2));
    EXPECT_FALSE(desired.IsEditing());
    EXPECT_EQ(desired.GetTextMatrix(2, 2), "7");
    EXPECT_DOUBLE_EQ(desired.GetFrequency(2), 300.0);

    // An edit whose row is gone is dropped.
    desired.setCurrentCell(2, 2);
    QCoreApplication::sendEvent(&desired, &key);
    ASSERT_TRUE(desired.IsEditing());
    desired.removeRow(2);
    desired.EndCellEdit();
    EXPECT_FALSE(desired.IsEditing());
    EXPECT_EQ(desired.GetTextMatrix(2, 2), "");

    // Reading a file drops an open edit rather than writing it into the new points.
    const std::string path = Path("points.mpt");
    std::ofstream(path) << "Desired Response\n50, 5\n60, 6\n";
    desired.setCurrentCell(1, 2);
    QCoreApplication::sendEvent(&desired, &key);
    ASSERT_TRUE(desired.IsEditing());
    m_Dialogs.answers = {path};
    ASSERT_TRUE(m_pApp->ExecuteCommand(kOpenMasterPoints));
    desired.EndCellEdit();
    EXPECT_EQ(desired.GetAmplitude(1), 5.0);
    EXPECT_FALSE(m_pDoc->m_MasterPointFile.m_ChangedMode.IsOn());
}

TEST_F(MasterPointAppTest, OffsetsTypedOnTheDesiredPageAloneGoBackToTheDocument)
{
    CEditMasterPoints& sheet = OpenEditor();
    CDesiredResponseMasterPts& page = sheet.DesiredPage();
    // A change made in the settings while the page shows stays when the page is left.
    m_pDoc->m_dUpperToleranceDb = 4.5;
    sheet.setCurrentIndex(1);
    EXPECT_DOUBLE_EQ(m_pDoc->m_dUpperToleranceDb, 4.5);
    sheet.setCurrentIndex(0);
    EXPECT_EQ(page.UpperOffsetEdit()->text(), "4.5");

    // Typed offsets go into the document when the page is left.
    TypePoints(page.Grid(), {{"100", "0"}, {"1000", "0"}});
    page.LowerOffsetEdit()->setFocus();
    page.LowerOffsetEdit()->selectAll();
    QKeyEvent minus(QEvent::KeyPress, Qt::Key_Minus, Qt::NoModifier, "-");
    QKeyEvent two(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, "2");
    QCoreApplication::sendEvent(page.LowerOffsetEdit(), &minus);
    QCoreApplication::sendEvent(page.LowerOffsetEdit(), &two);
    sheet.setCurrentIndex(2);
    EXPECT_DOUBLE_EQ(m_pDoc->m_dLowerToleranceDb, -2.0);
    EXPECT_DOUBLE_EQ(sheet.LowerPage().Grid().GetAmplitude(1), -2.0);

    // "Offset Upper Pts" rebuilds the upper grid, dropping its hand edits.
    sheet.setCurrentIndex(1);
    Type(sheet.UpperPage().Grid(), 2, 2, "9");
    EXPECT_DOUBLE_EQ(sheet.UpperPage().Grid().GetAmplitude(2), 9.0);
    sheet.setCurrentIndex(2);
    sheet.setCurrentIndex(1);
    EXPECT_DOUBLE_EQ(sheet.UpperPage().Grid().GetAmplitude(2), 9.0);
    sheet.setCurrentIndex(0);
    m_pDoc->m_MasterPointFile.m_ChangedMode.TurnOff();
    page.findChild<QPushButton*>("Offset Upper Pts")->click();
    EXPECT_DOUBLE_EQ(sheet.UpperPage().Grid().GetAmplitude(2), 4.5);
    EXPECT_TRUE(m_pDoc->m_MasterPointFile.m_ChangedMode.IsOn());

    // A tolerance page that takes new desired points marks them unsaved too.
    Type(page.Grid(), 3, 1, "5000");
    Type(page.Grid(), 3, 2, "1");
    m_pDoc->m_MasterPointFile.m_ChangedMode.TurnOff();
    sheet.setCurrentIndex(2);
    EXPECT_DOUBLE_EQ(sheet.LowerPage().Grid().GetAmplitude(3), -1.0);
    EXPECT_TRUE(m_pDoc->m_MasterPointFile.m_ChangedMode.IsOn());
}

// The tolerance offsets are bounded by the one rule of the settings sheet, with its
// message, whichever way they come in: leaving the desired page, its offset buttons, a
// command that takes the editor's edits, the settings sheet and the profile. A refused
// offset keeps the typing in its box, selected, the page current, and the document's
// tolerance and the tolerance grid as they were.
TEST_F(MasterPointAppTest, OffsetsAreBoundedAsTheSettingsSheetBoundsThem)
{
    CEditMasterPoints& sheet = OpenEditor();
    CDesiredResponseMasterPts& page = sheet.DesiredPage();
    TypePoints(page.Grid(), {{"100", "0"}, {"1000", "-2"}});
    const char* const kUpper = "Please enter a number between 0 and 100.";
    const char* const kLower = "Please enter a number between -100 and 0.";
    const char* const kNumber = "Please enter a number.";
    const struct
    {
        bool bUpper;
        const char* text;
        const char* message; // null: taken
    } cases[] = {
        {true, "1e300", kUpper},    {true, "-50", kUpper},    {true, "150", kUpper},
        {true, "100.0001", kUpper}, {true, "abc", kNumber},   {true, "1e400", kNumber},
        {false, "-150", kLower},    {false, "5", kLower},     {false, "-1e300", kLower},
        {false, "", kNumber},       {true, "100", nullptr},   {true, "0", nullptr},
        {true, "4.5", nullptr},     {false, "-100", nullptr}, {false, "-0.5", nullptr},
    };
    enum EWay
    {
        kLeavingThePage,
        kOffsetButton,
        kGeneratingCurves,
    };
    for (const auto& c : cases)
        for (const EWay way : {kLeavingThePage, kOffsetButton, kGeneratingCurves})
        {
            const std::string what = std::string(c.text) + " way " + std::to_string(way);
            sheet.setCurrentIndex(0);
            m_pDoc->m_dUpperToleranceDb = 3.0;
            m_pDoc->m_dLowerToleranceDb = -3.0;
            page.findChild<QPushButton*>("Offset Upper Pts")->click();
            page.findChild<QPushButton*>("Offset Lower Pts.")->click();
            QLineEdit* box = c.bUpper ? page.UpperOffsetEdit() : page.LowerOffsetEdit();
            CMasterPtEditGrid& tolerance =
                c.bUpper ? sheet.UpperPage().Grid() : sheet.LowerPage().Grid();
            double& kept = c.bUpper ? m_pDoc->m_dUpperToleranceDb : m_pDoc->m_dLowerToleranceDb;
            const double before = kept;
            const double amplitude = tolerance.GetAmplitude(1);
            box->setText(c.text); // as the user's typing does
            box->setModified(true);
            m_Messages.texts.clear();
            if (way == kLeavingThePage)
                sheet.setCurrentIndex(c.bUpper ? 1 : 2);
            else if (way == kOffsetButton)
                page.findChild<QPushButton*>(c.bUpper ? "Offset Upper Pts" : "Offset Lower Pts.")
                    ->click();
            else
                EXPECT_TRUE(m_pApp->ExecuteCommand(kGenerateCurves)) << what;
            if (c.message)
            {
                EXPECT_EQ(m_Messages.texts, std::vector<std::string>{c.message}) << what;
                EXPECT_EQ(kept, before) << what;
                EXPECT_EQ(box->text().toStdString(), c.text) << what;
                EXPECT_TRUE(box->isModified()) << what;
                EXPECT_EQ(tolerance.GetAmplitude(1), amplitude) << what;
                if (way == kLeavingThePage)
                {
                    EXPECT_EQ(sheet.currentIndex(), 0) << what;
                    EXPECT_EQ(box->selectedText().toStdString(), c.text) << what;
                }
                box->setModified(false);
            }
            else
            {
                EXPECT_TRUE(m_Messages.texts.empty()) << what;
                EXPECT_EQ(kept, std::stod(c.text)) << what;
                if (way == kOffsetButton)
                {
                    EXPECT_EQ(tolerance.GetAmplitude(1), std::stod(c.text)) << what;
                }
            }
        }

    // The settings sheet refuses the same texts with the same messages, and a profile holding
    // them is held to the same bounds.
    for (const auto& c : cases)
    {
        const std::string what = c.text;
        m_pDoc->m_dUpperToleranceDb = 3.0;
        m_pDoc->m_dLowerToleranceDb = -3.0;
        CSettings settings(132, m_pDoc, nullptr, 1);
        CSettingsSheetValues values;
        m_pDoc->FillSettingsSheet(values);
        settings.SetValues(values);
        QLineEdit* field = settings.GetPage(1)->Edit(c.bUpper ? 1022 : 1021);
        field->setText(c.text);
        m_Messages.texts.clear();
        EXPECT_EQ(settings.OnApply(), c.message == nullptr) << what;
        EXPECT_EQ(m_Messages.texts,
                  c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
            << what;

        CMorvaneSettings read;
        {
            CQtSettingsStore profile(Path("tolerance.ini"), CMorvaneSettings::kSection);
            profile.WriteText(c.bUpper ? "UpperTolerance" : "LowerTolerance", c.text);
            read.ReadFrom(profile, "/");
        }
        const double value = c.bUpper ? read.m_dUpperTolerance : read.m_dLowerTolerance;
        EXPECT_TRUE(ToleranceRange(c.bUpper).Contains(value)) << what << ": " << value;
    }
}

// Every edit grid keeps a refused text open for correcting: the editor stays over its cell
// with the typing selected, the cell keeps its value, and the reason is told once for the
// text however the edit is ended (Return, leaving the cell, the grid taking the focus, a
// command that reads the grid) and again at each Return; the corrected text is taken.
TEST_F(MasterPointAppTest, EveryGridKeepsARefusedTextOpenForCorrecting)
{
    CEditMasterPoints& points = OpenEditor();
    ASSERT_TRUE(m_pApp->ExecuteCommand(CMorvaneApp::ID_EDIT_FILTER_PARAMETERS));
    CUserCreatedFilters& filters = *m_pApp->GetFilterEditor();
    struct CGridCase
    {
        std::string name;
        QTabWidget* pSheet;
        QWidget* pPage;
        CEditGridWidget* pGrid;
        CGridCells* pCells;
    };
    std::vector<CGridCase> grids = {
        {"desired points", &points, &points.DesiredPage(), &points.DesiredPage().Grid(),
         &points.DesiredPage().Grid()},
        {"upper points", &points, &points.UpperPage(), &points.UpperPage().Grid(),
         &points.UpperPage().Grid()},
        {"lower points", &points, &points.LowerPage(), &points.LowerPage().Grid(),
         &points.LowerPage().Grid()},
    };
    for (int kind = 0; kind < kFilterKindCount; ++kind)
        grids.push_back({"filter kind " + std::to_string(kind), &filters, &filters.Page(kind),
                         &filters.Page(kind).Grid(), &filters.Page(kind).Grid()});
    const QString typed = "12abc";
    const std::vector<std::string> told = {"Please enter a number."};
    for (const CGridCase& g : grids)
    {
        SCOPED_TRACE(g.name);
        g.pSheet->setCurrentWidget(g.pPage);
        CEditGridWidget& grid = *g.pGrid;
        const std::string before = g.pCells->GetTextMatrix(1, 1);
        m_Messages.texts.clear();
        Type(grid, 1, 1, typed);
        EXPECT_EQ(m_Messages.texts, told);
        const auto expectKept = [&](const char* after)
        {
            EXPECT_TRUE(grid.IsEditing()) << after;
            EXPECT_EQ(grid.CellEdit().text(), typed) << after;
            EXPECT_EQ(grid.CellEdit().selectedText(), typed) << after;
            EXPECT_EQ(g.pCells->GetTextMatrix(1, 1), before) << after;
        };
        expectKept("Return");
        if (g.pGrid == &points.DesiredPage().Grid() || g.pGrid == &filters.Page(0).Grid())
        {
            EXPECT_TRUE(g.pSheet->window()->grab().save(
                QString(MORVANE_TEST_OUTPUT_DIR) + "/grid_refused_text_kept_" +
                QString::fromStdString(g.name).replace(' ', '_') + ".png"));
        }
        // Leaving the cell, the grid taking the focus and a command that reads the grid find
        // the same text: told once.
        grid.setCurrentCell(1, 0);
        expectKept("leaving the cell");
        QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(&grid, &focus);
        expectKept("the grid taking the focus");
        g.pCells->EndCellEdit();
        expectKept("a command reading the grid");
        EXPECT_EQ(m_Messages.texts, told);
        // A key press on the grid opens no other edit over it.
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, "9");
        QCoreApplication::sendEvent(&grid, &key);
        expectKept("a key press on the grid");
        // Return tells again.
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(&grid.CellEdit(), &enter);
        expectKept("Return again");
        EXPECT_EQ(m_Messages.texts.size(), 2u);
        // Corrected, the text is taken into the cell it was typed into.
        for (const char* c : {"5", "0"})
        {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, c);
            QCoreApplication::sendEvent(&grid.CellEdit(), &press);
        }
        QCoreApplication::sendEvent(&grid.CellEdit(), &enter);
        EXPECT_FALSE(grid.IsEditing());
        EXPECT_EQ(g.pCells->GetTextMatrix(1, 1), "50");
        EXPECT_EQ(m_Messages.texts.size(), 2u);
    }
}

TEST_F(MasterPointAppTest, AnEditStillOpenIsSavedWithTheFile)
{
    CEditMasterPoints& sheet = OpenEditor();
    CMasterPtEditGrid& desired = sheet.DesiredPage().Grid();
    TypePoints(desired, {{"100", "0"}});
    desired.setCurrentCell(1, 2);
    for (const char* key : {"-", "6"})
    {
        QWidget* target = desired.IsEditing() ? static_cast<QWidget*>(&desired.CellEdit())
                                              : static_cast<QWidget*>(&desired);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, key);
        QCoreApplication::sendEvent(target, &press);
    }
    ASSERT_TRUE(desired.IsEditing());
    m_Dialogs.answers = {Path("open.mpt")};
    ASSERT_TRUE(m_pApp->ExecuteCommand(kSaveAsMasterPoints));
    std::ifstream file(Path("open.mpt"));
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("100.000000, -6.000000"), std::string::npos) << text;
}

TEST_F(MasterPointAppTest, MasterPointFilesGiveBackTheSameGridsAndCurves)
{
    EXPECT_FALSE(m_pApp->GetCommandState(kSaveMasterPoints).bEnabled);
    CEditMasterPoints& sheet = OpenEditor();
    EXPECT_TRUE(m_pApp->GetCommandState(kSaveMasterPoints).bEnabled);
    TypePoints(sheet.DesiredPage().Grid(), {{"20", "1"}, {"500", "-2"}, {"20000", "0"}});
    sheet.setCurrentIndex(1);
    Type(sheet.UpperPage().Grid(), 2, 2, "3.25");
    sheet.setCurrentIndex(0);
    ASSERT_TRUE(m_pApp->ExecuteCommand(kGenerateCurves));
    m_Dialogs.answers = {Path("design.mpt")};
    ASSERT_TRUE(m_pApp->ExecuteCommand(kSaveAsMasterPoints));
    EXPECT_EQ(m_pDoc->m_MasterPointFile.GetName(), Path("design.mpt"));
    EXPECT_FALSE(m_pDoc->m_MasterPointFile.m_ChangedMode.IsOn());
    const std::vector<std::string> grids[] = {Texts(sheet.DesiredPage().Grid()),
                                              Texts(sheet.UpperPage().Grid()),
                                              Texts(sheet.LowerPage().Grid())};
    const std::vector<double> curves[] = {Values(m_pDoc->m_DesiredResponse),
                                          Values(m_pDoc->m_UpperTolerance),
                                          Values(m_pDoc->m_LowerTolerance)};

    sheet.m_Ask = [](const std::string&) { return true; };
    sheet.DesiredPage().findChild<QPushButton*>("Clear")->click();
    m_pDoc->m_DesiredResponse = mwMatrix();
    Frame().m_pMasterPtPropFrame->close();
    m_Dialogs.answers.push_back(Path("design.mpt"));
    ASSERT_TRUE(m_pApp->ExecuteCommand(kOpenMasterPoints));
    EXPECT_TRUE(Frame().m_pMasterPtPropFrame->isVisible());
    EXPECT_EQ(sheet.currentIndex(), 0);
    EXPECT_EQ(Texts(sheet.DesiredPage().Grid()), grids[0]);
    EXPECT_EQ(Texts(sheet.UpperPage().Grid()), grids[1]);
    EXPECT_EQ(Texts(sheet.LowerPage().Grid()), grids[2]);
    ASSERT_TRUE(m_pApp->ExecuteCommand(kGenerateCurves));
    EXPECT_EQ(Values(m_pDoc->m_DesiredResponse), curves[0]);
    EXPECT_EQ(Values(m_pDoc->m_UpperTolerance), curves[1]);
    EXPECT_EQ(Values(m_pDoc->m_LowerTolerance), curves[2]);
}

TEST_F(MasterPointAppTest, ParameterFilesGiveBackTheSameGridsAndCurves)
{
    EXPECT_FALSE(m_pApp->GetCommandState(kSaveParameters).bEnabled);
    ASSERT_TRUE(m_pApp->ExecuteCommand(CMorvaneApp::ID_EDIT_FILTER_PARAMETERS));
    CUserCreatedFilters& filters = *m_pApp->GetFilterEditor();
    Type(filters.Page(kKindEQ).Grid(), 1, 1, "-4");
    Type(filters.Page(kKindEQ).Grid(), 1, 2, "200");
    Type(filters.Page(kKindEQ).Grid(), 1, 3, "1000");
    filters.setCurrentWidget(&filters.Page(kKindNT));
    Type(filters.Page(kKindNT).Grid(), 1, 1, "50");
    Type(filters.Page(kKindNT).Grid(), 1, 2, "3000");
    filters.setCurrentWidget(&filters.Page(kKindEQ));
    ASSERT_TRUE(m_pApp->GetCommandState(kSaveAsParameters).bEnabled);
    m_Dialogs.answers = {Path("design.par")};
    ASSERT_TRUE(m_pApp->ExecuteCommand(kSaveAsParameters));
    EXPECT_EQ(m_pDoc->m_ParameterFile.GetName(), Path("design.par"));
    ASSERT_TRUE(m_pApp->ExecuteCommand(kDrawFilters));
    const std::vector<std::string> labels = m_pDoc->m_DrawnLabels;
    ASSERT_EQ(labels.size(), 2u);
    // The filters of every page.
    const auto filterRows = [&filters](int kind)
    {
        const CFilterEditGrid& grid = filters.Page(kind).Grid();
        return Texts(grid, grid.OrderedRows());
    };
    std::vector<std::vector<std::string>> grids;
    for (int kind = 0; kind < kFilterKindCount; ++kind)
        grids.push_back(filterRows(kind));
    auto& filterView = *dynamic_cast<CFilterView*>(m_pDoc->m_pFilterView);
    const std::vector<double> before = Values(m_pDoc->m_ModifiedResponse);

    filters.m_Ask = [](const std::string&) { return true; };
    ASSERT_TRUE(filters.ClearAllGrids());
    Frame().m_pPropFrame->close();
    m_Dialogs.answers.push_back(Path("design.par"));
    ASSERT_TRUE(m_pApp->ExecuteCommand(kOpenParameters));
    EXPECT_TRUE(Frame().m_pPropFrame->isVisible());
    for (int kind = 0; kind < kFilterKindCount; ++kind)
        EXPECT_EQ(filterRows(kind), grids[std::size_t(kind)]) << kind;
    ASSERT_TRUE(m_pApp->ExecuteCommand(kDrawFilters));
    EXPECT_EQ(m_pDoc->m_DrawnLabels, labels);
    EXPECT_EQ(Values(m_pDoc->m_ModifiedResponse), before);
    EXPECT_EQ(filterView.GetCurves().size(), 2u);
}

TEST_F(MasterPointAppTest, LoadedFiltersReachEveryPageOfAnOpenEditor)
{
    // The file holds other filters than the editor shows on its current page.
    {
        CFilterLists lists;
        CDigEQFilterParams eq;
        eq.m_Gain = mwMatrix(-2.0);
        eq.m_Bandwidth = mwMatrix(100.0);
        eq.m_CenterFrequency = mwMatrix(2000.0);
        eq.m_SampleRate = mwMatrix(48000.0);
        CDigEQFilter* pEQ = lists.m_EQFilters.Add(std::make_unique<CDigEQFilter>());
        pEQ->SetParameters(eq);
        pEQ->SetLabelNumber(5);
        pEQ->SetOutputOrder(3);
        CDigNotchParams notch;
        notch.m_Bandwidth = mwMatrix(80.0);
        notch.m_CutFrequency = mwMatrix(6000.0);
        notch.m_SampleRate = mwMatrix(48000.0);
        CDigNotch* pNotch = lists.m_NotchFilters.Add(std::make_unique<CDigNotch>());
        pNotch->SetParameters(notch);
        pNotch->SetLabelNumber(3);
        pNotch->SetOutputOrder(4);
        std::string error;
        ASSERT_TRUE(CFilterParameterFile().SaveFile(Path("other.par"), lists, error)) << error;
    }
    ASSERT_TRUE(m_pApp->ExecuteCommand(CMorvaneApp::ID_EDIT_FILTER_PARAMETERS));
    CUserCreatedFilters& filters = *m_pApp->GetFilterEditor();
    CFilterEditGrid& eq = filters.Page(kKindEQ).Grid();
    Type(eq, 1, 1, "6");
    ASSERT_EQ(eq.GetName(1), "EQ-1");
    // An edit left open is dropped by the load.
    eq.setCurrentCell(1, 2);
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, "9");
    QCoreApplication::sendEvent(&eq, &key);
    ASSERT_TRUE(eq.IsEditing());

    m_Dialogs.answers = {Path("other.par")};
    ASSERT_TRUE(m_pApp->ExecuteCommand(kOpenParameters));
    EXPECT_FALSE(eq.IsEditing());
    EXPECT_EQ(eq.GetName(1), "EQ-5");
    EXPECT_EQ(filters.Page(kKindNT).Grid().GetName(1), "NT-3");
    // Leaving the page writes what it shows: the loaded filters.
    filters.setCurrentWidget(&filters.Page(kKindNT));
    ASSERT_EQ(m_pDoc->m_FilterLists.m_EQFilters.GetSize(), 1);
    EXPECT_EQ(m_pDoc->m_FilterLists.m_EQFilters.GetAt(0)->GetLabel(), "EQ-5");

    // Reading device data into the grids refills every page the same way.
    filters.setCurrentWidget(&filters.Page(kKindEQ));
    m_pDoc->m_DeviceDataLines = {"!# Filter Parameters\r\n",
                                 "!# EQ-9, 1.000000, 2.000000, 900.000000, No, Yes, 1\r\n"};
    m_pDoc->m_EqFileStatus.m_GeneratedMode.TurnOn();
    ASSERT_TRUE(m_pApp->ExecuteCommand(CDeviceDataCommands::kReplaceGridWithDeviceData));
    EXPECT_EQ(eq.GetName(1), "EQ-9");
    EXPECT_EQ(filters.Page(kKindNT).Grid().GetName(1), "NT-1");
    filters.setCurrentWidget(&filters.Page(kKindNT));
    ASSERT_EQ(m_pDoc->m_FilterLists.m_EQFilters.GetSize(), 1);
    EXPECT_EQ(m_pDoc->m_FilterLists.m_EQFilters.GetAt(0)->GetLabel(), "EQ-9");
}

TEST_F(MasterPointAppTest, NewCurvesQuestionHasItsCaption)
{
    CEditMasterPoints& sheet = OpenEditor();
    TypePoints(sheet.DesiredPage().Grid(), {{"20", "0"}, {"20000", "0"}});
    ASSERT_TRUE(m_pApp->ExecuteCommand(kGenerateCurves));
    std::string caption;
    OnModal<QMessageBox>(
        [&caption](QMessageBox& box)
        {
            caption = box.windowTitle().toStdString();
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&box, &escape);
        });
    ASSERT_TRUE(m_pApp->ExecuteCommand(32804));
    Unscript();
    EXPECT_EQ(caption, "Verify Creation of New Desired Response Curves");
    // Escape is No: the curves stay.
    EXPECT_FALSE(ResponseView(*m_pDoc).IsNewCurveModeOn());
    EXPECT_TRUE(m_pDoc->m_DesiredCurveFile.IsOn());
}

TEST_F(MasterPointAppTest, EditorCommandsStopWithoutAnEditor)
{
    Frame().SetSheetFactory(CMainFrame::kMasterPointEditor, [] { return nullptr; });
    const std::string path = Path("points.mpt");
    std::ofstream(path) << "Desired Response\n50, 5\n60, 6\n";
    m_Dialogs.answers = {path};
    ASSERT_TRUE(m_pApp->ExecuteCommand(kOpenMasterPoints));
    EXPECT_EQ(m_pApp->GetMasterPointEditor(), nullptr);
    EXPECT_NE(m_pDoc->m_MasterPointFile.GetName(), path);
    EXPECT_FALSE(m_pApp->GetCommandState(kSaveMasterPoints).bEnabled);
}
