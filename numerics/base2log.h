// base2log(x): the 5.4-bit level code of a magnitude |x| ≤ (2^47) − 1, and
// base2alog(L): the linear value of a level code |L| ≤ (2^24) − 1 (see
// engine/FixedPointLog.h), in the three entry forms. An input out of range prints the
// devices' message and raises it as an error of the matrix layer.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(base2log, Base2log, 1, 1, 1, None, Plain)
