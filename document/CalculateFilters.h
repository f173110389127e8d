// The calculation driver: places and tunes peaking EQ filters one pass at a time with
// mvq83 until the working response lies within the tolerance curves over the band
// between the document's frequency limits, the user's filter limit is reached, or the
// user declines to go on in pause mode. Stops and matrix-layer errors leave it as
// exceptions (CUserAbortException, mwException) for the calculation command.
#pragma once

#include "matrix/dblmtrx.h"

class CMorvaneDoc;

// The optimization band as mvq83 takes it: the 1-based points iLow + 1 .. n - jHigh + 1
// of the n frequencies, from the point nearest lowF to the point nearest highF (Hz). On
// equal distances the lower edge keeps the lower point and the higher edge the higher
// one. False for a response of fewer than two points, one that lies entirely below lowF
// or above highF, or limits that leave no point between them.
struct CCalculationBand
{
    int n = 0;
    int iLow = 0;
    int jHigh = 0;
};
bool FindCalculationBand(const mwMatrix& freq, int lowF, int highF, CCalculationBand& band);

// The number of band points whose 20 * log10(|response|) lies above upper (below lower);
// points on the curve count as inside.
double CountPointsAboveUpper(const mwMatrix& response, const CCalculationBand& band,
                             const mwMatrix& upper);
double CountPointsBelowLower(const mwMatrix& response, const CCalculationBand& band,
                             const mwMatrix& lower);

// Runs the passes on the document: nFilters and parameters are the filter count and the
// parameter matrix (in and out); fixedResponse is the raw response with the fixed
// filters applied. Returns the final working response (complex).
mwMatrix CalculateFilters(CMorvaneDoc& doc, int& nFilters, mwMatrix& parameters,
                          const mwMatrix& fixedResponse);
