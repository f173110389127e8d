// soshelft(fc, fs, G): the second-order treble shelf of linear gain G above fc
// (see engine/Designers.h), in the three entry forms.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(soshelft, Soshelft, 3, 2, 1, None, Checking)
