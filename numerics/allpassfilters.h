// allpassfilters(fb, fc, fs): the second-order all-pass of bandwidth fb around fc, b = [c, e, 1]
// and a = [1, e, c]
// (see engine/Designers.h), in the three entry forms.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(allpassfilters, Allpassfilters, 3, 2, 1, None, Plain)
