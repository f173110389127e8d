// logsamp(m, f, N): the response m (column over the frequencies f in Hz) resampled at N
// frequencies evenly spaced on a log axis, every value finite, and those frequencies as a
// column (see engine/Resample.h), in the three entry forms.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(logsamp, Logsamp, 3, 2, 1, None, Checking)
