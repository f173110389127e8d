// How much memory the system can still give the program.
#pragma once

#include <cstdint>
#include <string>

// The bytes the system can still give the program: the available memory the kernel
// reports, or less when the program's control group or one of the groups above it has
// less left before its limit; the largest value when nothing can be read.
std::uint64_t SystemAvailableMemory();

// The same, with every file read under root instead of "/": the kernel's files as they
// are found under root + "/proc" and wherever root + "/proc/self/mountinfo" says the
// control group hierarchies are mounted. For tests, which point it at a tree of their own.
std::uint64_t SystemAvailableMemoryUnder(const std::string& root);
