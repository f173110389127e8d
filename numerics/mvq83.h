// mvq83(fs, iLow, jHigh, freq, base, P, k, n, desired, upper, lower, resp, singleTol,
// jointTol): adds one peaking EQ section to the parameter matrix P and re-tunes the set
// (see engine/Mvq83.h); outputs [P, k, resp]. The normal form starts with CheckUserAbort;
// the calculation driver is its one caller.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(mvq83, Mvq83, 14, 3, 1, First, Checking)
