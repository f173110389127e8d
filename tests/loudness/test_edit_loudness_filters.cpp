// The Edit Loudness Filters sheet offscreen: its pages and grids, registration with its own
// family's manager only, and what a sheet that goes leaves registered.
#include "../framework/QtTestApp.h"
#include "LoudnessManagersFixture.h"
#include "framework/core/Services.h"
#include "loudness/QZX2202LoudnessManager.h"
#include "loudness/QZX2410_LoudnessManager.h"
#include "loudness/ui/EditLoudnessFilters.h"
#include "loudness/ui/LoudnessGrid.h"

#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace
{
class EditLoudnessFiltersTest : public LoudnessManagersTest<CFlatSectionDesigner>
{
protected:
    void SetUp() override
    {
        TestApp();
        LoudnessManagersTest::SetUp();
    }
    static std::vector<std::string> Rows(const CLoudnessGrid& grid)
    {
        std::vector<std::string> names;
        for (int r = 1; r < grid.GetRows(); ++r)
            names.push_back(grid.GetTextMatrix(r, 0));
        return names;
    }
};
} // namespace

TEST_F(EditLoudnessFiltersTest, AnUnfinishedOrDestroyedSheetLeavesNoGridRegistered)
{
    {
        CEditLoudnessFilters sheet(m_2202);
        for (int kind = 0; kind < kLoudnessKindCount; ++kind)
            EXPECT_EQ(m_2202.Grid(kind), nullptr);
        sheet.RegisterGrids();
        for (int kind = 0; kind < kLoudnessKindCount; ++kind)
        {
            EXPECT_EQ(m_2202.Grid(kind), &sheet.Page(kind).Grid());
            EXPECT_EQ(m_2410.Grid(kind), nullptr);
        }
    }
    for (int kind = 0; kind < kLoudnessKindCount; ++kind)
        EXPECT_EQ(m_2202.Grid(kind), nullptr);
    // The manager goes on without grids.
    std::string name;
    EXPECT_TRUE(m_2202.AddBassBasedFilter(3, 100, 1, 1, name));
    EXPECT_TRUE(m_2202.RemoveLoudnessFilter(name));
}

TEST_F(EditLoudnessFiltersTest, ANewSheetShowsWhatItsManagerHolds)
{
    std::string name;
    ASSERT_TRUE(m_2410.AddTrebleBasedFilter(3, 5000, 1, 1, name));
    ASSERT_TRUE(m_2410.AddTrebleBasedFilter(4, 6000, 1, 1, name));
    CEditLoudnessFilters sheet(m_2410);
    sheet.RegisterGrids();
    EXPECT_EQ(Rows(sheet.Page(kLoudnessTrebleBased).Grid()),
              (std::vector<std::string>{"LDTS-1", "LDTS-2"}));
    EXPECT_TRUE(Rows(sheet.Page(kLoudnessEQBased).Grid()).empty());
    EXPECT_EQ(sheet.Page(kLoudnessEQBased).windowTitle(), "EQ Based Filters");
    EXPECT_EQ(sheet.Page(kLoudnessCoeff).windowTitle(), "User Input Loudness Coefficient Filters");
    ASSERT_TRUE(m_2410.AddTrebleBasedFilter(5, 7000, 1, 1, name));
    EXPECT_EQ(Rows(sheet.Page(kLoudnessTrebleBased).Grid()).size(), 3u);
    sheet.Page(kLoudnessTrebleBased).findChild<QPushButton*>("clear")->click();
    EXPECT_EQ(Rows(sheet.Page(kLoudnessTrebleBased).Grid()), std::vector<std::string>{"*"});
}

TEST_F(EditLoudnessFiltersTest, ThePopupOffersItsThreeCommandsOnFilterRowsOnly)
{
    CEditLoudnessFilters sheet(m_2202);
    sheet.RegisterGrids();
    std::string name;
    ASSERT_TRUE(m_2202.AddLoudnessCoefficients(0.5, 0, 0, 0, 0, 1, 1, name));
    CLoudnessGrid& grid = sheet.Page(kLoudnessCoeff).Grid();
    std::vector<std::string> offered;
    grid.m_TrackPopup = [&offered](QMenu& menu, const QPoint&) -> QAction*
    {
        for (QAction* action : menu.actions())
            offered.push_back(action->text().toStdString());
        return nullptr;
    };
    EXPECT_FALSE(grid.ShowPopup(0, {}));
    EXPECT_FALSE(grid.ShowPopup(2, {}));
    EXPECT_TRUE(offered.empty());
    EXPECT_TRUE(grid.ShowPopup(1, {}));
    EXPECT_EQ(offered,
              (std::vector<std::string>{"&Edit", "&Add Loudness Coefficients to QZX2XXX Data File",
                                        "&Delete Loudness Coefficients"}));
    EXPECT_EQ(m_2202.List(kLoudnessCoeff)->GetSize(), 1);
}
