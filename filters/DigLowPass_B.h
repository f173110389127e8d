// Second-order Butterworth low-pass filter (kind "LPB-"), designed by soBUT with "low".
#pragma once

#include "filters/PassSection.h"

class CDigLowPass_BParams : public CPassSectionParams
{
};

class CDigLowPass_B : public CDigPassSection<CDigLowPass_BParams>
{
public:
    static constexpr EFilterKind kKind = kKindLPB;

    CDigLowPass_B();

protected:
    void Design() override;
};

using CDigLowPass_BArray = CDigFilterArray<CDigLowPass_B>;
