#include "filters/DigCheby_1LP.h"

#include "filters/SectionDesigners.h"

CDigCheby_1LP::CDigCheby_1LP() : CDigPassSection(202, __FILE__, "low") {}

void CDigCheby_1LP::Design()
{
    DesignWith(soCHBI);
}
