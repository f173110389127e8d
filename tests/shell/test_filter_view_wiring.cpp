// The filter views in the application window, offscreen: each speaker filter frame gets
// its view on start-up, the document finds them, and command 32795 ends a view's readout.
#include "../framework/QtTestApp.h"
#include "document/MorvaneDoc.h"
#include "framework/core/Services.h"
#include "shell/ui/FilterMDIChild.h"
#include "shell/ui/MorvaneApp.h"
#include "shell/ui/PhaseFilterMDIChild.h"
#include "shell/ui/QtServices.h"
#include "shell/views/FilterView.h"
#include "shell/views/PhaseFilterView.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(FilterViewWiringTest, TheFilterFramesShowTheFilterViewsOfTheDocument)
{
    TestApp();
    const fs::path start = fs::current_path();
    const fs::path folder =
        fs::temp_directory_path() / ("morvane_filter_wiring_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    CRecordingMessageBox messages;
    {
        CMorvaneApp app((folder / "profile.ini").string());
        ASSERT_TRUE(app.InitInstance({}, false));
        Services::SetMessageBox(&messages);
        auto* pFilterView = dynamic_cast<CFilterView*>(app.m_pFilterMDI->GetView());
        auto* pPhaseView = dynamic_cast<CPhaseFilterView*>(app.m_pPhaseFilterMDI->GetView());
        ASSERT_NE(pFilterView, nullptr);
        ASSERT_NE(pPhaseView, nullptr);
        EXPECT_EQ(app.m_pMorvaneDoc->m_pFilterView, pFilterView);
        EXPECT_EQ(app.m_pMorvaneDoc->m_pPhaseFilterView, pPhaseView);

        pFilterView->m_CurveEdit.m_TooltipsOffMode.TurnOn();
        pFilterView->m_CurveEdit.m_ReadyToFollowMode.TurnOff();
        app.SendFrameCommand(ESpeakerFrame::Filter, 32795);
        EXPECT_TRUE(pFilterView->m_CurveEdit.m_TooltipsOffMode.IsOff());
        EXPECT_TRUE(pFilterView->m_CurveEdit.m_ReadyToFollowMode.IsOn());

        // The graphical edit modes are offered only once the view can carry out its edits.
        app.m_pMorvaneDoc->m_FiltersDrawnMode.TurnOn();
        EXPECT_FALSE(app.GetCommandState(32823).bEnabled);
        pFilterView->m_EditActions.deleteFilter = [](const std::string&) { return true; };
        EXPECT_TRUE(app.GetCommandState(32823).bEnabled);
        app.ExitInstance();
    }
    Services::SetMessageBox(nullptr);
    fs::current_path(start);
    fs::remove_all(folder);
}
