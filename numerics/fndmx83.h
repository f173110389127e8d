// fndmx83(resp, upper, lower, freq, desired): the peak search [bw, gain, idx] (see
// engine/Fndmx83.h) in the three entry forms. The normal form calls CheckUserAbort once its
// output matrices are made.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(fndmx83, Fndmx83, 5, 3, 1, AfterOutputs, Checking)
