#include "filters/DigLowPass_B.h"

#include "filters/SectionDesigners.h"

CDigLowPass_B::CDigLowPass_B() : CDigPassSection(197, __FILE__, "low") {}

void CDigLowPass_B::Design()
{
    DesignWith(soBUT);
}
