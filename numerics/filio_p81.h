// filio_p81(name): the points of a three-column point file (frequency, level in dB, phase
// in degrees; see engine/PointFile.h) as the frequencies, the complex response and the
// number of points, in the three entry forms. A file that cannot be opened shows "Was the
// first filename an input file?" and is an error; so is a last point with too few values.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(filio_p81, Filio_p81, 1, 3, 1, None, Checking)
