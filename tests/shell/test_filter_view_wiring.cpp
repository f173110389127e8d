// The filter views in the application window, offscreen: each speaker filter frame gets
// its view on start-up, the document finds them, and command 32795 ends a view's readout.
#include "../framework/QtTestApp.h"
#include "document/MorvaneDoc.h"
#include "framework/core/Services.h"
#include "shell/filtereditor/UserCreatedFilters.h"
#include "shell/ui/FilterMDIChild.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MorvaneApp.h"
#include "shell/ui/PhaseFilterMDIChild.h"
#include "shell/ui/QtServices.h"
#include "shell/views/FilterView.h"
#include "shell/views/PhaseFilterView.h"
#include "tests/document/CalculationFixture.h"
#include "tests/shell/AppWindowFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <unistd.h>

namespace fs = std::filesystem;

// The application started in a temporary profile folder, with its two filter views.
class FilterViewWiringTest : public AppWindowTest
{
protected:
    void SetUp() override
    {
        AppWindowTest::SetUp();
        pFilterView = dynamic_cast<CFilterView*>(app->m_pFilterMDI->GetView());
        pPhaseView = dynamic_cast<CPhaseFilterView*>(app->m_pPhaseFilterMDI->GetView());
        ASSERT_NE(pFilterView, nullptr);
        ASSERT_NE(pPhaseView, nullptr);
    }
    CFilterView* pFilterView = nullptr;
    CPhaseFilterView* pPhaseView = nullptr;
};

TEST_F(FilterViewWiringTest, TheFilterFramesShowTheFilterViewsOfTheDocument)
{
    EXPECT_EQ(app->m_pMorvaneDoc->m_pFilterView, pFilterView);
    EXPECT_EQ(app->m_pMorvaneDoc->m_pPhaseFilterView, pPhaseView);

    pFilterView->m_CurveEdit.m_TooltipsOffMode.TurnOn();
    pFilterView->m_CurveEdit.m_ReadyToFollowMode.TurnOff();
    app->SendFrameCommand(ESpeakerFrame::Filter, 32795);
    EXPECT_TRUE(pFilterView->m_CurveEdit.m_TooltipsOffMode.IsOff());
    EXPECT_TRUE(pFilterView->m_CurveEdit.m_ReadyToFollowMode.IsOn());

    // The graphical edit modes are offered once the view can carry out its edits, which
    // the application gives it.
    app->m_pMorvaneDoc->m_FiltersDrawnMode.TurnOn();
    EXPECT_TRUE(app->GetCommandState(32823).bEnabled);
    pFilterView->m_EditActions.deleteFilter = nullptr;
    EXPECT_FALSE(app->GetCommandState(32823).bEnabled);
}

// A filter's curve deleted in the window, once the grid's question is answered with OK,
// leaves the grid, the document's list, and both filter views.
TEST_F(FilterViewWiringTest, ConfirmedDeleteInTheViewRemovesTheFilter)
{
    CMorvaneDoc& doc = *app->m_pMorvaneDoc;
    app->m_pMainFrame->OnEditFilterParameters();
    CUserCreatedFilters* sheet = app->GetFilterEditor();
    ASSERT_NE(sheet, nullptr);
    for (int n = 1; n <= 2; ++n)
        doc.m_FilterLists.m_EQFilters.Add(MakeEQ(6.0, 100.0, 1000.0 * n, true, true, n));
    CFilterEditGrid& grid = sheet->Page(kKindEQ).Grid();
    sheet->Page(kKindEQ).FiltersToGrid();
    doc.OnViewDrawFilters();
    ASSERT_EQ(pFilterView->GetCurves().size(), 2u);

    bool bConfirm = false;
    grid.m_AskDeletion = [&](const std::string&) { return bConfirm; };
    CCurve* pSecond = pFilterView->GetCurves()[1];
    ASSERT_EQ(pSecond->GetName(), "EQ-2");
    EXPECT_FALSE(pFilterView->DeleteFilterCurve(pSecond));
    EXPECT_EQ(doc.m_FilterLists.m_EQFilters.GetSize(), 2);
    EXPECT_EQ(pFilterView->GetCurves().size(), 2u);

    bConfirm = true;
    EXPECT_TRUE(pFilterView->DeleteFilterCurve(pSecond));
    ASSERT_EQ(doc.m_FilterLists.m_EQFilters.GetSize(), 1);
    EXPECT_EQ(doc.m_FilterLists.m_EQFilters.GetAt(0)->GetLabel(), "EQ-1");
    EXPECT_EQ(grid.GetName(1), "EQ-1");
    EXPECT_NE(grid.GetName(2), "EQ-2");
    ASSERT_EQ(pFilterView->GetCurves().size(), 1u);
    EXPECT_EQ(pPhaseView->GetCurves().size(), 1u);
}
