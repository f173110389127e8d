// The application window for tests of the design windows: the window 1200 by 800 pixels,
// file dialogs scripted besides the recorded messages, and the Design commands per device.
#pragma once

#include "shell/ui/MDIChildFrame.h"
#include "shell/ui/MainFrm.h"
#include "tests/shell/AppWindowFixture.h"

#include <QCoreApplication>
#include <QMdiArea>

#include <filesystem>
#include <initializer_list>

class DesignAppTest : public AppWindowTest
{
protected:
    void SetUp() override
    {
        AppWindowTest::SetUp();
        app->m_pMainFrame->resize(1200, 800);
        Services::SetFileDialogs(&m_Dialogs);
    }
    void TearDown() override
    {
        AppWindowTest::TearDown();
        Services::SetFileDialogs(nullptr);
    }
    // The test's folder, where its files go.
    std::filesystem::path Folder() const { return folder.Root(); }

    // Selects the device and runs the Design command; the frame of the window shown.
    CMDIChildFrame* Open(int device, int design)
    {
        EXPECT_TRUE(app->ExecuteCommand(device));
        EXPECT_TRUE(app->ExecuteCommand(design));
        QCoreApplication::processEvents();
        return dynamic_cast<CMDIChildFrame*>(app->m_pMainFrame->GetMDIClient()->currentSubWindow());
    }
    // For each device, whether each of three Design commands is enabled once the device
    // is selected.
    struct CDeviceRow
    {
        int device;
        bool enabled[3];
    };
    void ExpectDesignStates(const int (&designs)[3], std::initializer_list<CDeviceRow> rows)
    {
        for (const CDeviceRow& row : rows)
        {
            ASSERT_TRUE(app->ExecuteCommand(row.device));
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(app->GetCommandState(designs[i]).bEnabled, row.enabled[i])
                    << "device " << row.device << ", command " << designs[i];
        }
    }

    CScriptedFileDialogs m_Dialogs;
};
