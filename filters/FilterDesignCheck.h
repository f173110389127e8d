// Whether a filter's section can be designed from its parameters, and why not. A
// parameter outside the range its meaning allows (a bandwidth, Q or ripple that is not
// above 0, a frequency not between 0 Hz and half the sample rate, a plateau whose band
// edges are not in order, a value that is not a finite number) makes no filter: the
// designers then give a flat, an unstable or a not-a-number section. The parameters are
// named by the headings of the filter editor's columns.
#pragma once

#include <string>

class CDigFilterBase;

// Empty when the filter's parameters make a section, which is designed (Calculate) and
// checked to be finite and stable; otherwise why not, for example "the Bandwidth must be
// above 0."
std::string FilterDesignProblem(CDigFilterBase& filter);
