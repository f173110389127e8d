// fourt(fc, g, fs): the first-order treble shelf, gain 1 at 0 Hz and g at fs/2, rows of 2
// (see engine/Designers.h), in the three entry forms.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(fourt, Fourt, 3, 2, 11, None, Plain)
