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
// checked to be finite and stable, with a response that is a finite number over the check
// grid (HasFiniteResponse); otherwise why not, for example "the Bandwidth must be above
// 0." This is the one check of Draw, of every writer of coefficients and of every way a
// filter comes in. An error of the matrix layer during the design is a refusal too.
std::string FilterDesignProblem(CDigFilterBase& filter);

// "label: why" for a filter that FilterDesignProblem refuses; empty when it is designed.
std::string FilterDesignFault(CDigFilterBase& filter);

// The sample rates the settings accept (Hz): a filter is one where one of them designs it.
inline constexpr int kLowestSampleRate = 1;
inline constexpr int kHighestSampleRate = 200000;

// Why the filter, coming in from a file or device data, cannot go into the grids as it
// is; empty when it can. Whether it comes in does not hang on the sample rate set when it
// comes: a filter that its own rate cannot design is taken where the lowest or the highest
// rate the settings accept designs it (a filter above half of the current rate), and only
// what no rate designs is refused: "it cannot be designed at any sample rate ..." with
// FilterDesignProblem at the highest rate. Otherwise a parameter whose six-decimal text
// would read back as another filter (WrittenValueProblem, or the filter of the written
// values cannot be designed). The filter keeps its own rate and is designed for it
// afterwards; Draw and every writer leave out what that rate cannot design
// (FilterDesignFault).
std::string IncomingFilterProblem(CDigFilterBase& filter);

// Why the filter, as its line gave it (CDigFilterBase::Parse), cannot come in from a
// parameter file or device data; empty when it can. The one reason every reader of filter
// lines gives, a sentence in lower case ending with a full stop; the first that holds of:
// a field that does not read as what it stands for, named by its column heading with its
// text ("its Gain in DB "abc" is not a finite number; ..."), a parameter that is no finite
// number, an output order that is no whole number in digits, a label number or output
// order above kMaxFilterNumber (CDigFilterBase::FindLineFault), IncomingFilterProblem.
std::string IncomingLineProblem(CDigFilterBase& filter);

// The one message that names the filters taken in from a file or device data that the
// current sample rate cannot design (IncomingFilterProblem takes them at another rate),
// one "label: why" per filter (FilterDesignFault); empty for none.
std::string FiltersAboveSampleRateMessage(const std::vector<std::string>& faults, int nSampleRate);

// Parameter texts carry six decimals ("%lf"), which stored files and device data rely on.
// Why the value of the parameter headed heading would read back from them as another
// filter; empty when it reads back the same. A gain in dB keeps its meaning within the
// half of the last decimal that the text may lose (5e-7 dB is no change to any filter);
// a frequency, bandwidth, Q or ripple scales the filter, and its text must keep the value
// within kWrittenValueTolerance of itself: 4e-7 Hz written "0.000000" is a filter of 0
// Hz, 0.0012345 written "0.001235" another corner.
inline constexpr double kWrittenValueTolerance = 1e-4;
std::string WrittenValueProblem(const std::string& heading, double value);

// The value that the six-decimal text of value reads back as (ReadBackValue).
double WrittenValue(double value);

// The heading of the filter's first real parameter, in the order of its line, that is not
// a finite number ("Gain in DB"); "parameter" for a filter of no kind; empty when every
// parameter is finite.
std::string NonFiniteParameterName(CDigFilterBase& filter);

// An example value for the parameter headed heading, as the user would type it: "-3.0"
// for a gain, "1.0" for a bandwidth, "0.7" for a Q, "0.5" for a ripple, "1000.0" for a
// frequency or band edge.
const char* ExampleParameterValue(const std::string& heading);

// Every element of both coefficient vectors, both parts of a complex one, is a finite
// number (vectors without elements hold none that is not).
bool HasFiniteCoefficients(const mwMatrix& a, const mwMatrix& b);

// The response B/A of the section (real parts of the coefficients, a0 first) is a finite
// number at every frequency of the check grid: kResponseCheckPoints frequencies evenly
// spaced from 0 Hz to half the sample rate, both included. Finite coefficients can still
// give none: a0 of 0, 1e-320 or a sum beyond the largest double.
inline constexpr int kResponseCheckPoints = 1025;
bool HasFiniteResponse(const mwMatrix& a, const mwMatrix& b);

// The message that refuses filters which cannot be designed, one "label: why" per fault
// (FilterDesignFault). Without what, Draw's: "These filters cannot be designed from their
// parameters: ..."; a writer's begins with what the user keeps, such as "The filter
// coefficient file was not written".
std::string UndesignableFiltersMessage(const std::string& what,
                                       const std::vector<std::string>& faults);
