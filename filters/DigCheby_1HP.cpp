#include "filters/DigCheby_1HP.h"

#include "filters/SectionDesigners.h"

CDigCheby_1HP::CDigCheby_1HP() : CDigPassSection(201, __FILE__, "high") {}

void CDigCheby_1HP::Design()
{
    DesignWith(soCHBI);
}
