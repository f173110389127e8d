// The two curves the document hands to its views for a complex response: the phase as
// unwrapped angles in degrees, and the magnitude in dB with non-positive values repaired
// first, so that no complex or -inf dB value reaches the views or the files.
#pragma once

#include "graph/MatrixUtilities.h"
#include "matrix/matrix.h"

inline mwMatrix PhaseDegrees(const mwMatrix& response)
{
    return unwrap(angle(response)) * mwMatrix(180.0) / pi();
}

inline mwMatrix MagnitudeDb(const mwMatrix& response)
{
    mwMatrix magnitude = abs(response);
    ReplaceNonPositiveValues(magnitude);
    return LinearToDb(magnitude);
}
