// apcoef80(V0, fb, fc, fs): the peaking EQ section [b, a, d, −k, H0] (see engine/Apcoef80.h)
// in the three entry forms.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(apcoef80, Apcoef80, 4, 5, 1, None, Checking)
