// The save routine every file goes through: old file or complete new file, through links,
// keeping the target's permissions, refusing read-only targets, never touching the umask.
#include "graph/BinaryStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

namespace
{
namespace fs = std::filesystem;

class ReplaceFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "morvane-save-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_Folder = pattern;
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(m_Folder, ec);
    }

    std::string Path(const std::string& name) const { return (m_Folder / name).string(); }

    static bool Save(const std::string& path, const std::string& text, std::string& error)
    {
        const auto* p = reinterpret_cast<const std::uint8_t*>(text.data());
        return ReplaceFile(path, std::span<const std::uint8_t>(p, text.size()), error);
    }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void Write(const std::string& path, const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    static mode_t Mode(const std::string& path)
    {
        struct stat st;
        return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
    }
    // The names in the folder: no temporary file may be left behind.
    std::vector<std::string> FolderNames() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_Folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path m_Folder;
};

using Names = std::vector<std::string>;

TEST_F(ReplaceFileTest, NewFileGetsTheUmaskAppliedAndTheUmaskStaysAsItWas)
{
    const mode_t before = ::umask(027);
    std::string error;
    ASSERT_TRUE(Save(Path("new.txt"), "abc", error)) << error;
    const mode_t during = ::umask(before);
    EXPECT_EQ(during, mode_t(027));
    EXPECT_EQ(Mode(Path("new.txt")), mode_t(0640));
    EXPECT_EQ(Read(Path("new.txt")), "abc");
    EXPECT_EQ(FolderNames(), Names{"new.txt"});
}

TEST_F(ReplaceFileTest, ReplacedFileKeepsItsPermissionBits)
{
    for (const mode_t mode : {mode_t(0600), mode_t(0640), mode_t(0664), mode_t(0755)})
    {
        const std::string path = Path("kept.txt");
        Write(path, "old");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        std::string error;
        ASSERT_TRUE(Save(path, "new", error)) << error;
        EXPECT_EQ(Mode(path), mode) << std::oct << mode;
        EXPECT_EQ(Read(path), "new");
    }
    EXPECT_EQ(FolderNames(), Names{"kept.txt"});
}

TEST_F(ReplaceFileTest, ReadOnlyTargetIsRefusedAndLeftAlone)
{
    const std::string path = Path("locked.txt");
    Write(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    std::string error;
    EXPECT_FALSE(Save(path, "new", error));
    EXPECT_EQ(error, "Cannot write \"" + path + "\": the file is read-only.");
    EXPECT_EQ(Read(path), "old");
    EXPECT_EQ(Mode(path), mode_t(0444));
    EXPECT_EQ(FolderNames(), Names{"locked.txt"});
}

TEST_F(ReplaceFileTest, SavesThroughALinkIntoTheFileItNames)
{
    fs::create_directory(m_Folder / "data");
    const std::string real = Path("data/real.txt");
    Write(real, "old");
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    // A relative link, taken from the link's own folder, and a link to that link.
    fs::create_symlink("data/real.txt", m_Folder / "link.txt");
    fs::create_symlink("link.txt", m_Folder / "link2.txt");
    std::string error;
    ASSERT_TRUE(Save(Path("link2.txt"), "new", error)) << error;
    EXPECT_TRUE(fs::is_symlink(m_Folder / "link.txt"));
    EXPECT_TRUE(fs::is_symlink(m_Folder / "link2.txt"));
    EXPECT_EQ(Read(real), "new");
    EXPECT_EQ(Mode(real), mode_t(0640));
    EXPECT_EQ(FolderNames(), (Names{"data", "link.txt", "link2.txt"}));
    EXPECT_EQ(fs::directory_iterator(m_Folder / "data")->path().filename(), "real.txt");
}

TEST_F(ReplaceFileTest, LinkToAFileNotYetThereCreatesIt)
{
    fs::create_symlink("made.txt", m_Folder / "link.txt");
    std::string error;
    ASSERT_TRUE(Save(Path("link.txt"), "abc", error)) << error;
    EXPECT_TRUE(fs::is_symlink(m_Folder / "link.txt"));
    EXPECT_EQ(Read(Path("made.txt")), "abc");
}

TEST_F(ReplaceFileTest, LoopOfLinksAndLinkToAReadOnlyFileAreRefused)
{
    fs::create_symlink("b", m_Folder / "a");
    fs::create_symlink("a", m_Folder / "b");
    std::string error;
    EXPECT_FALSE(Save(Path("a"), "abc", error));
    EXPECT_NE(error.find("Cannot write"), std::string::npos) << error;

    Write(Path("locked.txt"), "old");
    ASSERT_EQ(::chmod(Path("locked.txt").c_str(), 0444), 0);
    fs::create_symlink("locked.txt", m_Folder / "to-locked");
    EXPECT_FALSE(Save(Path("to-locked"), "new", error));
    EXPECT_EQ(Read(Path("locked.txt")), "old");
    EXPECT_TRUE(fs::is_symlink(m_Folder / "to-locked"));
}

TEST_F(ReplaceFileTest, FolderOrDeviceIsNotReplaced)
{
    fs::create_directory(m_Folder / "sub");
    std::string error;
    EXPECT_FALSE(Save(Path("sub"), "abc", error));
    EXPECT_TRUE(fs::is_directory(m_Folder / "sub"));
    // A link to a device must not turn the device into a regular file.
    fs::create_symlink("/dev/null", m_Folder / "null");
    EXPECT_FALSE(Save(Path("null"), "abc", error));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(FolderNames(), (Names{"null", "sub"}));
}

// A file system that fills up while the file is written, made with the file-size limit of
// this process: the write fails part way, the old file stays whole, nothing is left behind.
TEST_F(ReplaceFileTest, FailingWriteLeavesTheOldFile)
{
    const std::string path = Path("full.txt");
    Write(path, "old");
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool saved_ok = Save(path, std::string(100000, 'x'), error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(saved_ok);
    EXPECT_EQ(error.rfind("Cannot write \"" + path + "\": ", 0), 0u) << error;
    EXPECT_EQ(Read(path), "old");
    EXPECT_EQ(FolderNames(), Names{"full.txt"});
}

TEST_F(ReplaceFileTest, MissingFolderIsReported)
{
    std::string error;
    EXPECT_FALSE(Save(Path("no/such/folder.txt"), "abc", error));
    EXPECT_EQ(error.rfind("Cannot create a temporary file for", 0), 0u) << error;
}
} // namespace
