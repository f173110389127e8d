// A fuzz target (linked with this file) over its seeds, drawn in every build, the
// sanitizers' too, where undefined behaviour ends the test: fuzz_scales (the speaker views'
// windows, the narrowest and the widest, a printed page and the compression plots with a
// range far off the plot) and fuzz_views (whole views over the narrow windows whose markers
// overflowed, the widest window, a printed page and the compression plot).
// MORVANE_FUZZ_SEEDS_DIR names the seed folder and MORVANE_FUZZ_LEAST_SEEDS how many it
// holds at least; MORVANE_FUZZ_CORPUS may name a corpus folder of the target (make fuzz
// keeps it in build-fuzz/corpus/<target>) to replay the same way.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace
{
// The inputs replayed from the folder.
std::size_t Replay(const std::filesystem::path& folder)
{
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
    {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
        EXPECT_EQ(0, LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                            bytes.size()))
            << entry.path();
        ++count;
    }
    return count;
}
} // namespace

TEST(FuzzSeeds, EverySeedIsDrawn)
{
    EXPECT_GE(Replay(MORVANE_FUZZ_SEEDS_DIR), std::size_t(MORVANE_FUZZ_LEAST_SEEDS));
    if (const char* corpus = std::getenv("MORVANE_FUZZ_CORPUS"))
        Replay(corpus);
}
