#include "filters/DigHighPass_B.h"

#include "filters/SectionDesigners.h"

CDigHighPass_B::CDigHighPass_B() : CDigPassSection(195, __FILE__, "high") {}

void CDigHighPass_B::Design()
{
    DesignWith(soBUT);
}
