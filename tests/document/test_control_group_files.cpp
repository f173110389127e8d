// The text of the kernel's control group and memory files: what each reader takes and
// what it refuses. SystemMemory's tests show the whole on fixture trees.
#include "document/ControlGroupFiles.h"

#include <gtest/gtest.h>

namespace
{
constexpr std::uint64_t kNone = ~std::uint64_t(0);

struct CountCase
{
    std::string text;
    std::uint64_t count; // kNone for no value
    std::uint64_t limit;
};

class ControlGroupCount : public ::testing::TestWithParam<CountCase>
{
};

TEST_P(ControlGroupCount, CountAndLimit)
{
    const CountCase& c = GetParam();
    EXPECT_EQ(ParseCount(c.text).value_or(kNone), c.count) << c.text;
    EXPECT_EQ(ParseLimit(c.text).value_or(kNone), c.limit) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ControlGroupCount,
    ::testing::Values(CountCase{"4096\n", 4096, 4096}, CountCase{"0", 0, 0},
                      CountCase{"123 \r\n", 123, 123}, CountCase{"max\n", kNone, kNone},
                      CountCase{"9223372036854771712\n", 9223372036854771712ull, kNone},
                      CountCase{"4611686018427387903", 4611686018427387903ull,
                                4611686018427387903ull},
                      CountCase{"4611686018427387904", 4611686018427387904ull, kNone},
                      CountCase{"18446744073709551616", kNone, kNone},
                      CountCase{"12abc", kNone, kNone}, CountCase{"1 2", kNone, kNone},
                      CountCase{"-5", kNone, kNone}, CountCase{"+5", kNone, kNone},
                      CountCase{" 5", kNone, kNone}, CountCase{"0x10", kNone, kNone},
                      CountCase{"", kNone, kNone}, CountCase{"\n", kNone, kNone}));

TEST(ControlGroupMounts, UnifiedAndMemoryControllerMountsOnly)
{
    const std::vector<ControlGroupMount> mounts = ParseControlGroupMounts(
        "22 1 8:2 / / rw shared:1 - ext4 /dev/sda2 rw\n"
        "33 32 0:30 / /sys/fs/cgroup/cpu rw - cgroup cgroup rw,cpu\n"
        "34 32 0:31 / /sys/fs/cgroup/memory\\040v1 rw shared:2 master:3 - cgroup cgroup "
        "rw,memory,hugetlb\n"
        "35 32 0:32 / /sys/fs/cgroup/x rw - cgroup cgroup rw,memory_extra\n"
        "36 32 0:33 /docker/a\\134b /sys/fs/cgroup/unified rw - cgroup2 cgroup2 rw\n"
        "37 32 0:34 / /truncated rw - cgroup2\n"
        "38 32 0:35 / /no/dash rw cgroup2 cgroup2 rw\n"
        "39 32 0:36 / /cut");
    ASSERT_EQ(mounts.size(), 2u);
    EXPECT_EQ(mounts[0].root, "/");
    EXPECT_EQ(mounts[0].mountPoint, "/sys/fs/cgroup/memory v1");
    EXPECT_FALSE(mounts[0].bUnified);
    EXPECT_EQ(mounts[1].root, "/docker/a\\b");
    EXPECT_EQ(mounts[1].mountPoint, "/sys/fs/cgroup/unified");
    EXPECT_TRUE(mounts[1].bUnified);
}

TEST(ControlGroupPaths, TheUnifiedGroupAndTheMemoryControllersGroup)
{
    const ControlGroupPaths paths = ParseControlGroupPaths("12:cpu,cpuacct:/a\n"
                                                           "11:memory_x:/wrong\n"
                                                           "4:blkio,memory:/user.slice/x:y\n"
                                                           "1:name=systemd:/user.slice\n"
                                                           "0::/user.slice/app.scope");
    EXPECT_EQ(paths.unified, "/user.slice/app.scope");
    EXPECT_EQ(paths.memory, "/user.slice/x:y");
    const ControlGroupPaths none = ParseControlGroupPaths("0::\n0::relative\n:memory\n7\n");
    EXPECT_EQ(none.unified, "");
    EXPECT_EQ(none.memory, "");
}

TEST(ControlGroupFiles, KeyedLimitOfMemoryStat)
{
    const std::string stat = "cache 0\nhierarchical_memory_limit_x 1\n"
                             "hierarchical_memory_limit 1073741824\n"
                             "hierarchical_memory_limit 5\n";
    EXPECT_EQ(FindKeyedLimit(stat, "hierarchical_memory_limit").value_or(kNone), 1073741824u);
    EXPECT_FALSE(FindKeyedLimit("hierarchical_memory_limit 9223372036854771712\n",
                                "hierarchical_memory_limit"));
    EXPECT_FALSE(FindKeyedLimit("hierarchical_memory_limit \n", "hierarchical_memory_limit"));
    EXPECT_FALSE(FindKeyedLimit("cache 0\n", "hierarchical_memory_limit"));
}

TEST(ControlGroupFiles, KeyedCountOfMemoryStat)
{
    const std::string stat = "inactive_anon 7\nactive_file 3\ninactive_file 1500000000\n"
                             "total_inactive_file 2500000000\ntotal_unevictable\t9\n"
                             "huge 4611686018427387904";
    const struct
    {
        std::string text;
        const char* key;
        std::uint64_t count; // kNone for no value
    } cases[] = {
        {stat, "inactive_file", 1500000000u},
        {stat, "total_inactive_file", 2500000000u},
        {stat, "active_file", 3u},
        {stat, "total_unevictable", 9u},
        // A count is no limit: the floor of "no limit" does not apply.
        {stat, "huge", 4611686018427387904ull},
        {stat, "file", kNone},
        {"inactive_file 15e8\n", "inactive_file", kNone},
        {"inactive_file -1\n", "inactive_file", kNone},
        {"inactive_file\n", "inactive_file", kNone},
        {"inactive_file 18446744073709551616\n", "inactive_file", kNone},
        {"", "inactive_file", kNone},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindKeyedCount(c.text, c.key).value_or(kNone), c.count)
            << c.key << " in " << c.text;
}

TEST(ControlGroupFiles, MemAvailableInBytes)
{
    EXPECT_EQ(ParseMemAvailable("MemTotal: 9 kB\nMemAvailable:   22447632 kB\n").value_or(kNone),
              22447632ull * 1024);
    EXPECT_FALSE(ParseMemAvailable("MemAvailable: 22447632 MB\n"));
    EXPECT_FALSE(ParseMemAvailable("MemAvailable: 22447632\n"));
    EXPECT_FALSE(ParseMemAvailable("MemAvailable: kB\n"));
    EXPECT_FALSE(ParseMemAvailable("MemAvailable:\n"));
    EXPECT_FALSE(ParseMemAvailable("MemFree: 1 kB\n"));
    // The bytes would not fit in 64 bits.
    EXPECT_FALSE(ParseMemAvailable("MemAvailable: 18014398509481984 kB\n"));
    EXPECT_EQ(ParseMemAvailable("MemAvailable: 18014398509481983 kB").value_or(kNone),
              18014398509481983ull * 1024);
}
} // namespace
