// freqz(b, a, n, Fs): the complex response h of b/a at the frequencies n in Hz, or at n
// points spaced evenly over the upper half of the unit circle when n has one element,
// and the frequencies f in Hz (see engine/Freqz.h). Besides the three entry forms:
//   freqzNargout(nargout, w, b, a, n, Fs)  the normal form with the caller's output count
//   freqzVoid(b, a, n, Fs)                 the form without outputs
#pragma once

#include "numerics/EntryForms.h"

MORVANE_NUMERICAL_FUNCTION(freqz, Freqz, 4, 2, 1, None, Plain)

mwMatrix freqzNargout(int nargout, mwMatrix* w, mwMatrix b, mwMatrix a, mwMatrix n, mwMatrix Fs);
void freqzVoid(mwMatrix b, mwMatrix a, mwMatrix n, mwMatrix Fs);
