// soLR(fc, Fs, type): the second-order Linkwitz-Riley high- or low-pass, −6.02 dB at fc
// (see engine/Designers.h), in the three entry forms.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(soLR, SoLR, 3, 2, 1, None, Checking)
