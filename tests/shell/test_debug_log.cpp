#include "shell/DebugLog.h"
#include "tests/support/NonRegularFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace
{
class DebugLogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_Folder = std::filesystem::temp_directory_path() /
                   ("morvane_debug_log_" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_Folder);
        m_Path = (m_Folder / CDebugLog::kFileName).string();
        std::filesystem::remove(m_Path);
    }
    void TearDown() override { std::filesystem::remove_all(m_Folder); }
    std::string Contents() const
    {
        std::ifstream in(m_Path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path m_Folder;
    std::string m_Path;
};

TEST_F(DebugLogTest, WithoutTheFileNothingIsCreatedAndWritesFail)
{
    CDebugLog log(m_Path.c_str());
    EXPECT_FALSE(log.IsOn());
    EXPECT_FALSE(log.Write("%d", 1));
    EXPECT_FALSE(std::filesystem::exists(m_Path));
}

TEST_F(DebugLogTest, AnExistingFileIsEmptiedAtOnceAndWritesAreFlushed)
{
    std::ofstream(m_Path) << "old run\n";
    CDebugLog log(m_Path.c_str());
    ASSERT_TRUE(log.IsOn());
    EXPECT_EQ(Contents(), "");
    EXPECT_TRUE(log.Write("pass %d: %.2f\n", 3, 1.5));
    // Readable before the log is closed.
    EXPECT_EQ(Contents(), "pass 3: 1.50\n");
    EXPECT_FALSE(log.Write("%s", ""));
}

TEST_F(DebugLogTest, APipeOrFolderOfTheLogsNameLeavesTheLogOffWithoutWaiting)
{
    const std::vector<std::string> paths = MakeNonRegularFiles(m_Folder.string());
    for (const std::string& path : paths)
    {
        bool bOn = true;
        ASSERT_TRUE(ReturnsWithoutWaiting([&] { bOn = CDebugLog(path.c_str()).IsOn(); }, paths))
            << path;
        EXPECT_FALSE(bOn) << path;
    }
}
} // namespace
