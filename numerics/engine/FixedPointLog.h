// The 5.4-bit level code of the loudness and compression designers and its inverse,
// computed bit by bit as the devices do.
//
// The level code counts octaves (6.02 dB) below full scale: 0 to 31.9375 in steps of 1/16.
// Its integer part is the number of zero bits above the leading one of a 47-bit magnitude
// (counted down from bit 46, at most 31); its fraction is the complement of the four bits
// after the leading one.
#pragma once

namespace numerics
{
// Largest magnitude Base2Log takes: (2^47) − 1.
bool Base2LogInRange(double x);
// Largest code Base2Alog takes: |L| ≤ (2^24) − 1.
bool Base2AlogInRange(double L);

// The level code of x, |x| ≤ (2^47) − 1. Below 2^15 (zero and negative values included)
// every complement bit counts: 31.9375.
double Base2Log(double x);

// (1 + m)·2^(3 − n) for the code's integer part n and complemented fraction bits m, at
// least 2^−23 and truncated to a multiple of 2^−23. Negative codes count as 0.
double Base2Alog(double L);

// What the devices' tools print for an input out of range (with the line breaks).
inline constexpr const char* kLogOutOfBounds = "\nLog input out of bounds\nabs(x) > ((2^47) - 1)\n";
inline constexpr const char* kAntilogOutOfBounds =
    "\nAntilog input out of bounds\nabs(x) > ((2^24) - 1)\n";
} // namespace numerics
