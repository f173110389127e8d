// The application window started offscreen in a temporary profile folder, with a recording
// message box, under the program's own QApplication; the program is ended and the start
// folder restored after each test.
#pragma once

#include "../framework/QtTestApp.h"

#include "framework/core/Services.h"
#include "shell/ui/GuardedApplication.h"
#include "shell/ui/MorvaneApp.h"
#include "tests/document/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

class AppWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApp<CGuardedApplication>();
        app = MakeApp();
        ASSERT_TRUE(app->InitInstance({}, false));
        Services::SetMessageBox(&messages);
    }
    // The application under test; a test of injected faults makes a double of it.
    virtual std::unique_ptr<CMorvaneApp> MakeApp()
    {
        return std::make_unique<CMorvaneApp>(folder.Path("profile.ini"));
    }
    void TearDown() override
    {
        if (app)
            app->ExitInstance();
        app.reset();
        Services::SetMessageBox(nullptr);
        std::filesystem::current_path(start);
    }

    const std::filesystem::path start = std::filesystem::current_path();
    TempFolder folder;
    CRecordingMessageBox messages;
    std::unique_ptr<CMorvaneApp> app;
};

// The application window with scripted file dialogs and its speaker document at hand.
class AppDocumentTest : public AppWindowTest
{
protected:
    void SetUp() override
    {
        AppWindowTest::SetUp();
        Services::SetFileDialogs(&dialogs);
        doc = app->m_pMorvaneDoc;
        ASSERT_NE(doc, nullptr);
    }
    void TearDown() override
    {
        AppWindowTest::TearDown();
        Services::SetFileDialogs(nullptr);
    }
    // Lets the window handle what is waiting: paints, layouts, queued calls.
    static void Settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

    CScriptedFileDialogs dialogs;
    CMorvaneDoc* doc = nullptr;
};
