// Whether a filter's section can be designed from its parameters, and why not. A
// parameter outside the range its meaning allows (a bandwidth, Q or ripple that is not
// above 0, a frequency not between 0 Hz and half the sample rate, a plateau whose band
// edges are not in order, a value that is not a finite number) makes no filter: the
// designers then give a flat, an unstable or a not-a-number section. The parameters are
// named by the headings of the filter editor's columns.
#pragma once

#include <string>
#include <vector>

class CDigFilterBase;
class mwMatrix;

// Empty when the filter's parameters make a section, which is designed (Calculate) and
// checked to be finite and stable; otherwise why not, for example "the Bandwidth must be
// above 0."
std::string FilterDesignProblem(CDigFilterBase& filter);

// The heading of the filter's first real parameter, in the order of its line, that is not
// a finite number ("Gain in DB"); "parameter" for a filter of no kind; empty when every
// parameter is finite.
std::string NonFiniteParameterName(CDigFilterBase& filter);

// Every element of both coefficient vectors, both parts of a complex one, is a finite
// number (vectors without elements hold none that is not). Writers of coefficients check
// the section a filter was last designed to: parameters that are finite numbers can still
// give none ("nan" from a bandwidth of 0, an overflow from extreme values).
bool HasFiniteCoefficients(const mwMatrix& a, const mwMatrix& b);

// The message of a writer of coefficients that refused to write because the sections of
// the filters labelled are not finite numbers. what says what the user keeps, such as
// "The filter coefficient file was not written".
std::string NonFiniteCoefficientsMessage(const std::string& what,
                                         const std::vector<std::string>& labels);
