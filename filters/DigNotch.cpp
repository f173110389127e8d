#include "filters/DigNotch.h"

#include "filters/SectionDesigners.h"

CDigNotch::CDigNotch() : CDigFilterOf(199, __FILE__) {}

void CDigNotch::Design()
{
    m_B.Assign(notch(&m_A, m_Params.m_Bandwidth, m_Params.m_CutFrequency, m_Params.m_SampleRate));
}
