// The text of the kernel files that say how much memory the program may still take:
// /proc/self/mountinfo (where the control group hierarchies are mounted),
// /proc/self/cgroup (which group the program is in), a group's counts and limits, and
// /proc/meminfo. Only the text is read here; SystemMemory.cpp finds and opens the files.
// A text that does not hold what the kernel writes gives no value, never zero: a wrong
// zero would refuse every large response, while no value leaves the other limits to
// decide.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A mount of a control group hierarchy that can limit memory: the unified (version 2)
// hierarchy, or a version 1 hierarchy with the memory controller.
struct ControlGroupMount
{
    // The group of the hierarchy seen at the mount point, such as "/" or "/docker/abc".
    std::string root;
    // Where it is mounted, such as "/sys/fs/cgroup" or "/sys/fs/cgroup/unified".
    std::string mountPoint;
    // True for the unified hierarchy, false for a version 1 memory hierarchy.
    bool bUnified = false;
};

// The mounts of /proc/self/mountinfo that can limit memory, in the file's order. Lines
// that are not a whole mount record, or whose paths are not absolute, are passed over;
// octal escapes such as "\040" in the root and mount point are decoded.
std::vector<ControlGroupMount> ParseControlGroupMounts(std::string_view mountinfo);

// The program's groups in /proc/self/cgroup: in the unified hierarchy (the "0::" line)
// and in the version 1 hierarchy that holds the memory controller. Each is an absolute
// path in its hierarchy, or empty when the file names none.
struct ControlGroupPaths
{
    std::string unified;
    std::string memory;
};
ControlGroupPaths ParseControlGroupPaths(std::string_view cgroup);

// A whole decimal count such as "4096\n": digits, then nothing but blanks and line ends.
// No value for anything else or for a count beyond 64 bits.
std::optional<std::uint64_t> ParseCount(std::string_view text);

// A memory limit: a count as ParseCount reads it, or no value for no limit: the unified
// hierarchy's "max", and version 1's largest signed 64-bit number rounded down to a page
// (9223372036854771712 with pages of 4 KiB), which every value at or above 2^62 is taken
// for.
std::optional<std::uint64_t> ParseLimit(std::string_view text);

// The count after key on the first line that starts with key and a blank, as in
// "inactive_file 1500000000" of a group's memory.stat; no value when no line has one or
// when what follows is not a count as ParseCount reads it.
std::optional<std::uint64_t> FindKeyedCount(std::string_view text, std::string_view key);

// The same for a limit, as in "hierarchical_memory_limit 1073741824" of a version 1
// group's memory.stat: ParseLimit reads the count.
std::optional<std::uint64_t> FindKeyedLimit(std::string_view text, std::string_view key);

// The bytes of "MemAvailable: 22447632 kB" in /proc/meminfo; no value when the line is
// missing, is not in kB or overflows.
std::optional<std::uint64_t> ParseMemAvailable(std::string_view meminfo);

// The same for the line of any key, such as "VmSize:" of /proc/self/status.
std::optional<std::uint64_t> ParseKiBLine(std::string_view text, std::string_view key);
