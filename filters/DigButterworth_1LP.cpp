#include "filters/DigButterworth_1LP.h"

#include "filters/SectionDesigners.h"

CDigButterworth_1LP::CDigButterworth_1LP() : CDigPassSection(237, __FILE__, "low") {}

void CDigButterworth_1LP::Design()
{
    DesignWith(foBUT);
}
