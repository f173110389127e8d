// smooth(x): one pass of the binomial kernel (1, 2, 1)/4 over the vector x with its end
// values held (see engine/Resample.h), in the three entry forms; shape and orientation
// are kept.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(smooth, Smooth, 1, 1, 1, None, Checking)
