#include "document/SystemMemory.h"

#include "document/ControlGroupFiles.h"

#include <sys/resource.h>

#include <algorithm>
#include <fstream>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

namespace
{
constexpr std::uint64_t kUnknown = std::numeric_limits<std::uint64_t>::max();

// More than any mountinfo holds; a file that does not end by then is not the kernel's.
constexpr std::size_t kMaxKernelFileBytes = std::size_t(16) << 20;

// The text of a kernel file; empty when it cannot be opened or read (a folder, say),
// which every reader of ControlGroupFiles.h takes for "no value".
std::string ReadKernelFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string text;
    char buffer[4096];
    while (file && text.size() < kMaxKernelFileBytes)
    {
        file.read(buffer, sizeof buffer);
        text.append(buffer, std::size_t(file.gcount()));
    }
    return file.bad() || text.size() >= kMaxKernelFileBytes ? std::string() : text;
}

// The names of an absolute path's folders; no value for a path that holds "..", as the
// kernel shows a group outside the program's group namespace, which no mount reaches.
std::optional<std::vector<std::string>> PathNames(const std::string& path)
{
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < path.size())
    {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string name = path.substr(start, end - start);
        if (name == "..")
            return std::nullopt;
        if (!name.empty() && name != ".")
            names.push_back(name);
        start = end + 1;
    }
    return names;
}

// What is left below limit when used is taken; kUnknown for no limit. An unreadable use
// leaves the whole limit, a use above the limit nothing.
std::uint64_t Headroom(std::optional<std::uint64_t> limit, std::optional<std::uint64_t> used)
{
    if (!limit)
        return kUnknown;
    if (!used)
        return *limit;
    return *limit > *used ? *limit - *used : 0;
}

// The part of a group's charge that the kernel will not simply drop: its usage less the
// inactive file cache that inactiveKey counts in the group's memory.stat, since the kernel
// reclaims that cache before it refuses the group more (container tools count their
// working set so). Never below zero; the usage itself where the stat has no such count.
// Anonymous memory stays counted, so a group full of it still has nothing left.
std::optional<std::uint64_t> WorkingSet(std::optional<std::uint64_t> usage, std::string_view stat,
                                        std::string_view inactiveKey)
{
    const std::optional<std::uint64_t> inactive = FindKeyedCount(stat, inactiveKey);
    if (!usage || !inactive)
        return usage;
    return *usage > *inactive ? *usage - *inactive : 0;
}

// The headroom of one group of the unified hierarchy, whose memory.current and
// memory.stat both count the group and every group below it.
std::uint64_t UnifiedHeadroom(const std::string& folder)
{
    return Headroom(ParseLimit(ReadKernelFile(folder + "/memory.max")),
                    WorkingSet(ParseCount(ReadKernelFile(folder + "/memory.current")),
                               ReadKernelFile(folder + "/memory.stat"), "inactive_file"));
}

// The headroom of one group of a version 1 memory hierarchy: below its own limit, and
// below the smallest limit of it and the groups above it that memory.stat gives, which
// still counts where those groups are not mounted (inside a container, say). Its usage
// counts the groups below it, and so does the "total_" count of the inactive file cache
// ("inactive_file" there is the group's own).
std::uint64_t MemoryControllerHeadroom(const std::string& folder)
{
    const std::string stat = ReadKernelFile(folder + "/memory.stat");
    const std::optional<std::uint64_t> used = WorkingSet(
        ParseCount(ReadKernelFile(folder + "/memory.usage_in_bytes")), stat, "total_inactive_file");
    return std::min(Headroom(ParseLimit(ReadKernelFile(folder + "/memory.limit_in_bytes")), used),
                    Headroom(FindKeyedLimit(stat, "hierarchical_memory_limit"), used));
}

// The smallest headroom of the group and every group above it up to the mount's root; a
// group that is not below the mount's root is not found there and sets no limit.
std::uint64_t MountHeadroom(const std::string& root, const ControlGroupMount& mount,
                            const std::string& group)
{
    const auto mountNames = PathNames(mount.root);
    const auto groupNames = PathNames(group);
    if (!mountNames || !groupNames || groupNames->size() < mountNames->size() ||
        !std::equal(mountNames->begin(), mountNames->end(), groupNames->begin()))
        return kUnknown;
    std::vector<std::string> folders{root + mount.mountPoint};
    for (std::size_t k = mountNames->size(); k < groupNames->size(); ++k)
        folders.push_back(folders.back() + "/" + (*groupNames)[k]);
    std::uint64_t headroom = kUnknown;
    for (const std::string& folder : folders)
        headroom = std::min(headroom, mount.bUnified ? UnifiedHeadroom(folder)
                                                     : MemoryControllerHeadroom(folder));
    return headroom;
}

// The smallest headroom over every mount of the hierarchies that hold the program's
// groups: the unified one and the version 1 memory controller's, both in the hybrid layout.
std::uint64_t GroupAvailable(const std::string& root)
{
    const ControlGroupPaths groups =
        ParseControlGroupPaths(ReadKernelFile(root + "/proc/self/cgroup"));
    std::uint64_t available = kUnknown;
    for (const ControlGroupMount& mount :
         ParseControlGroupMounts(ReadKernelFile(root + "/proc/self/mountinfo")))
    {
        const std::string& group = mount.bUnified ? groups.unified : groups.memory;
        if (!group.empty())
            available = std::min(available, MountHeadroom(root, mount, group));
    }
    return available;
}

// A soft limit of getrlimit; no value for none.
std::optional<std::uint64_t> SoftLimit(int resource)
{
    rlimit limit{};
    if (getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return std::nullopt;
    return std::uint64_t(limit.rlim_cur);
}
} // namespace

std::uint64_t ProcessLimitHeadroom(std::string_view status,
                                   std::optional<std::uint64_t> addressSpaceLimit,
                                   std::optional<std::uint64_t> dataLimit)
{
    return std::min(Headroom(addressSpaceLimit, ParseKiBLine(status, "VmSize:")),
                    Headroom(dataLimit, ParseKiBLine(status, "VmData:")));
}

std::uint64_t SystemAvailableMemory()
{
    return SystemAvailableMemoryUnder("/");
}

std::uint64_t SystemAvailableMemoryUnder(const std::string& root)
{
    const std::string base =
        root.empty() || root.back() != '/' ? root : root.substr(0, root.size() - 1);
    const std::uint64_t kernel =
        ParseMemAvailable(ReadKernelFile(base + "/proc/meminfo")).value_or(kUnknown);
    const std::uint64_t process =
        ProcessLimitHeadroom(ReadKernelFile(base + "/proc/self/status"), SoftLimit(RLIMIT_AS),
                             SoftLimit(RLIMIT_DATA));
    return std::min({kernel, GroupAvailable(base), process});
}
