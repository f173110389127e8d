#include "filters/DigEQFilter.h"

#include "filters/SectionDesigners.h"
#include "graph/MorvaneUtilities.h"

CDigEQFilter::CDigEQFilter() : CDigFilterOf(193, __FILE__) {}

void CDigEQFilter::Design()
{
    const mwMatrix amplitude(DbToLinear(GetGain()));
    m_B.Assign(apcoef80(&m_A, &m_Output3, &m_Output4, &m_Output5, amplitude, m_Params.m_Bandwidth,
                        m_Params.m_CenterFrequency, m_Params.m_SampleRate));
}
