// foBUT(fc, fs, type): the first-order Butterworth high- or low-pass, rows [x0 x1 0]
// (see engine/Designers.h), in the three entry forms.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(foBUT, FoBUT, 3, 2, 1, None, Checking)
