// soLT(gain, fL, fU, fs): the high plateau, a first-order Butterworth low-pass at fU times a
// first-order treble shelf of gain dB at fL
// (see engine/Designers.h), in the three entry forms.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(soLT, SoLT, 4, 2, 1, None, Checking)
