// The utilities that work on matrix values: clean-ups of measured and computed responses
// before they go to dB or onto a logarithmic frequency axis, dB conversion, and the y
// values of a curve as a column. Vectors are n-by-1 real double matrices; element
// numbers start at 1. Each function that refuses reports a failed check and changes
// nothing.
#pragma once

#include "matrix/dblmtrx.h"

#include <vector>

class CCurve;

// The real parts of the matrix's elements in column-major order; with imag given, their
// imaginary parts too (zeros for a real matrix). Empty for an empty or undefined matrix.
std::vector<double> Values(const mwMatrix& m, std::vector<double>* imag = nullptr);
// Repairs every run of values at or below 0: an interior run takes the mean of the
// positive values on both sides, a leading or trailing run the positive value next to
// it. False when the matrix is not one real column or holds no positive value.
bool ReplaceNonPositiveValues(mwMatrix& vector);
// When the first frequency is at or below 0: it becomes the square root of the second
// (10^(log10(f2) / 2)) and the first magnitude (and phase) the mean of the first two.
// False, with nothing changed, when the second frequency is at or below 0 too, or when
// the columns are not real, of at least two values and of equal length.
bool PowConvertColumn(mwMatrix& frequencies, mwMatrix& magnitudes);
bool PowConvertColumns(mwMatrix& frequencies, mwMatrix& magnitudes, mwMatrix& phases);
// The first frequency as that repair leaves it: unchanged above 0, the square root of the
// second when the second is above 0, unchanged otherwise.
double RepairedFirstFrequency(double first, double second);
// Keeps the rows whose x is at or above (above) the threshold; x and y become k-by-1
// (k may be 0). False when x and y are not real columns of equal length.
bool RemovePointsBelow(double threshold, mwMatrix& x, mwMatrix& y);
bool RemovePointsAtOrBelow(double threshold, mwMatrix& x, mwMatrix& y);
// A 1-by-n row of the magnitudes of the n elements in column-major order; for a real
// matrix the check "iscomplex(mwComplex)" fails and the absolute values are returned.
mwMatrix ComplexMagnitudes(mwMatrix mwComplex);
// 20 * log10 of every element (real parts), in the matrix's shape.
mwMatrix LinearToDb(const mwMatrix& values);
// The y values of the curve's points as an n-by-1 column.
bool CurveValuesToMatrix(const CCurve* pCurve, mwMatrix* pResult);
