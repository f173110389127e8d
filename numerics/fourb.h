// fourb(fc, V0, fs): the first-order bass shelf, gain V0 at 0 Hz and 1 at fs/2, rows of 2
// (see engine/Designers.h), in the three entry forms.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(fourb, Fourb, 3, 2, 11, None, Plain)
