// Second-order Chebyshev type I low-pass filter (kind "C1LP-"), designed by soCHBI with "low".
#pragma once

#include "filters/PassSection.h"

class CDigCheby_1LPParams : public CChebySectionParams
{
};

class CDigCheby_1LP : public CDigPassSection<CDigCheby_1LPParams>
{
public:
    static constexpr EFilterKind kKind = kKindC1LP;

    CDigCheby_1LP();
    double GetPassbandRipple() const { return ScalarValue(m_Params.m_PassbandRipple); }

protected:
    void Design() override;
};

using CDigCheby_1LPArray = CDigFilterArray<CDigCheby_1LP>;
