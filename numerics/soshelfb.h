// soshelfb(fc, fs, G): the second-order bass shelf of linear gain G below fc
// (see engine/Designers.h), in the three entry forms.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(soshelfb, Soshelfb, 3, 2, 1, None, Checking)
