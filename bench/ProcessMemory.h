// The process's resident memory as the kernel counts it, for the memory benchmarks.
#pragma once

namespace bench
{
// The resident memory now (VmRSS), in bytes.
double Resident();
// The peak of the resident memory since the last ResetPeak (VmHWM), in bytes.
double Peak();
// Starts a new peak at the resident memory now.
void ResetPeak();
} // namespace bench
