// The filter editor on the offscreen platform: values typed into a page's grid reach the
// document's list when the page is left, the lists come back into the grids, the
// clearing commands, deletion by right click, and the editor in the application window.
#include "../framework/QtTestApp.h"
#include "device/FilterBlock.h"
#include "document/MorvaneDoc.h"
#include "filters/DigEQFilter.h"
#include "filters/DigTrebleShelf.h"
#include "filters/FilterParameterFile.h"
#include "framework/core/Services.h"
#include "shell/filtereditor/UserCreatedFilters.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MiniFrame.h"
#include "shell/ui/MorvaneApp.h"
#include "tests/document/DocumentFixture.h"
#include "tests/shell/AppWindowFixture.h"
#include "tests/shell/GridTyping.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <filesystem>
#include <set>
#include <unistd.h>

namespace
{
class FilterEditorTest : public DocumentTest
{
protected:
    void SetUp() override
    {
        TestApp();
        DocumentTest::SetUp();
        CFilterGridRows::SetNextOutputOrder(0);
        doc->m_nSamplingFrequency = 48000;
        sheet = std::make_unique<CUserCreatedFilters>([this] { return doc.get(); });
        sheet->m_Ask = [this](const std::string& question)
        {
            questions.push_back(question);
            return answer;
        };
        sheet->show();
        for (int i = 1; i < sheet->count(); ++i)
            sheet->setCurrentIndex(i);
        sheet->setCurrentIndex(0);
    }
    void TearDown() override
    {
        sheet.reset();
        DocumentTest::TearDown();
    }
    CFilterEditGrid& Grid(int kind) { return sheet->Page(kind).Grid(); }
    // Types text into the cell through key presses and ends with the key (Return, or
    // Escape to drop the edit).
    static void Type(CFilterEditGrid& grid, int r, int c, const QString& text,
                     int endKey = Qt::Key_Return)
    {
        TypeIntoCell(grid, r, c, text, endKey);
    }

    std::unique_ptr<CUserCreatedFilters> sheet;
    std::vector<std::string> questions;
    bool answer = true;
};

TEST_F(FilterEditorTest, TypedEQRowsReachTheDocumentWhenThePageIsLeft)
{
    CFilterEditGrid& grid = Grid(kKindEQ);
    ASSERT_EQ(grid.GetName(1), "EQ-1");
    Type(grid, 1, 1, "-6.5");
    Type(grid, 1, 2, "abc"); // refused: the cell stays empty and reads as 0
    ExpectTypingKeptThenDrop(grid, "abc");
    Type(grid, 1, 3, "1000");
    Type(grid, 2, 1, "3"); // the "*" row becomes EQ-2
    Type(grid, 2, 4, "no");
    EXPECT_EQ(grid.GetName(3), "*");
    EXPECT_TRUE(doc->m_ParameterFile.m_ChangedMode.IsOn());
    EXPECT_TRUE(doc->m_FiltersInGridMode.IsOn());
    EXPECT_TRUE(doc->m_FilterLists.m_EQFilters.IsEmpty());

    sheet->setCurrentWidget(&sheet->Page(kKindNT));
    const CDigEQFilterArray& list = doc->m_FilterLists.m_EQFilters;
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list.GetAt(0)->GetLabel(), "EQ-1");
    EXPECT_DOUBLE_EQ(list.GetAt(0)->GetGain(), -6.5);
    EXPECT_EQ(list.GetAt(0)->GetBandwidth(), 0.0);
    EXPECT_DOUBLE_EQ(list.GetAt(0)->GetCenterFrequency(), 1000.0);
    EXPECT_EQ(list.GetAt(0)->GetOutputOrder(), 1);
    EXPECT_TRUE(list.GetAt(0)->m_ActiveMode.IsOn());
    EXPECT_EQ(list.GetAt(1)->GetLabel(), "EQ-2");
    EXPECT_FALSE(list.GetAt(1)->m_ActiveMode.IsOn());
    EXPECT_EQ(list.GetAt(1)->GetOutputOrder(), 2);
}

TEST_F(FilterEditorTest, NumberCellsRefuseTextThatIsNoNumberAndKeepTheirValue)
{
    CFilterEditGrid& grid = Grid(kKindEQ);
    Type(grid, 1, 1, "-6.5");
    Type(grid, 1, 2, "250");
    Type(grid, 1, 3, "1000");
    ASSERT_TRUE(messages.texts.empty());
    const struct
    {
        int nCol;
        const char* text;
        const char* message;
    } refused[] = {
        {2, "abc", "Please enter a number."},
        {2, "1,5", "Please enter a number."},
        {3, "", "Please enter a number."},
        {1, "6dB", "Please enter a number."},
        {6, "2.5", "Please enter an integer."},
        // No finite number: the readers refuse these too.
        {1, "nan", "Please enter a number."},
        {2, "-nan", "Please enter a number."},
        {3, "inf", "Please enter a number."},
        {1, "-Infinity", "Please enter a number."},
        {2, "1e400", "Please enter a number."},
        {3, "-1e999", "Please enter a number."},
    };
    for (const auto& r : refused)
    {
        const std::string before = grid.GetTextMatrix(1, r.nCol);
        messages.texts.clear();
        if (*r.text)
            Type(grid, 1, r.nCol, r.text);
        else
        {
            // The text deleted and the edit committed by leaving the cell.
            grid.setCurrentCell(1, r.nCol);
            QKeyEvent open(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(&grid, &open);
            grid.CellEdit().clear();
            grid.setCurrentCell(1, 0);
        }
        EXPECT_EQ(messages.texts, std::vector<std::string>{r.message}) << r.text;
        EXPECT_EQ(grid.GetTextMatrix(1, r.nCol), before) << r.text;
        ExpectTypingKeptThenDrop(grid, r.text);
    }
    // Names and modes are text; numbers with blanks around them are numbers.
    messages.texts.clear();
    Type(grid, 1, 2, " 180 ");
    Type(grid, 1, 4, "no");
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_DOUBLE_EQ(grid.GetBandwidth(1), 180.0);
    sheet->setCurrentWidget(&sheet->Page(kKindNT));
    ASSERT_EQ(doc->m_FilterLists.m_EQFilters.GetSize(), 1);
    EXPECT_DOUBLE_EQ(doc->m_FilterLists.m_EQFilters.GetAt(0)->GetBandwidth(), 180.0);
    EXPECT_DOUBLE_EQ(doc->m_FilterLists.m_EQFilters.GetAt(0)->GetCenterFrequency(), 1000.0);
}

// The files and the device data keep six decimals of a parameter: a number whose
// six-decimal text would read back as another filter is refused in its cell, which keeps
// its value; a gain loses nothing that matters, and more decimals that keep the meaning are
// taken.
TEST_F(FilterEditorTest, NumbersThatSixDecimalsWouldWriteAsAnotherFilterAreRefused)
{
    const struct
    {
        int kind;
        int nCol;
        const char* text;
        const char* message; // empty: taken
    } cases[] = {
        {kKindHPB, 1, "0.0000004",
         "Please enter another number: the Cut Frequency 4e-07 would be written with six "
         "decimals as 0.000000, and read back as another filter."},
        {kKindHPB, 1, "5e-7",
         "Please enter another number: the Cut Frequency 5e-07 would be written with six "
         "decimals as 0.000000, and read back as another filter."},
        {kKindVQHP, 2, "0.0000004",
         "Please enter another number: the Q 4e-07 would be written with six decimals as "
         "0.000000, and read back as another filter."},
        {kKindEQ, 2, "0.0012345",
         "Please enter another number: the Bandwidth 0.0012345 would be written with six "
         "decimals as 0.001234, and read back as another filter."},
        {kKindEQ, 1, "0.0000004", ""},
        {kKindHPB, 1, "40.1234567", ""},
        {kKindVQHP, 2, "0.70710678", ""},
    };
    for (const auto& c : cases)
    {
        CFilterEditGrid& grid = Grid(c.kind);
        sheet->setCurrentWidget(&sheet->Page(c.kind));
        const std::string before = grid.GetTextMatrix(1, c.nCol);
        messages.texts.clear();
        Type(grid, 1, c.nCol, c.text);
        if (*c.message)
        {
            EXPECT_EQ(messages.texts, std::vector<std::string>{c.message}) << c.text;
            EXPECT_EQ(grid.GetTextMatrix(1, c.nCol), before) << c.text;
            ExpectTypingKeptThenDrop(grid, c.text);
        }
        else
        {
            EXPECT_TRUE(messages.texts.empty()) << c.text;
            EXPECT_EQ(grid.GetTextMatrix(1, c.nCol), c.text);
            EXPECT_FALSE(grid.IsEditing());
        }
    }
    EXPECT_TRUE(
        sheet->grab().save(QString(MORVANE_TEST_OUTPUT_DIR) + "/filter_grid_six_decimals.png"));
}

// The grid names new rows on from the largest number of a name and hands out orders on
// from the largest it saw: a number above the largest it counts to is refused.
TEST_F(FilterEditorTest, NamesAndOrdersAboveTheLargestFilterNumberAreRefused)
{
    CFilterEditGrid& grid = Grid(kKindEQ);
    const int nOrder = grid.Info().m_nOutputOrderColumn;
    Type(grid, 1, 1, "-6.5");
    ASSERT_EQ(grid.GetOutputOrder(1), 1);
    const char* const kOrder = "Please enter an output order of at most 1000000000.";
    const char* const kName = "Please enter a name whose number is at most 1000000000.";
    const struct
    {
        int nCol;
        const char* text;
        const char* message; // null: taken
    } cases[] = {
        {nOrder, "2147483647", kOrder},  {nOrder, "12999999999999999", kOrder},
        {nOrder, "1000000001", kOrder},  {0, "EQ-2147483647", kName},
        {0, "EQ-1000000001", kName},     {0, "x-99999999999", kName},
        {nOrder, "1000000000", nullptr}, {0, "EQ-1000000000", nullptr},
    };
    for (const auto& c : cases)
    {
        const std::string before = grid.GetTextMatrix(1, c.nCol);
        messages.texts.clear();
        Type(grid, 1, c.nCol, c.text);
        if (c.message)
        {
            EXPECT_EQ(messages.texts, std::vector<std::string>{c.message}) << c.text;
            EXPECT_EQ(grid.GetTextMatrix(1, c.nCol), before) << c.text;
            ExpectTypingKeptThenDrop(grid, c.text);
        }
        else
        {
            EXPECT_TRUE(messages.texts.empty()) << c.text;
            EXPECT_EQ(grid.GetTextMatrix(1, c.nCol), c.text);
            EXPECT_FALSE(grid.IsEditing());
        }
    }
    // A filter typed into the "*" row after them gets the largest order too.
    ASSERT_EQ(grid.GetName(2), "*");
    Type(grid, 2, 1, "3");
    EXPECT_EQ(grid.GetName(2), "EQ-2");
    EXPECT_EQ(grid.GetOutputOrder(2), kMaxFilterNumber);
}

// A negative order made its row no filter, and one that a key press never gave an order
// again: the grid showed the filter and the list went without it. The cell refuses it
// and keeps its order, as it refuses an order that is no integer.
TEST_F(FilterEditorTest, AnOutputOrderThatIsNegativeOrNoIntegerIsRefused)
{
    CFilterEditGrid& grid = Grid(kKindEQ);
    const int nOrder = grid.Info().m_nOutputOrderColumn;
    Type(grid, 1, 1, "-6.5");
    Type(grid, 1, 3, "1000");
    ASSERT_EQ(grid.GetTextMatrix(1, nOrder), "1");
    const char* const kNegative = "Please enter an output order of 0 or more.";
    const struct
    {
        const char* text;
        const char* message;
    } refused[] = {
        {"-1", kNegative},
        {"-2147483648", kNegative},
        {" -7 ", kNegative},
        {"1e20", "Please enter an integer."},
        {"1.", "Please enter an integer."},
        {"0x10", "Please enter an integer."},
    };
    for (const auto& r : refused)
    {
        messages.texts.clear();
        Type(grid, 1, nOrder, r.text);
        EXPECT_EQ(messages.texts, std::vector<std::string>{r.message}) << r.text;
        EXPECT_EQ(grid.GetTextMatrix(1, nOrder), "1") << r.text;
        ExpectTypingKeptThenDrop(grid, r.text);
    }
    sheet->setCurrentWidget(&sheet->Page(kKindNT));
    const CDigEQFilterArray& list = doc->m_FilterLists.m_EQFilters;
    ASSERT_EQ(list.GetSize(), 1);
    EXPECT_EQ(list.GetAt(0)->GetOutputOrder(), 1);
    EXPECT_DOUBLE_EQ(list.GetAt(0)->GetCenterFrequency(), 1000.0);

    // Orders in digits with blanks or a '+' around them are taken.
    sheet->setCurrentWidget(&sheet->Page(kKindEQ));
    messages.texts.clear();
    Type(grid, 1, nOrder, " +7 ");
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(grid.GetOutputOrder(1), 7);
}

TEST_F(FilterEditorTest, ModeCellsTakeOnlyYesOrNo)
{
    CFilterEditGrid& eq = Grid(kKindEQ);
    CFilterEditGrid& notch = Grid(kKindNT);
    const int nEQActive = eq.Info().m_nActiveColumn;
    const int nEQModifiable = eq.Info().m_nModifiableColumn;
    const int nNotchActive = notch.Info().m_nActiveColumn;
    const struct
    {
        int kind;
        int nCol;
        const char* text;
        const char* stored; // null: refused, the cell keeps its text
    } cases[] = {
        {kKindEQ, nEQActive, "maybe", nullptr}, {kKindEQ, nEQActive, "yess", nullptr},
        {kKindEQ, nEQActive, "1", nullptr},     {kKindEQ, nEQModifiable, "eyes", nullptr},
        {kKindEQ, nEQModifiable, "y", "Yes"},   {kKindEQ, nEQModifiable, "NO", "No"},
        {kKindEQ, nEQActive, " yes ", "Yes"},   {kKindNT, nNotchActive, "maybe", nullptr},
        {kKindNT, nNotchActive, "x", nullptr},  {kKindNT, nNotchActive, "n", "No"},
        {kKindNT, nNotchActive, "Ye", "Yes"},
    };
    for (const auto& c : cases)
    {
        sheet->setCurrentWidget(&sheet->Page(c.kind));
        CFilterEditGrid& grid = Grid(c.kind);
        if (grid.GetOutputOrder(1) == 0)
        {
            Type(grid, 1, 1, "100");
            Type(grid, 1, 2, "1000");
        }
        const std::string before = grid.GetTextMatrix(1, c.nCol);
        messages.texts.clear();
        Type(grid, 1, c.nCol, c.text);
        if (!c.stored)
        {
            EXPECT_EQ(messages.texts, std::vector<std::string>{"Please enter Yes or No."})
                << c.text;
            EXPECT_EQ(grid.GetTextMatrix(1, c.nCol), before) << c.text;
            ExpectTypingKeptThenDrop(grid, c.text);
        }
        else
        {
            EXPECT_TRUE(messages.texts.empty()) << c.text;
            EXPECT_EQ(grid.GetTextMatrix(1, c.nCol), c.stored) << c.text;
            EXPECT_FALSE(grid.IsEditing());
        }
    }
    // A refused text leaves the filter in the lists (and so in the device data) as it was.
    Type(notch, 1, nNotchActive, "maybe");
    sheet->setCurrentWidget(&sheet->Page(kKindEQ));
    Type(eq, 1, nEQActive, "maybe");
    sheet->setCurrentWidget(&sheet->Page(kKindBS));
    ASSERT_EQ(doc->m_FilterLists.m_EQFilters.GetSize(), 1);
    EXPECT_TRUE(doc->m_FilterLists.m_EQFilters.GetAt(0)->m_ActiveMode.IsOn());
    EXPECT_TRUE(doc->m_FilterLists.m_EQFilters.GetAt(0)->m_ModifiableMode.IsOff());
    ASSERT_EQ(doc->m_FilterLists.m_NotchFilters.GetSize(), 1);
    EXPECT_TRUE(doc->m_FilterLists.m_NotchFilters.GetAt(0)->m_ActiveMode.IsOn());
}

TEST_F(FilterEditorTest, TheHeadingsStayInPlaceWhileTheRowsScroll)
{
    CFilterEditGrid& grid = Grid(kKindEQ);
    for (int r = 1; r <= 40; ++r)
        Type(grid, r, 1, QString::number(r));
    sheet->resize(std::max(sheet->width(), sheet->sizeHint().width()), 360);
    QCoreApplication::processEvents();
    ASSERT_GT(grid.verticalScrollBar()->maximum(), 0);
    grid.scrollToBottom();
    QCoreApplication::processEvents();
    EXPECT_GT(grid.verticalScrollBar()->value(), 0);
    // The headings are in the heading bar above the rows, not in a row that scrolls away.
    const QHeaderView& headings = *grid.horizontalHeader();
    EXPECT_TRUE(headings.isVisible());
    EXPECT_TRUE(grid.isRowHidden(0));
    EXPECT_FALSE(grid.isRowHidden(1));
    EXPECT_FALSE(grid.isRowHidden(grid.rowCount() - 1));
    EXPECT_EQ(headings.geometry().bottom() + 1, grid.viewport()->geometry().top());
    ASSERT_EQ(headings.count(), grid.columnCount());
    for (int c = 0; c < grid.columnCount(); ++c)
    {
        EXPECT_EQ(grid.horizontalHeaderItem(c)->text().toStdString(), grid.GetTextMatrix(0, c));
        EXPECT_GE(headings.sectionSize(c),
                  headings.fontMetrics().horizontalAdvance(grid.horizontalHeaderItem(c)->text()))
            << grid.GetTextMatrix(0, c);
    }
    EXPECT_EQ(grid.horizontalHeaderItem(1)->text(), "Gain in DB");
    // The last rows are on the screen under the headings.
    const int nLast = grid.rowCount() - 1;
    EXPECT_TRUE(grid.viewport()->rect().contains(grid.visualRect(grid.model()->index(nLast, 0))));
    EXPECT_TRUE(sheet->grab().save(QString(MORVANE_TEST_OUTPUT_DIR) + "/filter_grid_scrolled.png"));
    // Another kind's headings replace them when a page lays its grid out for it.
    CFilterEditGrid& shelf = Grid(kKindTS);
    EXPECT_EQ(shelf.horizontalHeaderItem(2)->text(), "Cut Frequency");
    EXPECT_EQ(shelf.horizontalHeader()->count(), 5);
}

TEST_F(FilterEditorTest, EscapeLeavesTheCellAndLeavingTheCellCommits)
{
    CFilterEditGrid& grid = Grid(kKindNT);
    sheet->setCurrentWidget(&sheet->Page(kKindNT));
    grid.SetTextMatrix(1, 1, "25");
    Type(grid, 1, 1, "99", Qt::Key_Escape);
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_EQ(grid.GetTextMatrix(1, 1), "25");

    // A double click opens the editor on the cell's text, selected.
    const QPoint centre = grid.visualRect(grid.model()->index(1, 1)).center();
    QMouseEvent click(QEvent::MouseButtonDblClick, centre, grid.viewport()->mapToGlobal(centre),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(grid.viewport(), &click);
    ASSERT_TRUE(grid.IsEditing());
    EXPECT_EQ(grid.CellEdit().text(), "25");
    EXPECT_EQ(grid.CellEdit().selectedText(), "25");
    grid.EndCellEdit();

    grid.setCurrentCell(1, 2);
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, "7");
    QCoreApplication::sendEvent(&grid, &press);
    ASSERT_TRUE(grid.IsEditing());
    grid.setCurrentCell(1, 1);
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_EQ(grid.GetTextMatrix(1, 2), "7");
}

TEST_F(FilterEditorTest, DocumentListsComeBackIntoTheirGrids)
{
    CDigNotchParams params;
    params.m_Bandwidth = mwMatrix(40.0);
    params.m_CutFrequency = mwMatrix(3000.0);
    CDigNotch* pNotch = doc->m_FilterLists.m_NotchFilters.Add(std::make_unique<CDigNotch>());
    pNotch->SetParameters(params);
    pNotch->SetLabelNumber(4);
    pNotch->SetOutputOrder(9);
    doc->m_FiltersInGridMode.TurnOff();

    sheet->setCurrentWidget(&sheet->Page(kKindNT));
    CFilterEditGrid& grid = Grid(kKindNT);
    EXPECT_EQ(grid.GetName(1), "NT-4");
    EXPECT_EQ(grid.GetTextMatrix(1, 1), "40.000000");
    EXPECT_EQ(grid.GetTextMatrix(1, 2), "3000.000000");
    EXPECT_EQ(grid.GetTextMatrix(1, 3), "Yes");
    EXPECT_EQ(grid.GetTextMatrix(1, 4), "9");
    EXPECT_EQ(grid.GetName(2), "NT-5");
    EXPECT_EQ(grid.GetName(3), "*");
    EXPECT_TRUE(doc->m_FiltersInGridMode.IsOn());
    EXPECT_EQ(CFilterGridRows::GetNextOutputOrder(), 9);

    ASSERT_TRUE(sheet->UpdateFiltersFromGrids());
    ASSERT_EQ(doc->m_FilterLists.m_NotchFilters.GetSize(), 1);
    EXPECT_EQ(doc->m_FilterLists.m_NotchFilters.GetAt(0)->GetLabel(), "NT-4");
    EXPECT_DOUBLE_EQ(doc->m_FilterLists.m_NotchFilters.GetAt(0)->GetCutFrequency(), 3000.0);
}

TEST_F(FilterEditorTest, ClearAndClearAllAskFirst)
{
    CFilterEditGrid& grid = Grid(kKindEQ);
    Type(grid, 1, 1, "2");
    answer = false;
    sheet->Page(kKindEQ).findChild<QPushButton*>("Clear")->click();
    EXPECT_EQ(questions.back(), "Do you want to delete all the filters on this page?");
    EXPECT_EQ(doc->m_FilterLists.m_EQFilters.GetSize(), 1); // rebuilt from the unchanged grid

    answer = true;
    sheet->Page(kKindEQ).findChild<QPushButton*>("Clear All")->click();
    EXPECT_EQ(questions.back(),
              "Do you want to clear all the filters in all the pages in this grid control?");
    EXPECT_TRUE(doc->m_FilterLists.m_EQFilters.IsEmpty());
    EXPECT_FALSE(doc->m_FiltersInGridMode.IsOn());
    EXPECT_EQ(grid.GetRows(), 3);
    EXPECT_EQ(grid.GetName(1), "EQ-1");
}

TEST_F(FilterEditorTest, RightClickDeletesTheCurrentRowsFilterAfterConfirmation)
{
    CFilterEditGrid& grid = Grid(kKindEQ);
    Type(grid, 1, 1, "2");
    Type(grid, 2, 1, "3");
    std::vector<std::string> asked;
    bool confirm = false;
    grid.m_AskDeletion = [&](const std::string& name)
    {
        asked.push_back(name);
        return confirm;
    };
    grid.setCurrentCell(3, 1); // the "*" row: nothing
    grid.OnRButtonDown();
    grid.setCurrentCell(1, 1);
    grid.OnRButtonDown();
    EXPECT_EQ(asked, (std::vector<std::string>{"EQ-1"}));
    EXPECT_EQ(grid.GetName(1), "EQ-1");
    confirm = true;
    grid.OnRButtonDown();
    EXPECT_EQ(grid.GetName(1), "EQ-2");
    ASSERT_EQ(doc->m_FilterLists.m_EQFilters.GetSize(), 1);
    EXPECT_EQ(doc->m_FilterLists.m_EQFilters.GetAt(0)->GetLabel(), "EQ-2");
}

TEST_F(FilterEditorTest, HidingWritesBackAndShowingReturnsToThePage)
{
    sheet->setCurrentWidget(&sheet->Page(kKindTS));
    Type(Grid(kKindTS), 1, 2, "800");
    sheet->hide();
    ASSERT_EQ(doc->m_FilterLists.m_TrebleShelfFilters.GetSize(), 1);
    EXPECT_DOUBLE_EQ(doc->m_FilterLists.m_TrebleShelfFilters.GetAt(0)->GetCutFrequency(), 800.0);
    sheet->setCurrentIndex(0);
    sheet->show();
    EXPECT_EQ(sheet->currentWidget(), &sheet->Page(kKindTS));

    // Escape in the sheet closes the editor as its Close button does.
    Type(Grid(kKindTS), 1, 2, "900");
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(sheet.get(), &escape);
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_DOUBLE_EQ(doc->m_FilterLists.m_TrebleShelfFilters.GetAt(0)->GetCutFrequency(), 900.0);
}

// The editor in the application: Copy Generated Filters puts the calculated filters into
// the EQ grid with fresh output orders, and Draw Filters reads every grid.
TEST(FilterEditorInAppTest, GeneratedFiltersGoIntoTheEQGrid)
{
    TestApp();
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("morvane_fe_" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path start = fs::current_path();
    {
        CMorvaneApp app((folder / "profile.ini").string());
        ASSERT_TRUE(app.InitInstance({}, false));
        CMorvaneDoc& doc = *app.m_pMorvaneDoc;
        EXPECT_TRUE(app.GetCommandState(CMorvaneApp::ID_EDIT_FILTER_PARAMETERS).bEnabled);
        EXPECT_EQ(app.GetFilterEditor(), nullptr);
        EXPECT_FALSE(app.UpdateFiltersFromGrids());
        CFilterGridRows::SetNextOutputOrder(4);
        for (double centre : {500.0, 2000.0})
        {
            CDigEQFilterParams params;
            params.m_Gain = mwMatrix(-3.0);
            params.m_Bandwidth = mwMatrix(100.0);
            params.m_CenterFrequency = mwMatrix(centre);
            params.m_SampleRate = mwMatrix(double(doc.m_nSamplingFrequency));
            doc.m_CalculatedEQFilters.Add(std::make_unique<CDigEQFilter>())->SetParameters(params);
        }
        doc.OnEditCopyGeneratedFiltersToGrid();
        CUserCreatedFilters* sheet = app.GetFilterEditor();
        ASSERT_NE(sheet, nullptr);
        CFilterEditGrid& grid = sheet->Page(kKindEQ).Grid();
        EXPECT_EQ(grid.GetName(1), "EQ-1");
        EXPECT_EQ(grid.GetOutputOrder(1), 5);
        EXPECT_EQ(grid.GetName(2), "EQ-2");
        EXPECT_EQ(grid.GetOutputOrder(2), 6);
        EXPECT_DOUBLE_EQ(grid.GetCenterFrequency(2), 2000.0);
        ASSERT_EQ(doc.m_FilterLists.m_EQFilters.GetSize(), 2);
        EXPECT_TRUE(doc.m_FiltersDrawnMode.IsOn());
        // What the device data and the drawing read: the grids as they are now.
        grid.SetTextMatrix(1, 1, "-9");
        EXPECT_TRUE(app.UpdateFiltersFromGrids());
        EXPECT_DOUBLE_EQ(doc.m_FilterLists.m_EQFilters.GetAt(0)->GetGain(), -9.0);
        EXPECT_TRUE(app.GetCommandState(FilterKindInfo(kKindEQ).refreshCommand).bEnabled);
        app.ExitInstance();
    }
    fs::current_path(start);
    fs::remove_all(folder);
}
// Opening a filter parameter file: the grids hand out output orders above the highest one
// the file brings, so that a filter added afterwards never shares its order with a loaded
// one (of two filters with one order in the device data the sort, not the user, would
// decide which comes first in the chip's chain).
using ParameterFileOrderTest = AppWindowTest;

TEST_F(ParameterFileOrderTest, AFilterAddedAfterOpeningAParameterFileGetsAnOrderOfItsOwn)
{
    CScriptedFileDialogs dialogs;
    Services::SetFileDialogs(&dialogs);
    CMorvaneDoc& doc = *app->m_pMorvaneDoc;
    // A file of two filters of different kinds with the orders 1 and 2.
    const std::string path = folder.Path("two.par");
    doc.m_FilterLists.m_EQFilters.Add(std::make_unique<CDigEQFilter>())
        ->Parse("EQ-1, -3, 100, 1000, Yes, Yes, 2", doc.m_nSamplingFrequency);
    doc.m_FilterLists.m_TrebleShelfFilters.Add(std::make_unique<CDigTrebleShelf>())
        ->Parse("TS-1, 2, 5000, Yes, 1", doc.m_nSamplingFrequency);
    std::string error;
    ASSERT_TRUE(CFilterParameterFile().SaveFile(path, doc.m_FilterLists, error)) << error;
    doc.m_FilterLists.m_EQFilters.RemoveAll();
    doc.m_FilterLists.m_TrebleShelfFilters.RemoveAll();
    // Orders were handed out before in this run.
    CFilterGridRows::SetNextOutputOrder(9);

    dialogs.answers = {path};
    doc.OnFileOpenFilterParameterFile();
    Services::SetFileDialogs(nullptr);
    CUserCreatedFilters* sheet = app->GetFilterEditor();
    ASSERT_NE(sheet, nullptr);
    CFilterEditGrid& grid = sheet->Page(kKindEQ).Grid();
    ASSERT_EQ(grid.GetName(1), "EQ-1");
    EXPECT_EQ(grid.GetOutputOrder(1), 2);
    // A new EQ filter typed into the "*" row.
    sheet->setCurrentWidget(&sheet->Page(kKindEQ));
    TypeIntoCell(grid, 2, 1, "4");
    EXPECT_EQ(grid.GetOutputOrder(2), 3);
    // Its bandwidth and frequency too: a filter that cannot be designed is written nowhere.
    TypeIntoCell(grid, 2, 2, "100");
    TypeIntoCell(grid, 2, 3, "2000");
    EXPECT_EQ(grid.GetOutputOrder(2), 3);

    // The device data's filters: three, each with an order of its own.
    ASSERT_TRUE(app->UpdateFiltersFromGrids());
    CMatrixPtrArray listA, listB;
    std::vector<std::string> texts;
    COutputOrderArray orders;
    int count = 0;
    ASSERT_TRUE(CollectActiveFilters(doc.m_FilterLists, listA, listB, texts, orders, count));
    ASSERT_EQ(count, 3);
    std::set<int> distinct;
    for (int i = 0; i < orders.GetSize(); ++i)
        distinct.insert(orders.GetAt(i).m_nOrder);
    EXPECT_EQ(distinct, (std::set<int>{1, 2, 3}));
}
} // namespace
