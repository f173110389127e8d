// First-order Butterworth high-pass filter (kind "B1HP-"), designed by foBUT with "high".
#pragma once

#include "filters/PassSection.h"

class CDigButterworth_1HPParams : public CPassSectionParams
{
};

class CDigButterworth_1HP : public CDigPassSection<CDigButterworth_1HPParams>
{
public:
    static constexpr EFilterKind kKind = kKindB1HP;

    CDigButterworth_1HP();

protected:
    void Design() override;
};

using CDigButterworth_1HPArray = CDigFilterArray<CDigButterworth_1HP>;
