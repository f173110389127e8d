// The widest level the program draws and keeps, in dB (in degrees on the filter phase
// view): the value axes of the response, filter and filter phase views reach at most
// +-kMaxLevel, and every point a response, curve or master point holds lies within it.
#pragma once

inline constexpr double kMaxLevel = 1000.0;
