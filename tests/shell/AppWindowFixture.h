// The application window started offscreen in a temporary profile folder, with a recording
// message box; the program is ended and the start folder restored after each test.
#pragma once

#include "../framework/QtTestApp.h"

#include "framework/core/Services.h"
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
        TestApp();
        app = std::make_unique<CMorvaneApp>(folder.Path("profile.ini"));
        ASSERT_TRUE(app->InitInstance({}, false));
        Services::SetMessageBox(&messages);
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
