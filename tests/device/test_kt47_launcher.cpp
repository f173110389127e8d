#include "device/KT47Launcher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace
{
// A folder with a blank in its name holding a KT47.EXE.
std::string ToolFolder()
{
    const std::filesystem::path folder =
        std::filesystem::path(::testing::TempDir()) / "kt47 tool folder";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "KT47.EXE") << "tool";
    return folder.string();
}
} // namespace

TEST(KT47Launcher, StartsTheProgramInItsFolderWithoutArguments)
{
    const std::string folder = ToolFolder();
    CRecordingProcessLauncher launcher;
    std::string error;
    ASSERT_TRUE(StartKT47Tool(launcher, folder, error)) << error;
    ASSERT_EQ(launcher.m_Starts.size(), 1u);
    EXPECT_EQ(launcher.m_Starts[0].program, folder + "/KT47.EXE");
    EXPECT_TRUE(launcher.m_Starts[0].args.empty());
    EXPECT_EQ(launcher.m_Starts[0].workingDirectory, folder);
}

TEST(KT47Launcher, MissingProgramAndFailedStartAreReported)
{
    CRecordingProcessLauncher launcher;
    std::string error;
    EXPECT_FALSE(StartKT47Tool(launcher, "/nonexistent/kt47", error));
    EXPECT_NE(error.find("/nonexistent/kt47/KT47.EXE was not found"), std::string::npos);
    EXPECT_TRUE(launcher.m_Starts.empty());

    launcher.m_bResult = false;
    error.clear();
    EXPECT_FALSE(StartKT47Tool(launcher, ToolFolder(), error));
    EXPECT_NE(error.find("could not be started"), std::string::npos);
    EXPECT_EQ(launcher.m_Starts.size(), 1u);
}
