// The real application window (offscreen) for tests of its windows: the program started on
// a settings file of its own in a temporary folder (the window 1200 by 800 pixels), with
// messages and file dialogs recorded; the folder is removed and the start folder restored
// afterwards.
#pragma once

#include "framework/core/Services.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MorvaneApp.h"
#include "tests/framework/QtTestApp.h"

#include <QCoreApplication>
#include <QMdiArea>

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>

#include <unistd.h>

class AppWindowTest : public ::testing::Test
{
protected:
    // prefix: the start of the temporary folder's name.
    explicit AppWindowTest(const char* prefix) : m_pPrefix(prefix) {}

    void SetUp() override
    {
        TestApp();
        m_StartFolder = std::filesystem::current_path();
        m_Folder = std::filesystem::temp_directory_path() /
                   (std::string(m_pPrefix) + std::to_string(::getpid()));
        std::filesystem::remove_all(m_Folder);
        std::filesystem::create_directories(m_Folder);
        m_pApp = std::make_unique<CMorvaneApp>((m_Folder / "profile.ini").string());
        ASSERT_TRUE(m_pApp->InitInstance({}, false));
        m_pApp->m_pMainFrame->resize(1200, 800);
        Services::SetMessageBox(&m_Messages);
        Services::SetFileDialogs(&m_Dialogs);
    }
    void TearDown() override
    {
        m_pApp->ExitInstance();
        m_pApp.reset();
        Services::SetMessageBox(nullptr);
        Services::SetFileDialogs(nullptr);
        std::filesystem::current_path(m_StartFolder);
        std::filesystem::remove_all(m_Folder);
    }

    // Selects the device and runs the Design command; the frame of the window shown.
    CMDIChildFrame* Open(int device, int design)
    {
        EXPECT_TRUE(m_pApp->ExecuteCommand(device));
        EXPECT_TRUE(m_pApp->ExecuteCommand(design));
        QCoreApplication::processEvents();
        return dynamic_cast<CMDIChildFrame*>(
            m_pApp->m_pMainFrame->GetMDIClient()->currentSubWindow());
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
            ASSERT_TRUE(m_pApp->ExecuteCommand(row.device));
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(m_pApp->GetCommandState(designs[i]).bEnabled, row.enabled[i])
                    << "device " << row.device << ", command " << designs[i];
        }
    }

    const char* m_pPrefix;
    std::filesystem::path m_StartFolder;
    std::filesystem::path m_Folder;
    std::unique_ptr<CMorvaneApp> m_pApp;
    CRecordingMessageBox m_Messages;
    CScriptedFileDialogs m_Dialogs;
};
