// The speaker phase view in the application window, offscreen: the phase frame shows it
// on the document's start-up response, its readout waits while the frame has a resize
// pending, the document's "Turn off Display Coordinates Only" reaches the views, and
// printing follows the active window.
#include "../framework/QtTestApp.h"

#include "document/MorvaneDoc.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MorvaneApp.h"
#include "shell/ui/PhaseMDIChild.h"
#include "shell/ui/ResponseMDIChild.h"
#include "shell/views/MorvaneView.h"
#include "shell/views/PhaseView.h"
#include "tests/shell/GraphPixels.h"

#include <QMdiArea>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include <unistd.h>

namespace
{
namespace fs = std::filesystem;

class PhaseViewWiringTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApp();
        start = fs::current_path();
        folder = fs::temp_directory_path() / ("morvane_phase_" + std::to_string(::getpid()));
        fs::create_directories(folder);
        app = std::make_unique<CMorvaneApp>((folder / "profile.ini").string());
        ASSERT_TRUE(app->InitInstance({}, false));
        phase = dynamic_cast<CPhaseView*>(app->m_pPhaseMDI->GetView());
        response = dynamic_cast<CMorvaneView*>(app->m_pResponseMDI->GetView());
        ASSERT_NE(phase, nullptr);
        ASSERT_NE(response, nullptr);
    }
    void TearDown() override
    {
        app->ExitInstance();
        app.reset();
        fs::current_path(start);
        fs::remove_all(folder);
    }
    // Lays the view's canvas out as a paint does and picks the curve under point i.
    template <class View> void Follow(View& view, const CCurve& curve, long i)
    {
        view.Redraw(true);
        view.OnLButtonDown(PixelOfPoint(view.GetGraph(), curve, i));
        ASSERT_TRUE(view.m_CurveEdit.m_TooltipsOffMode.IsOn());
    }

    fs::path start, folder;
    std::unique_ptr<CMorvaneApp> app;
    CPhaseView* phase = nullptr;
    CMorvaneView* response = nullptr;
};
} // namespace

TEST_F(PhaseViewWiringTest, ThePhaseFrameShowsThePhaseOfTheStartUpResponse)
{
    EXPECT_EQ(app->m_pMorvaneDoc->m_pPhaseView, phase);
    EXPECT_TRUE(phase->m_PhaseCurveMode.IsOn());
    EXPECT_EQ(phase->m_PhaseCurve.GetTotalPoints(), app->m_pMorvaneDoc->m_nRawPoints);

    // Print follows the active window: the phase window once it is active.
    app->ApplyArrangement(CMorvaneApp::ID_VIEW_PHASE_WINDOWS);
    app->m_pMainFrame->GetMDIClient()->setActiveSubWindow(app->m_pPhaseMDI);
    EXPECT_TRUE(app->GetCommandState(CMorvaneApp::ID_FILE_PRINT).bEnabled);
}

TEST_F(PhaseViewWiringTest, TheReadoutWaitsWhileThePhaseFrameHasAResizePending)
{
    Follow(*phase, phase->m_PhaseCurve, 2000);
    const double x = phase->m_CoordDisplay.m_DataPoint.x;
    const CPoint later = PixelOfPoint(phase->GetGraph(), phase->m_PhaseCurve, 8000);
    app->m_bPhaseTimerOn = 1;
    phase->OnMouseMove(later);
    EXPECT_DOUBLE_EQ(phase->m_CoordDisplay.m_DataPoint.x, x);
    app->m_bPhaseTimerOn = 0;
    phase->OnMouseMove(later);
    EXPECT_GT(phase->m_CoordDisplay.m_DataPoint.x, x);
}

TEST_F(PhaseViewWiringTest, TurningOffDisplayCoordinatesClearsTheResponseReadout)
{
    Follow(*response, response->m_RawCurve, 3000);
    app->SendFrameCommand(ESpeakerFrame::Response, 32795);
    EXPECT_TRUE(response->m_CurveEdit.m_TooltipsOffMode.IsOff());
    EXPECT_TRUE(response->m_CurveEdit.m_ReadyToFollowMode.IsOn());
    response->Redraw(false);
    EXPECT_EQ(response->m_CoordDisplay.GetState(), CCoordDisplay::kOff);
}
