// loginteg82(e, f): the trapezoidal area of |e| over log10 f (see engine/Loginteg82.h) in
// the three entry forms. The normal form is a cancellation point: it calls CheckUserAbort
// before anything else; the body and the feval form are not.
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(loginteg82, Loginteg82, 2, 1, 1, First, Checking)
