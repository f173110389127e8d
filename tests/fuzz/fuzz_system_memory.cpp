// Feeds arbitrary kernel files to the memory check: the input, cut at zero bytes, is the
// program's mountinfo, its cgroup file, meminfo, the text of every limit and count file
// of the groups they lead to and the text of their memory.stat, in a tree of this
// process's own. Whatever they hold, the check neither crashes nor gives more than the
// kernel's available memory.
#include "document/ControlGroupFiles.h"
#include "document/SystemMemory.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace
{
std::vector<std::string> CutAtZeros(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> parts(1);
    for (std::size_t k = 0; k < size; ++k)
        if (data[k] == 0)
            parts.emplace_back();
        else
            parts.back() += char(data[k]);
    parts.resize(std::max<std::size_t>(parts.size(), 5));
    return parts;
}

void Write(const std::filesystem::path& path, const std::string& text)
{
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// The limit and count files (text) and memory.stat (stat) of the group at folder and of
// every folder above it up to the tree's root, so that whatever group the input names has
// files to read.
void WriteGroupFiles(const std::filesystem::path& root, std::filesystem::path folder,
                     const std::string& text, const std::string& stat)
{
    static const char* names[] = {"memory.max", "memory.current", "memory.limit_in_bytes",
                                  "memory.usage_in_bytes"};
    for (int depth = 0; depth < 8 && folder.string().size() >= root.string().size(); ++depth)
    {
        for (const char* name : names)
            Write(folder / name, text);
        Write(folder / "memory.stat", stat);
        folder = folder.parent_path();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> parts = CutAtZeros(data, size);
    // In memory where the system has a tmpfs for it: a tree on disk costs most of the time.
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    const std::filesystem::path root = base / ("morvane-fuzz-memory-" + std::to_string(::getpid()));
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
    Write(root / "proc/self/mountinfo", parts[0]);
    Write(root / "proc/self/cgroup", parts[1]);
    Write(root / "proc/meminfo", parts[2]);
    // The files of the first few mounts' groups: more only make the input slower.
    const ControlGroupPaths groups = ParseControlGroupPaths(parts[1]);
    const std::vector<ControlGroupMount> mounts = ParseControlGroupMounts(parts[0]);
    for (std::size_t k = 0; k < std::min<std::size_t>(mounts.size(), 3); ++k)
    {
        const ControlGroupMount& mount = mounts[k];
        const std::string& group = mount.bUnified ? groups.unified : groups.memory;
        // Only folders below the tree: a mount point or group with ".." is not followed.
        const std::string folder = mount.mountPoint + "/" + group;
        if (folder.find("..") == std::string::npos && folder.size() < 200)
            WriteGroupFiles(root, root / folder.substr(1), parts[3], parts[4]);
    }
    ParseLimit(parts[3]);
    FindKeyedLimit(parts[4], "hierarchical_memory_limit");
    FindKeyedCount(parts[4], "inactive_file");

    const std::uint64_t available = SystemAvailableMemoryUnder(root.string());
    if (const auto kernel = ParseMemAvailable(parts[2]); kernel && available > *kernel)
        std::abort();
    return 0;
}
