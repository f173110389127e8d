// notch(bw, fc, fs): the notch (1 + A(z))/2 of −3 dB width bw around fc
// (see engine/Designers.h), in the three entry forms.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(notch, Notch, 3, 2, 1, None, Checking)
