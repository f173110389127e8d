// quant(x, n, b): x truncated toward zero to b fractional bits and saturated to a word of n
// integer bits, sign included (see engine/Resample.h), in the three entry forms.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(quant, Quant, 3, 1, 1, None, Checking)
