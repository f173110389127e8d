#include "filters/DigTrebleShelf.h"

#include "filters/SectionDesigners.h"
#include "graph/MorvaneUtilities.h"

CDigTrebleShelf::CDigTrebleShelf() : CDigFilterOf(179, __FILE__) {}

void CDigTrebleShelf::Design()
{
    const mwMatrix amplitude(DbToLinear(GetGain()));
    m_B.Assign(soshelft(&m_A, m_Params.m_CutFrequency, m_Params.m_SampleRate, amplitude));
}
