// First-order Butterworth low-pass filter (kind "B1LP-"), designed by foBUT with "low".
#pragma once

#include "filters/PassSection.h"

class CDigButterworth_1LPParams : public CPassSectionParams
{
};

class CDigButterworth_1LP : public CDigPassSection<CDigButterworth_1LPParams>
{
public:
    static constexpr EFilterKind kKind = kKindB1LP;

    CDigButterworth_1LP();

protected:
    void Design() override;
};

using CDigButterworth_1LPArray = CDigFilterArray<CDigButterworth_1LP>;
