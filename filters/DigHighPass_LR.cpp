#include "filters/DigHighPass_LR.h"

#include "filters/SectionDesigners.h"

CDigHighPass_LR::CDigHighPass_LR() : CDigPassSection(196, __FILE__, "high") {}

void CDigHighPass_LR::Design()
{
    DesignWith(soLR);
}
