// Second-order Chebyshev type I high-pass filter (kind "C1HP-"), designed by soCHBI with "high".
#pragma once

#include "filters/PassSection.h"

class CDigCheby_1HPParams : public CChebySectionParams
{
};

class CDigCheby_1HP : public CDigPassSection<CDigCheby_1HPParams>
{
public:
    static constexpr EFilterKind kKind = kKindC1HP;

    CDigCheby_1HP();
    double GetPassbandRipple() const { return ScalarValue(m_Params.m_PassbandRipple); }

protected:
    void Design() override;
};

using CDigCheby_1HPArray = CDigFilterArray<CDigCheby_1HP>;
