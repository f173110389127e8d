// One trial step on one parameter of a peaking section (bandwidth, amplitude or centre
// frequency): the parameter raised by a tenth of itself and lowered by a tenth of itself
// are both evaluated, raised first, and the best of the three candidates is returned.
#pragma once

#include "numerics/engine/BandError.h"

namespace numerics
{
enum class EVaried
{
    Bandwidth,       // bwopt82
    Amplitude,       // ampopt82
    CentreFrequency, // fcopt82
};

struct CSectionParameters
{
    double bw;  // Hz
    double amp; // linear amplitude of the deviation countered; the section's gain is 1/amp
    double fc;  // Hz
};

struct COneParameterStep
{
    double value; // the chosen value of the varied parameter
    double err;   // its error: err unchanged or the error of the chosen candidate
};

// The body of bwopt82/ampopt82/fcopt82 over a prepared error model. err is the error the
// caller credits to the current values; it is never recomputed. Each candidate's error is
// one loginteg82 call and so one cancellation point. The centre-frequency candidates are
// held inside [fLow, fHigh], the band's first and last frequencies (a raised one tested
// against fHigh only, a lowered one against fLow only).
// Choice, strict comparisons: err below both → (p, err); else eUp below both → (pUp, eUp);
// otherwise, ties and NaN included, the lowered candidate.
COneParameterStep OneParameterStep(EVaried varied, const CBandErrorModel& model,
                                   const CSectionParameters& current, double fs, double err,
                                   double fLow, double fHigh);

// The parameter that an optimizer varies.
double& VariedParameter(CSectionParameters& p, EVaried varied);

// The error of the peaking section with gain 1/amp (apcoef80, then the model).
double PeakingSectionError(const CBandErrorModel& model, const CSectionParameters& p, double fs);

// True for the optimizers whose normal form starts with a cancellation point.
constexpr bool CancelsOnEntry(EVaried varied)
{
    return varied != EVaried::CentreFrequency;
}
} // namespace numerics
