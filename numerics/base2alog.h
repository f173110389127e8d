// base2alog(L): the linear value of a level code |L| ≤ (2^24) − 1, the inverse of
// base2log (see engine/FixedPointLog.h), in the three entry forms. An input out of range
// prints the devices' message and raises it as an error of the matrix layer.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(base2alog, Base2alog, 1, 1, 1, None, Plain)
