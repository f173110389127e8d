#include "device/QtProcessLauncher.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace
{
// A folder with blanks in its name holding a copy of /bin/true as the tool.
class LauncherTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "morvane tool XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        std::filesystem::copy_file("/bin/true", KT47ProgramPath(folder));
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    std::string folder;
    CQtProcessLauncher launcher;
};
} // namespace

TEST_F(LauncherTest, StartsTheToolFromAFolderWithBlanks)
{
    std::string error;
    EXPECT_TRUE(StartKT47Tool(launcher, folder, error)) << error;
    EXPECT_TRUE(launcher.StartDetached(KT47ProgramPath(folder), {"a b", "c"}, folder));
}

TEST_F(LauncherTest, AProgramThatCannotStartIsReported)
{
    EXPECT_FALSE(launcher.StartDetached(folder + "/missing", {}, folder));
    const std::string notExecutable = folder + "/plain";
    std::ofstream(notExecutable) << "text";
    EXPECT_FALSE(launcher.StartDetached(notExecutable, {}, folder));

    std::filesystem::permissions(KT47ProgramPath(folder), std::filesystem::perms::owner_read);
    std::string error;
    EXPECT_FALSE(StartKT47Tool(launcher, folder, error));
    EXPECT_NE(error.find("could not be started"), std::string::npos) << error;
    EXPECT_FALSE(StartKT47Tool(launcher, folder + "/none", error));
    EXPECT_NE(error.find("was not found"), std::string::npos) << error;
}
