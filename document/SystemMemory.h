// How much memory the system can still give the program.
#pragma once

#include <cstdint>

// The bytes the system can still give the program: the available memory the kernel
// reports, or less when the program's control group has less left; the largest value
// when neither can be read.
std::uint64_t SystemAvailableMemory();
