// The memory the system can still give, read from a fixture tree of the kernel's files:
// the smallest headroom of the program's control group and every group above it, in the
// unified hierarchy, the version 1 memory controller and the hybrid layout of both, and
// the kernel's available memory when that is smaller; and what the program's own limits of
// address space and data leave.
#include "document/SystemMemory.h"

#include "document/ControlGroupFiles.h"
#include "tests/document/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <vector>

namespace
{
constexpr std::uint64_t kUnknown = ~std::uint64_t(0);
// Version 1's "no limit": the largest signed 64-bit number rounded down to a page.
constexpr const char* kNoLimit4KiB = "9223372036854771712\n";
constexpr const char* kNoLimit64KiB = "9223372036854710272\n";
// Put in place of a file's text, makes a folder of that name: it opens but cannot be read.
constexpr const char* kFolder = "<folder>";

constexpr const char* kMeminfo = "MemTotal:       16000000 kB\n"
                                 "MemFree:         1000000 kB\n"
                                 "MemAvailable:    8000000 kB\n"
                                 "HugePages_Total:       0\n";
constexpr std::uint64_t kMemAvailable = 8000000ull * 1024;

// The unified hierarchy alone, as systemd mounts it.
constexpr const char* kUnifiedMounts =
    "22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
    "25 22 0:22 / /sys/fs/cgroup rw,nosuid,nodev,noexec,relatime shared:9 - cgroup2 cgroup2 "
    "rw,nsdelegate,memory_recursiveprot\n";
constexpr const char* kUnifiedGroup = "0::/user.slice/user-1000.slice/app.scope\n";
const std::string kApp = "sys/fs/cgroup/user.slice/user-1000.slice/app.scope/";
const std::string kUserSlice = "sys/fs/cgroup/user.slice/user-1000.slice/";
const std::string kUser = "sys/fs/cgroup/user.slice/";

// Version 1 hierarchies in a tmpfs, one of them with the memory controller.
constexpr const char* kVersionOneMounts =
    "32 23 0:29 / /sys/fs/cgroup rw,relatime - tmpfs tmpfs rw,mode=755\n"
    "33 32 0:30 / /sys/fs/cgroup/cpu rw,relatime - cgroup cgroup rw,cpu\n"
    "36 32 0:33 / /sys/fs/cgroup/memory rw,relatime shared:15 - cgroup cgroup rw,memory\n";
constexpr const char* kVersionOneGroup = "4:memory:/process_api/abc\n1:cpu:/\n0::/\n";
const std::string kV1Group = "sys/fs/cgroup/memory/process_api/abc/";
const std::string kV1Parent = "sys/fs/cgroup/memory/process_api/";
const std::string kV1Root = "sys/fs/cgroup/memory/";

// A container's view: the memory hierarchy mounted from the container's own group.
constexpr const char* kContainerMounts =
    "36 32 0:33 /docker/abc /sys/fs/cgroup/memory ro,nosuid - cgroup cgroup rw,memory\n";

// The hybrid layout: version 1 hierarchies, the unified one under /sys/fs/cgroup/unified.
const std::string kHybridMounts =
    std::string(kVersionOneMounts) +
    "42 32 0:39 / /sys/fs/cgroup/unified rw,relatime shared:4 - cgroup2 cgroup2 rw\n";
constexpr const char* kHybridGroup =
    "4:memory:/user.slice/app\n1:name=systemd:/user.slice/app\n0::/user.slice/app\n";

struct TreeFile
{
    std::string path; // below the root
    std::string text; // kFolder for a folder
};

struct MemoryCase
{
    std::string name;
    std::vector<TreeFile> files;
    std::uint64_t expected;
};

std::ostream& operator<<(std::ostream& out, const MemoryCase& c)
{
    return out << c.name;
}

// Writes the files in their order: a later file of the same path replaces an earlier one.
void WriteTree(const std::string& root, const std::vector<TreeFile>& files)
{
    for (const TreeFile& file : files)
    {
        const std::filesystem::path path = std::filesystem::path(root) / file.path;
        if (file.text == kFolder)
        {
            std::filesystem::create_directories(path);
            continue;
        }
        std::filesystem::create_directories(path.parent_path());
        WriteFileBytes(path.string(), file.text);
    }
}

// The files of a unified group at folder: its limit and its use.
std::vector<TreeFile> Unified(const std::string& folder, const std::string& max,
                              const std::string& current)
{
    return {{folder + "memory.max", max}, {folder + "memory.current", current}};
}

// The files of a version 1 memory group at folder.
std::vector<TreeFile> VersionOne(const std::string& folder, const std::string& limit,
                                 const std::string& usage)
{
    return {{folder + "memory.limit_in_bytes", limit}, {folder + "memory.usage_in_bytes", usage}};
}

// The memory.stat of a group at folder.
std::vector<TreeFile> Stat(const std::string& folder, const std::string& text)
{
    return {{folder + "memory.stat", text}};
}

std::vector<TreeFile> Join(std::initializer_list<std::vector<TreeFile>> parts)
{
    std::vector<TreeFile> files;
    for (const auto& part : parts)
        files.insert(files.end(), part.begin(), part.end());
    return files;
}

// The kernel's files of a program with the mounts and groups given, then the groups' files.
std::vector<TreeFile> Tree(const std::string& mounts, const std::string& cgroup,
                           const std::vector<TreeFile>& groups)
{
    return Join({{{"proc/meminfo", kMeminfo},
                  {"proc/self/mountinfo", mounts},
                  {"proc/self/cgroup", cgroup}},
                 groups});
}

std::vector<TreeFile> UnifiedTree(std::initializer_list<std::vector<TreeFile>> groups)
{
    return Tree(kUnifiedMounts, kUnifiedGroup, Join(groups));
}

// The version 1 trees have an unlimited root group that uses more than the others' limits.
std::vector<TreeFile> VersionOneTree(std::initializer_list<std::vector<TreeFile>> groups)
{
    return Tree(kVersionOneMounts, kVersionOneGroup,
                Join({VersionOne(kV1Root, kNoLimit4KiB, "9000000000\n"), Join(groups)}));
}

std::vector<TreeFile> HybridTree(std::initializer_list<std::vector<TreeFile>> groups)
{
    return Tree(
        kHybridMounts, kHybridGroup,
        Join({VersionOne(kV1Root, kNoLimit4KiB, "9000000000\n"),
              VersionOne(kV1Root + "user.slice/app/", kNoLimit4KiB, "100000000\n"), Join(groups)}));
}

// A group limited to 2 GiB and charged 2.14 GB, which leaves 7,483,648 bytes unless the
// inactive file cache of its charge counts as left.
constexpr const char* kTwoGiB = "2147483648\n";
constexpr const char* kCharged = "2140000000\n";
constexpr std::uint64_t kLeftOfTheCharge = 2147483648ull - 2140000000ull;
constexpr std::uint64_t kInactiveFile = 1500000000ull;

// memory.stat of the unified hierarchy, in the kernel's order, with inactive_file given.
std::string UnifiedStat(const std::string& inactiveFile)
{
    return "anon 600000000\nfile 1540000000\nkernel 0\nshmem 0\nfile_mapped 1000\n"
           "inactive_anon 0\nactive_anon 600000000\ninactive_file " +
           inactiveFile + "\nactive_file 40000000\nunevictable 0\n";
}

// memory.stat of version 1: the group's own counts, then the hierarchy's "total_" ones.
std::string VersionOneStat(const std::string& totalInactiveFile)
{
    return "cache 1540000000\nrss 600000000\ninactive_anon 0\nactive_anon 600000000\n"
           "inactive_file 1000\nactive_file 40000000\nhierarchical_memory_limit 2147483648\n"
           "hierarchical_memsw_limit 9223372036854771712\ntotal_cache 1540000000\n"
           "total_rss 600000000\ntotal_inactive_file " +
           totalInactiveFile + "\ntotal_active_file 40000000\n";
}

const MemoryCase kCases[] = {
    {"UnifiedInactiveFileCacheCountsAsLeft",
     UnifiedTree({Unified(kApp, kTwoGiB, kCharged), Stat(kApp, UnifiedStat("1500000000"))}),
     kLeftOfTheCharge + kInactiveFile},
    {"UnifiedAllAnonymousChargeLeavesAlmostNothing",
     UnifiedTree({Unified(kApp, kTwoGiB, kCharged),
                  Stat(kApp, "anon 2140000000\nfile 0\ninactive_anon 0\n"
                             "active_anon 2140000000\ninactive_file 0\nactive_file 0\n")}),
     kLeftOfTheCharge},
    {"UnifiedStatWithoutInactiveFileCountsTheWholeUse",
     UnifiedTree({Unified(kApp, kTwoGiB, kCharged),
                  Stat(kApp, "anon 600000000\nfile 1540000000\nactive_file 1500000000\n"
                             "inactive_file_x 1500000000\n")}),
     kLeftOfTheCharge},
    {"UnifiedUnreadableInactiveFileCountsTheWholeUse",
     UnifiedTree({Unified(kApp, kTwoGiB, kCharged), Stat(kApp, UnifiedStat("15e8"))}),
     kLeftOfTheCharge},
    {"UnifiedUnreadableStatCountsTheWholeUse",
     UnifiedTree({Unified(kApp, kTwoGiB, kCharged), Stat(kApp, kFolder)}), kLeftOfTheCharge},
    {"UnifiedInactiveFileAboveTheUseLeavesTheWholeLimit",
     UnifiedTree(
         {Unified(kApp, "1000000000\n", "400000000\n"), Stat(kApp, UnifiedStat("500000000"))}),
     1000000000},
    {"UnifiedParentsOwnStatForItsHeadroom",
     UnifiedTree({Unified(kApp, "max\n", "100000000\n"), Stat(kApp, UnifiedStat("90000000")),
                  Unified(kUserSlice, kTwoGiB, kCharged),
                  Stat(kUserSlice, UnifiedStat("1500000000"))}),
     kLeftOfTheCharge + kInactiveFile},
    {"VersionOneTotalInactiveFileCountsAsLeft",
     VersionOneTree({VersionOne(kV1Group, kTwoGiB, kCharged),
                     Stat(kV1Group, VersionOneStat("1500000000")),
                     VersionOne(kV1Parent, kNoLimit4KiB, "2500000000\n")}),
     kLeftOfTheCharge + kInactiveFile},
    {"VersionOneAllAnonymousChargeLeavesAlmostNothing",
     VersionOneTree({VersionOne(kV1Group, kTwoGiB, kCharged),
                     Stat(kV1Group, "cache 0\nrss 2140000000\ninactive_file 0\n"
                                    "total_cache 0\ntotal_rss 2140000000\n"
                                    "total_inactive_file 0\n")}),
     kLeftOfTheCharge},
    {"VersionOneStatWithoutTotalInactiveFileCountsTheWholeUse",
     VersionOneTree({VersionOne(kV1Group, kTwoGiB, kCharged),
                     Stat(kV1Group, "cache 1540000000\nrss 600000000\n"
                                    "inactive_file 1500000000\n")}),
     kLeftOfTheCharge},
    {"VersionOneParentsOwnStatForItsHeadroom",
     VersionOneTree({VersionOne(kV1Group, kNoLimit4KiB, "500000000\n"),
                     Stat(kV1Group, VersionOneStat("400000000")),
                     VersionOne(kV1Parent, "1000000000\n", "900000000\n"),
                     Stat(kV1Parent, "total_inactive_file 300000000\n")}),
     400000000},
    {"VersionOneHierarchicalLimitLessTheInactiveFileCache",
     {{"proc/meminfo", kMeminfo},
      {"proc/self/mountinfo", kContainerMounts},
      {"proc/self/cgroup", "4:memory:/docker/abc\n"},
      {kV1Root + "memory.limit_in_bytes", kNoLimit4KiB},
      {kV1Root + "memory.usage_in_bytes", "900000000\n"},
      {kV1Root + "memory.stat",
       "hierarchical_memory_limit 1000000000\ntotal_inactive_file 600000000\n"}},
     700000000},
    {"UnifiedOwnLimit",
     UnifiedTree(
         {Unified(kApp, "1000000000\n", "400000000\n"), Unified(kUserSlice, "max\n", "1\n")}),
     600000000},
    {"UnifiedParentLimitWithOwnGroupAtMax",
     UnifiedTree({Unified(kApp, "max\n", "100000000\n"),
                  Unified(kUserSlice, "700000000\n", "650000000\n")}),
     50000000},
    {"UnifiedTightestOfAllAncestors",
     UnifiedTree({Unified(kApp, "600000000\n", "100000000\n"),
                  Unified(kUserSlice, "1000000000\n", "300000000\n"),
                  Unified(kUser, "2000000000\n", "1900000000\n")}),
     100000000},
    {"UnifiedMountedElsewhereWithABlankInItsName",
     {{"proc/meminfo", kMeminfo},
      {"proc/self/mountinfo", "25 22 0:22 / /run/my\\040groups rw shared:9 - cgroup2 cgroup2 rw\n"},
      {"proc/self/cgroup", "0::/app\n"},
      {"run/my groups/app/memory.max", "1000000000\n"},
      {"run/my groups/app/memory.current", "0\n"}},
     1000000000},
    {"UnifiedUseAboveTheLimitLeavesNothing", UnifiedTree({Unified(kApp, "4096\n", "81920\n")}), 0},
    {"MemAvailableSmallerThanTheGroupsHeadroom",
     Join({UnifiedTree({Unified(kApp, "1000000000\n", "0\n")}),
           {{"proc/meminfo", "MemTotal: 16000000 kB\nMemAvailable:      1000 kB\n"}}}),
     1024000},
    {"UnifiedWithoutLimits",
     UnifiedTree({Unified(kApp, "max\n", "5\n"), Unified(kUserSlice, "max\n", "7\n")}),
     kMemAvailable},
    {"VersionOneLimit",
     VersionOneTree({VersionOne(kV1Group, "2000000000\n", "500000000\n"),
                     VersionOne(kV1Parent, kNoLimit4KiB, "700000000\n")}),
     1500000000},
    {"VersionOneUnlimited",
     VersionOneTree({VersionOne(kV1Group, kNoLimit4KiB, "500000000\n"),
                     VersionOne(kV1Parent, kNoLimit4KiB, "700000000\n"),
                     {{kV1Group + "memory.stat",
                       "cache 0\nhierarchical_memory_limit " + std::string(kNoLimit4KiB)}}}),
     kMemAvailable},
    {"VersionOneUnlimitedOnPagesOf64KiBWithoutMeminfo",
     Join({VersionOneTree({VersionOne(kV1Group, kNoLimit64KiB, "500000000\n")}),
           {{"proc/meminfo", ""}}}),
     kUnknown},
    {"VersionOneParentLimit",
     VersionOneTree({VersionOne(kV1Group, kNoLimit4KiB, "500000000\n"),
                     VersionOne(kV1Parent, "1000000000\n", "900000000\n")}),
     100000000},
    {"VersionOneHierarchicalLimitOfGroupsAboveTheMount",
     {{"proc/meminfo", kMeminfo},
      {"proc/self/mountinfo", kContainerMounts},
      {"proc/self/cgroup", "4:memory:/docker/abc\n"},
      {kV1Root + "memory.limit_in_bytes", kNoLimit4KiB},
      {kV1Root + "memory.usage_in_bytes", "300000000\n"},
      {kV1Root + "memory.stat", "cache 0\nrss 0\nhierarchical_memory_limit 1000000000\n"
                                "hierarchical_memsw_limit 9223372036854771712\n"}},
     700000000},
    {"VersionOneGroupBelowTheMountsRoot",
     Join({{{"proc/meminfo", kMeminfo},
            {"proc/self/mountinfo", kContainerMounts},
            {"proc/self/cgroup", "4:memory:/docker/abc/worker\n"}},
           VersionOne(kV1Root, kNoLimit4KiB, "300000000\n"),
           VersionOne(kV1Root + "worker/", "500000000\n", "100000000\n")}),
     400000000},
    {"HybridUnifiedLimit",
     HybridTree({Unified("sys/fs/cgroup/unified/user.slice/", "800000000\n", "200000000\n"),
                 Unified("sys/fs/cgroup/unified/user.slice/app/", "max\n", "100000000\n")}),
     600000000},
    {"HybridMemoryControllerLimit",
     HybridTree({VersionOne(kV1Root + "user.slice/", "300000000\n", "100000000\n")}), 200000000},
    {"NoCgroupFile",
     {{"proc/meminfo", kMeminfo},
      {"proc/self/mountinfo", kUnifiedMounts},
      {kApp + "memory.max", "1000\n"},
      {kApp + "memory.current", "0\n"}},
     kMemAvailable},
    {"NothingToRead", {}, kUnknown},
    {"MalformedLimitIsNoLimitNotZero",
     UnifiedTree({Unified(kApp, "12abc\n", "100000000\n"),
                  Unified(kUserSlice, "1000000000\n", "200000000\n")}),
     800000000},
    {"NegativeAndHexadecimalLimitsAreNoLimit",
     UnifiedTree({Unified(kApp, "-5\n", "100000000\n"), Unified(kUserSlice, "0x10\n", "0\n"),
                  Unified(kUser, "\n", "0\n")}),
     kMemAvailable},
    {"UnreadableLimitIsNoLimit",
     UnifiedTree({{{kApp + "memory.max", kFolder}, {kApp + "memory.current", "100000000\n"}},
                  Unified(kUserSlice, "1000000000\n", "0\n")}),
     1000000000},
    {"UnreadableUseLeavesTheWholeLimit",
     UnifiedTree({{{kApp + "memory.max", "1000000000\n"}, {kApp + "memory.current", kFolder}}}),
     1000000000},
    {"MalformedLinesArePassedOver",
     {{"proc/meminfo", "MemAvailable: lots kB\n"},
      {"proc/self/mountinfo",
       "25 22 0:22 / /sys/fs/cgroup\n25 - cgroup2\n" + std::string(kUnifiedMounts)},
      {"proc/self/cgroup", "garbage\n::\n0::relative\n" + std::string(kUnifiedGroup)},
      {kApp + "memory.max", "3000\n"},
      {kApp + "memory.current", "1000\n"}},
     2000},
    {"GroupOutsideTheNamespaceIsNotLookedFor",
     {{"proc/meminfo", kMeminfo},
      {"proc/self/mountinfo", kUnifiedMounts},
      {"proc/self/cgroup", "0::/../other\n"},
      {"sys/fs/cgroup/memory.max", "1000\n"},
      {"other/memory.max", "1000\n"}},
     kMemAvailable},
};

class SystemMemoryTree : public ::testing::TestWithParam<MemoryCase>
{
};

TEST_P(SystemMemoryTree, SmallestHeadroomOfEveryGroupAndTheKernel)
{
    TempFolder folder;
    WriteTree(folder.Root(), GetParam().files);
    EXPECT_EQ(SystemAvailableMemoryUnder(folder.Root()), GetParam().expected);
    EXPECT_EQ(SystemAvailableMemoryUnder(folder.Root() + "/"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Trees, SystemMemoryTree, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });
} // namespace

namespace
{
// The program's own limits (ulimit -v and -d) against the sizes of /proc/self/status.
constexpr const char* kStatus = "Name:\tmorvane\nVmPeak:\t  900000 kB\nVmSize:\t  800000 kB\n"
                                "VmData:\t  300000 kB\nVmRSS:\t   40000 kB\n";
constexpr std::uint64_t kKiB = 1024;
constexpr std::uint64_t kNone = std::numeric_limits<std::uint64_t>::max();

TEST(ProcessLimits, TheSmallerHeadroomOfAddressSpaceAndData)
{
    const struct
    {
        const char* status;
        std::optional<std::uint64_t> addressSpace, data;
        std::uint64_t expected;
    } cases[] = {
        {kStatus, std::nullopt, std::nullopt, kNone},
        {kStatus, 1000000 * kKiB, std::nullopt, 200000 * kKiB},
        {kStatus, std::nullopt, 350000 * kKiB, 50000 * kKiB},
        {kStatus, 1000000 * kKiB, 350000 * kKiB, 50000 * kKiB},
        {kStatus, 700000 * kKiB, std::nullopt, 0},               // already above the limit
        {"Name:\tmorvane\n", 1000000 * kKiB, std::nullopt, 1000000 * kKiB}, // no size
        {"VmSize:\t800000 pages\n", 1000000 * kKiB, std::nullopt, 1000000 * kKiB},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProcessLimitHeadroom(c.status, c.addressSpace, c.data), c.expected)
            << c.status;
}

// A child process under an address space limit 100 MiB above its own size sees no more
// than that left, whatever the kernel and the control groups have.
TEST(ProcessLimits, AnAddressSpaceLimitIsSeen)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more address space than any limit";
#else
    std::ifstream statusFile("/proc/self/status");
    const std::string status((std::istreambuf_iterator<char>(statusFile)),
                             std::istreambuf_iterator<char>());
    const std::optional<std::uint64_t> size = ParseKiBLine(status, "VmSize:");
    ASSERT_TRUE(size.has_value());
    const std::uint64_t room = std::uint64_t(100) << 20;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        const rlimit limit{rlim_t(*size + 2 * room), rlim_t(*size + 2 * room)};
        const bool bLimited = setrlimit(RLIMIT_AS, &limit) == 0;
        _exit(bLimited && SystemAvailableMemory() <= 2 * room ? 0 : 1);
    }
    int result = -1;
    ASSERT_EQ(waitpid(child, &result, 0), child);
    EXPECT_TRUE(WIFEXITED(result) && WEXITSTATUS(result) == 0);
#endif
}
} // namespace
