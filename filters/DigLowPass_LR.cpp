#include "filters/DigLowPass_LR.h"

#include "filters/SectionDesigners.h"

CDigLowPass_LR::CDigLowPass_LR() : CDigPassSection(198, __FILE__, "low") {}

void CDigLowPass_LR::Design()
{
    DesignWith(soLR);
}
