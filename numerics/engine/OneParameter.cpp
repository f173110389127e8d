#include "numerics/engine/OneParameter.h"

#include "numerics/CheckUserAbort.h"
#include "numerics/engine/Apcoef80.h"

namespace numerics
{
double& VariedParameter(CSectionParameters& p, EVaried varied)
{
    switch (varied)
    {
    case EVaried::Bandwidth:
        return p.bw;
    case EVaried::Amplitude:
        return p.amp;
    case EVaried::CentreFrequency:
        break;
    }
    return p.fc;
}

namespace
{
// The candidate's error, measured through loginteg82's normal form: a cancellation point.
double CandidateError(const CBandErrorModel& model, CSectionParameters p, EVaried varied,
                      double value, double fs)
{
    VariedParameter(p, varied) = value;
    CheckUserAbort();
    return PeakingSectionError(model, p, fs);
}
} // namespace

double PeakingSectionError(const CBandErrorModel& model, const CSectionParameters& p, double fs)
{
    const CPeakingSection s = Apcoef80(1.0 / p.amp, p.bw, p.fc, fs);
    return model.SectionError(s.b, s.a);
}

COneParameterStep OneParameterStep(EVaried varied, const CBandErrorModel& model,
                                   const CSectionParameters& current, double fs, double err,
                                   double fLow, double fHigh)
{
    CSectionParameters p = current;
    const double value = VariedParameter(p, varied);
    const bool limited = varied == EVaried::CentreFrequency;

    double up = value + 0.1 * value;
    if (limited && up > fHigh)
        up = fHigh;
    const double eUp = CandidateError(model, p, varied, up, fs);

    double down = value - 0.1 * value;
    if (limited && down < fLow)
        down = fLow;
    const double eDown = CandidateError(model, p, varied, down, fs);

    if (err < eUp && err < eDown)
        return {value, err};
    if (eUp < err && eUp < eDown)
        return {up, eUp};
    return {down, eDown};
}
} // namespace numerics
