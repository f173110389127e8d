// What a point of a response, a curve or a master point may hold, for every file that
// reads or writes one: a frequency from 0.001 Hz to 10 MHz, the range a measurement may
// span, and a level from -1000 dB to 1000 dB, the widest level axis the settings allow.
// A value that is no finite number (nan, inf, one too large to hold) lies outside. Curves
// keep their frequencies as the base-10 logarithm of the Hz, from -3 to 7.
#pragma once

#include "graph/DoublePoint.h"
#include "graph/LevelBound.h"

namespace PointBounds
{
inline constexpr double kMinHz = 0.001;
inline constexpr double kMaxHz = 10e6;
inline constexpr double kMaxDb = kMaxLevel;

bool IsFrequency(double hz);
bool IsLevel(double db);
// x the base-10 logarithm of a frequency in Hz, y a level in dB.
bool IsLogFrequency(double log10Hz);
bool IsCurvePoint(const CDoublePoint& p);
// x a frequency in Hz, y a level in dB.
bool IsPoint(const CDoublePoint& p);
} // namespace PointBounds
