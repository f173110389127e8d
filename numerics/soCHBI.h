// soCHBI(fc, fs, ripple, type): the two-pole Chebyshev type I high- or low-pass; the sign of
// the ripple in dB puts the ripple band below (positive) or above 0 dB
// (see engine/Designers.h), in the three entry forms.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(soCHBI, SoCHBI, 4, 2, 10, None, Checking)
