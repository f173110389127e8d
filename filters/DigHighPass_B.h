// Second-order Butterworth high-pass filter (kind "HPB-"), designed by soBUT with "high".
#pragma once

#include "filters/PassSection.h"

class CDigHighPass_BParams : public CPassSectionParams
{
};

class CDigHighPass_B : public CDigPassSection<CDigHighPass_BParams>
{
public:
    static constexpr EFilterKind kKind = kKindHPB;

    CDigHighPass_B();

protected:
    void Design() override;
};

using CDigHighPass_BArray = CDigFilterArray<CDigHighPass_B>;
