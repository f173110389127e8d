// soHB(gain, fL, fU, fs): the low plateau, a first-order Butterworth high-pass at fL times a
// first-order bass shelf of gain dB at fU
// (see engine/Designers.h), in the three entry forms.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(soHB, SoHB, 4, 2, 1, None, Checking)
