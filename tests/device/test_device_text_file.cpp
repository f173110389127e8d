#include "../support/TestFiles.h"
#include "device/DeviceTextFile.h"
#include "framework/core/Services.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace
{
class DeviceTextFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_Folder = std::filesystem::temp_directory_path() /
                   ("morvane_device_text_" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_Folder);
        Services::SetFileDialogs(&m_Dialogs);
        Services::SetMessageBox(&m_Box);
        Services::SetWorkingDirectory(&m_Directory);
    }
    void TearDown() override
    {
        Services::SetFileDialogs(nullptr);
        Services::SetMessageBox(nullptr);
        Services::SetWorkingDirectory(nullptr);
        std::filesystem::remove_all(m_Folder);
    }
    std::filesystem::path m_Folder;
    CScriptedFileDialogs m_Dialogs;
    CRecordingMessageBox m_Box;
    CMemoryWorkingDirectory m_Directory{"/start"};
};
} // namespace

TEST_F(DeviceTextFileTest, WritesCrLfAndMovesTheWorkingDirectory)
{
    const auto path = m_Folder / "a.drc";
    m_Dialogs.answers = {path.string()};
    ASSERT_TRUE(AskAndWriteDeviceTextFile(".drc", "filter", "a\nb\n"));
    EXPECT_EQ(ReadFileBytes(path.string()), "a\r\nb\r\n");
    ASSERT_EQ(m_Dialogs.requests.size(), 1u);
    EXPECT_EQ(m_Dialogs.requests[0].initialDirectory, "/start");
    EXPECT_TRUE(m_Dialogs.requests[0].overwritePrompt);
    EXPECT_EQ(m_Directory.Get(), m_Folder.string());
}

TEST_F(DeviceTextFileTest, CancelWritesNothingAndAFailedWriteIsReported)
{
    EXPECT_FALSE(AskAndWriteDeviceTextFile(".drc", "filter", "a\n"));
    EXPECT_TRUE(m_Box.texts.empty());
    m_Dialogs.answers = {"", (m_Folder / "missing" / "a.drc").string()};
    EXPECT_FALSE(AskAndWriteDeviceTextFile(".drc", "filter", "a\n"));
    EXPECT_EQ(m_Box.texts.size(), 1u);
}
