// filio81(name): the points of a two-column point file (frequency, level in dB; see
// engine/PointFile.h) as the frequencies, the linear magnitudes 10^(dB/20) and the number
// of points, in the three entry forms. A file that cannot be read, or whose last point
// lacks its level, is an error.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(filio81, Filio81, 1, 3, 1, AfterOutputs, Checking)
