// soVQ(fc, Fs, Q, type): the second-order high- or low-pass of quality factor Q (gain Q at fc)
// (see engine/Designers.h), in the three entry forms.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(soVQ, SoVQ, 4, 2, 1, None, Checking)
