// The loudness design windows through the application window: the Design menu per device,
// the first opening with the create sheet, the Edit Loudness Filters window, every window
// of a family acting on that family whatever device is selected, and what closing a design
// window leaves.
#include "tests/shell/LoudnessWindowFixture.h"

#include <QHeaderView>
#include <QPushButton>
#include <QToolBar>

namespace
{
using A = CMorvaneApp;
constexpr ELoudnessFamily k2202 = ELoudnessFamily::QZX2202;
constexpr ELoudnessFamily k241X = ELoudnessFamily::QZX241X;

// An EQ-based filter typed on the first page.
const std::vector<std::pair<int, LoudnessWindowTest::CTyped>> kEQFilter = {
    {kLoudnessEQBased,
     {{CCreateLoudnessPage::IDC_EQ_GAIN, "6"},
      {CCreateLoudnessPage::IDC_BANDWIDTH, "200"},
      {CCreateLoudnessPage::IDC_CENTER_FREQUENCY, "1000"}}}};

// The next modal create sheet, when it is a TSheet: counted and cancelled.
template <class TSheet> void CancelNextSheet(int& nSheets)
{
    OnNextModal<TSheet>(
        [&nSheets](TSheet& sheet)
        {
            ++nSheets;
            sheet.reject();
        });
}
} // namespace

TEST_F(LoudnessWindowTest, EachDeviceOffersItsFamilysLoudnessDesign)
{
    const int designs[] = {A::ID_DESIGN_QZX2202_LOUDNESS, A::ID_DESIGN_QZX2410_LOUDNESS,
                           A::ID_DESIGN_QZX6060_LOUDNESS};
    ExpectDesignStates(designs, {{A::ID_DEVICE_QZX2201, {true, false, false}},
                                 {A::ID_DEVICE_QZX2202, {true, false, false}},
                                 {A::ID_DEVICE_DSP, {false, false, false}},
                                 {A::ID_DEVICE_QZX2410, {false, true, false}},
                                 {A::ID_DEVICE_QZX6060, {false, false, true}}});
}

TEST_F(LoudnessWindowTest, TheFirstOpeningStartsWithTheCreateSheetOnce)
{
    OnNextSheet(kEQFilter);
    CMDIChildFrame* frame = Open(A::ID_DEVICE_QZX2202, A::ID_DESIGN_QZX2202_LOUDNESS);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(m_nSheets, 1);
    EXPECT_EQ(frame, app->GetDesignFrame(EDesignWindow::QZX2202Loudness));
    // The edit window was made hidden, its grids registered: the filter is a row and a curve.
    ASSERT_NE(EditWindow(k2202), nullptr);
    EXPECT_TRUE(EditWindow(k2202)->isHidden());
    EXPECT_EQ(Rows(*Grid(k2202, kLoudnessEQBased)), std::vector<std::string>{"LDEQ-1"});
    CLoudnessView* view = View(k2202);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->GetCurves().size(), 1u);
    EXPECT_EQ(view->GetCurves()[0]->GetName(), "LDEQ-1");
    EXPECT_EQ(EditWindow(k241X), nullptr);
    for (int kind = 0; kind < kLoudnessKindCount; ++kind)
        EXPECT_EQ(Manager(k241X).Grid(kind), nullptr) << kind;

    // Shown again: no sheet.
    ASSERT_TRUE(app->ExecuteCommand(A::ID_DESIGN_QZX2202_LOUDNESS));
    EXPECT_EQ(m_nSheets, 1);
    // Closed and made anew: a new document whose view shows the filter, still no sheet.
    ASSERT_TRUE(app->ExecuteCommand(A::ID_DESIGN_EQ_FILTERS));
    EXPECT_EQ(app->GetLoudnessDoc(k2202), nullptr);
    ASSERT_TRUE(app->ExecuteCommand(A::ID_DESIGN_QZX2202_LOUDNESS));
    QCoreApplication::processEvents();
    EXPECT_EQ(m_nSheets, 1);
    ASSERT_NE(View(k2202), nullptr);
    EXPECT_EQ(View(k2202)->GetCurves().size(), 1u);
    EXPECT_EQ(Rows(*Grid(k2202, kLoudnessEQBased)), std::vector<std::string>{"LDEQ-1"});

    // The other family has its own first opening; cancelling its sheet adds nothing.
    OnNextSheet({});
    Open(A::ID_DEVICE_QZX6060, A::ID_DESIGN_QZX6060_LOUDNESS);
    EXPECT_EQ(m_nSheets, 2);
    ASSERT_NE(View(k241X), nullptr);
    EXPECT_TRUE(View(k241X)->GetCurves().empty());
}

TEST_F(LoudnessWindowTest, TheWindowsMenusAndToolbar)
{
    OnNextSheet({});
    CMDIChildFrame* frame = Open(A::ID_DEVICE_QZX2410, A::ID_DESIGN_QZX2410_LOUDNESS);
    ASSERT_NE(frame, nullptr);
    CMainFrame& main = *app->m_pMainFrame;
    QMenu* file = main.FindMenu("&File");
    QMenu* edit = main.FindMenu("&Edit");
    ASSERT_TRUE(file && edit && main.FindMenu("De&vice") && main.FindMenu("&Design"));
    std::vector<std::string> items;
    for (QAction* action : file->actions())
        items.push_back(action->text().toStdString());
    EXPECT_NE(std::find(items.begin(), items.end(), "Save As .LD241X Data"), items.end());
    EXPECT_NE(std::find(items.begin(), items.end(), "Save As .LD606X Data"), items.end());
    QAction* turnOff = main.GetCommandAction(CLoudnessDoc::ID_TURN_OFF_LOUDNESS_ADDITION);
    ASSERT_NE(turnOff, nullptr);
    EXPECT_EQ(turnOff->text(), "Turn &Off Loudness Filter Addtion to QZX2XXX Data File");
    main.UpdateCommandUI();
    EXPECT_FALSE(turnOff->isEnabled());
    EXPECT_TRUE(main.GetCommandAction(CLoudnessDoc::ID_FILE_SAVE_AS_LD606X)->isEnabled());
    // The QZX2202 selected in the QZX2410/QZX6060 window: no loudness file to save.
    ASSERT_TRUE(app->ExecuteCommand(A::ID_DEVICE_QZX2202));
    EXPECT_FALSE(app->GetCommandState(CLoudnessDoc::ID_FILE_SAVE_AS_LD241X).bEnabled);
    ASSERT_TRUE(app->ExecuteCommand(A::ID_DEVICE_QZX2410));
    EXPECT_FALSE(
        main.GetCommandAction(CLoudnessViewModes::ID_DELETE_FILTERS_GRAPHICALLY)->isEnabled());
    EXPECT_EQ(main.GetCommandAction(CLoudnessViewModes::ID_SELECT_FILTERS_TO_EDIT)->statusTip(),
              "Click on a loudness filter's curve to edit the filter");
    // Print; the three graphical modes; About.
    ASSERT_NE(frame->GetToolBar(), nullptr);
    EXPECT_EQ(frame->GetToolBar()->actions().size(), 7);

    // The QZX2202 window carries the loudness file items too, offered while a QZX2410 or
    // QZX6060 is selected.
    ASSERT_TRUE(app->ExecuteCommand(A::ID_DESIGN_EQ_FILTERS));
    OnNextSheet({});
    Open(A::ID_DEVICE_QZX2202, A::ID_DESIGN_QZX2202_LOUDNESS);
    EXPECT_EQ(main.GetShownMenuSet(), DesignMenuSet(EDesignWindow::QZX2202Loudness));
    file = main.FindMenu("&File");
    ASSERT_NE(file, nullptr);
    std::vector<QAction*> saves;
    for (int id : {CLoudnessDoc::ID_FILE_SAVE_AS_LD241X, CLoudnessDoc::ID_FILE_SAVE_AS_LD606X})
    {
        QAction* action = main.GetCommandAction(id);
        ASSERT_NE(action, nullptr) << id;
        EXPECT_TRUE(file->actions().contains(action)) << id;
        saves.push_back(action);
    }
    for (const auto& [device, bOffered] :
         {std::pair{A::ID_DEVICE_QZX2202, false}, std::pair{A::ID_DEVICE_QZX2201, false},
          std::pair{A::ID_DEVICE_QZX2410, true}, std::pair{A::ID_DEVICE_QZX6060, true}})
    {
        ASSERT_TRUE(app->ExecuteCommand(device));
        main.UpdateCommandUI();
        for (QAction* action : saves)
            EXPECT_EQ(action->isEnabled(), bOffered) << device;
    }
}

TEST_F(LoudnessWindowTest, EachFamilysWindowIsMadeOfItsOwnClasses)
{
    int nSheets = 0;
    CancelNextSheet<CCreateLoudnessFilter>(nSheets);
    Open(A::ID_DEVICE_QZX2202, A::ID_DESIGN_QZX2202_LOUDNESS);
    EXPECT_NE(dynamic_cast<CQZX2202LoudnessDoc*>(app->GetLoudnessDoc(k2202)), nullptr);
    EXPECT_NE(dynamic_cast<CQZX2202LoudnessView*>(View(k2202)), nullptr);

    CancelNextSheet<CCreateQZX2410LoudnessFilter>(nSheets);
    Open(A::ID_DEVICE_QZX2410, A::ID_DESIGN_QZX2410_LOUDNESS);
    EXPECT_NE(dynamic_cast<CQZX2410LoudnessDoc*>(app->GetLoudnessDoc(k241X)), nullptr);
    EXPECT_NE(dynamic_cast<CQZX2410LoudnessView*>(View(k241X)), nullptr);
    EXPECT_EQ(nSheets, 2);
    EXPECT_EQ(EditWindow(k241X)->windowTitle(), "Edit Loudness Filters");
}

TEST_F(LoudnessWindowTest, TheEditWindowComesBackWithItsRowsAndItsLastPage)
{
    OnNextSheet(kEQFilter);
    Open(A::ID_DEVICE_QZX2202, A::ID_DESIGN_QZX2202_LOUDNESS);
    ASSERT_TRUE(app->ExecuteCommand(A::ID_EDIT_QZX2202_LOUDNESS_FILTERS));
    CMiniFrame* window = EditWindow(k2202);
    ASSERT_TRUE(window && window->isVisible());
    auto* sheet = dynamic_cast<CEditLoudnessFilters*>(window->GetSheet());
    ASSERT_NE(sheet, nullptr);
    const char* tabs[] = {"EQ Base Type", "Treble Base Type", "Bass Base Type",
                          "User Input Base Coefficients", "User Input Loudness Coefficients"};
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ(sheet->tabText(i), tabs[i]);
        // Every grid has its columns, its tab opened or not.
        EXPECT_EQ(sheet->Page(i).Grid().GetTextMatrix(0, 7), "Plot Volume");
    }
    EXPECT_EQ(sheet->Page(0).Grid().columnCount(), 11);
    EXPECT_EQ(sheet->Page(4).Grid().columnCount(), 8);
    SaveScreenshot(*window, "loudness_edit_window.png");
    // As it opens, every tab in one row and every heading and value whole in its column.
    EXPECT_FALSE(sheet->usesScrollButtons());
    for (int i = 0; i < 5; ++i)
    {
        const CLoudnessGrid& grid = sheet->Page(i).Grid();
        const QFontMetrics headings = grid.horizontalHeader()->fontMetrics();
        for (int c = 0; c < grid.columnCount(); ++c)
        {
            const QString heading = QString::fromStdString(grid.GetTextMatrix(0, c));
            EXPECT_GE(grid.columnWidth(c), headings.horizontalAdvance(heading) + 6)
                << tabs[i] << ": " << heading.toStdString();
            for (int r = 1; r < grid.rowCount(); ++r)
            {
                const std::string text = grid.GetTextMatrix(r, c);
                EXPECT_GE(grid.columnWidth(c),
                          grid.fontMetrics().horizontalAdvance(QString::fromStdString(text)) + 6)
                    << tabs[i] << ": " << text;
            }
        }
    }

    sheet->setCurrentIndex(2);
    sheet->Page(2).findChild<QPushButton*>("close")->click();
    EXPECT_TRUE(window->isHidden());
    ASSERT_TRUE(app->ExecuteCommand(A::ID_EDIT_QZX2202_LOUDNESS_FILTERS));
    EXPECT_EQ(EditWindow(k2202), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(sheet->currentIndex(), 2);
    EXPECT_EQ(Rows(sheet->Page(0).Grid()), std::vector<std::string>{"LDEQ-1"});
}

TEST_F(LoudnessWindowTest, ClearAndClearAllEmptyTheirFamilyOnly)
{
    OnNextSheet({{kLoudnessBassBased,
                  {{CCreateLoudnessPage::IDC_BASS_GAIN, "4"},
                   {CCreateLoudnessPage::IDC_CUT_FREQUENCY, "100"}}},
                 {kLoudnessTrebleBased,
                  {{CCreateLoudnessPage::IDC_TREBLE_GAIN, "-3"},
                   {CCreateLoudnessPage::IDC_CUT_FREQUENCY, "8000"}}}});
    Open(A::ID_DEVICE_QZX2202, A::ID_DESIGN_QZX2202_LOUDNESS);
    ASSERT_TRUE(app->ExecuteCommand(A::ID_EDIT_QZX2202_LOUDNESS_FILTERS));
    auto* sheet = dynamic_cast<CEditLoudnessFilters*>(EditWindow(k2202)->GetSheet());
    // With the DSP target selected the buttons still act on their own family.
    ASSERT_TRUE(app->ExecuteCommand(A::ID_DEVICE_DSP));
    sheet->Page(kLoudnessBassBased).findChild<QPushButton*>("clear")->click();
    EXPECT_EQ(Manager(k2202).List(kLoudnessBassBased)->GetSize(), 0);
    EXPECT_EQ(Manager(k2202).List(kLoudnessTrebleBased)->GetSize(), 1);
    EXPECT_EQ(Rows(sheet->Page(kLoudnessBassBased).Grid()), std::vector<std::string>{"*"});
    EXPECT_EQ(View(k2202)->GetCurves().size(), 1u);
    sheet->Page(0).findChild<QPushButton*>("clearAll")->click();
    EXPECT_EQ(Manager(k2202).List(kLoudnessTrebleBased)->GetSize(), 0);
    EXPECT_EQ(Rows(sheet->Page(kLoudnessTrebleBased).Grid()), std::vector<std::string>{"*"});
    EXPECT_TRUE(View(k2202)->GetCurves().empty());
    EXPECT_FALSE(app->GetCommandState(CLoudnessDoc::ID_TURN_OFF_LOUDNESS_ADDITION).bEnabled);
    sheet->Page(0).findChild<QPushButton*>("close")->click();
    EXPECT_TRUE(EditWindow(k2202)->isHidden());
}

TEST_F(LoudnessWindowTest, EveryWindowOfAFamilyActsOnThatFamily)
{
    OnNextSheet(kEQFilter);
    Open(A::ID_DEVICE_QZX2202, A::ID_DESIGN_QZX2202_LOUDNESS);
    // The QZX2410 selected: the QZX2202 window's sheet still adds to the QZX2202 manager,
    // with QZX2202 words.
    ASSERT_TRUE(app->ExecuteCommand(A::ID_DEVICE_QZX2410));
    OnNextModal<CCreateLoudnessFilter>(
        [](CCreateLoudnessFilter& sheet)
        {
            TypeInto(sheet, kLoudnessCoeff, {{CCreateLoudnessPage::IDC_COEFF_1, "0.5"}});
            CLoudnessPageWidget& page = *sheet.PageWidget(kLoudnessCoeff);
            page.HexButton()->click();
            EXPECT_EQ(page.Box(CCreateLoudnessPage::IDC_COEFF_1)->text(), "080000");
            sheet.reject();
        });
    ASSERT_TRUE(app->ExecuteCommand(CLoudnessDoc::ID_CREATE_LOUDNESS_FILTERS));
    OnNextSheet({{kLoudnessTrebleBased,
                  {{CCreateLoudnessPage::IDC_TREBLE_GAIN, "3"},
                   {CCreateLoudnessPage::IDC_CUT_FREQUENCY, "5000"}}}});
    ASSERT_TRUE(app->ExecuteCommand(CLoudnessDoc::ID_CREATE_LOUDNESS_FILTERS));
    EXPECT_EQ(Manager(k2202).List(kLoudnessTrebleBased)->GetSize(), 1);
    EXPECT_EQ(Manager(k241X).List(kLoudnessTrebleBased)->GetSize(), 0);
    EXPECT_EQ(View(k2202)->GetCurves().size(), 2u);

    // The DSP target selected: the window's commands and its grid's popup still work on
    // the QZX2202 family, while the getters of the selected family have none.
    ASSERT_TRUE(app->ExecuteCommand(A::ID_DEVICE_DSP));
    EXPECT_FALSE(app->GetCommandState(CLoudnessDoc::ID_TURN_OFF_LOUDNESS_ADDITION).bEnabled);
    CLoudnessGrid& grid = *Grid(k2202, kLoudnessEQBased);
    EXPECT_TRUE(Popup(grid, 1, CLoudnessGridRows::ID_LOUDNESS_ADD_TO_DATA_FILE));
    EXPECT_TRUE(Manager(k2202).AddToDataFileMode().IsOn());
    EXPECT_TRUE(app->GetCommandState(CLoudnessDoc::ID_TURN_OFF_LOUDNESS_ADDITION).bEnabled);
    ASSERT_TRUE(app->ExecuteCommand(CLoudnessDoc::ID_TURN_OFF_LOUDNESS_ADDITION));
    EXPECT_TRUE(Manager(k2202).AddToDataFileMode().IsOff());
    EXPECT_EQ(app->GetLoudnessManager(), nullptr);
    EXPECT_EQ(app->m_pMainFrame->GetLoudnessFrame(), nullptr);

    // The grid's Edit: the sheet on the filter's page, filled; OK adds the next number.
    OnNextModal<CCreateLoudnessFilter>(
        [this](CCreateLoudnessFilter& sheet)
        {
            ++m_nSheets;
            EXPECT_EQ(sheet.Tabs()->currentIndex(), kLoudnessEQBased);
            EXPECT_EQ(sheet.PageWidget(0)->Box(CCreateLoudnessPage::IDC_CENTER_FREQUENCY)->text(),
                      "1000");
            TypeInto(sheet, 0, {{CCreateLoudnessPage::IDC_EQ_GAIN, "9"}});
            sheet.accept();
        });
    EXPECT_TRUE(Popup(grid, 1, CLoudnessGridRows::ID_LOUDNESS_EDIT));
    EXPECT_EQ(m_nSheets, 3);
    EXPECT_EQ(Rows(grid), (std::vector<std::string>{"LDEQ-1", "LDEQ-2"}));
    EXPECT_EQ(Manager(k2202).List(0)->GetAt(0)->m_dFilterGain, 6.0);

    // No popup on the heading, on a placeholder or below the last row.
    EXPECT_FALSE(Popup(grid, 0, CLoudnessGridRows::ID_LOUDNESS_DELETE));
    EXPECT_FALSE(Popup(grid, -1, CLoudnessGridRows::ID_LOUDNESS_DELETE));
    EXPECT_TRUE(Popup(grid, 1, CLoudnessGridRows::ID_LOUDNESS_DELETE));
    EXPECT_TRUE(Popup(grid, 1, CLoudnessGridRows::ID_LOUDNESS_DELETE));
    EXPECT_EQ(Rows(grid), std::vector<std::string>{"*"});
    EXPECT_FALSE(Popup(grid, 1, CLoudnessGridRows::ID_LOUDNESS_EDIT));
    EXPECT_EQ(m_nSheets, 3);
}

TEST_F(LoudnessWindowTest, TheGridsEditRefusesValuesWhoseSectionIsNotFiniteInBothFamilies)
{
    const struct
    {
        int device;
        int design;
        ELoudnessFamily family;
    } families[] = {{A::ID_DEVICE_QZX2202, A::ID_DESIGN_QZX2202_LOUDNESS, k2202},
                    {A::ID_DEVICE_QZX2410, A::ID_DESIGN_QZX2410_LOUDNESS, k241X}};
    for (const auto& f : families)
    {
        OnNextSheet(kEQFilter);
        Open(f.device, f.design);
        CLoudnessGrid& grid = *Grid(f.family, kLoudnessEQBased);
        messages.texts.clear();
        bool bRefused = false;
        OnNextModal<CCreateLoudnessSheet>(
            [&bRefused](CCreateLoudnessSheet& sheet)
            {
                TypeInto(sheet, kLoudnessEQBased, {{CCreateLoudnessPage::IDC_BANDWIDTH, "1e308"}});
                sheet.accept();
                bRefused = sheet.isVisible() && sheet.result() != QDialog::Accepted;
                sheet.reject();
            });
        ASSERT_TRUE(Popup(grid, 1, CLoudnessGridRows::ID_LOUDNESS_EDIT));
        EXPECT_TRUE(bRefused);
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_NE(messages.texts[0].find("finite"), std::string::npos) << messages.texts[0];
        EXPECT_EQ(Rows(grid), std::vector<std::string>{"LDEQ-1"});
        EXPECT_EQ(Manager(f.family).List(kLoudnessEQBased)->GetSize(), 1);
        EXPECT_EQ(View(f.family)->GetCurves().size(), 1u);
        for (int c = 1; c <= 5; ++c)
            EXPECT_EQ(grid.GetTextMatrix(1, c).find("nan"), std::string::npos) << c;
    }
}

TEST_F(LoudnessWindowTest, AClosedDesignWindowIsNeverReachedAgain)
{
    OnNextSheet(kEQFilter);
    Open(A::ID_DEVICE_QZX2202, A::ID_DESIGN_QZX2202_LOUDNESS);
    ASSERT_TRUE(app->ExecuteCommand(A::ID_EDIT_QZX2202_LOUDNESS_FILTERS));
    ASSERT_TRUE(EditWindow(k2202)->isVisible());
    // Design EQ Filters: document and view go, the edit window is hidden.
    ASSERT_TRUE(app->ExecuteCommand(A::ID_DESIGN_EQ_FILTERS));
    EXPECT_TRUE(EditWindow(k2202)->isHidden());
    EXPECT_EQ(Manager(k2202).GetDocument(), nullptr);
    EXPECT_EQ(Manager(k2202).GetView(), nullptr);
    // Its grid still removes a filter, without a view.
    CLoudnessGrid& grid = *Grid(k2202, kLoudnessEQBased);
    // Its Edit opens the sheet, which adds nothing while the window is closed.
    OnNextModal<CCreateLoudnessFilter>(
        [this](CCreateLoudnessFilter& sheet)
        {
            TypeInto(sheet, 0, {{CCreateLoudnessPage::IDC_EQ_GAIN, "3"}});
            sheet.accept();
            EXPECT_EQ(messages.texts.size(), 1u);
            sheet.reject();
        });
    EXPECT_TRUE(Popup(grid, 1, CLoudnessGridRows::ID_LOUDNESS_EDIT));
    EXPECT_EQ(Manager(k2202).List(0)->GetSize(), 1);
    EXPECT_TRUE(Popup(grid, 1, CLoudnessGridRows::ID_LOUDNESS_DELETE));
    EXPECT_EQ(Manager(k2202).List(0)->GetSize(), 0);

    // The frame's own close box does the same.
    Open(A::ID_DEVICE_QZX2202, A::ID_DESIGN_QZX2202_LOUDNESS);
    ASSERT_TRUE(app->ExecuteCommand(A::ID_EDIT_QZX2202_LOUDNESS_FILTERS));
    ASSERT_TRUE(EditWindow(k2202)->isVisible());
    app->m_pLoudnessMDI->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(app->m_pLoudnessMDI, nullptr);
    EXPECT_TRUE(EditWindow(k2202)->isHidden());
    EXPECT_EQ(Manager(k2202).GetView(), nullptr);
    EXPECT_TRUE(app->IsFrameVisible(ESpeakerFrame::Response));
}

TEST_F(LoudnessWindowTest, NoWindowWithoutAFrequencyBand)
{
    app->m_pMorvaneDoc->m_nLowerFrequencyLimit = 30000;
    app->m_pMorvaneDoc->m_nSamplingFrequency = 48000;
    ASSERT_TRUE(app->ExecuteCommand(A::ID_DESIGN_QZX2202_LOUDNESS));
    EXPECT_EQ(app->m_pLoudnessMDI, nullptr);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("lower frequency limit"), std::string::npos);
    EXPECT_TRUE(app->IsFrameVisible(ESpeakerFrame::Response));
    EXPECT_EQ(m_nSheets, 0);
}
