#include "filters/DigButterworth_1HP.h"

#include "filters/SectionDesigners.h"

CDigButterworth_1HP::CDigButterworth_1HP() : CDigPassSection(236, __FILE__, "high") {}

void CDigButterworth_1HP::Design()
{
    DesignWith(foBUT);
}
