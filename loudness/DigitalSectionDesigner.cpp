#include "loudness/DigitalSectionDesigner.h"

#include "filters/DigBassShelf.h"
#include "filters/DigEQFilter.h"
#include "filters/DigTrebleShelf.h"
#include "loudness/LoudnessInfo.h"
#include "loudness/LoudnessManager.h"
#include "matrix/matrix.h"

#include <memory>

namespace
{
// The coefficient rows of a designed filter; false unless both are three numbers.
bool TakeRows(CDigFilterBase& filter, const std::string& label, double (&b)[3], double (&a)[3])
{
    if (!filter.SetLabel(label) || !filter.Calculate())
        return false;
    const mwMatrix B = *filter.GetB();
    const mwMatrix A = *filter.GetA();
    if (B.Size(1) * B.Size(2) != 3 || A.Size(1) * A.Size(2) != 3)
        return false;
    for (int i = 0; i < 3; ++i)
    {
        b[i] = double(B(mwIndexList(i + 1)));
        a[i] = double(A(mwIndexList(i + 1)));
    }
    return true;
}

template <class TFilter, class TParams>
bool DesignShelf(const CLoudnessInfo& r, int nSampleRate, double (&b)[3], double (&a)[3])
{
    TParams params;
    params.m_Gain = mwMatrix(r.m_dFilterGain);
    params.m_CutFrequency = mwMatrix(r.m_dCutFrequency);
    params.m_SampleRate = mwMatrix(nSampleRate);
    TFilter filter;
    filter.SetParameters(params);
    return TakeRows(filter, r.m_strName, b, a);
}
} // namespace

bool CDigitalSectionDesigner::Design(int nKind, const CLoudnessInfo& r, int nSampleRate,
                                     double (&b)[3], double (&a)[3])
{
    if (nKind == kLoudnessTrebleBased)
        return DesignShelf<CDigTrebleShelf, CDigTrebleShelfParams>(r, nSampleRate, b, a);
    if (nKind == kLoudnessBassBased)
        return DesignShelf<CDigBassShelf, CDigBassShelfParams>(r, nSampleRate, b, a);
    if (nKind != kLoudnessEQBased)
        return false;
    CDigEQFilterParams params;
    params.m_Gain = mwMatrix(r.m_dFilterGain);
    params.m_Bandwidth = mwMatrix(r.m_dBandwidth);
    params.m_CenterFrequency = mwMatrix(r.m_dCenterFrequency);
    params.m_SampleRate = mwMatrix(nSampleRate);
    CDigEQFilter filter;
    filter.SetParameters(params);
    return TakeRows(filter, r.m_strName, b, a);
}
