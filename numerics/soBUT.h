// soBUT(fc, Fs, type): the second-order Butterworth high- or low-pass, −3.01 dB at fc
// (see engine/Designers.h), in the three entry forms.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(soBUT, SoBUT, 3, 2, 1, None, Checking)
