// How much memory the system can still give the program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The bytes the system can still give the program: the available memory the kernel
// reports, or less when the program's control group or one of the groups above it has
// less left before its limit (a group's inactive file cache counted as left, as the
// kernel reclaims it first), or when the program's own limits of address space or data
// (ulimit -v, ulimit -d) leave less; the largest value when nothing can be read.
std::uint64_t SystemAvailableMemory();

// The same, with every file read under root instead of "/": the kernel's files as they
// are found under root + "/proc" and wherever root + "/proc/self/mountinfo" says the
// control group hierarchies are mounted. For tests, which point it at a tree of their own.
std::uint64_t SystemAvailableMemoryUnder(const std::string& root);

// What the program's own soft limits leave: the address space limit less "VmSize:" and the
// data limit less "VmData:" of the text of /proc/self/status, the smaller of the two. No
// limit (no value) leaves the largest value; a size that cannot be read leaves the whole
// limit.
std::uint64_t ProcessLimitHeadroom(std::string_view status,
                                   std::optional<std::uint64_t> addressSpaceLimit,
                                   std::optional<std::uint64_t> dataLimit);
