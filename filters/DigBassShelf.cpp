#include "filters/DigBassShelf.h"

#include "filters/SectionDesigners.h"
#include "graph/MorvaneUtilities.h"

CDigBassShelf::CDigBassShelf() : CDigFilterOf(194, __FILE__) {}

void CDigBassShelf::Design()
{
    const mwMatrix amplitude(DbToLinear(GetGain()));
    m_B.Assign(soshelfb(&m_A, m_Params.m_CutFrequency, m_Params.m_SampleRate, amplitude));
}
